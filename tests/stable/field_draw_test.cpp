// The field draw: the widening tolerance and the ends of a draw that runs out of horses (the
// short soak's referee checks every field it plays for ten different horses).
#include "stable/field_draw.h"

#include <cstdlib>
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
        for (int slot = 0; slot < kFieldSize; ++slot) {
            EXPECT_LT(std::abs(HorseClass(raceField[slot]) - HorseClass(raceField[0])),
                      fieldDraw.classTolerance);
            EXPECT_GE(fieldOdds.oddsCode[slot], kOddsCodeOffset); // rated as it was drawn
        }
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

// Nine files give a box for each number that does not open, once, then the last box; none gives
// one box that says how to make the stable.
TEST(FieldDraw, WithoutTenHorseFilesTheGameEndsWithABoxInsteadOfDrawingForever) {
    for (const int files : {9, 0}) {
        StableFolder game;
        for (int number = 1; number <= files; ++number) {
            WriteHorseOfClass(number, 1);
        }
        daysToStakes = 10;
        BoxCapture boxes;
        EXPECT_EQ(LoadRaceField(), 0);
        const std::vector<std::string> shown = boxes.Boxes();
        const std::string folder = std::filesystem::current_path().string();
        const std::string last =
            files > 0 ? "File error: Fewer than ten horse files could be opened, so no race can be "
                        "run. Stridewell will now close."
                      : "File error: The stable has no horse files in " + folder +
                            "/horses. Run stridewell-data " + folder +
                            " to make the starting horses, or reinstall the game and start it "
                            "again to have its starting horses copied in. Stridewell will now "
                            "close.";
        ASSERT_EQ(static_cast<int>(shown.size()), files > 0 ? kHorseCount - files + 1 : 1);
        EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()).size(), shown.size());
        EXPECT_EQ(shown.back(), last);
        int exitCode = 0;
        EXPECT_TRUE(QuitPosted(&exitCode));
        EXPECT_EQ(exitCode, 1);
    }
}

} // namespace
