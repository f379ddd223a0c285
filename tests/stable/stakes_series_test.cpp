// A whole stakes series on 215 generated horses with scripted finishing orders, as the results
// screen and the race reset drive it, then the start of a second series.
#include <gtest/gtest.h>
#include <set>

#include "core/settings_file.h"
#include "stable/calendar.h"
#include "stable/field_draw.h"
#include "stable/horse_file.h"
#include "stable/horse_updates.h"
#include "stable/stakes.h"
#include "tests/stable/stable_support.h"

namespace {

bool IsLastRaceOfRound() {
    return stakesRound == 4 || stakesRace == kStakesRoundRules[stakesRound].races;
}

// One stakes race from the field to the next field: places by a fixed permutation of the slots,
// then what LeaveResults does (the end-of-round box answered, the champion's box closed).
void RunStakesRace(int raceNumber) {
    std::set<int32_t> runners;
    for (int slot = 0; slot < kFieldSize; ++slot) {
        ASSERT_EQ(raceField[slot].loaded, 1);
        runners.insert(raceField[slot].horseNumber);
        raceField[slot].finishPlace = (slot * 3 + raceNumber) % kFieldSize + 1;
    }
    ASSERT_EQ(runners.size(), size_t{kFieldSize});
    if (IsLastRaceOfRound()) {
        loadedRace = 0;
    }
    MarkEliminated();
    if (stakesRound == 4) {
        CloseStakesSeries();
    }
    NextRace();
    UpdateHorseFiles();
    RestartFieldDraw();
    AdvanceStakes();
    ApplyFieldReloadRule();
}

std::vector<int32_t> Survivors(const StakesEntry* table, int count) {
    std::vector<int32_t> numbers;
    for (int i = 0; i < count; ++i) {
        if (!table[i].eliminated) {
            numbers.push_back(table[i].horseNumber);
        }
    }
    return numbers;
}

std::vector<int32_t> Numbers(const StakesEntry* table, int count) {
    std::vector<int32_t> numbers;
    for (int i = 0; i < count; ++i) {
        numbers.push_back(table[i].horseNumber);
    }
    return numbers;
}

TEST(StakesSeries, FourRoundsPromoteFortyTwentyAndTenInTableOrder) {
    StableFolder game;
    WriteStartingHorses();
    currentDay = 1;
    currentMonth = 1;
    currentYear = 2002;
    racesPerDay = 6;
    daysToStakes = 0;
    raceOfDay = 1;
    loadedRace = 0;
    ApplyFieldReloadRule();
    ASSERT_EQ(stakesRound, 1);
    EXPECT_EQ(racesPerDay, 10);
    EXPECT_EQ(stakesNoticeDue[kNoticeSeriesStart], 1);

    const std::vector<std::string> roundDates = {"January 1, 2002", "January 3, 2002",
                                                 "January 4, 2002", "January 5, 2002"};
    const int promoted[] = {kRound2Entries, kRound3Entries, kRound4Entries};
    int raceNumber = 0;
    for (int32_t round = 1; round <= kStakesRounds; ++round) {
        ASSERT_EQ(stakesRound, round);
        EXPECT_EQ(DateLine(), roundDates[round - 1]);
        for (int race = 1; race <= kStakesRoundRules[round].races; ++race) {
            EXPECT_EQ(stakesRace, race);
            EXPECT_EQ(raceOfDay, race);
            ExpectSaveLoadsBack(DateLine());
            RunStakesRace(++raceNumber);
        }
        if (round < kStakesRounds) {
            const std::vector<int32_t> survivors =
                Survivors(RoundTable(round), kStakesRoundRules[round].entries);
            EXPECT_EQ(survivors.size(), size_t(promoted[round - 1]));
            EXPECT_EQ(Numbers(RoundTable(round + 1), promoted[round - 1]), survivors);
            EXPECT_EQ(stakesNoticeDue[round], 1);
        }
        if (round == 3) {
            EXPECT_EQ(postTimeMinutes, 4);
        }
    }
    EXPECT_EQ(raceNumber, 17);

    // After the champion's box: race 1 of an ordinary day on the date of the final.
    EXPECT_EQ(stakesRound, 0);
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(daysToStakes, 10);
    EXPECT_EQ(racesPerDay, 10);
    EXPECT_EQ(DateLine(), "January 5, 2002");
    ExpectSaveLoadsBack(DateLine());
    // The re-rated files were not overwritten by the final's after-race update.
    for (int number = 1; number <= kHorseCount; ++number) {
        const std::vector<uint8_t> bytes = ReadBytes(HorseFilePath(number));
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.back(), '\n') << number;
    }
    int32_t eliminatedFlags = 0;
    for (int32_t round = 1; round <= kStakesRounds; ++round) {
        for (int i = 0; i < kStakesRoundRules[round].entries; ++i) {
            eliminatedFlags += RoundTable(round)[i].eliminated;
        }
    }
    EXPECT_EQ(eliminatedFlags, 60 + 20 + 10);

    // The next series starts with every flag cleared.
    ResetStakesNotices();
    daysToStakes = 0;
    loadedRace = 0;
    ApplyFieldReloadRule();
    EXPECT_EQ(stakesRound, 1);
    EXPECT_EQ(stakesRace, 1);
    EXPECT_EQ(stakesNoticeDue[kNoticeSeriesStart], 1);
    for (int32_t round = 1; round <= kStakesRounds; ++round) {
        for (int i = 0; i < kStakesRoundRules[round].entries; ++i) {
            EXPECT_EQ(RoundTable(round)[i].eliminated, 0);
        }
    }
}

} // namespace
