// Saves killed mid-way: every file reads back whole, one generation or the next, and a game
// killed while playing starts again and races on what it left.
#include "tools/crashtest/crash_checks.h"

#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "tests/test_support.h"
#include "tools/autoplay/autoplayer.h"

namespace {

TEST(CrashTest, ASavingChildKilledAnywhereLeavesEveryFileWhole) {
    ScratchFolder folder;
    const CrashReport report = KillSavingChild(folder.path().string(), 40, 7);
    EXPECT_EQ(report.failure, "");
    EXPECT_EQ(report.kills, 40);
    // Kills fell after saves had completed, not only before the first.
    EXPECT_GT(report.newerSettings, 0);
}

TEST(CrashTest, AGameKilledWhilePlayingStartsAgainOnWhatItLeft) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    ASSERT_TRUE(WriteQuickSavedGame(folder.path().string(), 3, 1));
    const CrashReport report = KillPlayingGame(folder.path().string(), 2, 11);
    EXPECT_EQ(report.failure, "");
    EXPECT_EQ(report.kills, 2);
}

} // namespace
