// What the data folder can do to a game: a saved game that is a folder, a folder the game may
// not write to, a full disk, horse files that lead nowhere. Each is said in a box, the game
// plays on or ends cleanly, and a saved game is never replaced.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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
        const std::string path = scripts.File("play.txt");
        WriteBytes(path, std::vector<uint8_t>(script.begin(), script.end()));
        // Every run is bounded: a hang fails the test instead of stalling it.
        return RunGameBinary("--windowed --seed 5 --fixed-fps 30 --data " + folder.path().string() +
                                 " --script " + path,
                             "dummy", prefix + " timeout 120");
    }

    // A saved game made the ordinary way.
    std::vector<uint8_t> SaveAGame() {
        const GameRun run = Play(kNewGameThenClose);
        EXPECT_EQ(run.status, 0) << run.output;
        return ReadBytes(folder.File("settings.stn"));
    }

    static bool Says(const GameRun& run, const std::string& text) {
        return run.output.find(text) != std::string::npos;
    }

    ScratchFolder folder;
    ScratchFolder scripts;
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

TEST_F(DataFolderFailuresTest, AReadOnlyFolderKeepsTheSavedGameAsItWas) {
    const std::vector<uint8_t> saved = SaveAGame();
    ASSERT_FALSE(saved.empty());
    // The superuser writes anywhere, so the game then runs as nobody.
    const std::string asPlayer =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    ASSERT_EQ(chmod(scripts.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(folder.path().c_str(), 0555), 0);
    const GameRun run = Play(kNewGameThenClose, asPlayer);
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Says(run, "box \"error\": Unable to save game settings.")) << run.output;
    EXPECT_EQ(ReadBytes(folder.File("settings.stn")), saved);
}

TEST_F(DataFolderFailuresTest, AFullDiskFailsTheSaveNotTheGame) {
    const std::vector<uint8_t> saved = SaveAGame();
    ASSERT_FALSE(saved.empty());
    // Two kilobytes: smaller than a saved game, so every save runs out of room.
    const GameRun run = Play(kNewGameThenClose, "ulimit -f 2;");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Says(run, "box \"error\": Unable to save game settings.")) << run.output;
    EXPECT_EQ(ReadBytes(folder.File("settings.stn")), saved);
    EXPECT_FALSE(fs::exists(folder.File("settings.stn.tmp")));
}

TEST_F(DataFolderFailuresTest, HorseFilesThatLeadNowhereAreSkippedWithABox) {
    // Every even horse is a link to an endless device; two more are a pipe and a folder.
    for (int n = 2; n <= 215; n += 2) {
        const std::string path = folder.File("horses/" + std::to_string(n) + ".txt");
        fs::remove(path);
        fs::create_symlink("/dev/zero", path);
    }
    fs::remove(folder.File("horses/3.txt"));
    ASSERT_EQ(mkfifo(folder.File("horses/3.txt").c_str(), 0600), 0);
    fs::remove(folder.File("horses/5.txt"));
    fs::create_directory(folder.File("horses/5.txt"));

    std::string script = "2 keydown S\n4 keyup S\n8 move 47 210\n8 click\n12 move 410 188\n"
                         "12 click\n14 type Alice\n15 button 3014\n";
    for (int frame = 20; frame < 120; ++frame) {
        script += std::to_string(frame) + " button 1\n";
    }
    script += "130 screenshot " + scripts.File("card.png") + "\n131 quit\n";
    const GameRun run = Play(script);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Says(run, "box \"File error\": Unable to open horse #")) << run.output;
    EXPECT_TRUE(Says(run, "frame 130: screenshot")) << run.output;
    EXPECT_FALSE(Says(run, "Fewer than ten horse files")) << run.output;
    // Nothing a broken file leads to was written over.
    EXPECT_TRUE(fs::is_symlink(folder.File("horses/2.txt")));
    EXPECT_TRUE(fs::is_fifo(folder.File("horses/3.txt")));
    EXPECT_TRUE(fs::is_directory(folder.File("horses/5.txt")));
}

} // namespace
