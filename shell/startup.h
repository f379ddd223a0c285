// Start-up and shutdown: from a bare window to the first frame, and back.
#pragma once

#include <cstdint>

// How start-up seeds the random draws: from the clock unless a seed was given.
struct StartupSeed {
    bool given;
    uint32_t value;
};
// Called once by the entry point after the window is open; returns 1. Never stops on a
// failure, each step reporting its own, except when there is no display to draw on: then 0,
// and the game ends.
int Game_Init(StartupSeed seed);

// The ten fonts of the game, in their order.
void MakeFonts();

// Called only by Game_Init.
void InitiateGame(StartupSeed seed);

// Releases every sprite still holding frames; how many, each counted once.
int ReleaseGameSprites();

// Called once by the entry point after the main loop; releases everything; returns 1.
int Game_Shutdown();
