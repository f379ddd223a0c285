// A whole race day played by the autoplayer through the game's own screens: ten races, two
// players betting on every race, "Save/Continue" at the end of the day.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings_file.h"
#include "raceday/race_day.h"
#include "stable/horse_file.h"
#include "tests/test_support.h"
#include "tools/autoplay/autoplayer.h"

namespace {

struct Career {
    int32_t races, wins, places, shows;
    float ratings[4];
};

std::vector<Career> ReadStable(const std::filesystem::path& folder) {
    std::vector<Career> stable;
    for (int n = 1; n <= kHorseCount; ++n) {
        HorseRecord horse{};
        EXPECT_EQ(
            ReadHorseFile((folder / "horses" / (std::to_string(n) + ".txt")).string(), &horse), 1)
            << n;
        stable.push_back({horse.races,
                          horse.wins,
                          horse.places,
                          horse.shows,
                          {horse.acceleration, horse.speed, horse.closing, horse.endurance}});
    }
    return stable;
}

TEST(RaceDayEnd, ADayOfTenRacesIsSavedWithItsHighScores) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    const std::vector<Career> before = ReadStable(folder.path());
    ASSERT_TRUE(WriteQuickSavedGame(folder.path().string(), 10, 10));
    const WorkingDirectory comeBack(std::filesystem::current_path());
    StartAutoplay({.players = 2, .seed = 4, .races = 10, .stake = 50});
    testing::internal::CaptureStdout();
    ASSERT_EQ(RunAutoplayedGame(folder.path().string(), 21, 20), 0);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(AutoplaySoFar().racesFinished, 10);
    EXPECT_GE(AutoplaySoFar().betsTried, 20);

    SettingsBlock saved{};
    ASSERT_EQ(DecodeSettingsFile(ReadBytes(folder.File("settings.stn")), &saved),
              kSettingsBlockSize);
    EXPECT_EQ(saved.currentDay, 2);
    EXPECT_EQ(saved.raceOfDay, 1);
    EXPECT_EQ(saved.daysToStakes, 9);
    const PlayerRecord& richer = Player(1).money > Player(2).money ? Player(1) : Player(2);
    const PlayerRecord& poorer = &richer == &Player(1) ? Player(2) : Player(1);
    EXPECT_STREQ(saved.topPlayers[0].name, richer.name);
    EXPECT_EQ(saved.topPlayers[0].money, richer.money);
    EXPECT_STREQ(saved.topPlayers[1].name, poorer.name);
    EXPECT_EQ(saved.topPlayers[1].money, poorer.money);

    const std::vector<Career> after = ReadStable(folder.path());
    Career added{};
    for (int n = 0; n < kHorseCount; ++n) {
        added.races += after[n].races - before[n].races;
        added.wins += after[n].wins - before[n].wins;
        added.places += after[n].places - before[n].places;
        added.shows += after[n].shows - before[n].shows;
        for (int r = 0; r < 4; ++r) {
            EXPECT_GE(after[n].ratings[r], before[n].ratings[r]) << "horse " << n + 1;
        }
    }
    EXPECT_EQ(added.races, 100);
    EXPECT_EQ(added.wins, 10);
    EXPECT_EQ(added.places, 10);
    EXPECT_EQ(added.shows, 10);
}

} // namespace
