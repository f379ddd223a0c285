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
    const struct {
        int32_t round;
        StakesEntry* table;
        int entries;
        int lastThrough; // places up to this one stay in
    } kRounds[] = {{1, stakesEntries1, kRound1Entries, 4},
                   {2, stakesEntries2, kRound2Entries, 5},
                   {3, stakesEntries3, kRound3Entries, 5},
                   {4, stakesEntries4, kRound4Entries, kFieldSize}}; // nobody is out of the final
    for (const auto& round : kRounds) {
        FillTable(round.table, round.entries, 1);
        stakesRound = round.round;
        const int step = round.entries / kFieldSize;
        int indices[kFieldSize];
        for (int slot = 0; slot < kFieldSize; ++slot) {
            indices[slot] = slot * step + step - 1; // entry 0 runs only in the final
        }
        RunField(round.table, indices);
        MarkEliminated();
        for (int slot = 0; slot < kFieldSize; ++slot) {
            EXPECT_EQ(round.table[indices[slot]].eliminated, slot + 1 > round.lastThrough)
                << "round " << round.round << " place " << slot + 1;
        }
        EXPECT_EQ(round.table[0].eliminated, 0) << round.round;
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

    // The champion's box closes the series on the final's day: ten days to the next one.
    stakesRound = 4;
    CloseStakesSeries();
    AdvanceStakes();
    EXPECT_EQ(daysToStakes, 10);
    EXPECT_EQ(stakesRound, 0);
    EXPECT_EQ(stakesRace, 1);
    EXPECT_EQ(raceOfDay, 0);
    EXPECT_EQ(currentDay, 14);
}

} // namespace
