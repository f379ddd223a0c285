// A race day played by script from the main menu to the off, inside the test's own process so
// the game's state can be read afterwards.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/game_sprites.h"
#include "raceday/race_day.h"
#include "tests/test_support.h"

namespace {

// Two players name themselves, Alice bets $100 to win on #3, Bob's "abc" is refused and he
// bets $50 to place on #5; they go out to the track, come back with B, and the clock runs out.
constexpr const char* kRaceDay = "2 keydown S\n4 keyup S\n" // skips the intro
                                 "5 move 47 210\n5 click\n10 move 417 288\n10 click\n"
                                 "14 type Alice\n15 key Tab\n15 type Bob\n16 key Enter\n"
                                 "30 move 160 310\n30 click\n33 button 3000\n33 type 100\n"
                                 "34 key Enter\n"
                                 "45 move 232 130\n45 click\n50 move 160 366\n50 click\n"
                                 "53 button 3001\n53 type abc\n54 key Enter\n57 key Enter\n"
                                 "58 key Backspace\n59 key Backspace\n60 key Backspace\n"
                                 "61 type 50\n62 key Enter\n"
                                 "80 move 727 555\n80 click\n100 key B\n";

TEST(RaceDayFlow, BetsAreTakenAndTheClockStartsTheRace) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path());
    testing::internal::CaptureStdout();
    const int status = PlayInProcess(folder.path(), std::string(kRaceDay) + "5100 quit\n", 11);
    const std::string said = testing::internal::GetCapturedStdout();
    ASSERT_EQ(status, 0) << said;
    EXPECT_NE(said.find("box \"Amount Error\": Please enter a whole number of dollars."),
              std::string::npos)
        << said;

    EXPECT_EQ(numPlayers, 2);
    EXPECT_STREQ(Player(1).name, "Alice");
    EXPECT_STREQ(Player(2).name, "Bob");
    EXPECT_EQ(Player(1).money, 900);
    EXPECT_EQ(Player(1).betAmount, 100);
    EXPECT_EQ(Player(1).betRunner, 3);
    EXPECT_EQ(Player(1).betType, kBetWin);
    EXPECT_EQ(Player(2).money, 950);
    EXPECT_EQ(Player(2).betAmount, 50);
    EXPECT_EQ(Player(2).betRunner, 5);
    EXPECT_EQ(Player(2).betType, kBetPlace);
    for (int p = 1; p <= 2; ++p) {
        EXPECT_TRUE(BetIsOnCurrentRace(Player(p))) << p;
        EXPECT_EQ(Player(p).betMonth, currentMonth) << p;
    }
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(gameState, kStateTrack);
    EXPECT_EQ(raceState.raceRunning, 1);
    EXPECT_EQ(sStartingGate.currentFrame, 1);
    EXPECT_EQ(postTimeMinutes, 0);

    // The script's quit closes the window, which saves the game on the way out.
    SettingsBlock saved{};
    const std::vector<uint8_t> file = ReadBytes(folder.File("settings.stn"));
    ASSERT_EQ(DecodeSettingsFile(file, &saved), kSettingsBlockSize);
    EXPECT_EQ(saved.raceOfDay, 1);
    EXPECT_EQ(saved.numPlayers, 2);
    EXPECT_EQ(saved.postTimeMinutes, 0);
}

} // namespace
