// The race simulation's rules, one at a time, on fields set up by hand.
#include "raceday/race_sim.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/input.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "tests/raceday/race_fixture.h"

namespace {

constexpr float kWidth = 106.0f; // every runner's frame, as the manifest makes it

// Every rating and working value 10, endurance 5, bursts far off, the race under way.
class RaceSimTest : public RaceFixture {
  protected:
    void SetUp() override {
        RaceFixture::SetUp();
        for (HorseRecord& runner : raceField) {
            runner.acceleration = runner.speed = runner.closing = 10.0f;
            runner.endurance = 5.0f;
            runner.curAcceleration = runner.curSpeed = runner.curClosing = 10.0f;
            runner.phaseTimer = 100;
        }
        raceState.raceRunning = 1;
        SeedRand(7);
    }
    static void Place(int slot, float x, float y) {
        raceSim.runnerX[slot] = x;
        raceSim.runnerY[slot] = y;
    }
    // Runners not named stand far behind, out of every test's way.
    static void ClearTheField() {
        for (int i = 0; i < kFieldSize; ++i) {
            Place(i, -2000.0f - 300.0f * i, 301.0f + 15.0f * i);
        }
    }
};

// The lane rules exactly as the game describes them, runner by runner, to hold the game's own
// (faster) version to.
namespace reference {

float* const x = raceSim.runnerX;
float* const y = raceSim.runnerY;

bool Overlap(int a, int b) {
    return (x[a] > x[b] && x[b] + kWidth > x[a]) || (x[a] < x[b] && x[a] + kWidth > x[b]);
}

int CanMoveIn(int i) {
    for (int j = 0; j < kFieldSize; ++j) {
        if (j != i && y[i] - y[j] <= 15 && Overlap(i, j)) {
            return 0;
        }
    }
    return 1;
}

bool InTheWay(int i, int j) {
    const float front = x[i] + kWidth;
    return x[j] - 5 < front && x[j] + kWidth > front;
}

int IsBlockedBy(int i, int j) { return j != i && std::fabs(y[j] - y[i]) < 14 && InTheWay(i, j); }

int CanMoveOut(int i) {
    for (int j = 0; j < kFieldSize; ++j) {
        const float wider = y[j] - y[i];
        if (wider > 0 && wider < 14 && InTheWay(i, j)) {
            return 0;
        }
    }
    return 1;
}

void UpdateLanes(int i) {
    const float step = static_cast<float>(0.5 * frameTiming.frameFactor);
    raceField[i].laneFree = raceState.raceDistance > 0;
    if (raceField[i].laneFree) {
        const int free = CanMoveIn(i);
        if (free && y[i] > 301) {
            raceField[i].movingIn = 1;
            y[i] = std::max(301.0f, y[i] - step);
        }
        if (!free) {
            raceField[i].movingIn = 0;
        }
    }
    for (int j = 0; j < kFieldSize; ++j) {
        if (IsBlockedBy(i, j)) {
            if (CanMoveOut(i)) {
                y[i] += step;
            } else {
                CurrentValue(raceField[i], raceState.racePhase) =
                    CurrentValue(raceField[j], raceState.racePhase) - 1;
            }
        }
    }
}

} // namespace reference

TEST_F(RaceSimTest, OnTheFirstFrameEveryBurstIsDrawnAndAllTenShareLastPlace) {
    for (HorseRecord& runner : raceField) {
        runner.phaseTimer = 0;
    }
    raceField[4].acceleration = 1.0f; // its only burst is 1, far below the rating's 10
    RunRaceSimFrame();
    for (const HorseRecord& runner : raceField) {
        EXPECT_GE(runner.phaseTimer, -1);
        EXPECT_LE(runner.phaseTimer, 498);
        EXPECT_EQ(runner.finishPlace, kFieldSize);
    }
    EXPECT_FLOAT_EQ(raceField[4].curAcceleration, static_cast<float>(1.0 * (1 - 1 / 375.0)));
}

TEST(RaceSimStart, ThePhotoFinishPauseIsDueFromProgramStart) {
    EXPECT_EQ(raceSim.iPhotoFinishVar, kPhotoFinishPending); // as the program starts
    raceSim.iPhotoFinishVar = 0;
    ResetRaceSim();
    EXPECT_EQ(raceSim.iPhotoFinishVar, kPhotoFinishPending);
    EXPECT_EQ(raceSim.closerSlot, -1);
    EXPECT_EQ(raceSim.previousDistance, kRaceDistance);
}

TEST_F(RaceSimTest, AnAccelerationOfOneAndAHalfAlwaysBurstsAtOne) {
    raceField[3].acceleration = 1.5f;
    for (int frame = 0; frame < 2000; ++frame) {
        raceField[3].phaseTimer = 0;
        MoveRunners();
        // The burst is drawn as 1, then decays within the frame.
        ASSERT_FLOAT_EQ(raceField[3].curAcceleration, static_cast<float>(1.0 * (1 - 1 / 375.0)));
    }
}

TEST_F(RaceSimTest, RunnersMoveAgainstSeventyPercentOfThePaceAndDecayByEndurance) {
    raceField[0].curAcceleration = 10.0f;
    for (int i = 1; i < kFieldSize; ++i) {
        raceField[i].curAcceleration = 5.0f;
    }
    const float start = raceSim.runnerX[1];
    MoveRunners();
    EXPECT_EQ(raceSim.paceSetter, 0);
    EXPECT_NEAR(raceSim.runnerX[1] - start, -0.1f, 1e-4);
    EXPECT_NEAR(raceSim.runnerX[0] - start, 0.15f, 1e-4);
    EXPECT_NEAR(raceField[0].curAcceleration, 10.0f - 10.0f / 75 / 5, 1e-5);
}

TEST_F(RaceSimTest, DecayOverASecondIsTheSameAtEveryFrameRate) {
    for (const int fps : {30, 59, 144}) {
        raceField[0].curSpeed = 10.0f;
        raceState.racePhase = 2;
        SetFrameRate(fps);
        // Bursts stay put: the timer is far off.
        raceField[0].phaseTimer = 1000000;
        for (int frame = 0; frame < fps; ++frame) {
            MoveRunners();
        }
        const float perSecond = static_cast<float>(10.0 * std::pow(1 - 1 / 375.0, 60));
        EXPECT_NEAR(raceField[0].curSpeed, perSecond, 1e-4) << fps;
    }
}

TEST_F(RaceSimTest, LanesFollowTheRulesOnCrowdedFields) {
    // Positions on a coarse grid, so that equal x, gaps of exactly 14 and 15 and runners at the
    // rail all come up often.
    for (int trial = 0; trial < 3000; ++trial) {
        SetFrameRate(trial % 3 == 0 ? 144 : trial % 3 == 1 ? 60 : 30);
        raceState.raceDistance = trial % 5 == 0 ? 0 : 3000;
        raceState.racePhase = 1 + trial % 3;
        for (int i = 0; i < kFieldSize; ++i) {
            Place(i, 600.0f + 8.0f * (Rand() % 25), 301.0f + 0.5f * (Rand() % 60));
            for (const int phase : {1, 2, 3}) {
                CurrentValue(raceField[i], phase) = static_cast<float>(Rand() % 20);
            }
        }
        // The plain rules move the field first; then it is put back for the game's own turn.
        const RaceSim before = raceSim;
        const std::vector<HorseRecord> runnersBefore(std::begin(raceField), std::end(raceField));
        for (int i = 0; i < kFieldSize; ++i) {
            reference::UpdateLanes(i);
        }
        const RaceSim expected = raceSim;
        std::vector<HorseRecord> expectedRunners(std::begin(raceField), std::end(raceField));
        raceSim = before;
        std::copy(runnersBefore.begin(), runnersBefore.end(), std::begin(raceField));
        for (int i = 0; i < kFieldSize; ++i) {
            ASSERT_EQ(CanMoveIn(i), reference::CanMoveIn(i)) << trial << " " << i;
            ASSERT_EQ(CanMoveOut(i), reference::CanMoveOut(i)) << trial << " " << i;
            for (int j = 0; j < kFieldSize; ++j) {
                ASSERT_EQ(IsBlockedBy(i, j), reference::IsBlockedBy(i, j)) << trial;
            }
        }
        UpdateAllLanes();
        for (int i = 0; i < kFieldSize; ++i) {
            ASSERT_EQ(raceSim.runnerY[i], expected.runnerY[i]) << trial << " runner " << i;
            ASSERT_EQ(raceField[i].movingIn, expectedRunners[i].movingIn) << trial;
            ASSERT_EQ(raceField[i].laneFree, expectedRunners[i].laneFree) << trial;
            for (const int phase : {1, 2, 3}) {
                ASSERT_EQ(CurrentValue(raceField[i], phase),
                          CurrentValue(expectedRunners[i], phase))
                    << trial;
            }
        }
    }
}

TEST_F(RaceSimTest, RunnersAtEqualXDoNotOverlapAndFourteenApartDoNotBlock) {
    ClearTheField();
    Place(0, 630, 330);
    Place(1, 630, 316); // level along the track, 14 inside
    EXPECT_EQ(CanMoveIn(0), 1);
    Place(1, 631, 316);
    EXPECT_EQ(CanMoveIn(0), 0);
    Place(1, 630.0f + kWidth + 4.0f, 316); // its back 4 beyond 0's front: in the way, a lane in
    EXPECT_EQ(IsBlockedBy(0, 1), 0);
    Place(1, 630.0f + kWidth + 4.0f, 316.5f);
    EXPECT_EQ(IsBlockedBy(0, 1), 1);
    Place(1, 630.0f + kWidth + 5.0f, 330); // its back exactly 5 beyond: clear
    EXPECT_EQ(IsBlockedBy(0, 1), 0);
    Place(2, 630.0f + kWidth, 344); // alongside, exactly 14 wider: 0 may still swing out
    Place(1, 630.0f + kWidth + 4.0f, 330);
    EXPECT_EQ(CanMoveOut(0), 1);
    Place(2, 630.0f + kWidth, 343.5f);
    EXPECT_EQ(CanMoveOut(0), 0);
}

TEST_F(RaceSimTest, ABoxedInRunnerTakesTheBlockersValueLessOne) {
    ClearTheField();
    raceState.racePhase = 2;
    Place(0, 630, 320);
    Place(1, 630.0f + kWidth - 10, 320); // ahead in the same lane
    Place(2, 630.0f + kWidth - 10, 330); // ahead one lane out: it blocks too, and shuts the way out
    raceField[1].curSpeed = 6.5f;
    raceField[2].curSpeed = 7.5f;
    UpdateLanes(0);
    EXPECT_FLOAT_EQ(raceField[0].curSpeed, 6.5f); // the last blocker's value, less one
    EXPECT_EQ(raceSim.runnerY[0], 320.0f);
    Place(2, -5000, 330); // the outside opens: it swings wide by half a pixel a 60th
    SetFrameRate(30);
    UpdateLanes(0);
    EXPECT_FLOAT_EQ(raceSim.runnerY[0], 321.0f);
}

TEST_F(RaceSimTest, MovingInStopsAtTheRail) {
    ClearTheField();
    Place(4, 630, 301.3f);
    SetFrameRate(30);
    UpdateLanes(4);
    EXPECT_EQ(raceSim.runnerY[4], 301.0f);
    EXPECT_EQ(raceField[4].movingIn, 1);
}

TEST_F(RaceSimTest, LevelRunnersShareTheWorsePlaceAndTheBetterIsHeldByNobody) {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].trackPos = 100.0f + 10.0f * i;
    }
    raceField[9].trackPos = raceField[8].trackPos;
    UpdatePlaces();
    EXPECT_EQ(raceField[9].finishPlace, 2);
    EXPECT_EQ(raceField[8].finishPlace, 2);
    EXPECT_EQ(raceField[0].finishPlace, 10);
    EXPECT_EQ(raceSim.runnersLevel[8], 1);
    EXPECT_EQ(raceSim.runnersLevel[0], 0);
}

TEST_F(RaceSimTest, PlacesKeepChangingUntilTheDistanceIsRun) {
    // The post still waits off screen at 801; a runner far ahead of the camera is past it.
    raceState.raceDistance = 3000;
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].trackPos = 500.0f + 10.0f * i;
    }
    raceField[9].trackPos = 760.0f;
    UpdatePlaces();
    EXPECT_EQ(raceField[9].finishPlace, 1);
    raceField[9].trackPos = 400.0f;
    UpdatePlaces();
    EXPECT_EQ(raceField[9].finishPlace, 10);
    EXPECT_EQ(raceSim.crossed[9], 0);
}

TEST_F(RaceSimTest, APlaceFreezesAsTheRunnerCrossesAndItCountsAheadOfAllThatHaveNot) {
    raceState.raceDistance = 0;
    raceSim.postX = 705.0f;
    const float line = 705.0f + 12.0f - kWidth;
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].trackPos = line - 100.0f + 5.0f * i;
    }
    raceField[0].trackPos = line; // crosses now, first
    UpdatePlaces();
    EXPECT_EQ(raceField[0].finishPlace, 1);
    EXPECT_EQ(raceSim.crossed[0], 1);
    // Later the runner that crossed is passed on screen: it keeps first, and the one that
    // passed it has not crossed and counts it ahead, not behind.
    raceField[0].trackPos = line - 200.0f;
    raceField[5].trackPos = line - 1.0f;
    UpdatePlaces();
    EXPECT_EQ(raceField[0].finishPlace, 1);
    EXPECT_EQ(raceField[5].finishPlace, 2);
    for (int i = 0; i < kFieldSize; ++i) {
        for (int j = i + 1; j < kFieldSize; ++j) {
            EXPECT_NE(raceField[i].finishPlace, raceField[j].finishPlace) << i << " " << j;
        }
    }
}

TEST_F(RaceSimTest, TheDistanceCarriesItsFractionSoEveryFrameRateRunsTheSameRace) {
    for (const int fps : {25, 30, 40, 59, 60, 61, 144}) {
        SetFrameRate(fps);
        raceState.raceDistance = kRaceDistance;
        ResetRaceSim();
        int frames = 0, at1000 = 0, at400 = 0;
        while (raceState.raceDistance > 0) {
            StepRaceDistance();
            frames += 1;
            at1000 += DistanceReached(1000);
            at400 += DistanceReached(400);
        }
        EXPECT_NEAR(frames / static_cast<double>(fps), 5000 / 60.0, 2.0 / fps) << fps;
        EXPECT_EQ(at1000, 1) << fps;
        EXPECT_EQ(at400, 1) << fps;
    }
}

TEST_F(RaceSimTest, BurstTimersCountWholeUnitsAndCarryTheRest) {
    SetFrameRate(120);
    for (HorseRecord& runner : raceField) {
        runner.phaseTimer = 10;
    }
    for (int frame = 0; frame < 9; ++frame) {
        MoveRunners(); // nine frames at 120 are four and a half sixtieths
    }
    EXPECT_EQ(raceField[0].phaseTimer, 6);
    MoveRunners();
    EXPECT_EQ(raceField[0].phaseTimer, 5);
    SetFrameRate(30);
    MoveRunners();
    EXPECT_EQ(raceField[0].phaseTimer, 3);
}

TEST_F(RaceSimTest, ARaceEndsWhenEveryRunnerHasStoppedAtTheEdgeAndSaysSoOnce) {
    raceState.raceDistance = 0;
    for (int i = 0; i < kFieldSize; ++i) {
        Place(i, 800.0f, 301.0f + 15 * i); // stopped at exactly 800: never "beyond"
        raceField[i].finishPlace = i + 1;
        raceSim.crossed[i] = 1;
    }
    int finishes = 0, frames = 0;
    while (raceState.raceRunning && frames < 200) {
        finishes += StepBoardCycle();
        frames += 1;
    }
    EXPECT_EQ(frames, 50);
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(raceState.copyRatingsPending, 1);
}

TEST_F(RaceSimTest, ARaceEndsWhenTheLastPlacedRunnerIsPastTheEdgeEvenWithoutAPlaceTen) {
    raceState.raceDistance = -1;
    for (int i = 0; i < kFieldSize; ++i) {
        Place(i, 760.0f, 301.0f);
        raceField[i].trackPos = 760.0f;
        raceField[i].finishPlace = i < 2 ? 9 : i;
    }
    raceState.boardRefreshCounter = 49;
    EXPECT_EQ(StepBoardCycle(), 0); // one runner still short of the edge, no place 10
    for (int i = 0; i < kFieldSize; ++i) {
        raceSim.runnerX[i] = 805.0f;
    }
    raceState.boardRefreshCounter = 49;
    EXPECT_EQ(StepBoardCycle(), 1);
    EXPECT_EQ(raceState.raceRunning, 0);
}

// A rating far beyond the field's sends the others off the back of the screen for good; the
// race still ends after five minutes of race time, at any frame rate, in its running order.
TEST_F(RaceSimTest, ARaceThatCannotFinishStopsAfterFiveMinutesInItsRunningOrder) {
    for (const int fps : {30, 144}) {
        ResetRaceForNextRace();
        SetFrameRate(fps);
        raceState.raceRunning = 1;
        for (HorseRecord& runner : raceField) {
            runner.finishPlace = 0;
            runner.phaseTimer = 0;
        }
        HorseRecord& flyer = raceField[3];
        flyer.acceleration = flyer.speed = flyer.closing = 100000.0f;
        int frames = 0;
        while (raceState.raceRunning && frames < 400 * fps) {
            RunRaceSimFrame();
            frames += 1;
        }
        EXPECT_NEAR(frames, 300 * fps, 1) << fps;
        EXPECT_EQ(raceSim.timedOut, 1) << fps;
        for (int i = 0; i < kFieldSize; ++i) {
            for (int j = 0; j < kFieldSize; ++j) {
                if (!raceSim.crossed[i] && !raceSim.crossed[j] &&
                    raceField[i].trackPos > raceField[j].trackPos) {
                    EXPECT_LT(raceField[i].finishPlace, raceField[j].finishPlace) << fps;
                }
            }
        }
    }
}

TEST_F(RaceSimTest, ThePhotoFinishPausesOnceARaceFromTheFirstRaceOn) {
    EXPECT_EQ(raceSim.iPhotoFinishVar, kPhotoFinishPending);
    raceState.raceDistance = 0;
    raceSim.postX = 705.0f;
    raceField[0].finishPlace = 1;
    raceField[1].finishPlace = 2;
    raceField[0].trackPos = 705.0f + 20.0f - kWidth; // the nose exactly 20 past the post
    raceField[1].trackPos = raceField[0].trackPos - 40.0f;
    EXPECT_EQ(TestPhotoFinish(), PhotoFinishCall::LineAndPause);
    EXPECT_EQ(raceSim.iPhotoFinishVar, 0);
    raceField[0].trackPos = 705.0f + 50.0f - kWidth;
    raceField[1].trackPos = raceField[0].trackPos - 40.0f;
    EXPECT_EQ(TestPhotoFinish(), PhotoFinishCall::Line);
    raceField[1].trackPos -= 0.5f;
    EXPECT_EQ(TestPhotoFinish(), PhotoFinishCall::None);
    raceField[0].trackPos += 0.5f;
    raceField[1].trackPos += 0.5f;
    EXPECT_EQ(TestPhotoFinish(), PhotoFinishCall::None);
}

TEST_F(RaceSimTest, AnArrowActsOnceUntilBothAreUpAndThePlaceStaysWithinTheField) {
    raceState.raceDistance = 3000;
    input.keyState[kKeyLeftArrow] = 0x80;
    for (int frame = 0; frame < 5; ++frame) {
        SteerCamera();
    }
    EXPECT_EQ(raceState.followedPlace, 2);
    input.keyState[kKeyLeftArrow] = 0;
    SteerCamera();
    for (int press = 0; press < 12; ++press) {
        input.keyState[kKeyLeftArrow] = 0x80;
        SteerCamera();
        input.keyState[kKeyLeftArrow] = 0;
        SteerCamera();
    }
    EXPECT_EQ(raceState.followedPlace, 10);
    input.keyState[kKeyRightArrow] = 0x80;
    SteerCamera();
    input.keyState[kKeyLeftArrow] = 0x80; // the other arrow joins: nothing until both are up
    SteerCamera();
    input.keyState[kKeyRightArrow] = 0;
    SteerCamera();
    EXPECT_EQ(raceState.followedPlace, 9);
}

TEST_F(RaceSimTest, TheCameraPullsTheFollowedRunnerBackByUpToTenFrameFactors) {
    raceState.raceDistance = 3000;
    raceState.followedPlace = 4;
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].finishPlace = i + 1;
        Place(i, 500.0f + i, 310.0f);
    }
    SetFrameRate(30);
    SteerCamera();
    EXPECT_FLOAT_EQ(raceSim.runnerX[3], 503.0f + 20.0f);
    EXPECT_FLOAT_EQ(raceSim.runnerX[0], 500.0f + 20.0f);
    Place(3, 639.0f, 310.0f);
    SteerCamera();
    EXPECT_FLOAT_EQ(raceSim.runnerX[3], 639.0f);
}

TEST_F(RaceSimTest, WithTheCameraOnTheLeaderALeaderJustPast640IsSetBackAndTheOthersSlowed) {
    raceState.raceDistance = 3000;
    raceState.racePhase = 2;
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].finishPlace = i + 1;
        Place(i, 500.0f - i, 310.0f);
    }
    Place(0, 640.3f, 310.0f);
    raceField[0].curSpeed = 8.0f;
    SteerCamera();
    EXPECT_EQ(raceSim.runnerX[0], 640.0f);
    EXPECT_FLOAT_EQ(raceField[1].curSpeed, 10.0f - 8.0f / 200);
    EXPECT_FLOAT_EQ(raceField[0].curSpeed, 8.0f);
    for (const float x : {640.0f, 645.0f}) {
        Place(0, x, 310.0f);
        raceField[1].curSpeed = 10.0f;
        SteerCamera();
        EXPECT_EQ(raceField[1].curSpeed, 10.0f) << x;
    }
    raceState.followedPlace = 3;
    Place(0, 641.0f, 310.0f);
    Place(2, 639.0f, 310.0f);
    SteerCamera();
    EXPECT_EQ(raceSim.runnerX[0], 641.0f);
}

TEST_F(RaceSimTest, TheLateBoostGoesToABackMarkerAndComesOffExactlyAtTheLine) {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].finishPlace = i + 1;
        raceField[i].closing = 7.3f + 0.1f * i;
    }
    raceState.raceDistance = 1251;
    ChangePhase();
    EXPECT_EQ(raceState.racePhase, 2);
    EXPECT_EQ(raceSim.closerSlot, -1);
    raceState.raceDistance = 1250;
    ChangePhase();
    EXPECT_EQ(raceState.racePhase, 3);
    const int closer = raceSim.closerSlot;
    ASSERT_GE(closer, 7);
    EXPECT_FLOAT_EQ(raceField[closer].closing, 7.3f + 0.1f * closer + 11.0f);
    raceState.raceDistance = 600;
    ChangePhase();
    EXPECT_EQ(raceSim.closerSlot, closer);
    raceState.raceDistance = 0;
    ChangePhase();
    EXPECT_EQ(raceSim.closerSlot, -1);
    EXPECT_EQ(raceField[closer].closing, 7.3f + 0.1f * closer);
}

TEST_F(RaceSimTest, TheRunOutStepIsClampedToFourToSevenAndScaledOnce) {
    raceState.raceDistance = 0;
    SetFrameRate(30);
    ClearTheField();
    Place(0, 100, 301);
    raceField[0].curClosing = 6.0f; // 6 / 10 x 8 = 4.8
    Place(1, 100, 316);
    raceField[1].curClosing = 20.0f; // 16: clamped to 5..7
    Place(2, 100, 331);
    raceField[2].curClosing = 1.0f; // 0.8: clamped to 4..6
    Place(3, 800, 346);             // at the edge: stopped
    RunOut();
    EXPECT_FLOAT_EQ(raceSim.runnerX[0], 100.0f + 9.6f);
    EXPECT_GE(raceSim.runnerX[1], 110.0f);
    EXPECT_LE(raceSim.runnerX[1], 114.0f);
    EXPECT_GE(raceSim.runnerX[2], 108.0f);
    EXPECT_LE(raceSim.runnerX[2], 112.0f);
    EXPECT_EQ(raceSim.runnerX[3], 800.0f);
}

TEST_F(RaceSimTest, TheLeaderGainsClosingValueInPhaseThreeOnly) {
    raceField[2].finishPlace = 1;
    raceState.racePhase = 2;
    LeaderBonus();
    EXPECT_EQ(raceField[2].curClosing, 10.0f);
    raceState.racePhase = 3;
    SetFrameRate(30);
    LeaderBonus();
    EXPECT_FLOAT_EQ(raceField[2].curClosing, 10.08f);
    EXPECT_EQ(raceField[3].curClosing, 10.0f);
}

TEST_F(RaceSimTest, TheFinalApproachBringsThePostInAndTheFieldBack) {
    raceState.raceDistance = 24;
    Place(0, 640, 301);
    FinalApproach();
    EXPECT_FLOAT_EQ(raceSim.postX, 797.0f);
    EXPECT_FLOAT_EQ(raceSim.runnerX[0], 610.0f);
    raceState.raceDistance = 25;
    FinalApproach();
    EXPECT_FLOAT_EQ(raceSim.postX, 797.0f);
}

} // namespace
