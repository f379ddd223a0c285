// The stakes series' rules: its start, eliminations, promotions and the round changes.
#include "stable/stakes.h"

#include <gtest/gtest.h>

#include "tests/stable/stable_support.h"

namespace {

void FillTable(StakesEntry* table, int count, int32_t firstNumber) {
    for (int i = 0; i < count; ++i) {
        table[i] = {static_cast<float>(100 - i), firstNumber + i, 0};
    }
}

// Runners 0..9 of the field are the given table entries, finishing in slot order.
void RunField(const StakesEntry* table, const int (&indices)[kFieldSize]) {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        raceField[slot] = HorseRecord{};
        raceField[slot].loaded = 1;
        raceField[slot].horseNumber = table[indices[slot]].horseNumber;
        raceField[slot].finishPlace = slot + 1;
    }
}

TEST(Stakes, ASeriesBeginsWhenTheCountdownReachesZero) {
    StableFolder game;
    daysToStakes = 1;
    StartStakesIfDue();
    EXPECT_EQ(stakesRound, 0);

    daysToStakes = 0;
    racesPerDay = 5;
    raceOfDay = 6;
    stakesRace = 1;
    stakesEntries1[3].eliminated = 1;
    stakesEntries2[39].eliminated = 1;
    stakesEntries3[0].eliminated = 1;
    stakesEntries4[9].eliminated = 1;
    StartStakesIfDue();
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(racesPerDay, 10);
    EXPECT_EQ(stakesRound, 1);
    EXPECT_EQ(stakesRace, 1);
    EXPECT_EQ(stakesNoticeDue[kNoticeSeriesStart], 1);
    for (int32_t round = 1; round <= kStakesRounds; ++round) {
        for (int i = 0; i < kStakesRoundRules[round].entries; ++i) {
            EXPECT_EQ(RoundTable(round)[i].eliminated, 0);
        }
    }

    // During the series every load only follows the race within the round.
    stakesRace = 4;
    stakesEntries1[3].eliminated = 1;
    StartStakesIfDue();
    EXPECT_EQ(raceOfDay, 4);
    EXPECT_EQ(stakesEntries1[3].eliminated, 1);
}

TEST(Stakes, FifthPlaceIsOutInRoundOneButThroughInRoundsTwoAndThree) {
    StableFolder game;
    FillTable(stakesEntries1, kRound1Entries, 1);
    stakesRound = 1;
    RunField(stakesEntries1, {2, 12, 22, 32, 42, 52, 62, 72, 82, 92});
    MarkEliminated();
    EXPECT_EQ(stakesEntries1[32].eliminated, 0); // fourth
    EXPECT_EQ(stakesEntries1[42].eliminated, 1); // fifth
    EXPECT_EQ(stakesEntries1[92].eliminated, 1);
    EXPECT_EQ(stakesEntries1[3].eliminated, 0); // ran no race yet

    FillTable(stakesEntries2, kRound2Entries, 1);
    stakesRound = 2;
    RunField(stakesEntries2, {0, 4, 8, 12, 16, 20, 24, 28, 32, 36});
    MarkEliminated();
    EXPECT_EQ(stakesEntries2[16].eliminated, 0); // fifth
    EXPECT_EQ(stakesEntries2[20].eliminated, 1); // sixth

    FillTable(stakesEntries4, kRound4Entries, 1);
    stakesRound = 4;
    RunField(stakesEntries4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    MarkEliminated();
    for (const StakesEntry& entry : stakesEntries4) {
        EXPECT_EQ(entry.eliminated, 0);
    }
}

TEST(Stakes, QualifiersArePromotedInTableOrderAndTheRestIsEmptied) {
    StableFolder game;
    FillTable(stakesEntries2, kRound2Entries, 1);
    FillTable(stakesEntries3, kRound3Entries, 200); // a previous series
    for (int i = 0; i < kRound2Entries; ++i) {
        stakesEntries2[i].eliminated = i % 3 != 0; // 14 go through
    }
    stakesRound = 3;
    PromoteQualifiers();
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(stakesEntries3[i].horseNumber, 1 + 3 * i);
        EXPECT_FLOAT_EQ(stakesEntries3[i].rating, stakesEntries2[3 * i].rating);
    }
    for (int i = 14; i < kRound3Entries; ++i) {
        EXPECT_EQ(stakesEntries3[i].horseNumber, 0);
    }
}

TEST(Stakes, PromotionNeverWritesPastTheNextRoundsTable) {
    StableFolder game;
    FillTable(stakesEntries1, kRound1Entries, 1); // nobody eliminated
    FillTable(stakesEntries3, kRound3Entries, 150);
    stakesRound = 2;
    PromoteQualifiers();
    for (int i = 0; i < kRound2Entries; ++i) {
        EXPECT_EQ(stakesEntries2[i].horseNumber, i + 1);
    }
    for (int i = 0; i < kRound1Entries; ++i) {
        EXPECT_EQ(stakesEntries1[i].horseNumber, i + 1);
    }
    for (int i = 0; i < kRound3Entries; ++i) {
        EXPECT_EQ(stakesEntries3[i].horseNumber, 150 + i);
    }
    EXPECT_EQ(game.LogCount("Stakes round 2: 100 qualified for 40 places"), 1);

    stakesRound = 4;
    FillTable(stakesEntries3, kRound3Entries, 150);
    FillTable(stakesEntries2, kRound2Entries, 1);
    PromoteQualifiers();
    for (int i = 0; i < kRound4Entries; ++i) {
        EXPECT_EQ(stakesEntries4[i].horseNumber, 150 + i);
    }
    for (int i = 0; i < kRound3Entries; ++i) {
        EXPECT_EQ(stakesEntries3[i].horseNumber, 150 + i); // the table after the final's
    }
}

TEST(Stakes, RoundsChangeAfterTheirLastRaceWithANoticeAndANewDay) {
    StableFolder game;
    currentDay = 10;
    currentMonth = 5;
    currentYear = 2003;
    daysToStakes = 0;
    timeBetweenRaces = 2;
    postTimeMinutes = 2;
    stakesRound = 1;
    stakesRace = 9;
    AdvanceStakes();
    EXPECT_EQ(stakesRace, 10);
    EXPECT_EQ(currentDay, 10);

    AdvanceStakes();
    EXPECT_EQ(stakesRound, 2);
    EXPECT_EQ(stakesRace, 1);
    EXPECT_EQ(stakesNoticeDue[kNoticeRound2], 1);
    EXPECT_EQ(currentDay, 11);
    EXPECT_EQ(raceOfDay, 1);

    stakesRace = 4;
    AdvanceStakes();
    EXPECT_EQ(stakesRound, 3);
    EXPECT_EQ(stakesNoticeDue[kNoticeRound3], 1);
    EXPECT_EQ(postTimeMinutes, 2);

    stakesRace = 2;
    AdvanceStakes();
    EXPECT_EQ(stakesRound, 4);
    EXPECT_EQ(stakesRace, 1);
    EXPECT_EQ(stakesNoticeDue[kNoticeRound4], 1);
    EXPECT_EQ(postTimeMinutes, 4);
    EXPECT_EQ(currentDay, 13);
    EXPECT_EQ(daysToStakes, 0);

    AdvanceStakes(); // the final passed without the champion's box
    EXPECT_EQ(stakesRound, 0);
    EXPECT_EQ(stakesRace, 0);
    EXPECT_EQ(currentDay, 14);

    AdvanceStakes(); // no series: nothing
    EXPECT_EQ(stakesRound, 0);
    EXPECT_EQ(currentDay, 14);
}

} // namespace
