// The game as a player starts it: the real executable, headless, driven by a script.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/test_support.h"

namespace {

class GameRunTest : public ::testing::Test {
  protected:
    std::string Script(const std::string& text) {
        const std::string path = folder.File("play.txt");
        WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }
    // Every script skips the intro first.
    std::string Play(const std::string& script, const std::string& more = "") {
        return "--windowed --data " + folder.path().string() +
               " --seed 7 --fixed-fps 60 --script " + Script("2 keydown S\n4 keyup S\n" + script) +
               " " + more;
    }
    void SetUp() override { PrepareGameDataFolder(folder.path()); }
    ScratchFolder folder;
};

TEST_F(GameRunTest, TheSameScriptGivesTheSamePictures) {
    const std::string script = "2 move 123 456\n2 keydown LeftCtrl\n70 screenshot " +
                               folder.File("a.png") + "\n71 screenshot " + folder.File("a.bmp") +
                               "\n72 keyup LeftCtrl\n73 screenshot " + folder.File("b.bmp") +
                               "\n74 quit\n";
    const GameRun first = RunGameBinary(Play(script));
    ASSERT_EQ(first.status, 0) << first.output;
    const std::vector<uint8_t> firstPng = ReadBytes(folder.File("a.png"));
    const std::vector<uint8_t> firstBmp = ReadBytes(folder.File("a.bmp"));
    ASSERT_GT(firstPng.size(), 800u * 600u * 3u);
    ASSERT_EQ(firstBmp.size(), 54u + 800u * 600u * 3u);

    const GameRun second = RunGameBinary(Play(script));
    ASSERT_EQ(second.status, 0) << second.output;
    EXPECT_EQ(ReadBytes(folder.File("a.png")), firstPng);
    EXPECT_EQ(ReadBytes(folder.File("a.bmp")), firstBmp);
    EXPECT_NE(first.output.find("frame 74: quit"), std::string::npos) << first.output;

    // With Ctrl held the cursor read-out is lettered near the bottom left; without, it is gone.
    const std::vector<uint8_t> released = ReadBytes(folder.File("b.bmp"));
    ASSERT_EQ(released.size(), firstBmp.size());
    int changed = 0;
    for (int y = 485; y < 515; ++y) {
        for (int x = 10; x < 120; ++x) {
            const size_t at = 54 + (599 - y) * 2400 + 3 * x;
            changed += firstBmp[at] != released[at] || firstBmp[at + 2] != released[at + 2];
        }
    }
    EXPECT_GT(changed, 40);
}

TEST_F(GameRunTest, ThePauseBoxComesBackAfterEachOkWhilePIsHeld) {
    const GameRun run =
        RunGameBinary(Play("3 keydown P\n5 key Enter\n7 key Enter\n8 keyup P\n12 quit\n"));
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
    const GameRun badScript = RunGameBinary("--script " + Script("1 fly\n"));
    EXPECT_EQ(badScript.status, 2);
    EXPECT_NE(badScript.output.find("line 1: unknown command 'fly'"), std::string::npos);
    const GameRun badFolder = RunGameBinary("--data " + folder.File("nowhere"));
    EXPECT_EQ(badFolder.status, 1);
}

} // namespace
