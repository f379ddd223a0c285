// The odds: each runner's mean rating and the odds its rank among the ten earns.
#include "stable/odds.h"

#include "platform/random.h"

float runnerRating[kFieldSize] = {};
int32_t oddsCode[kFieldSize] = {};
int32_t rankCount = 0;
float oddsTimer = kOddsTimerStart;

void RateRunner(int slot) {
    const HorseRecord& runner = raceField[slot];
    runnerRating[slot] =
        (runner.acceleration + runner.speed + runner.closing + runner.endurance) / 4.0;
    for (const float rating : runnerRating) {
        if (runnerRating[slot] < rating) {
            rankCount += 1;
        }
    }
    const OddsBand& band = kOddsBands[rankCount];
    oddsCode[slot] = band.base + Rand() % band.spread;
    rankCount = 0;
}

void ResetOdds() {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        runnerRating[slot] = 0.0f;
        oddsCode[slot] = 0;
    }
    rankCount = 0;
    oddsTimer = kOddsTimerStart;
}
