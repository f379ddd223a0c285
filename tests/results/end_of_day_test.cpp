// The end of a day: today's champion, Restart, and the box that comes back after Escape.
#include "results/end_of_day.h"

#include <gtest/gtest.h>
#include <memory>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/script.h"
#include "platform/text.h"
#include "raceday/race_day.h"
#include "results/results_screen.h"
#include "shell/frame_driver.h"
#include "shell/frame_timing.h"
#include "shell/game_state.h"
#include "shell/settings_file.h"
#include "stable/field_draw.h"
#include "tests/test_support.h"

namespace {

class EndOfDayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PrepareGameDataFolder(folder.path());
        inFolder = std::make_unique<WorkingDirectory>(folder.path());
        ResetSettingsBlock();
        ResetRaceDay();
        ResetFrameDriver();
        currentDay = currentMonth = 1;
        currentYear = 2002;
        raceOfDay = loadedRace = 10;
        daysToStakes = 10;
        frameFactor = 1.0f;
        ASSERT_EQ(OpenGameWindow("Stridewell", true), 1);
        ASSERT_EQ(InitDisplay(kScreenWidth, kScreenHeight, 16), 1);
        SetFramePacing(false);
        ASSERT_EQ(LoadRaceField(), 1);
        for (int slot = 0; slot < kFieldSize; ++slot) {
            raceField[slot].finishPlace = slot + 1;
        }
        for (PlayerRecord& player : players) {
            ClearBet(player);
        }
    }
    void TearDown() override {
        StopScript();
        ReleaseFonts();
        ReleaseDisplay();
        inFolder.reset();
    }
    ScratchFolder folder;
    std::unique_ptr<WorkingDirectory> inFolder;
};

TEST_F(EndOfDayTest, NoChampionForOnePlayerOrATie) {
    numPlayers = 1;
    Player(1).money = 5000;
    const int64_t before = PresentedFrameCount();
    TodaysChampionScreen();
    EXPECT_EQ(PresentedFrameCount(), before);
    numPlayers = 2;
    Player(2).money = 5000; // level at the top
    TodaysChampionScreen();
    EXPECT_EQ(PresentedFrameCount(), before);
    Player(2).money = 5001;
    InitClock(60);
    TodaysChampionScreen(); // held for three seconds of pictures
    EXPECT_GE(PresentedFrameCount() - before, 180);
    InitClock(0);
}

TEST_F(EndOfDayTest, RestartGivesEveryoneAThousandAndKeepsTheTable) {
    numPlayers = 1;
    for (PlayerRecord& player : players) {
        player.money = 77;
    }
    std::snprintf(topPlayers[0].name, sizeof topPlayers[0].name, "Ada");
    topPlayers[0].money = 9000;
    gameState = kStateResults;
    RestartProfits();
    for (const PlayerRecord& player : players) {
        EXPECT_EQ(player.money, kStartingMoney);
    }
    EXPECT_STREQ(topPlayers[0].name, "Ada");
    EXPECT_EQ(topPlayers[0].money, 9000);
    EXPECT_EQ(gameState, kStateRaceCard);
    EXPECT_EQ(currentDay, 2);
}

TEST_F(EndOfDayTest, EscapeClosesTheBoxAndItComesBackElevenFramesLater) {
    numPlayers = 1;
    racesPerDay = 10;
    gameState = kStateResults;
    postTimeMinutes = 2;
    resultsFrames = 10;
    // The box opens on this frame and Escape closes it.
    // Escape answers every box that opens.
    std::string lines;
    for (int64_t frame = PresentedFrameCount() + 2; frame < PresentedFrameCount() + 200;
         frame += 3) {
        lines += std::to_string(frame) + " key Escape\n";
    }
    std::vector<ScriptCommand> escapes;
    std::string error;
    ASSERT_TRUE(ParseScript(lines, "/tmp", &escapes, &error)) << error;
    StartScript(escapes);
    ResultsScreen();
    EXPECT_EQ(resultsFrames, -1);
    EXPECT_EQ(gameState, kStateResults);
    int frames = 0;
    do {
        ResultsScreen();
        ++frames;
        ASSERT_LT(frames, 50);
    } while (resultsFrames != -1);
    EXPECT_EQ(frames, 11); // -1 becomes 0, ten frames of counting, then the box again
}

} // namespace
