// The screen codes: the game is one state machine, and every screen changes screens only by
// writing gameState; the frame driver acts on it the next frame.
#pragma once

#include <cstdint>

enum GameStateCode : int32_t {
    kStateIntro = 298, // start-up's intro; drawn as the main menu when it was skipped
    kStateMainMenu = 299,
    kStateTrack = 304, // post parade and the race
    kStateRaceCard = 306,
    kStatePlayers = 307, // number of players
    kStateOptions = 308,
    kStateResults = 309,
    kStateCredits = 310,
};

// Lives for the whole run; starts at the intro.
extern int32_t gameState;
