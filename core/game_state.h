// The screen codes: the game is one state machine, and every screen changes screens only by
// SwitchScreen; the frame driver acts on it the next frame.
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

// The screen on show, read by everyone; whole run, starting at the intro.
extern const int32_t& gameState;

// The one way to change gameState.
void SwitchScreen(GameStateCode screen);
