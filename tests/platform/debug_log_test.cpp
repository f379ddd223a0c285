// The debug log: lines kept across opens. Its first lines are the golden start-up logs', a log
// that cannot be written the data-folder failure tests' (a read-only folder).
#include "platform/debug_log.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

// The lines are read back while the log is open: each is on disk as soon as it is written.
TEST(BugLog, KeepsTheLastRunsLogAndWritesNothingBeforeItOpens) {
    ScratchFolder folder;
    WorkingDirectory inFolder(folder.path());
    WriteBytes("buglog.txt", {'o', 'l', 'd', '\n'});
    BugLog log;
    EXPECT_EQ(log.Write("before open"), EOF);
    log.Open();
    EXPECT_EQ(log.Write("Starting Buglog..."), 0);
    EXPECT_EQ(ReadLines("buglog.txt"),
              (std::vector<std::string>{"Opening BugLog", "", "Starting Buglog..."}));
    EXPECT_EQ(ReadLines("buglog.1.txt"), (std::vector<std::string>{"old"}));
}

} // namespace
