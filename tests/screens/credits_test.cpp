// The credits scroll at the same speed whatever the frame rate, and wrap.
#include "screens/credits.h"

#include <gtest/gtest.h>

#include "core/frame_timing.h"
#include "platform/clock.h"
#include "platform/game_sprites.h"
#include "stable/horse_record.h"

namespace {

// Runs the credits for some virtual seconds with the frame timing the frame driver keeps,
// after a warm-up so the rate has been measured. Returns how far the list moved.
float Scroll(int fps, int seconds) {
    InitClock(fps);
    ResetFrameTiming();
    for (int frame = 0; frame < 3 * fps; ++frame) {
        ApplyHeldFrameRate();
        MeasureFrameTime(timeGetTime());
        UpdateFrameFactor();
        AdvanceFrameClock();
    }
    creditsPosition = kCreditsStart;
    for (int frame = 0; frame < seconds * fps; ++frame) {
        RunCredits();
        ApplyHeldFrameRate();
        MeasureFrameTime(timeGetTime());
        UpdateFrameFactor();
        AdvanceFrameClock();
    }
    InitClock(0);
    return kCreditsStart - creditsPosition;
}

TEST(Credits, ScrollAtTheSameSpeedAtThirtyAndSixtyFramesASecond) {
    const float at30 = Scroll(30, 2);
    const float at60 = Scroll(60, 2);
    EXPECT_NEAR(at30, 60.0f / 31 * 60, 0.1f);
    EXPECT_NEAR(at60, 60.0f / 61 * 120, 0.1f);
    EXPECT_NEAR(at30, at60, 2.0f);
}

TEST(Credits, WrapFromTheTopToTheBottomAndHaveNoBackButtonBeforeAGame) {
    frameTiming.frameFactor = 1.0f;
    creditsPosition = -kCreditsStart;
    raceField[0].horseNumber = 0;
    SetSpritePosition(&sBack, 525, 540);
    RunCredits();
    EXPECT_EQ(creditsPosition, kCreditsStart);
    EXPECT_EQ(sBack.x, 525.0f); // not moved to the credits' place
    raceField[0].horseNumber = 12;
    RunCredits();
    EXPECT_EQ(sBack.x, 135.0f);
}

} // namespace
