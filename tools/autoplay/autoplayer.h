// A player that plays the game by itself through its own screens and dialogs: it clicks new
// game, names the players, places their bets, answers the boxes and presses the keys the
// notices wait for. Soaks and end-to-end tests run the real game with it.
#pragma once

#include <cstdint>
#include <string>

// Called by the autoplayer at the moments a soak checks the game: null for none.
using AutoplayCheck = void (*)();

struct AutoplayPlan {
    int players = 2;               // 1..4
    uint32_t seed = 1;             // the autoplayer's own choices, apart from the game's draws
    int races = 10;                // races to finish before closing the window
    bool restartAtDayEnd = false;  // answer the end-of-day box with Restart instead of Save
    bool sometimesRestart = false; // choose at random at each day's end
    int32_t stake = 0;             // 0: a random stake each bet
    AutoplayCheck resultsShown = nullptr; // on the first frame of each results screen
    AutoplayCheck raceLeft = nullptr;     // once the results have been left and paid
};

// What the autoplayer saw happen.
struct AutoplayTally {
    int racesFinished;
    int betsTried;
    bool answeredRestart; // the boxes of the last results screen were answered with Restart
};

// Prepares a run; the game is then started with RunStridewell and the autoplayer's frame hook.
void StartAutoplay(const AutoplayPlan& plan);
const AutoplayTally& AutoplaySoFar();

// Called before every frame (the main loop's frame hook).
void AutoplayFrame();

// Writes a saved game on its first day (1 January 2002) into the folder, with a minute between
// races, the shortest clock, so that an autoplayed game spends its time racing. False when
// settings.stn cannot be written.
bool WriteQuickSavedGame(const std::string& folder, int racesPerDay, int daysToStakes);

// Runs the game headless (no window, no sound device) in a data folder, played by the
// autoplayer; its exit status.
int RunAutoplayedGame(const std::string& dataFolder, uint32_t gameSeed, int fixedFps);
