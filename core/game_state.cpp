// The screen codes and the one state machine they drive.
#include "core/game_state.h"

int32_t gameState = kStateIntro;
