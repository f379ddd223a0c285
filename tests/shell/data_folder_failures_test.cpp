// What the data folder can do to a whole game: a saved game that is a folder, a full disk (a
// file-size limit must fail the save, not kill the game). Each is said in a box, the game ends
// cleanly, and a saved game is never replaced. The readers' and the save's own refusals are
// tested where they are written.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// New game is clicked twice (the second click saves the game the first one prepared), every
// box is answered, then the window is closed.
const std::string kNewGameThenClose = [] {
    std::string script = "2 keydown S\n4 keyup S\n8 move 47 210\n8 click\n20 click\n";
    for (int frame = 10; frame < 40; ++frame) {
        if (frame != 20) {
            script += std::to_string(frame) + " button 1\n";
        }
    }
    return script + "40 quit\n";
}();

class DataFolderFailuresTest : public ::testing::Test {
  protected:
    void SetUp() override { PrepareGameDataFolder(folder.path()); }

    GameRun Play(const std::string& script, const std::string& prefix = "") {
        // Every run is bounded: a hang fails the test instead of stalling it.
        return PlayScript(folder.path(), script, "--seed 5 --fixed-fps 30", "dummy",
                          prefix + " timeout 120");
    }

    static bool Says(const GameRun& run, const std::string& text) {
        return run.output.find(text) != std::string::npos;
    }

    ScratchFolder folder;
};

TEST_F(DataFolderFailuresTest, ASavedGameThatIsAFolderIsSaidAndLeftAlone) {
    fs::create_directory(folder.File("settings.stn"));
    const GameRun run = Play(kNewGameThenClose);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Says(run, "box \"error\": The saved game settings.stn cannot be read (Is a "
                          "directory). It is left as it is, and this game cannot be saved."))
        << run.output;
    EXPECT_TRUE(Says(run, "box \"error\": Unable to save the initial settings to disk."));
    EXPECT_TRUE(Says(run, "box \"error\": Unable to save game settings."));
    EXPECT_TRUE(fs::is_directory(folder.File("settings.stn")));
    EXPECT_FALSE(fs::exists(folder.File("settings.stn.tmp")));
}

TEST_F(DataFolderFailuresTest, AFullDiskFailsTheSaveNotTheGame) {
    ASSERT_EQ(Play(kNewGameThenClose).status, 0); // a saved game made the ordinary way
    const std::vector<uint8_t> saved = ReadBytes(folder.File("settings.stn"));
    ASSERT_FALSE(saved.empty());
    // Two kilobytes: smaller than a saved game, so every save runs out of room.
    const GameRun run = Play(kNewGameThenClose, "ulimit -f 2;");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Says(run, "box \"error\": Unable to save game settings.")) << run.output;
    EXPECT_EQ(ReadBytes(folder.File("settings.stn")), saved);
    EXPECT_FALSE(fs::exists(folder.File("settings.stn.tmp")));
}

} // namespace
