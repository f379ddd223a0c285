// The field draw: ten different horses of similar class, the widening tolerance, and the ends
// of a draw that runs out of horses.
#include "stable/field_draw.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "core/settings_file.h"
#include "platform/events.h"
#include "stable/horse_file.h"
#include "stable/odds.h"
#include "tests/stable/stable_support.h"

namespace {

std::set<int32_t> FieldNumbers() {
    std::set<int32_t> numbers;
    for (const HorseRecord& runner : raceField) {
        EXPECT_EQ(runner.loaded, 1);
        EXPECT_GE(runner.horseNumber, 1);
        EXPECT_LE(runner.horseNumber, kHorseCount);
        EXPECT_EQ(horseUsed[runner.horseNumber], 1);
        numbers.insert(runner.horseNumber);
    }
    return numbers;
}

int UsedCount() {
    int used = 0;
    for (int number = 1; number <= kHorseCount; ++number) {
        used += horseUsed[number];
    }
    return used;
}

void ExpectWithinFinalTolerance() {
    const int32_t first = HorseClass(raceField[0]);
    for (const HorseRecord& runner : raceField) {
        EXPECT_GT(HorseClass(runner), first - fieldDraw.classTolerance) << runner.horseNumber;
        EXPECT_LT(HorseClass(runner), first + fieldDraw.classTolerance) << runner.horseNumber;
    }
}

TEST(FieldDraw, EveryFieldHoldsTenDifferentRatedHorses) {
    StableFolder game;
    WriteStartingHorses();
    daysToStakes = 10;
    for (int race = 0; race < 40; ++race) {
        ASSERT_EQ(LoadRaceField(), 1);
        EXPECT_EQ(FieldNumbers().size(), size_t{kFieldSize});
        ExpectWithinFinalTolerance();
        for (int slot = 0; slot < kFieldSize; ++slot) {
            const HorseRecord& runner = raceField[slot];
            EXPECT_FLOAT_EQ(
                fieldOdds.runnerRating[slot],
                (runner.acceleration + runner.speed + runner.closing + runner.endurance) / 4.0f);
            EXPECT_GE(fieldOdds.oddsCode[slot], 400);
            EXPECT_LE(fieldOdds.oddsCode[slot], 443);
        }
        RestartFieldDraw();
    }
    EXPECT_EQ(stakesRound, 0);
}

TEST(FieldDraw, TheToleranceWidensByOneAfterEveryElevenCandidatesUntilTheRaceReset) {
    StableFolder game;
    for (int number = 1; number <= kHorseCount; ++number) {
        WriteHorseOfClass(number, number); // every class different: many rejections
    }
    daysToStakes = 10;
    for (int race = 0; race < 10; ++race) {
        ResetFieldDraw();
        ASSERT_EQ(LoadRaceField(), 1);
        EXPECT_EQ(FieldNumbers().size(), size_t{kFieldSize});
        ExpectWithinFinalTolerance();
        // Every horse loaded after the first was one candidate.
        const int candidates = UsedCount() - 1;
        EXPECT_EQ(fieldDraw.classTolerance, kStartTolerance + candidates / 11);
        EXPECT_EQ(fieldDraw.tryCounter, candidates % 11);
    }
    // The widened tolerance carries over to the next field.
    const int32_t widened = fieldDraw.classTolerance;
    ASSERT_GT(widened, kStartTolerance);
    ASSERT_EQ(LoadRaceField(), 1);
    EXPECT_GE(fieldDraw.classTolerance, widened);
    RestartFieldDraw();
    EXPECT_EQ(fieldDraw.classTolerance, kStartTolerance);
    EXPECT_EQ(fieldDraw.firstHorseLoaded, 0);
}

TEST(FieldDraw, WhenEveryHorseIsRejectedTheFieldIsCompletedFromThemClassIgnored) {
    StableFolder game;
    for (int number = 1; number <= kHorseCount; ++number) {
        WriteHorseOfClass(number, number * 100); // nobody within reach of anybody
    }
    daysToStakes = 10;
    BoxCapture boxes;
    ASSERT_EQ(LoadRaceField(), 1);
    EXPECT_EQ(FieldNumbers().size(), size_t{kFieldSize});
    EXPECT_EQ(UsedCount(), kHorseCount);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(game.LogCount("No horse of the class left"), kFieldSize - 1);
}

TEST(FieldDraw, AMissingHorseShowsItsBoxOnceAndTheDrawGoesOn) {
    StableFolder game;
    WriteStartingHorses();
    for (int number = 1; number <= kHorseCount; number += 2) {
        std::filesystem::remove(HorseFilePath(number));
    }
    daysToStakes = 10;
    BoxCapture boxes;
    ASSERT_EQ(LoadRaceField(), 1);
    const std::set<int32_t> numbers = FieldNumbers();
    EXPECT_EQ(numbers.size(), size_t{kFieldSize});
    std::set<std::string> distinct;
    for (const std::string& box : boxes.Boxes()) {
        ASSERT_EQ(box.rfind("File error: Unable to open horse #", 0), 0u) << box;
        const int number = std::stoi(box.substr(box.find('#') + 1));
        EXPECT_EQ(number % 2, 1);
        EXPECT_TRUE(distinct.insert(box).second) << "shown twice: " << box;
    }
    for (const int32_t number : numbers) {
        EXPECT_EQ(number % 2, 0);
    }
}

TEST(FieldDraw, FewerThanTenHorseFilesEndTheGameWithABoxInsteadOfDrawingForever) {
    StableFolder game;
    for (int number = 1; number <= 9; ++number) {
        WriteHorseOfClass(number, 1);
    }
    daysToStakes = 10;
    BoxCapture boxes;
    EXPECT_EQ(LoadRaceField(), 0);
    const std::vector<std::string> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), size_t{kHorseCount - 9 + 1});
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), shown.size());
    EXPECT_EQ(shown.back(), "File error: Fewer than ten horse files could be opened, so no race "
                            "can be run. Stridewell will now close.");
    int exitCode = 0;
    EXPECT_TRUE(QuitPosted(&exitCode));
    EXPECT_EQ(exitCode, 1);
}

TEST(FieldDraw, AStableWithNoHorseFilesEndsTheGameWithOneBoxSayingHowToMakeIt) {
    StableFolder game;
    daysToStakes = 10;
    BoxCapture boxes;
    EXPECT_EQ(LoadRaceField(), 0);
    const std::string folder = std::filesystem::current_path().string();
    const std::vector<std::string> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "File error: The stable has no horse files in " + folder +
                            "/horses. Run stridewell-data " + folder +
                            " to make the starting horses, or reinstall the game and start it "
                            "again to have its starting horses copied in. Stridewell will now "
                            "close.");
    EXPECT_EQ(game.LogCount("No horse files in " + folder + "/horses"), 1);
    int exitCode = 0;
    EXPECT_TRUE(QuitPosted(&exitCode));
    EXPECT_EQ(exitCode, 1);
}

TEST(FieldDraw, LoadHorseMarksThePickUsedAndLeavesTheSlotAloneOnFailure) {
    StableFolder game;
    WriteHorseOfClass(12, 3);
    fieldDraw.currentPick = 12;
    ASSERT_EQ(LoadHorse(4), 1);
    EXPECT_EQ(raceField[4].horseNumber, 12);
    EXPECT_EQ(raceField[4].loaded, 1);
    EXPECT_EQ(HorseClass(raceField[4]), 3);
    EXPECT_EQ(horseUsed[12], 1);

    fieldDraw.currentPick = 13;
    EXPECT_EQ(LoadHorse(4), 0);
    EXPECT_EQ(raceField[4].horseNumber, 12);
    EXPECT_EQ(horseUsed[13], 0);
}

} // namespace
