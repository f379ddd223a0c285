// The game as a player starts it: the real executable, headless, driven by a script.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

class GameRunTest : public ::testing::Test {
  protected:
    void SetUp() override { PrepareGameDataFolder(folder.path()); }
    ScratchFolder folder;
};

TEST_F(GameRunTest, ThePauseBoxComesBackAfterEachOkWhilePIsHeld) {
    const GameRun run = PlayScript(
        folder.path(),
        "2 keydown S\n4 keyup S\n3 keydown P\n5 key Enter\n7 key Enter\n8 keyup P\n12 quit\n",
        "--seed 7 --fixed-fps 60");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string box = "box \"Paused\": Game Paused; Press OK to continue...";
    EXPECT_NE(run.output.find("frame 2: " + box), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("frame 5: " + box), std::string::npos) << run.output;
    int boxes = 0;
    for (size_t at = run.output.find(box); at != std::string::npos;
         at = run.output.find(box, at + 1)) {
        ++boxes;
    }
    EXPECT_EQ(boxes, 2) << run.output;
}

TEST_F(GameRunTest, BadCommandLinesAndScriptsStopBeforeTheWindow) {
    EXPECT_EQ(RunGameBinary("--version").output, "Stridewell 1.05\n");
    EXPECT_EQ(RunGameBinary("--help").status, 0);
    const GameRun badOption = RunGameBinary("--speed 3");
    EXPECT_EQ(badOption.status, 2);
    EXPECT_NE(badOption.output.find("unknown option --speed"), std::string::npos);
    const GameRun badScript = PlayScript(folder.path(), "1 fly\n", "");
    EXPECT_EQ(badScript.status, 2);
    EXPECT_NE(badScript.output.find("line 1: unknown command 'fly'"), std::string::npos);
    const GameRun badFolder = RunGameBinary("--data " + folder.File("nowhere"));
    EXPECT_EQ(badFolder.status, 1);
}

} // namespace
