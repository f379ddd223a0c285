// The race view: tiles without seams, the progress marker, the depth order, the gallop's pace,
// the leader panel, the milling at the gate, the trees, the photo-finish pause and the reset.
#include "raceday/race_view.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/sprite.h"
#include "raceday/post_time.h"
#include "tests/raceday/race_fixture.h"

namespace {

// Runners named "Runner 1" to "Runner 10", every rating 1, the track on screen.
class RaceViewTest : public RaceFixture {
  protected:
    void SetUp() override {
        RaceFixture::SetUp();
        for (int i = 0; i < kFieldSize; ++i) {
            HorseRecord& runner = raceField[i];
            std::snprintf(runner.name, sizeof runner.name, "Runner %d", i + 1);
            runner.acceleration = runner.speed = runner.closing = runner.endurance = 1.0f;
            runner.curAcceleration = runner.curSpeed = runner.curClosing = 1.0f;
        }
        SwitchScreen(kStateTrack);
        InitClock(60);
        SetFramePacing(false); // the virtual clock's pause runs as fast as it can
    }
    void TearDown() override {
        SetFramePacing(true);
        RaceFixture::TearDown();
    }
    // A race under way, its runners spread out so that their places hold for a while.
    static void RunnersSpreadOut() {
        raceState.raceRunning = 1;
        raceState.raceDistance = 3000;
        raceState.racePhase = 2;
        raceState.boardVisible = 1;
        for (int i = 0; i < kFieldSize; ++i) {
            raceSim.runnerX[i] = 640.0f - 30.0f * i;
            raceSim.runnerY[i] = 301.0f + 15.0f * i;
            raceField[i].phaseTimer = 100000;
        }
    }
};

// Whether the pair, drawn at their positions truncated toward zero, covers every column.
bool Covers(const Sprite& a, const Sprite& b) {
    const int left = std::min(static_cast<int>(a.x), static_cast<int>(b.x));
    const int right = std::max(static_cast<int>(a.x), static_cast<int>(b.x));
    return left <= 0 && right <= left + 800 && right + 800 >= 800;
}

TEST_F(RaceViewTest, TheTrackAndTheRailCoverEveryColumnOnEveryFrame) {
    for (const int fps : {30, 60, 144}) {
        ResetRaceForNextRace();
        SetFrameRate(fps);
        for (int frame = 0; frame < 20000; ++frame) {
            raceState.raceDistance =
                kRaceDistance - frame % kRaceDistance; // the final approach included
            WrapTiles();
            ASSERT_TRUE(Covers(sTrackPart1, sTrackPart2)) << fps << " " << frame;
            ASSERT_TRUE(Covers(sTrackPatch1, sTrackPatch2)) << fps << " " << frame;
            MoveScenery();
        }
    }
}

TEST_F(RaceViewTest, AlignedTilesStandExactly800Apart) {
    sTrackPart1.x = -317.25f;
    sTrackPart2.x = 9.0f;
    sTrackPatch1.x = 100.0f;
    sTrackPatch2.x = -3.5f;
    AlignTiles();
    EXPECT_EQ(sTrackPart2.x, -317.25f + 800);
    EXPECT_EQ(sTrackPatch1.x, -3.5f + 800);
    sTrackPart1.x = -800.0f;
    WrapTiles();
    EXPECT_EQ(sTrackPart1.x, sTrackPart2.x + 800);
}

// The frame driver leaves out its black fill only under tiles that hide every pixel of it.
TEST_F(RaceViewTest, TheTrackCoversTheScreenOnlyWithOpaqueTilesAndNoGap) {
    struct Case {
        float x1, x2;
        int keyed;
        bool covers;
    };
    constexpr Case kCases[] = {{0.0f, 800.0f, 0, true},      {-317.25f, 482.75f, 0, true},
                               {-800.0f, 0.0f, 0, true},     {10.0f, 810.0f, 0, false},
                               {-100.0f, 750.0f, 0, false},  {-0.5f, 799.5f, 0, true},
                               {-317.25f, 482.75f, 1, false}};
    for (const Case& c : kCases) {
        for (Sprite* tile : {&sTrackPart1, &sTrackPart2}) {
            CreateSprite(tile, 800, 600, 0, 0, c.keyed);
            tile->y = 0.0f;
        }
        sTrackPart1.x = c.x1;
        sTrackPart2.x = c.x2;
        EXPECT_EQ(TrackCoversScreen(), c.covers) << c.x1 << " " << c.x2 << " " << c.keyed;
    }
    DestroySprite(&sTrackPart1);
    DestroySprite(&sTrackPart2);
}

TEST_F(RaceViewTest, TheMarkerTableCoversItsRangesAndLeavesTheGapsAlone) {
    int x = 0, y = 0;
    for (const int32_t distance : {5000, 4688, 15, 0, -40}) {
        ASSERT_TRUE(ProgressMarkerAt(distance, &x, &y)) << distance;
        EXPECT_EQ(x, 626);
        EXPECT_EQ(y, 126);
    }
    EXPECT_TRUE(ProgressMarkerAt(4687, &x, &y));
    EXPECT_EQ(x, 665);
    EXPECT_TRUE(ProgressMarkerAt(16, &x, &y));
    EXPECT_EQ(x, 581);
    for (const int32_t gap :
         {4376, 4064, 3752, 3440, 3128, 2816, 2504, 2192, 1880, 1568, 1256, 944, 632, 320}) {
        EXPECT_FALSE(ProgressMarkerAt(gap, &x, &y)) << gap;
    }
}

TEST_F(RaceViewTest, AtThirtyFramesASecondTheMarkerStopsAt4688AndStaysPut4376) {
    SetFrameRate(30);
    StartRace();
    bool saw4688 = false, saw4376 = false;
    while (raceState.raceDistance > 4300) {
        const int32_t distance = raceState.raceDistance;
        RunRaceFrame();
        if (distance == 4688) {
            saw4688 = true;
            EXPECT_EQ(sProgressMarker.x, 626.0f);
        }
        if (distance == 4376) {
            saw4376 = true;
            EXPECT_EQ(sProgressMarker.x, 665.0f);
            EXPECT_EQ(sProgressMarker.y, 125.0f);
        }
    }
    EXPECT_TRUE(saw4688);
    EXPECT_TRUE(saw4376);
}

TEST_F(RaceViewTest, HorsesHigherOnScreenGoBehindAndLevelOnesShareADepth) {
    const float lanes[kFieldSize] = {301, 316, 316, 331, 301, 346, 361, 376, 391, 406};
    for (int i = 0; i < kFieldSize; ++i) {
        raceSim.runnerY[i] = lanes[i];
    }
    DrawRaceScene();
    EXPECT_EQ(raceView.drawOrder[0], 2);
    EXPECT_EQ(raceView.drawOrder[4], 2);
    EXPECT_EQ(raceView.drawOrder[1], 4);
    EXPECT_EQ(raceView.drawOrder[2], 4);
    EXPECT_EQ(raceView.drawOrder[3], 5);
    EXPECT_EQ(raceView.drawOrder[9], 10);
}

TEST_F(RaceViewTest, TheGallopKeepsItsSixtyFramePaceAboveEighty) {
    EXPECT_EQ(GallopTicks(45, 0), 1);
    EXPECT_EQ(GallopTicks(45, 1), 2);
    EXPECT_EQ(GallopTicks(60, 2), 2);
    EXPECT_EQ(GallopTicks(61, 3), 3);
    EXPECT_EQ(GallopTicks(144, 4), 6);
    EXPECT_EQ(GallopTicks(144, 5), 9);
    // Over ten seconds the pictures go by as often at 144 as at 60.
    for (const int slot : {0, 1}) {
        int pictures[2] = {};
        const int rates[2] = {60, 144};
        for (int r = 0; r < 2; ++r) {
            Sprite horse{};
            horse.lastFrame = 11;
            int last = 0;
            for (int frame = 0; frame < rates[r] * 10; ++frame) {
                AnimateSprite(&horse, GallopTicks(rates[r], slot));
                pictures[r] += horse.currentFrame != last;
                last = horse.currentFrame;
            }
        }
        // Whole ticks round the pace to within a few in a hundred.
        EXPECT_NEAR(pictures[1], pictures[0], pictures[0] / 20 + 1) << slot;
    }
}

TEST_F(RaceViewTest, ALeaderButtonLiftsOnePixelUnderTheMouseAndAClickFollowsItsPlace) {
    RunnersSpreadOut();
    raceState.followedPlace = 3;
    input.mouseX = 645; // over place 1's button at (620, 530)
    input.mouseY = 545;
    for (int frame = 0; frame < 5; ++frame) {
        RunRaceFrame();
    }
    EXPECT_EQ(sLeaderButton[0].x, 621.0f);
    EXPECT_EQ(sLeaderButton[0].y, 531.0f);
    EXPECT_STREQ(raceView.leaderNames[0], "Runner 1");
    EXPECT_STREQ(raceView.leaderNames[3], "Runner 4");
    EXPECT_EQ(raceState.followedPlace, 3);
    input.mouseState.buttons[0] = 0x80;
    input.leftWasUp = 1;
    RunRaceFrame();
    EXPECT_EQ(raceState.followedPlace, 1);
    input.mouseState.buttons[0] = 0;
    input.mouseX = 0;
    RunRaceFrame();
    EXPECT_EQ(sLeaderButton[0].x, 620.0f);
    EXPECT_EQ(sLeaderButton[0].y, 530.0f);
}

TEST_F(RaceViewTest, AButtonWhoseRunnerStandsLevelStaysWhereItWas) {
    RunnersSpreadOut();
    raceSim.runnerX[2] = raceSim.runnerX[3]; // places 3 and 4 level: both 4th, nobody 3rd
    sLeaderButton[3].x = 25.0f;
    input.mouseX = 45;
    input.mouseY = 545;
    RunRaceFrame();
    EXPECT_EQ(sLeaderButton[3].x, 25.0f);
}

TEST_F(RaceViewTest, TheWaitingFieldRocksOnePixelToAndFro) {
    SeedRand(3);
    for (int frame = 0; frame < 2000; ++frame) {
        MillAtGate();
        for (int i = 0; i < kFieldSize; ++i) {
            const float dx = raceSim.runnerX[i] - 630.0f;
            const float dy = raceSim.runnerY[i] - (300.0f + 15 * i);
            ASSERT_TRUE(dx == 0 || dy == 0) << i;
            ASSERT_LE(std::fabs(dx), 1.0f);
            ASSERT_LE(std::fabs(dy), 1.0f);
            ASSERT_LE(raceField[i].millCountdown, 200);
        }
    }
    for (int i = 0; i < kFieldSize; ++i) {
        EXPECT_NE(raceField[i].millDirection, 0);
    }
}

TEST_F(RaceViewTest, TreesComeBackFromTheSceneryGeneratorAndOnlyWhileShown) {
    RunnersSpreadOut();
    SeedSceneRand(9);
    sTree2.x = -200.0f;
    treesOn = 0;
    RunRaceFrame();
    EXPECT_LT(sTree2.x, -200.0f);
    treesOn = 1;
    RunRaceFrame();
    EXPECT_GE(sTree2.x, 800.0f - 3.0f);
    EXPECT_LT(sTree2.x, 1100.0f);
    EXPECT_EQ(sTree2.y, 120.0f);
}

TEST_F(RaceViewTest, TheOffSeedsTheSceneryGeneratorWithOneDrawOfTheRaces) {
    SeedRand(21);
    const int seedDraw = Rand();
    const int nextDraw = Rand();
    SeedSceneRand(static_cast<uint32_t>(seedDraw));
    const int sceneDraw = SceneRand();
    SeedRand(21);
    SeedSceneRand(99);
    StartRace();
    EXPECT_EQ(raceState.raceRunning, 1);
    EXPECT_EQ(SceneRand(), sceneDraw);
    EXPECT_EQ(Rand(), nextDraw);
}

TEST_F(RaceViewTest, ThePhotoFinishPausesASecondAndAHalfOnceAndHoldsTheFrameRate) {
    raceState.raceRunning = 1;
    raceState.raceDistance = 0;
    raceState.racePhase = 3;
    raceSim.postX = 705.0f;
    for (int i = 0; i < kFieldSize; ++i) {
        raceSim.runnerX[i] = 400.0f - 10.0f * i;
        raceField[i].finishPlace = i + 1;
    }
    raceSim.runnerX[0] = 705.0f + 30.0f - 106.0f;
    raceSim.runnerX[1] = raceSim.runnerX[0] - 20.0f;
    frameTiming.framesPerSecond = 61;
    const int64_t before = PresentedFrameCount();
    RunRaceFrame();
    const int64_t paused = PresentedFrameCount() - before;
    EXPECT_GE(paused, 89);
    EXPECT_LE(paused, 92);
    EXPECT_EQ(frameTiming.holdFrames, 61);
    RunRaceFrame();
    EXPECT_EQ(PresentedFrameCount() - before, paused);
}

// The frame that ends a race, at the finish or by the time limit, says so once (the frame
// driver then switches to the results) and sets the clock for the next race; a stop is logged.
TEST_F(RaceViewTest, TheFrameThatEndsARaceSaysSoOnceAndSetsTheClockForTheNext) {
    ScratchFolder folder;
    PrepareGameDataFolder(folder.path()); // the results picture
    const WorkingDirectory inFolder(folder.path());
    bugLog.Open();
    struct Ending {
        bool timeUp;
        int32_t fast;
        int32_t minutes;
    };
    timeBetweenRaces = 3;
    for (const Ending ending : {Ending{false, 0, 3}, Ending{true, 1, 1}}) {
        ResetRaceForNextRace();
        RunnersSpreadOut();
        raceDay.fastPostTime = ending.fast;
        if (ending.timeUp) {
            raceSim.raceTime = kRaceTimeLimit - 1;
        } else {
            raceState.raceDistance = 0;
            raceState.boardRefreshCounter = kBoardCycleFrames - 1;
            for (int i = 0; i < kFieldSize; ++i) {
                raceSim.runnerX[i] = 805.0f; // every runner stopped beyond the edge
            }
        }
        int ends = 0;
        for (int frame = 0; frame < 3; ++frame) {
            ends += RunRaceFrame() ? 1 : 0;
        }
        EXPECT_EQ(ends, 1) << ending.timeUp;
        EXPECT_EQ(raceState.raceRunning, 0) << ending.timeUp;
        EXPECT_EQ(postTimeMinutes, ending.minutes) << ending.timeUp;
        EXPECT_EQ(postTimeSeconds, 0.0f) << ending.timeUp;
    }
    bugLog.Close();
    DestroySprite(&sResults);
    int logged = 0;
    for (const std::string& line : ReadLines(folder.File("buglog.txt"))) {
        logged += line.find("run five minutes without finishing") != std::string::npos;
    }
    EXPECT_EQ(logged, 1);
}

// Whatever a race moved, the reset puts back as the track stood before it.
TEST_F(RaceViewTest, TheResetPutsTheTrackBackForTheNextRace) {
    const auto track = [] {
        std::vector<float> at;
        for (const Sprite* sprite :
             {&sTrackPart1, &sTrackPart2, &sTrackPatch1, &sTrackPatch2, &sTree1, &sTree2, &sTree3,
              &sTree4, &sToteBoard, &sBetsBoard, &sFinishPost, &sStartingGate, &sProgressMarker,
              &sHorse[0], &sHorse[4], &sHorse[9]}) {
            at.insert(at.end(), {sprite->x, sprite->y});
        }
        for (const int32_t value :
             {sStartingGate.currentFrame, raceState.raceDistance, raceState.racePhase,
              raceState.followedPlace, raceState.boardVisible, raceState.boardRefreshCounter,
              raceSim.iPhotoFinishVar}) {
            at.push_back(static_cast<float>(value));
        }
        return at;
    };
    const std::vector<float> before = track();
    RunnersSpreadOut();
    raceState.followedPlace = 4;
    for (int frame = 0; frame < 100; ++frame) {
        RunRaceFrame();
    }
    sTree4.x = 3.0f;
    SetSpriteFrame(&sStartingGate, 1);
    raceSim.iPhotoFinishVar = 0;
    ResetRaceForNextRace();
    EXPECT_EQ(track(), before);
    EXPECT_EQ(raceState.raceDistance, kRaceDistance);
    EXPECT_EQ(raceSim.iPhotoFinishVar, kPhotoFinishPending);
}

} // namespace
