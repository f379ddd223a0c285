// The starting stable: 215 horse files the game reads back within the format's limits, with
// distinct names that fit where the screens write them, never overwritten by a second run.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "assets/generator.h"
#include "assets/horse_names.h"
#include "platform/text.h"
#include "stable/horse_file.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

std::string HorsePath(const fs::path& folder, int n) {
    return (folder / "horses" / (std::to_string(n) + ".txt")).string();
}

TEST(GeneratedStable, All215HorsesReadBackWithinTheFormatsLimits) {
    std::set<std::string> names;
    for (int n = 1; n <= 215; ++n) {
        const std::string path = HorsePath(GeneratedGameData(), n);
        const std::vector<std::string> lines = ReadLines(path);
        ASSERT_EQ(lines.size(), 9u) << path;
        // Line 1 is read 25 characters at a time with its "~" and newline; the rest 9.
        EXPECT_LE(lines[0].size() + 1, 25u) << path;
        for (size_t i = 1; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), 9u) << path << " line " << i + 1;
        }
        HorseRecord horse{};
        ASSERT_EQ(ReadHorseFile(path, &horse), 1) << path;
        const std::string name = horse.name;
        EXPECT_FALSE(name.empty()) << path;
        EXPECT_LE(name.size(), 23u) << path;
        for (char c : name) {
            EXPECT_TRUE(c >= 32 && c < 127 && c != '~') << path << ": " << name;
        }
        names.insert(name);
        // A new series' ratings: each at least 5, the four summing to 40 before experience.
        const float ratings[4] = {horse.acceleration, horse.speed, horse.closing, horse.endurance};
        float sum = 0;
        for (float r : ratings) {
            EXPECT_GE(r, 5.0f) << path;
            sum += r;
        }
        EXPECT_GE(sum, 40.0f) << path;
        EXPECT_GE(horse.races, 4) << path;
        EXPECT_LE(horse.races, 18) << path;
        EXPECT_LE(horse.wins + horse.places + horse.shows, horse.races) << path;
    }
    EXPECT_EQ(names.size(), 215u);
}

TEST(GeneratedStable, EveryNameFitsTheNarrowestPlaceTheScreensWriteIt) {
    const std::vector<std::string> names = MakeHorseNames(215);
    EXPECT_EQ(names, MakeHorseNames(215)) << "the same names on every run";
    // The runner list (fontComic14, 145 pixels), the race card (fontComic17, 170) and the
    // leader panel beside place 1 (fontComic17, 125).
    const Font* comic14 = MakeFont(14, "Comic Sans MS", "r");
    const Font* comic17 = MakeFont(17, "Comic Sans MS", "r");
    ASSERT_NE(comic14, nullptr);
    ASSERT_NE(comic17, nullptr);
    for (const std::string& name : names) {
        EXPECT_LE(TextWidth(comic14, name.c_str()), 145) << name;
        EXPECT_LE(TextWidth(comic17, name.c_str()), 125) << name;
    }
    ReleaseFonts();
}

class SecondRun : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(GeneratedGameData(), scratch.path(), fs::copy_options::recursive);
    }
    ScratchFolder scratch;
};

// A missing horse is the game's to report, not the generator's to replace.
TEST_F(SecondRun, LeavesThePlayersHorsesAndSavedGameUntouchedAndReplacesNoMissingHorse) {
    const std::string folder = scratch.path().string();
    WriteBytes(HorsePath(folder, 7), {'M', 'i', 'n', 'e', '~', '\n'});
    fs::remove(HorsePath(folder, 100));
    WriteBytes(folder + "/settings.stn", {1, 2, 3});
    const GeneratorResult result = GenerateGameData(folder);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.horses, 0);
    // Up to date: nothing is made again.
    EXPECT_EQ(result.pictures, 0);
    EXPECT_EQ(result.sounds, 0);
    EXPECT_EQ(ReadBytes(HorsePath(folder, 7)),
              (std::vector<uint8_t>{'M', 'i', 'n', 'e', '~', '\n'}));
    EXPECT_EQ(ReadBytes(folder + "/settings.stn"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(fs::exists(HorsePath(folder, 100)));
}

// What is missing is made again, byte for byte as the first run made it.
TEST_F(SecondRun, AnEmptyStableAndAMissingPictureOrClipAreMadeAgainTheSame) {
    const std::string folder = scratch.path().string();
    for (int n = 1; n <= 215; ++n) {
        fs::remove(HorsePath(folder, n));
    }
    fs::remove(folder + "/images/horses.bmp");
    fs::remove(folder + "/sounds/announcer/generic_ex30.wav");
    const GeneratorResult result = GenerateGameData(folder);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.horses, 215);
    EXPECT_GT(result.pictures, 0);
    for (int n : {1, 100, 215}) {
        EXPECT_EQ(ReadBytes(HorsePath(folder, n)), ReadBytes(HorsePath(GeneratedGameData(), n)));
    }
    EXPECT_EQ(ReadBytes(folder + "/images/horses.bmp"),
              ReadBytes((GeneratedGameData() / "images/horses.bmp").string()));
    EXPECT_TRUE(fs::exists(folder + "/sounds/announcer/generic_ex30.wav"));
}

} // namespace
