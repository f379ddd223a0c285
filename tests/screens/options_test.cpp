// The options screen by its buttons: bounds, one change per press, wraps, the series, leaving.
#include "screens/options.h"

#include <gtest/gtest.h>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "raceday/race_day.h"
#include "shell/game_reset.h"
#include "tests/test_support.h"

namespace {

class OptionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        SwitchScreen(kStateOptions);
        frameTiming.frameFactor = 1.0f;
        postTimeMinutes = 2;
        // Buttons at their rest positions, each the size of its picture.
        for (auto [sprite, x, y, w, h] : {std::tuple{&sAnnouncerOption, 150, 300, 106, 24},
                                          {&sPostTimeOption, 150, 250, 132, 17},
                                          {&sRacesOption, 150, 350, 133, 23},
                                          {&sSimOption, 150, 400, 98, 21},
                                          {&sStakesDaysOption, 150, 461, 138, 20},
                                          {&sBack, 525, 540, 72, 28}}) {
            SetSpritePosition(sprite, x, y);
            sprite->width = w;
            sprite->height = h;
        }
    }
    // One frame with the cursor on a button and the mouse buttons as given; the was-up flags
    // follow the buttons as the frame driver keeps them.
    void Frame(const Sprite& button, bool left, bool right) {
        input.mouseX = static_cast<int>(button.x) + 10;
        input.mouseY = static_cast<int>(button.y) + 5;
        input.mouseState.buttons[0] = left ? 0x80 : 0;
        input.mouseState.buttons[1] = right ? 0x80 : 0;
        RunOptionsScreen();
        input.leftWasUp = !left;
        input.rightWasUp = !right;
    }
    void Click(const Sprite& button, bool left, int times = 1) {
        for (int i = 0; i < times; ++i) {
            Frame(button, left, !left);
            Frame(button, false, false);
        }
    }
};

TEST_F(OptionsTest, EachValueStaysWithinItsBounds) {
    Click(sPostTimeOption, true, 6);
    EXPECT_EQ(timeBetweenRaces, 5);
    Click(sPostTimeOption, false, 6);
    EXPECT_EQ(timeBetweenRaces, 1);
    Click(sRacesOption, true, 7);
    EXPECT_EQ(racesPerDay, 15);
    Click(sRacesOption, false, 13);
    EXPECT_EQ(racesPerDay, 3);
}

TEST_F(OptionsTest, AHeldButtonActsOnceAndBothTogetherCount) {
    for (int frame = 0; frame < 30; ++frame) {
        Frame(sPostTimeOption, true, false);
    }
    EXPECT_EQ(timeBetweenRaces, 3);
    Frame(sAnnouncerOption, false, false);
    Frame(sAnnouncerOption, true, true); // either or both: one toggle
    EXPECT_EQ(announcingOn, 0);
    Frame(sSimOption, false, false);
    Frame(sSimOption, true, true); // each toggles: they cancel out
    EXPECT_EQ(raceDay.fastPostTime, 0);
    Frame(sSimOption, false, false);
    Frame(sSimOption, false, true);
    EXPECT_EQ(raceDay.fastPostTime, 1);
}

TEST_F(OptionsTest, DaysUntilTheStakesWrapBothWays) {
    daysToStakes = 100;
    Click(sStakesDaysOption, true);
    EXPECT_EQ(daysToStakes, 1);
    Click(sStakesDaysOption, false);
    EXPECT_EQ(daysToStakes, 100);
    Click(sStakesDaysOption, false);
    EXPECT_EQ(daysToStakes, 99);
}

TEST_F(OptionsTest, DuringASeriesOnlyAnnouncingAndPostTimeChange) {
    stakesRound = 2;
    daysToStakes = 0;
    Click(sRacesOption, true);
    Click(sStakesDaysOption, true);
    Click(sSimOption, true);
    EXPECT_EQ(racesPerDay, 10);
    EXPECT_EQ(daysToStakes, 0);
    EXPECT_EQ(raceDay.fastPostTime, 0);
    Click(sAnnouncerOption, true);
    Click(sPostTimeOption, true);
    EXPECT_EQ(announcingOn, 0);
    EXPECT_EQ(timeBetweenRaces, 3);
}

TEST_F(OptionsTest, BackSavesAndReturnsToTheCard) {
    ScratchFolder folder;
    WorkingDirectory inFolder(folder.path());
    currentDay = currentMonth = 1;
    currentYear = 2002;
    racesPerDay = 12;
    Click(sBack, true);
    EXPECT_EQ(gameState, kStateRaceCard);
    SettingsBlock saved{};
    ASSERT_EQ(DecodeSettingsFile(ReadBytes("settings.stn"), &saved), kSettingsBlockSize);
    EXPECT_EQ(saved.racesPerDay, 12);
}

TEST_F(OptionsTest, TheRaceStartsHereWhenTheClockRunsOut) {
    raceState.postTimeHold = 0;
    postTimeMinutes = 0;
    postTimeSeconds = 0.02f;
    Frame(sOptionsPanel, false, false);
    EXPECT_EQ(raceState.raceRunning, 1);
    EXPECT_EQ(gameState, kStateTrack);
    EXPECT_FLOAT_EQ(postTimeSeconds, 1.0f);
}

TEST_F(OptionsTest, TheClockAndTheRaceNumberSlideUpToTheirPlaces) {
    SetSpritePosition(&sPostTimeText, 150, 260);
    SetSpritePosition(&sRaceLabel, 600, 300);
    for (int frame = 0; frame < 60; ++frame) {
        Frame(sOptionsPanel, false, false);
    }
    EXPECT_EQ(sPostTimeText.y, 200.0f);
    EXPECT_EQ(sRaceLabel.x, 400.0f);
    EXPECT_EQ(sRaceLabel.y, 200.0f);
}

} // namespace
