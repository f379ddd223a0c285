// Frame timing over fake clock readings: the measured rate, the factor and the hold. The rate
// measured on the virtual clock is the credits' tests' (tests/screens/credits_test.cpp).
#include "core/frame_timing.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "shell/game_reset.h"

namespace {

class FrameTimingTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetGameState(); }

    // One frame's end as the frame driver runs it.
    void EndFrame(uint32_t nowMs) {
        ApplyHeldFrameRate();
        MeasureFrameTime(nowMs);
        UpdateFrameFactor();
    }
};

// The first frame measures one frame a second; the rate changes only after more than a second.
TEST_F(FrameTimingTest, TheRateChangesOnlyAfterMoreThanASecond) {
    EXPECT_EQ(frameTiming.frameFactor, 0.0f);
    EndFrame(kClockStartMs);
    EXPECT_EQ(frameTiming.framesPerSecond, 1);
    EXPECT_EQ(frameTiming.frameFactor, 60.0f);
    uint32_t now = kClockStartMs;
    for (int frame = 0; frame < 50; ++frame) {
        now += 20; // exactly 1000 ms after 50 frames: not yet more than a second
        EndFrame(now);
        EXPECT_EQ(frameTiming.framesPerSecond, 1);
    }
    EndFrame(now + 1);
    EXPECT_EQ(frameTiming.framesPerSecond, 51);
    EXPECT_FLOAT_EQ(frameTiming.frameFactor, static_cast<float>(60.0 / 51));
}

TEST_F(FrameTimingTest, AHeldRateSurvivesTheLongFrameAfterABox) {
    uint32_t now = kClockStartMs;
    EndFrame(now);
    for (int frame = 0; frame < 200; ++frame) {
        now += 16;
        EndFrame(now);
    }
    ASSERT_EQ(frameTiming.framesPerSecond, 63);
    HoldFrameRate();
    now += 30000; // the box stood open for half a minute
    EndFrame(now);
    EXPECT_EQ(frameTiming.framesPerSecond, 63);
    EXPECT_FLOAT_EQ(frameTiming.frameFactor, static_cast<float>(60.0 / 63));
    // The hold runs out after as many frames as the held rate; then measuring resumes.
    for (int frame = 0; frame < 62; ++frame) {
        now += 16;
        EndFrame(now);
        EXPECT_EQ(frameTiming.framesPerSecond, 63);
    }
    for (int frame = 0; frame < 140; ++frame) {
        now += 20;
        EndFrame(now);
    }
    EXPECT_EQ(frameTiming.framesPerSecond, 51);
}

// No measurement gives no scaling, and a clock that wraps still measures.
TEST_F(FrameTimingTest, NoMeasurementMeansNoScalingAndAWrappingClockStillMeasures) {
    frameTiming.framesPerSecond = 0;
    UpdateFrameFactor();
    EXPECT_EQ(frameTiming.frameFactor, 1.0f);
    frameTiming.previousMs = 0xFFFFFFF0u;
    MeasureFrameTime(0x10u);
    EXPECT_EQ(frameTiming.accumulatedMs, 0x20u);
}

} // namespace
