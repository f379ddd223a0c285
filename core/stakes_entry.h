// The stakes series' saved tables: one entrant per round, and the ranking of every horse.
#pragma once

#include <cstdint>

constexpr int kHorseCount = 215; // horses/1.txt .. horses/215.txt

// One entrant of one round of the series.
struct StakesEntry {
    float rating;        // the horse's class when the series was ranked
    int32_t horseNumber; // N of horses/N.txt; 0 = no horse
    int32_t eliminated;  // 1 once it finished outside the qualifying places of this round
};

// One horse of the ranking, best first.
struct RankingEntry {
    float rating; // the horse's class
    int32_t horseNumber;
};

// Entrants per round: round 1 takes the best 100, round 4 is the final of ten.
constexpr int kRound1Entries = 100;
constexpr int kRound2Entries = 40;
constexpr int kRound3Entries = 20;
constexpr int kRound4Entries = 10;

// The rules of each round (index = stakesRound; 0 is no series): how many races it runs, which
// finishing places go through, and how many entrants its table holds. Between series
// stakesRace rests at 1 (or 0 right after a final), hence the one race of round 0.
struct StakesRoundRule {
    int32_t races;
    int32_t qualifyingPlaces; // the final's winner is the champion; nobody goes on
    int32_t entries;
};
constexpr int kStakesRounds = 4;
constexpr StakesRoundRule kStakesRoundRules[kStakesRounds + 1] = {{1, 0, 0},
                                                                  {10, 4, kRound1Entries},
                                                                  {4, 5, kRound2Entries},
                                                                  {2, 5, kRound3Entries},
                                                                  {1, 0, kRound4Entries}};
static_assert(kStakesRoundRules[1].races * 10 == kRound1Entries);
static_assert(kStakesRoundRules[2].races * 10 == kRound2Entries);
static_assert(kStakesRoundRules[3].races * 10 == kRound3Entries);
static_assert(kStakesRoundRules[4].races * 10 == kRound4Entries);
static_assert(kStakesRoundRules[1].races * kStakesRoundRules[1].qualifyingPlaces == kRound2Entries);
static_assert(kStakesRoundRules[2].races * kStakesRoundRules[2].qualifyingPlaces == kRound3Entries);
static_assert(kStakesRoundRules[3].races * kStakesRoundRules[3].qualifyingPlaces == kRound4Entries);
