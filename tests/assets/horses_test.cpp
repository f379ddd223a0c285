// The starting stable: 215 distinct names that fit where the screens write them, never
// overwritten by a second run. That the files read back whole is the soak referee's to see.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "assets/generator.h"
#include "assets/horse_names.h"
#include "platform/text.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

std::string HorsePath(const fs::path& folder, int n) {
    return (folder / "horses" / (std::to_string(n) + ".txt")).string();
}

TEST(GeneratedStable, EveryNameFitsTheNarrowestPlaceTheScreensWriteIt) {
    const std::vector<std::string> names = MakeHorseNames(215);
    EXPECT_EQ(names, MakeHorseNames(215)) << "the same names on every run";
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 215u);
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

// A second run makes again what is missing, byte for byte as the first run made it, and never
// touches the player's horses or saved game: a missing horse is the game's to report.
TEST(GeneratedStable, ASecondRunMakesWhatIsMissingAgainAndLeavesThePlayersFilesAlone) {
    const ScratchFolder scratch;
    fs::copy(GeneratedGameData(), scratch.path(), fs::copy_options::recursive);
    const std::string folder = scratch.path().string();
    const std::vector<uint8_t> mine = {'M', 'i', 'n', 'e', '~', '\n'};
    WriteBytes(HorsePath(folder, 7), mine);
    fs::remove(HorsePath(folder, 100));
    WriteBytes(folder + "/settings.stn", {1, 2, 3});
    for (const char* made : {"images/horses.bmp", "sounds/announcer/generic_ex30.wav"}) {
        fs::remove(scratch.path() / made);
    }
    GeneratorResult result = GenerateGameData(folder);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.horses, 0);
    EXPECT_GT(result.pictures, 0);
    EXPECT_EQ(ReadBytes(HorsePath(folder, 7)), mine);
    EXPECT_EQ(ReadBytes(folder + "/settings.stn"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(fs::exists(HorsePath(folder, 100)));
    for (const char* made : {"images/horses.bmp", "sounds/announcer/generic_ex30.wav"}) {
        EXPECT_EQ(ReadBytes((scratch.path() / made).string()),
                  ReadBytes((GeneratedGameData() / made).string()))
            << made;
    }
    // Only an empty stable gets the starting horses; what is up to date is not made again.
    for (int n = 1; n <= 215; ++n) {
        fs::remove(HorsePath(folder, n));
    }
    result = GenerateGameData(folder);
    EXPECT_EQ(result.horses, 215);
    EXPECT_EQ(result.pictures, 0);
    EXPECT_EQ(result.sounds, 0);
    for (int n : {1, 100, 215}) {
        EXPECT_EQ(ReadBytes(HorsePath(folder, n)), ReadBytes(HorsePath(GeneratedGameData(), n)));
    }
}

} // namespace
