// The rating step: each runner's mean rating and the band of odds its rank earns.
#include "stable/odds.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "shell/game_reset.h"

namespace {

void SetRunner(int slot, float a, float s, float c, float e) {
    raceField[slot] = HorseRecord{};
    raceField[slot].acceleration = a;
    raceField[slot].speed = s;
    raceField[slot].closing = c;
    raceField[slot].endurance = e;
}

void ExpectInBand(int slot, int rank) {
    const OddsBand& band = kOddsBands[rank];
    EXPECT_GE(fieldOdds.oddsCode[slot], band.base) << "slot " << slot;
    EXPECT_LT(fieldOdds.oddsCode[slot], band.base + band.spread) << "slot " << slot;
}

class Odds : public testing::Test {
  protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

TEST_F(Odds, EachRunnerIsQuotedByHowManyAreRatedStrictlyHigher) {
    for (uint32_t seed = 0; seed < 50; ++seed) {
        SeedRand(seed);
        for (int slot = 0; slot < kFieldSize; ++slot) {
            // Slot 3 rated best, then downwards; slot order is not rank order.
            const float mean = 40.0f - static_cast<float>((slot + 7) % kFieldSize);
            SetRunner(slot, mean - 1, mean + 1, mean - 2, mean + 2);
        }
        for (int pass = 0; pass < 2; ++pass) { // the first may rank against stale ratings
            for (int slot = 0; slot < kFieldSize; ++slot) {
                RateRunner(slot);
            }
        }
        for (int slot = 0; slot < kFieldSize; ++slot) {
            EXPECT_FLOAT_EQ(fieldOdds.runnerRating[slot],
                            40.0f - static_cast<float>((slot + 7) % 10));
            ExpectInBand(slot, (slot + 7) % kFieldSize);
        }
        EXPECT_EQ(fieldOdds.rankCount, 0);
    }
}

TEST_F(Odds, TheFavouritePaysThreeToFiveAndTheOutsiderSeventeenToFortySix) {
    int lowest = 1000, highest = 0;
    for (uint32_t seed = 0; seed < 300; ++seed) {
        SeedRand(seed);
        for (int slot = 0; slot < kFieldSize; ++slot) {
            SetRunner(slot, 10.0f + slot, 10, 10, 10);
            RateRunner(slot);
        }
        // Rated in slot order, so the last slot's rank is final.
        EXPECT_GE(fieldOdds.oddsCode[9] - kOddsCodeOffset, 3);
        EXPECT_LE(fieldOdds.oddsCode[9] - kOddsCodeOffset, 5);
        for (int slot = 0; slot < kFieldSize; ++slot) {
            RateRunner(slot);
        }
        lowest = std::min(lowest, fieldOdds.oddsCode[0] - kOddsCodeOffset);
        highest = std::max(highest, fieldOdds.oddsCode[0] - kOddsCodeOffset);
    }
    EXPECT_EQ(lowest, 17);
    EXPECT_EQ(highest, 46);
}

TEST_F(Odds, RunnersRatedEqualShareTheBetterBandAndAFreshFieldRanksAgainstTheLastOne) {
    SeedRand(5);
    for (int slot = 0; slot < kFieldSize; ++slot) {
        SetRunner(slot, 10, 10, 10, 10.0f - slot);
    }
    SetRunner(1, 10, 10, 10, 10); // level with slot 0 at the top
    for (int slot = 0; slot < kFieldSize; ++slot) {
        RateRunner(slot);
    }
    ExpectInBand(0, 0);
    ExpectInBand(1, 0);
    ExpectInBand(2, 2); // nobody gets the band just below the shared one

    for (int slot = 0; slot < kFieldSize; ++slot) {
        fieldOdds.runnerRating[slot] = 100.0f; // the previous race's field
    }
    RateRunner(0);
    ExpectInBand(0, 9);
}

} // namespace
