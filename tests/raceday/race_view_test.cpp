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

// Whichever tile of a pair lies further left, the other is put exactly 800 beyond it.
TEST_F(RaceViewTest, AlignedTilesStandExactly800Apart) {
    sTrackPart1.x = 9.0f;
    sTrackPatch2.x = -3.5f;
    AlignTiles();
    EXPECT_EQ(sTrackPart2.x, 9.0f + 800);
    EXPECT_EQ(sTrackPatch1.x, -3.5f + 800);
}

// The frame driver leaves out its black fill only under tiles that hide every pixel of it.
TEST_F(RaceViewTest, TheTrackCoversTheScreenOnlyWithOpaqueTilesAndNoGap) {
    struct Case {
        float x1, x2;
        int keyed;
        bool covers;
    };
    constexpr Case kCases[] = {{-317.25f, 482.75f, 0, true}, {-800.0f, 0.0f, 0, true},
                               {10.0f, 810.0f, 0, false},    {-100.0f, 750.0f, 0, false},
                               {-0.5f, 799.5f, 0, true},     {-317.25f, 482.75f, 1, false}};
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

// At thirty frames a second the distance steps by two, onto 4376 among others: a gap in the
// marker's table, where the marker stays put.
TEST_F(RaceViewTest, AtThirtyFramesASecondTheMarkerStaysPutInTheTablesGaps) {
    SetFrameRate(30);
    StartRace();
    int x = 0, y = 0;
    while (raceState.raceDistance > 4300) {
        const int32_t distance = raceState.raceDistance;
        const float wasX = sProgressMarker.x, wasY = sProgressMarker.y;
        RunRaceFrame();
        const bool inTable = ProgressMarkerAt(distance, &x, &y);
        EXPECT_EQ(sProgressMarker.x, inTable ? static_cast<float>(x) : wasX) << distance;
        EXPECT_EQ(sProgressMarker.y, inTable ? static_cast<float>(y) : wasY) << distance;
    }
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
    EXPECT_EQ(raceView.drawOrder[9], 10);
}

// Over ten seconds the pictures go by as often at 144 frames a second as at 60.
TEST_F(RaceViewTest, TheGallopKeepsItsSixtyFramePaceAboveEighty) {
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

TEST_F(RaceViewTest, ALeaderButtonFollowsItsPlaceOnAClickUnlessItsRunnerStandsLevel) {
    RunnersSpreadOut();
    raceSim.runnerX[2] = raceSim.runnerX[3]; // places 3 and 4 level: both 4th, nobody 3rd
    raceState.followedPlace = 3;
    sLeaderButton[3].x = 25.0f;
    input.mouseX = 45; // over the level pair's button
    input.mouseY = 545;
    input.mouseState.buttons[0] = 0x80;
    input.leftWasUp = 1;
    RunRaceFrame();
    EXPECT_EQ(sLeaderButton[3].x, 25.0f);
    EXPECT_EQ(raceState.followedPlace, 3);
    input.mouseX = 645; // over place 1's button at (620, 530)
    RunRaceFrame();
    EXPECT_EQ(sLeaderButton[0].x, 621.0f);
    EXPECT_EQ(raceState.followedPlace, 1);
    EXPECT_STREQ(raceView.leaderNames[0], "Runner 1");
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
        }
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
    timeBetweenRaces = 3;
    for (const bool timeUp : {false, true}) {
        ResetRaceForNextRace();
        RunnersSpreadOut();
        raceDay.fastPostTime = timeUp ? 1 : 0; // one minute to the next race
        if (timeUp) {
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
        EXPECT_EQ(ends, 1) << timeUp;
        EXPECT_EQ(postTimeMinutes, timeUp ? 1 : 3) << timeUp;
        EXPECT_EQ(postTimeSeconds, 0.0f) << timeUp;
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
}

} // namespace
