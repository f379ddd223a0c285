// The odds: each runner's mean rating and the odds its rank among the ten earns.
#pragma once

#include <cstdint>

#include "stable/horse_record.h"

// A runner pays N to 1 with N = oddsCode - 397. Readers accept 399..447 (2 to 1 up to 50 to 1);
// the rating step makes only 400..443.
constexpr int32_t kOddsCodeOffset = 397;

// The band of odds codes by how many runners are rated strictly higher: base + rand() % spread.
struct OddsBand {
    int32_t base;
    int32_t spread;
};
constexpr OddsBand kOddsBands[kFieldSize] = {{400, 3},  {401, 6},  {402, 8},  {403, 10}, {404, 12},
                                             {406, 14}, {408, 16}, {410, 18}, {412, 20}, {414, 30}};
static_assert(kOddsBands[0].base == 400, "the favourite pays at least 3 to 1");
static_assert(kOddsBands[kFieldSize - 1].base + kOddsBands[kFieldSize - 1].spread - 1 == 443,
              "the outsider pays at most 46 to 1");

constexpr float kOddsTimerStart = 15.0f;

// The field's ratings and odds, by slot; ResetOdds puts them back.
struct FieldOdds {
    float runnerRating[kFieldSize] = {}; // mean of the runner's four ratings
    int32_t oddsCode[kFieldSize] = {};   // 0 until the runner is rated
    int32_t rankCount = 0;               // scratch of the rating step, 0 outside it
    float oddsTimer = kOddsTimerStart;   // until the next re-rating; 15.0 after every race reset
};
extern FieldOdds fieldOdds;

// Rates one slot and quotes its odds: called by LoadRaceField right after each slot is
// loaded (later slots may still hold the previous race's ratings), and for all ten whenever
// oddsTimer runs out. Runners rated equal count only those rated strictly higher, so they
// share the better band.
void RateRunner(int slot);

// Every frame off the track: the timer runs down by the frame factor, and when it has run out
// all ten are rated again and it starts afresh.
void TickOddsTimer();
// The timer full again, as every race is made ready.
void RestartOddsTimer();

void ResetOdds();
