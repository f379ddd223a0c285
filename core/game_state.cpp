// The screen codes and the one state machine they drive.
#include "core/game_state.h"

namespace {

int32_t screen = kStateIntro;

} // namespace

const int32_t& gameState = screen;

void SwitchScreen(GameStateCode next) { screen = next; }
