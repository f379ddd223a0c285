// Races run headless with the game's own code: no window, no pictures, no sound, no file
// written. The race simulator, the tests and the benchmarks all race this way.
#pragma once

#include <cstdint>

#include "stable/horse_record.h"

struct HeadlessRace {
    int fps = 60;             // frames a second the race is run at (the frame factor is 60 / fps)
    int follow = 1;           // the place the camera follows, 1..10
    bool announce = false;    // the announcer calls the race on the clip clock (InstallClipClock)
    bool wholeFrames = false; // RunRaceFrame, drawing steps and all, instead of the sim alone
};

struct RaceOutcome {
    bool finished;                  // the race switched to the results before the frame cap
    int frames;                     // race frames from the off to the switch
    int32_t places[kFieldSize];     // finishPlace as the race left it
    int32_t settled[kFieldSize];    // after the results screen's dead-heat rule
    float rating[kFieldSize];       // runnerRating at the off
    int32_t oddsCode[kFieldSize];   // the odds at the off
    int32_t ratingRank[kFieldSize]; // runners rated strictly higher: 0 is the favourite
    int photoFinishes;              // frames that drew the photo-finish line
    bool deadHeat;                  // two runners finished sharing a place
    bool placesValid;               // every place 1..10, shared only by exactly level crossers
    bool settledDistinct;           // the dead-heat rule left ten different places
    bool ratingsKept;               // every rating as written ("%.1f") and closing exactly
    bool finite;                    // no position or working value ever stopped being a number
};

// Called once, in a folder that holds horses/: the track's sprites take their sizes and start
// places from the manifest (no pictures are loaded) and the calendar is set to an ordinary day.
void PrepareHeadlessRaces();

// Seeds Rand with seed, draws and rates a field from horses/, runs one race from the off to the
// results and reports how it went. The same seed and settings always give the same race.
RaceOutcome RunHeadlessRace(uint32_t seed, const HeadlessRace& how);

// The results screen's dead-heat rule, run until no two places are shared: a coin from Rand
// moves one of each level pair up a place (a pair level for first: one of them goes to 2).
void SettleDeadHeats(int32_t places[kFieldSize]);
