// A whole stakes series played by the autoplayer through the game's own screens, from a day
// before it to the champion and the stable's reset.
#include <gtest/gtest.h>
#include <set>

#include "core/settings_file.h"
#include "tests/test_support.h"
#include "tools/autoplay/autoplayer.h"

namespace {

std::vector<std::vector<uint8_t>> ReadStableBytes(const std::filesystem::path& folder) {
    std::vector<std::vector<uint8_t>> files;
    for (int n = 1; n <= kHorseCount; ++n) {
        files.push_back(ReadBytes((folder / "horses" / (std::to_string(n) + ".txt")).string()));
    }
    return files;
}

// The horses of a round's table in table order, or only those not eliminated.
std::vector<int32_t> Horses(const StakesEntry* table, int count, bool qualifiersOnly = false) {
    std::vector<int32_t> horses;
    for (int i = 0; i < count; ++i) {
        if (!qualifiersOnly || !table[i].eliminated) {
            horses.push_back(table[i].horseNumber);
        }
    }
    return horses;
}

TEST(StakesSeriesEnd, AWholeSeriesEndsWithAChampionAndAFreshStable) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    // The last ordinary day, of three races, with a minute between races.
    ASSERT_TRUE(WriteQuickSavedGame(folder.path().string(), 3, 1));
    const auto before = ReadStableBytes(folder.path());

    const WorkingDirectory comeBack(std::filesystem::current_path());
    StartAutoplay({.players = 1, .seed = 9, .races = 3 + 10 + 4 + 2 + 1, .stake = 10});
    testing::internal::CaptureStdout();
    ASSERT_EQ(RunAutoplayedGame(folder.path().string(), 33, 20), 0);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(AutoplaySoFar().racesFinished, 3 + 10 + 4 + 2 + 1);

    SettingsBlock saved{};
    ASSERT_EQ(DecodeSettingsFile(ReadBytes(folder.File("settings.stn")), &saved),
              kSettingsBlockSize);
    EXPECT_EQ(saved.stakesRound, 0);
    EXPECT_EQ(saved.stakesRace, 1);
    EXPECT_EQ(saved.daysToStakes, 10);
    EXPECT_EQ(saved.racesPerDay, 10);
    EXPECT_EQ(saved.raceOfDay, 1);

    const std::vector<int32_t> round2 = Horses(saved.stakesEntries2, kRound2Entries);
    const std::vector<int32_t> round3 = Horses(saved.stakesEntries3, kRound3Entries);
    const std::vector<int32_t> round4 = Horses(saved.stakesEntries4, kRound4Entries);
    EXPECT_EQ(round2, Horses(saved.stakesEntries1, kRound1Entries, true));
    EXPECT_EQ(round3, Horses(saved.stakesEntries2, kRound2Entries, true));
    EXPECT_EQ(round4, Horses(saved.stakesEntries3, kRound3Entries, true));
    for (const auto* round : {&round2, &round3, &round4}) {
        EXPECT_EQ(std::set<int32_t>(round->begin(), round->end()).size(), round->size());
        EXPECT_EQ(std::set<int32_t>(round->begin(), round->end()).count(0), 0u);
    }

    const auto after = ReadStableBytes(folder.path());
    for (int n = 0; n < kHorseCount; ++n) {
        EXPECT_NE(after[n], before[n]) << "horse " << n + 1 << " was not rebuilt";
    }
}

} // namespace
