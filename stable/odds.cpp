// The odds: each runner's mean rating and the odds its rank among the ten earns.
#include "stable/odds.h"

#include "platform/random.h"

FieldOdds fieldOdds;

void RateRunner(int slot) {
    const HorseRecord& runner = raceField[slot];
    fieldOdds.runnerRating[slot] =
        (runner.acceleration + runner.speed + runner.closing + runner.endurance) / 4.0;
    for (const float rating : fieldOdds.runnerRating) {
        if (fieldOdds.runnerRating[slot] < rating) {
            fieldOdds.rankCount += 1;
        }
    }
    const OddsBand& band = kOddsBands[fieldOdds.rankCount];
    fieldOdds.oddsCode[slot] = band.base + Rand() % band.spread;
    fieldOdds.rankCount = 0;
}

void ResetOdds() { fieldOdds = {}; }
