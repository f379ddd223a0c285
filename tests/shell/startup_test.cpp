// Start-up and shutdown as a player meets them: every log line in order, written out by hand
// in tests/data/startup for a full start; a start with files missing and one without sound are
// told by where their logs differ from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/test_support.h"

namespace {

std::string Golden(const char* name) {
    const std::vector<uint8_t> bytes =
        ReadBytes(std::string(STRIDEWELL_TEST_DATA) + "/startup/" + name);
    return std::string(bytes.begin(), bytes.end());
}

// The full start's log with each passage replaced as given.
std::string FullStartWith(const std::vector<std::pair<std::string, std::string>>& edits) {
    std::string log = Golden("all_present_skip_intro_exit.log");
    for (const auto& [passage, replacement] : edits) {
        const size_t at = log.find(passage);
        EXPECT_NE(at, std::string::npos) << passage;
        log.replace(std::min(at, log.size()), passage.size(), replacement);
    }
    return log;
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override { PrepareGameDataFolder(folder.path()); }
    GameRun Play(const std::string& script, const char* audio = "dummy") {
        return PlayScript(folder.path(), script, "--seed 5 --fixed-fps 60", audio);
    }
    std::string Log() const {
        const std::vector<uint8_t> bytes = ReadBytes(folder.File("buglog.txt"));
        return std::string(bytes.begin(), bytes.end());
    }
    // Replaces a data file by nothing, as a player who lost it would.
    void Remove(const char* file) {
        // The shared folders are linked in: copy this one before taking a file out of it.
        const std::filesystem::path shared = std::filesystem::path(file).parent_path();
        if (std::filesystem::is_symlink(folder.path() / shared)) {
            std::filesystem::remove(folder.path() / shared);
            std::filesystem::copy(GeneratedGameData() / shared, folder.path() / shared,
                                  std::filesystem::copy_options::recursive);
        }
        std::filesystem::remove(folder.path() / file);
    }
    ScratchFolder folder;
};

// S skips the intro on its first frame, then "Save game and exit" from the menu.
constexpr const char* kSkipAndExit = "2 keydown S\n4 keyup S\n10 move 36 361\n10 click\n";

TEST_F(StartupTest, AFullStartLogsEveryStepInOrder) {
    const GameRun run = Play(kSkipAndExit);
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Log(), Golden("all_present_skip_intro_exit.log"));
}

TEST_F(StartupTest, MissingFilesShowTheirBoxesAndTheGameGoesOn) {
    for (const char* file :
         {"images/horses.bmp", "images/intro.bmp", "sounds/click2.wav", "sounds/intro.wav"}) {
        Remove(file);
    }
    // Each box waits for Enter; without the fanfare the intro ends when its title arrives.
    const GameRun run = Play("2 key Enter\n4 key Enter\n6 key Enter\n8 key Enter\n"
                             "140 move 36 361\n140 click\n");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "frame 1: box \"Error\": Error loading horses.bmp\n"
                          "frame 1: box \"error\": Unable to load sound file: sounds/click2.wav\n"
                          "frame 3: box \"Error\": Error loading intro.bmp\n"
                          "frame 5: box \"error\": Unable to load sound file: sounds/intro.wav\n");
    // The intro without its picture and fanfare runs until its title would have arrived.
    EXPECT_EQ(Log(), FullStartWith(
                         {{"Loading game sounds\n",
                           "Loading game sounds\nUnable to load sound file: sounds/click2.wav\n"},
                          {"Doing intro...\n",
                           "Unable to load sound file: sounds/intro.wav\nDoing intro...\n"},
                          {"point2\n", Golden("missing_files_intro.log")}}));
}

TEST_F(StartupTest, APictureTooSmallForItsCellsShowsOneBoxAndTheGameGoesOn) {
    Remove("images/sprites.bmp");
    WriteBytes(folder.File("images/sprites.bmp"),
               MakeBmp(10, 10, std::vector<Rgb>(100, Rgb{200, 40, 40})));
    const GameRun run =
        Play("2 key Enter\n4 keydown S\n6 keyup S\n20 move 36 361\n20 click\n60 quit\n");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "frame 1: box \"Error\": Error in DDLoadImageBitmap\n");
    EXPECT_NE(Log().find("Error in DDLoadImageBitmap: images/sprites.bmp cannot give every cell"),
              std::string::npos);
}

TEST_F(StartupTest, WithoutSoundThereIsNoIntroAndTheMenuComesAtOnce) {
    const GameRun run = Play(kSkipAndExit, "nonexistent");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(
        Log(),
        FullStartWith(
            {{"DirectSound initialized successfully.", "Error creating DirectSound object."},
             {"Loading game sounds\nLoading game sounds -- success", "Skipping loading sounds..."},
             {"Doing intro...\npoint1\npoint2\npoint5\npoint7\npoint8\nFinished intro...\n", ""},
             {"released: 68", "released: 72"}}));
}

TEST_F(StartupTest, AClosedWindowDuringTheIntroEndsTheGame) {
    const GameRun run = Play("50 quit\n");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string log = Log();
    EXPECT_NE(log.find("Finished intro...\nTotal surfaces released: 68\n"), std::string::npos)
        << log;
    EXPECT_EQ(log.find("Done with Game_Init() function..."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File("settings.stn"))); // no game, nothing saved
}

TEST_F(StartupTest, AClosedWindowDuringADialogEndsTheGameCleanly) {
    // New game, one player, then the window closes while the name dialog is open.
    const GameRun run = Play(std::string("2 keydown S\n4 keyup S\n10 move 47 210\n10 click\n") +
                             "20 move 400 188\n20 click\n24 type Al\n30 quit\n");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output.find("ignored"), std::string::npos) << run.output; // the dialog was open
    const std::string log = Log();
    EXPECT_NE(log.find("Success creating settings.stn"), std::string::npos) << log;
    EXPECT_NE(log.find("Total surfaces released: 68\n"), std::string::npos) << log;
}

} // namespace
