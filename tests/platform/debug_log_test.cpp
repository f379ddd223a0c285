// The debug log: its first lines, lines kept across opens, and a log that cannot be written.
#include "platform/debug_log.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

// The lines are read back while the log is open: each is on disk as soon as it is written.
TEST(BugLog, StartsWithOpeningThenAnEmptyLineAndKeepsTheLastRunsLog) {
    ScratchFolder folder;
    WorkingDirectory inFolder(folder.path());
    WriteBytes("buglog.txt", {'o', 'l', 'd', '\n'});
    BugLog log;
    EXPECT_EQ(log.Write("before open"), EOF);
    log.Open();
    EXPECT_EQ(log.Write("Starting Buglog..."), 0);
    EXPECT_EQ(log.Write("\nUSER HAS PRESSED sGame SPRITE!"), 0);
    EXPECT_EQ(ReadLines("buglog.txt"),
              (std::vector<std::string>{"Opening BugLog", "", "Starting Buglog...", "",
                                        "USER HAS PRESSED sGame SPRITE!"}));
    EXPECT_EQ(ReadLines("buglog.1.txt"), (std::vector<std::string>{"old"}));
}

TEST(BugLog, AReadOnlyLogLosesLinesQuietly) {
    if (geteuid() == 0) {
        // Root writes through permissions: take the folder away instead.
        ScratchFolder folder;
        BugLog log;
        {
            WorkingDirectory inFolder(folder.path());
            log.Open();
        }
        std::filesystem::path gone = folder.path() / "gone";
        std::filesystem::create_directory(gone);
        WorkingDirectory inGone(gone);
        std::filesystem::remove(gone);
        EXPECT_EQ(log.Write("lost"), EOF);
        return;
    }
    ScratchFolder folder;
    WorkingDirectory inFolder(folder.path());
    WriteBytes("buglog.txt", {});
    std::filesystem::permissions("buglog.txt", std::filesystem::perms::owner_read);
    BugLog log;
    log.Open();
    EXPECT_EQ(log.Write("lost"), EOF);
    EXPECT_TRUE(ReadLines("buglog.txt").empty());
}

} // namespace
