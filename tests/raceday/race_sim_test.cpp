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

// Runner 3's burst is due; an acceleration of 1.5 draws it as 1, which then decays.
TEST_F(RaceSimTest, RunnersMoveAgainstSeventyPercentOfThePaceAndDecayByEndurance) {
    raceField[0].curAcceleration = 10.0f;
    for (int i = 1; i < kFieldSize; ++i) {
        raceField[i].curAcceleration = 5.0f;
    }
    raceField[3].acceleration = 1.5f;
    raceField[3].phaseTimer = 0;
    const float start = raceSim.runnerX[1];
    MoveRunners();
    EXPECT_FLOAT_EQ(raceField[3].curAcceleration, static_cast<float>(1.0 * (1 - 1 / 375.0)));
    EXPECT_NEAR(raceSim.runnerX[1] - start, -0.1f, 1e-4);
    EXPECT_NEAR(raceSim.runnerX[0] - start, 0.15f, 1e-4);
    EXPECT_NEAR(raceField[0].curAcceleration, 10.0f - 10.0f / 75 / 5, 1e-5);
}

TEST_F(RaceSimTest, LanesFollowTheRulesOnCrowdedFields) {
    // Positions on coarse grids, so that equal x, bodies just touching (106 apart) or exactly 5
    // clear (111), gaps of exactly 14 and 15 and runners at the rail all come up often; now and
    // then the whole field stands level, where nobody closes anybody in.
    for (int trial = 0; trial < 3000; ++trial) {
        SetFrameRate(trial % 3 == 0 ? 144 : trial % 3 == 1 ? 60 : 30);
        raceState.raceDistance = trial % 5 == 0 ? 0 : 3000;
        raceState.racePhase = 1 + trial % 3;
        for (int i = 0; i < kFieldSize; ++i) {
            const int along = Rand();
            const float x = trial % 7 == 0 ? 0.0f
                            : trial % 2    ? 8.0f * (along % 25)
                                           : 53.0f * (along % 5) + 5.0f * (along / 5 % 2);
            Place(i, 600.0f + x, 301.0f + 0.5f * (Rand() % 60));
            CurrentValue(raceField[i], raceState.racePhase) = static_cast<float>(Rand() % 20);
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

// Level runners share the worse place; a runner far past the post has not crossed while the
// distance is still being run; once it is run, a crossing freezes the place, and a runner that
// crossed counts ahead of all that have not.
TEST_F(RaceSimTest, PlacesCountTheRunnersBehindUntilEachCrossesTheLine) {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].trackPos = 500.0f + 10.0f * i;
    }
    raceField[9].trackPos = raceField[8].trackPos;
    UpdatePlaces();
    EXPECT_EQ(raceField[9].finishPlace, 2);
    EXPECT_EQ(raceField[8].finishPlace, 2);
    EXPECT_EQ(raceSim.runnersLevel[8], 1);
    raceField[9].trackPos = 760.0f;
    UpdatePlaces();
    EXPECT_EQ(raceField[9].finishPlace, 1);
    EXPECT_EQ(raceSim.crossed[9], 0);
    raceState.raceDistance = 0;
    raceSim.postX = 705.0f;
    const float line = 705.0f + 12.0f - kWidth;
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].trackPos = line - 100.0f + 5.0f * i;
    }
    raceField[0].trackPos = line;
    UpdatePlaces();
    EXPECT_EQ(raceField[0].finishPlace, 1);
    EXPECT_EQ(raceSim.crossed[0], 1);
    raceField[0].trackPos = line - 200.0f;
    raceField[5].trackPos = line - 1.0f;
    UpdatePlaces();
    EXPECT_EQ(raceField[0].finishPlace, 1);
    EXPECT_EQ(raceField[5].finishPlace, 2);
}

// The distance and the burst timers count whole sixtieths and carry the rest, so every frame
// rate runs as long a race; runner 0's value, its burst far off, decays as much a second.
TEST_F(RaceSimTest, EveryFrameRateRunsTheSameDistanceTimersAndDecay) {
    for (const int fps : {25, 30, 40, 59, 60, 61, 144}) {
        SetFrameRate(fps);
        raceState.raceDistance = kRaceDistance;
        ResetRaceSim();
        raceField[0].phaseTimer = 1000000;
        raceField[0].curAcceleration = 10.0f;
        int frames = 0, at1000 = 0;
        while (raceState.raceDistance > 0) {
            StepRaceDistance();
            MoveRunners();
            frames += 1;
            at1000 += DistanceReached(1000);
        }
        EXPECT_NEAR(frames / static_cast<double>(fps), 5000 / 60.0, 2.0 / fps) << fps;
        EXPECT_EQ(at1000, 1) << fps;
        EXPECT_EQ(1000000 - raceField[0].phaseTimer, kRaceDistance - raceState.raceDistance);
        const double decayed = 10.0 * std::pow(1 - 1 / 375.0, frames * 60.0 / fps);
        EXPECT_NEAR(raceField[0].curAcceleration / decayed, 1.0, 1e-3) << fps;
    }
}

// No runner holds place 10 (three share ninth), so the race ends only once every runner has
// stopped at the edge, which one halting at exactly 800 must count as.
TEST_F(RaceSimTest, ARaceEndsWhenEveryRunnerHasStoppedEvenWithoutAPlaceTen) {
    raceState.raceDistance = 0;
    for (int i = 0; i < kFieldSize; ++i) {
        Place(i, 760.0f, 301.0f);
        raceField[i].trackPos = 760.0f;
        raceField[i].finishPlace = i < 2 ? 9 : i;
    }
    raceState.boardRefreshCounter = kBoardCycleFrames - 1;
    EXPECT_EQ(StepBoardCycle(), 0);
    for (int i = 0; i < kFieldSize; ++i) {
        raceSim.runnerX[i] = 800.0f;
    }
    raceState.boardRefreshCounter = kBoardCycleFrames - 1;
    EXPECT_EQ(StepBoardCycle(), 1);
    EXPECT_EQ(raceState.raceRunning, 0);
    EXPECT_EQ(raceState.copyRatingsPending, 1);
}

// A rating far beyond the field's sends the others off the back of the screen for good; the
// race still ends after five minutes of race time, at any frame rate, in its running order.
TEST_F(RaceSimTest, ARaceThatCannotFinishStopsAfterFiveMinutesInItsRunningOrder) {
    for (const int fps : {30, 144}) {
        ResetRaceForNextRace();
        SetFrameRate(fps);
        raceState.raceRunning = 1;
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

TEST_F(RaceSimTest, AnArrowActsOnceUntilBothAreUpAndThePlaceStaysWithinTheField) {
    input.keyState[kKeyLeftArrow] = 0x80;
    for (int frame = 0; frame < 5; ++frame) {
        SteerCamera();
    }
    EXPECT_EQ(raceState.followedPlace, 2);
    input.keyState[kKeyLeftArrow] = 0;
    SteerCamera();
    raceState.followedPlace = 10;
    input.keyState[kKeyLeftArrow] = 0x80;
    SteerCamera();
    EXPECT_EQ(raceState.followedPlace, 10);
    input.keyState[kKeyLeftArrow] = 0;
    SteerCamera();
    input.keyState[kKeyRightArrow] = 0x80;
    SteerCamera();
    input.keyState[kKeyLeftArrow] = 0x80; // the other arrow joins: nothing until both are up
    SteerCamera();
    input.keyState[kKeyRightArrow] = 0;
    SteerCamera();
    EXPECT_EQ(raceState.followedPlace, 9);
}

TEST_F(RaceSimTest, TheCameraPullsTheFollowedRunnerBackByUpToTenFrameFactors) {
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
    raceState.followedPlace = 3;
    Place(0, 641.0f, 310.0f);
    Place(2, 639.0f, 310.0f);
    SteerCamera();
    EXPECT_EQ(raceSim.runnerX[0], 641.0f);
}

// The boost comes off at the line: the whole races' check that every rating is kept sees to it.
TEST_F(RaceSimTest, TheLateBoostGoesToABackMarker) {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].finishPlace = i + 1;
        raceField[i].closing = 7.3f + 0.1f * i;
    }
    raceState.raceDistance = 1250;
    ChangePhase();
    const int closer = raceSim.closerSlot;
    ASSERT_GE(closer, 7);
    EXPECT_FLOAT_EQ(raceField[closer].closing, 7.3f + 0.1f * closer + 11.0f);
}

TEST_F(RaceSimTest, TheRunOutStepIsClampedToFourToSevenAndScaledOnce) {
    raceState.raceDistance = 0;
    SetFrameRate(30);
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
