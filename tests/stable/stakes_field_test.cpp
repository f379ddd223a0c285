// The stakes fields: the ranking with its duplicate repair, each race's entrants, and entrants
// that cannot run.
#include "stable/stakes_field.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

#include "stable/field_draw.h"
#include "stable/horse_file.h"
#include "stable/stakes.h"
#include "tests/stable/stable_support.h"

namespace {

std::set<int32_t> FieldNumbers() {
    std::set<int32_t> numbers;
    for (const HorseRecord& runner : raceField) {
        EXPECT_EQ(runner.loaded, 1);
        numbers.insert(runner.horseNumber);
    }
    EXPECT_EQ(numbers.size(), size_t{kFieldSize});
    return numbers;
}

// Horse 1 ranked best, horse 215 last.
void RankByNumber() {
    for (int i = 0; i < kHorseCount; ++i) {
        stakesRanking[i] = {static_cast<float>(kHorseCount - i), i + 1};
    }
}

TEST(StakesRanking, BestClassFirstAndEqualClassesInHorseOrder) {
    StableFolder game;
    for (int number = 1; number <= kHorseCount; ++number) {
        WriteHorseOfClass(number, number % 7);
    }
    RankStakesEntries();
    for (int i = 0; i + 1 < kHorseCount; ++i) {
        const RankingEntry& a = stakesRanking[i];
        const RankingEntry& b = stakesRanking[i + 1];
        EXPECT_TRUE(a.rating > b.rating || (a.rating == b.rating && a.horseNumber < b.horseNumber))
            << "at " << i;
    }
    EXPECT_EQ(stakesRanking[0].horseNumber, 6);
    EXPECT_EQ(game.LogCount("Fixing duplicate STAKE ENTRIES..."), 0);
}

TEST(StakesRanking, AHorseStandingTwiceGivesItsSecondPlaceToTheHundredAndFirst) {
    StableFolder game;
    for (int number = 1; number <= kHorseCount; ++number) {
        if (number != 7) {
            WriteHorseOfClass(number, 300 - number);
        }
    }
    // Horse 7's file is gone: its place keeps a stale pair of horse 4, which ranks 7th.
    stakesRanking[6] = {293.0f, 4};
    RankStakesEntries();
    EXPECT_EQ(stakesEntries1[3].horseNumber, 4);
    EXPECT_EQ(stakesEntries1[6].horseNumber, stakesRanking[100].horseNumber);
    EXPECT_EQ(stakesEntries1[6].horseNumber, 101);
    std::set<int32_t> distinct;
    for (const StakesEntry& entry : stakesEntries1) {
        distinct.insert(entry.horseNumber);
    }
    EXPECT_EQ(distinct.size(), size_t{kRound1Entries});
    EXPECT_EQ(game.LogCount("Fixing duplicate STAKE ENTRIES..."), 1);
    EXPECT_EQ(game.LogCount("Duplicate stakes ENTRIES FIXED!"), 1);
}

TEST(StakesRanking, TheDuplicateRepairStopsAtTheEndOfTheRanking) {
    StableFolder game; // no horse file at all: the ranking keeps its stale pairs
    for (int i = 0; i < kHorseCount; ++i) {
        stakesRanking[i] = {5.0f, 1 + i % 3};
    }
    const int32_t racesBefore = racesPerDay;
    RankStakesEntries();
    EXPECT_EQ(stakesRanking[0].horseNumber, 1);
    EXPECT_EQ(game.LogCount("No ranked horse left to replace a duplicate stakes entry"), 1);
    EXPECT_EQ(racesPerDay, racesBefore);
    std::set<int32_t> numbers;
    for (const StakesEntry& entry : stakesEntries1) {
        numbers.insert(entry.horseNumber);
    }
    EXPECT_EQ(numbers, (std::set<int32_t>{1, 2, 3}));
}

// Which entries run in which race is played through by a whole series (StakesSeriesEnd).
TEST(StakesField, TheFinalRunsItsTableInRandomPostPositions) {
    StableFolder game;
    WriteStartingHorses();
    for (int i = 0; i < kRound4Entries; ++i) {
        stakesEntries4[i] = {0.0f, 50 + i, 0};
    }
    stakesRound = 4;
    stakesRace = 1;
    std::set<int> slotsOfFirstEntrant;
    for (int final = 0; final < 20; ++final) {
        ASSERT_EQ(BuildStakesField(), 1);
        EXPECT_EQ(FieldNumbers(), (std::set<int32_t>{50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
        for (int slot = 0; slot < kFieldSize; ++slot) {
            if (raceField[slot].horseNumber == 50) {
                slotsOfFirstEntrant.insert(slot);
            }
        }
    }
    EXPECT_GT(slotsOfFirstEntrant.size(), 3u);
}

TEST(StakesField, AnEntrantThatCannotRunIsEliminatedAndReplacedByOneThatCannotQualify) {
    StableFolder game;
    WriteStartingHorses();
    RankByNumber();
    for (int i = 0; i < kRound2Entries; ++i) {
        stakesEntries2[i] = {0.0f, i + 1, 0};
    }
    stakesEntries2[4].horseNumber = 0; // a stale tail
    std::filesystem::remove(HorseFilePath(9));
    stakesRound = 2;
    stakesRace = 1;
    BoxCapture boxes;
    ASSERT_EQ(BuildStakesField(), 1);
    EXPECT_EQ(boxes.Boxes(), (std::vector<std::string>{"File error: Unable to open horse #0",
                                                       "File error: Unable to open horse #9"}));
    EXPECT_EQ(stakesEntries2[4].eliminated, 1);
    EXPECT_EQ(stakesEntries2[8].eliminated, 1);
    EXPECT_EQ(stakesEntries2[0].eliminated, 0);
    // Horse 5 left the table with the stale entry; horse 9 does not open: 41 is next.
    EXPECT_EQ(FieldNumbers(), (std::set<int32_t>{1, 13, 17, 21, 25, 29, 33, 37, 5, 41}));
}

TEST(StakesField, AHorseEnteredTwiceInOneRaceRunsOnce) {
    StableFolder game;
    WriteStartingHorses();
    RankByNumber();
    for (int i = 0; i < kRound4Entries; ++i) {
        stakesEntries4[i] = {0.0f, 60 + i, 0};
    }
    stakesEntries4[7].horseNumber = 62;
    stakesRound = 4;
    stakesRace = 1;
    BoxCapture boxes;
    ASSERT_EQ(BuildStakesField(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(FieldNumbers(), (std::set<int32_t>{60, 61, 62, 63, 64, 65, 66, 1, 68, 69}));
    EXPECT_EQ(stakesEntries4[7].eliminated, 1);
    EXPECT_EQ(stakesEntries4[2].eliminated, 0);
}

TEST(StakesField, WithNoHorseLeftToStandInTheLoaderEndsTheGame) {
    StableFolder game;
    for (int number = 1; number <= 20; ++number) {
        WriteHorseOfClass(number, 1);
    }
    for (int i = 0; i < kRound1Entries; ++i) {
        stakesEntries1[i] = {0.0f, i + 1, 0}; // every horse that opens is in the table
    }
    daysToStakes = 0;
    stakesRound = 1;
    stakesRace = 2;
    BoxCapture boxes;
    EXPECT_EQ(LoadRaceField(), 0);
    const std::vector<std::string> shown = boxes.Boxes();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[shown.size() - 2], "File error: Unable to open horse #22");
    EXPECT_EQ(shown.back(), "File error: Fewer than ten horse files could be opened, so no race "
                            "can be run. Stridewell will now close.");
}

} // namespace
