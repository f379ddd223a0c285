// The post-time clock: the hold, the minute roll-over, its pace and its events.
#include "raceday/post_time.h"

#include "platform/random.h"
#include "tests/raceday/race_fixture.h"

namespace {

class PostTimeTest : public RaceFixture {
  protected:
    void SetUp() override {
        RaceFixture::SetUp();
        SwitchScreen(kStateRaceCard);
        raceState.postTimeHold = 0;
    }
};

TEST_F(PostTimeTest, AfterItsHundredCallHoldAMinuteLasts2376FramesOr792Fast) {
    for (const int fast : {0, 1}) {
        raceDay.fastPostTime = fast;
        raceState.postTimeHold = 100;
        postTimeMinutes = 2;
        postTimeSeconds = 0;
        for (int call = 1; call < 100; ++call) {
            TickPostTime();
            ASSERT_EQ(postTimeMinutes, 2) << call;
        }
        TickPostTime();
        char text[32];
        FormatPostTime(text, sizeof text, "%02d : %02.0f");
        EXPECT_STREQ(text, "01 : 59"); // 1:59.4
        int frames = 0;
        while (postTimeMinutes == 1) {
            TickPostTime();
            ++frames;
        }
        EXPECT_EQ(frames, fast ? 792 : 2376);
    }
}

TEST_F(PostTimeTest, TheCardGoesToTheTrackBeforeZeroStartsTheRaceOnce) {
    postTimeMinutes = 0;
    postTimeSeconds = 4.5f;
    PostTimeEvents();
    EXPECT_EQ(gameState, kStateTrack);
    EXPECT_EQ(raceState.raceRunning, 0);
    postTimeSeconds = 0;
    PostTimeEvents();
    EXPECT_EQ(raceState.raceRunning, 1);
    EXPECT_FLOAT_EQ(postTimeSeconds, 1.0f);
    for (int slot = 0; slot < kFieldSize; ++slot) {
        EXPECT_EQ(raceField[slot].postNumber, slot + 1);
    }
    raceState.raceRunning = 0;
    PostTimeEvents(); // 0:01 matches no window
    EXPECT_EQ(raceState.raceRunning, 0);
}

TEST_F(PostTimeTest, EveryOpenWindowDrawsItsWordingWhetherOrNotAClipPlays) {
    SeedRand(5);
    postTimeMinutes = 0;
    postTimeSeconds = 30.0f;
    PostTimeEvents();
    PostTimeEvents();
    const int afterTwoCalls = Rand();
    SeedRand(5);
    Rand();
    Rand();
    EXPECT_EQ(afterTwoCalls, Rand());
}

} // namespace
