// Leaving the results (once, paid as shown, by the button or by the clock) and the end of a
// day: today's champion, Restart, and the box that comes back after Escape.
#include "results/results_screen.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "results/end_of_day.h"
#include "results/payouts.h"
#include "shell/game_reset.h"
#include "stable/field_draw.h"
#include "stable/odds.h"
#include "tests/test_support.h"

namespace {

// A game on January 1, 2002 in its own data folder, the field drawn and finished in slot order,
// no bets, the results on screen.
class ResultsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        PrepareGameDataFolder(folder.path());
        inFolder = std::make_unique<WorkingDirectory>(folder.path());
        currentDay = currentMonth = 1;
        currentYear = 2002;
        raceOfDay = loadedRace = 1;
        daysToStakes = 10;
        frameTiming.frameFactor = 1.0f;
        ASSERT_EQ(LoadRaceField(), 1);
        for (int slot = 0; slot < kFieldSize; ++slot) {
            raceField[slot].finishPlace = slot + 1;
        }
        for (PlayerRecord& player : raceDay.players) {
            ClearBet(player);
        }
        SwitchScreen(kStateResults);
    }
    void TearDown() override { ResetGameState(); }
    ScratchFolder folder;
    std::unique_ptr<WorkingDirectory> inFolder;
};

class ResultsScreenTest : public ResultsTest {
  protected:
    void SetUp() override {
        ResultsTest::SetUp();
        numPlayers = 2;
        for (int slot = 0; slot < kFieldSize; ++slot) {
            fieldOdds.oddsCode[slot] = 400; // 3-1
        }
        for (int p = 1; p <= 2; ++p) {
            PlayerRecord& player = Player(p);
            player.money = 900;
            player.betRace = raceOfDay;
            player.betDay = currentDay;
            player.betMonth = currentMonth;
            player.betYear = currentYear;
            player.betRunner = p; // player 1 on the winner, player 2 on the second
            player.betType = kBetWin;
            player.betAmount = 100;
        }
        input.mouseState = {};
        postTimeMinutes = 2;
        postTimeSeconds = 0;
        raceState.postTimeHold = 0;
        SetSpritePosition(&sBack, 375, 525);
        sBack.width = 72;
        sBack.height = 28;
    }
};

TEST_F(ResultsScreenTest, AFirstFrameClickPaysTheShownReturnOnce) {
    input.mouseX = 400; // on the continue button
    input.mouseY = 540;
    input.mouseState.buttons[0] = 0x80;
    ResultsScreen();
    EXPECT_EQ(gameState, kStateRaceCard);
    EXPECT_EQ(Player(1).money, 900 + 400 + 100); // 3-1 on a $100 winner shows $400
    EXPECT_EQ(Player(2).money, 900);
    EXPECT_EQ(raceOfDay, 2);
    EXPECT_EQ(Player(1).betAmount, 0);
    EXPECT_EQ(raceState.postTimeHold, kPostTimeHold);
}

TEST_F(ResultsScreenTest, ALongFrameThatStepsOverTheMomentStillLeaves) {
    timeBetweenRaces = 2;
    postTimeMinutes = 1;
    postTimeSeconds = 1.5f;
    frameTiming.frameFactor = 60.0f; // a frame of a whole second: 1:01.5 -> 1:00.0
    ResultsScreen();                 // ticks past the moment
    ASSERT_EQ(gameState, kStateResults);
    ResultsScreen();
    EXPECT_EQ(gameState, kStateRaceCard);
    EXPECT_EQ(raceOfDay, 2);
}

TEST_F(ResultsScreenTest, TheDaysLastRaceAsksOnItsTenthFrameUnlessInSimMode) {
    raceOfDay = racesPerDay;
    Player(1).betRace = Player(2).betRace = raceOfDay;
    raceDay.fastPostTime = 1;
    for (int frame = 0; frame < 15; ++frame) {
        ResultsScreen();
    }
    EXPECT_EQ(gameState, kStateResults); // Sim Mode: no box, the clock will leave
    EXPECT_EQ(resultsScreen.resultsFrames, 10);
}

// The day's last race over: boxes and the champion's hold draw in a window.
class EndOfDayTest : public ResultsTest {
  protected:
    void SetUp() override {
        ResultsTest::SetUp();
        raceOfDay = loadedRace = 10;
        ASSERT_EQ(OpenGameWindow("Stridewell", true), 1);
        ASSERT_EQ(InitDisplay(kScreenWidth, kScreenHeight, 16), 1);
        SetFramePacing(false);
    }
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

TEST_F(EndOfDayTest, RestartGivesEveryoneAThousandAndStartsTheNextDay) {
    numPlayers = 1;
    for (PlayerRecord& player : raceDay.players) {
        player.money = 77;
    }
    RestartProfits();
    for (const PlayerRecord& player : raceDay.players) {
        EXPECT_EQ(player.money, kStartingMoney);
    }
    EXPECT_EQ(gameState, kStateRaceCard);
    EXPECT_EQ(currentDay, 2);
}

// "Save/Continue" at the day's end: every player goes into the table, the next day is saved.
TEST_F(EndOfDayTest, SaveAndContinueEntersEveryPlayerInTheTableAndSavesTheNextDay) {
    numPlayers = 2;
    std::snprintf(Player(1).name, sizeof Player(1).name, "Ann");
    Player(1).money = 700;
    std::snprintf(Player(2).name, sizeof Player(2).name, "Bo");
    Player(2).money = 1500;
    InitClock(60); // the champion's hold runs on the virtual clock
    SaveAndContinue();
    SettingsBlock saved{};
    ASSERT_EQ(DecodeSettingsFile(ReadBytes("settings.stn"), &saved), kSettingsBlockSize);
    EXPECT_STREQ(saved.topPlayers[0].name, "Bo");
    EXPECT_STREQ(saved.topPlayers[1].name, "Ann");
    EXPECT_EQ(saved.currentDay, 2);
    EXPECT_EQ(saved.raceOfDay, 1);
    EXPECT_EQ(saved.daysToStakes, 9);
}

TEST_F(EndOfDayTest, TheResetNoticeStandsUntilCIsPressed) {
    StartScriptFromNextFrame("20 key C\n");
    const int64_t before = PresentedFrameCount();
    CloseSeriesWithNotice();
    EXPECT_GT(PresentedFrameCount() - before, 10);
}

TEST_F(EndOfDayTest, EscapeClosesTheBoxAndItComesBackElevenFramesLater) {
    numPlayers = 1;
    racesPerDay = 10;
    postTimeMinutes = 2;
    resultsScreen.resultsFrames = 10;
    // Escape answers every box that opens.
    std::string escapes;
    for (int frame = 2; frame < 200; frame += 3) {
        escapes += std::to_string(frame) + " key Escape\n";
    }
    StartScriptFromNextFrame(escapes);
    ResultsScreen();
    EXPECT_EQ(resultsScreen.resultsFrames, -1);
    EXPECT_EQ(gameState, kStateResults);
    int frames = 0;
    do {
        ResultsScreen();
        ++frames;
        ASSERT_LT(frames, 50);
    } while (resultsScreen.resultsFrames != -1);
    EXPECT_EQ(frames, 11); // -1 becomes 0, ten frames of counting, then the box again
}

} // namespace
