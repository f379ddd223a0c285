// The stakes series' rules that a whole series played through (StakesSeriesEnd) does not reach:
// stale eliminations at the start, a table with too many or too few qualifiers, and the final
// passing without the champion's box.
#include "stable/stakes.h"

#include <gtest/gtest.h>

#include "tests/stable/stable_support.h"

namespace {

void FillTable(StakesEntry* table, int count, int32_t firstNumber) {
    for (int i = 0; i < count; ++i) {
        table[i] = {static_cast<float>(100 - i), firstNumber + i, 0};
    }
}

TEST(Stakes, ASeriesBeginsWhenTheCountdownReachesZeroWithEveryEliminationCleared) {
    StableFolder game;
    daysToStakes = 1;
    StartStakesIfDue();
    EXPECT_EQ(stakesRound, 0);

    daysToStakes = 0;
    raceOfDay = 6;
    stakesRace = 1;
    stakesEntries1[3].eliminated = 1;
    stakesEntries4[9].eliminated = 1;
    StartStakesIfDue();
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(stakesRound, 1);
    EXPECT_EQ(stakesNoticeDue[kNoticeSeriesStart], 1);
    EXPECT_EQ(stakesEntries1[3].eliminated, 0);
    EXPECT_EQ(stakesEntries4[9].eliminated, 0);
}

TEST(Stakes, PromotionFillsTheNextTableInOrderNeverPastItsEndAndEmptiesTheRest) {
    StableFolder game;
    FillTable(stakesEntries1, kRound1Entries, 1); // nobody eliminated
    FillTable(stakesEntries3, kRound3Entries, 150);
    stakesRound = 2;
    PromoteQualifiers();
    for (int i = 0; i < kRound2Entries; ++i) {
        EXPECT_EQ(stakesEntries2[i].horseNumber, i + 1);
    }
    for (int i = 0; i < kRound3Entries; ++i) {
        EXPECT_EQ(stakesEntries3[i].horseNumber, 150 + i);
    }
    EXPECT_EQ(game.LogCount("Stakes round 2: 100 qualified for 40 places"), 1);

    for (int i = 0; i < kRound2Entries; ++i) {
        stakesEntries2[i].eliminated = i % 3 != 0; // 14 go through
    }
    stakesRound = 3;
    PromoteQualifiers();
    for (int i = 0; i < kRound3Entries; ++i) {
        EXPECT_EQ(stakesEntries3[i].horseNumber, i < 14 ? 1 + 3 * i : 0) << i;
    }
}

TEST(Stakes, TheFinalComesWithItsLongerPostTimeAndCanPassWithoutTheChampionsBox) {
    StableFolder game;
    currentDay = 10;
    currentMonth = 5;
    currentYear = 2003;
    daysToStakes = 0;
    postTimeMinutes = 2;
    stakesRound = 3;
    stakesRace = raceOfDay = 2;
    AdvanceStakes();
    EXPECT_EQ(stakesRound, 4);
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(stakesNoticeDue[kNoticeRound4], 1);
    EXPECT_EQ(postTimeMinutes, 4);
    EXPECT_EQ(currentDay, 11);
    EXPECT_EQ(daysToStakes, 0);

    AdvanceStakes();
    EXPECT_EQ(stakesRound, 0);
    EXPECT_EQ(stakesRace, 0);
    EXPECT_EQ(currentDay, 12);
    AdvanceStakes(); // no series: nothing
    EXPECT_EQ(currentDay, 12);
}

} // namespace
