// The odds: each runner's mean rating and the odds its rank among the ten earns.
#include "stable/odds.h"

#include "core/frame_timing.h"
#include "platform/random.h"

namespace {

constexpr double kOddsTimerStep = 0.03;

} // namespace

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

void TickOddsTimer() {
    fieldOdds.oddsTimer =
        static_cast<float>(fieldOdds.oddsTimer - frameTiming.frameFactor * kOddsTimerStep);
    if (fieldOdds.oddsTimer <= 0) {
        for (int slot = 0; slot < kFieldSize; ++slot) {
            RateRunner(slot);
        }
        RestartOddsTimer();
    }
}

void RestartOddsTimer() { fieldOdds.oddsTimer = kOddsTimerStart; }
