// Saves killed mid-way: a child process saving, or playing, is killed with SIGKILL at seeded
// random moments, and after each kill every file must read back whole.
#pragma once

#include <cstdint>
#include <string>

struct CrashReport {
    int kills;
    int newerSettings;   // kills after which settings.stn held a later generation than before
    int leftTemporaries; // kills that left a ".tmp" behind (a save was cut short)
    std::string failure; // the first file found damaged, or the next start that went wrong
};

// A child writes generation after generation of settings.stn and the 215 horse files in the
// folder through the game's own save, each file's fields all drawn from its generation, and
// is killed at `kills` moments; after each, every file must be one generation whole.
CrashReport KillSavingChild(const std::string& folder, int kills, uint32_t seed);

// A child plays the game (two players, every bet at random) in a data folder holding a saved
// game and is killed at `kills` moments within its first two race days; after each, every file
// must read back whole and the next start must play a race with every invariant kept.
CrashReport KillPlayingGame(const std::string& folder, int kills, uint32_t seed);
