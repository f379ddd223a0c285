// Saves killed mid-way: every file reads back whole, one generation or the next, and a game
// killed while playing starts again and races on what it left.
#include "tools/crashtest/crash_checks.h"

#include <gtest/gtest.h>

#include "shell/settings_file.h"
#include "tests/test_support.h"

namespace {

TEST(CrashTest, ASavingChildKilledAnywhereLeavesEveryFileWhole) {
    ScratchFolder folder;
    const CrashReport report = KillSavingChild(folder.path().string(), 40, 7);
    EXPECT_EQ(report.failure, "");
    EXPECT_EQ(report.kills, 40);
    // The moments fall both before and after saves completed.
    EXPECT_GT(report.newerSettings, 0);
    EXPECT_LT(report.newerSettings, 40);
}

TEST(CrashTest, AGameKilledWhilePlayingStartsAgainOnWhatItLeft) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    SettingsBlock start{};
    start.currentDay = start.currentMonth = 1;
    start.currentYear = 2002;
    start.daysToStakes = 1;
    start.raceOfDay = 1;
    start.racesPerDay = 3;
    start.timeBetweenRaces = start.postTimeMinutes = 1;
    WriteBytes(folder.File("settings.stn"), EncodeSettingsFile(start));
    const CrashReport report = KillPlayingGame(folder.path().string(), 2, 11);
    EXPECT_EQ(report.failure, "");
    EXPECT_EQ(report.kills, 2);
}

} // namespace
