// The race simulation: ten runners from the off to the post, and the finishing order. Every
// step here moves numbers only (no drawing, no sound) and draws only from Rand, so a race runs
// headless and replays from its seed. RunRaceFrame (race_view.h) calls the steps in their order
// between its drawing steps; RunRaceSimFrame runs them alone.
#pragma once

#include <cstdint>

#include "stable/horse_record.h"

constexpr int32_t kPhotoFinishPending = 900000000; // the race's pause is still to come
constexpr int32_t kPhaseTwoDistance = 3750;        // phase 1 runs while the distance is above
constexpr int32_t kPhaseThreeDistance = 1250;      // phase 3 from here down
constexpr int32_t kFinalApproachDistance = 25;
constexpr float kRail = 301.0f;       // the innermost lane a runner can take
constexpr float kScreenEdge = 800.0f; // a runner stops galloping out here
constexpr int kBoardCycleFrames = 50;
constexpr int32_t kRaceTimeLimit = 5 * 60 * 60; // five minutes of race time, in 60ths of a second

// One race; ResetRaceSim puts it back (ResetRaceForNextRace calls it). Where the runners and the
// post stand is kept here; the view copies it into their sprites when it draws.
struct RaceSim {
    float runnerX[kFieldSize];         // each runner's left edge on screen, by slot
    float runnerY[kFieldSize];         // and its top edge, which is its lane
    float postX;                       // the finishing post, which slides in on the final approach
    int32_t paceSetter;                // the slot whose burst sets the pace, kept between frames
    int32_t closerSlot;                // the runner holding the late boost, -1 when none
    float closerClosing;               // its closing rating before the boost, put back exactly
    int32_t runnersBehind[kFieldSize]; // running rivals with a smaller trackPos
    int32_t runnersLevel[kFieldSize];  // rivals with exactly the same trackPos
    int32_t crossed[kFieldSize];       // 1 once past the post: the place is final
    int32_t iPhotoFinishVar;           // kPhotoFinishPending until the race's one pause, then 0
    int32_t photoFinishes;             // frames in which a close finish drew the line
    int32_t previousDistance;          // raceDistance before its last step
    double distanceCarry;              // distance run but not yet a whole unit
    double phaseTimerCarry;            // the same for the burst timers, which all run together
    int32_t arrowsArmed;               // both arrow keys were up since one last acted
    int32_t raceTime;                  // 60ths of a second since the off
    double raceTimeCarry;              // race time run but not yet a whole unit
    int32_t timedOut;                  // 1 when the time limit, not the finish, ended the race
};
extern RaceSim raceSim;

// Step 1: every runner's trackPos is its x; places rank on these.
void TakeTrackPositions();

enum class PhotoFinishCall { None, Line, LineAndPause };

// Step 3, while the distance is run: a winner 20..50 past the post with the second within 40
// calls PhotoFinish, which spends the race's one pause (the view draws the line and waits).
PhotoFinishCall TestPhotoFinish();
PhotoFinishCall PhotoFinish();

// Step 4: lane change and blocking, runner by runner in slot order.
void UpdateAllLanes();
int CanMoveIn(int slot);
int IsBlockedBy(int slot, int other);
int CanMoveOut(int slot);

// Step 6: the distance counts down by the frame factor. Whole units only leave raceDistance,
// the fraction is carried to the next frame, so every frame rate runs the same race length.
void StepRaceDistance();

// Whether raceDistance reached or passed mark in its last step: true on one frame only, at any
// frame rate (the stretch call and comeon.wav).
bool DistanceReached(int32_t mark);

// Step 7: the 50-frame cycle; the leader panel shows from its first end, and once the
// distance is run the finish test is made. Returns 1 on the frame the race finishes: the
// caller then sets the clock for the next race and switches to the results.
int StepBoardCycle();

// The last guard after step 7: a race still running after kRaceTimeLimit of race time (counted
// like the distance, so at any frame rate) is stopped, and step 8 then leaves the runners in
// their running order. Returns 1 on the frame it stops the race, which ends as a finish does;
// the caller logs the stop.
int StepRaceClock();

// The finish: the race stops and the ratings are to be copied again.
void FinishRace();

// Step 8: running places. A runner past the post keeps its place and counts ahead of every
// runner that has not crossed; runners exactly level share the worse place.
void UpdatePlaces();

// Step 10, while the distance is not run: the arrow keys choose the followed place and the
// camera holds that runner between 638 and 640.
void SteerCamera();

// Step 11, the last 25 units: the post slides in and the runners fall back on screen.
void FinalApproach();

// Step 13: the phase by the distance; the late boost at the start of phase 3, taken off again
// once the distance is run.
void ChangePhase();

// Step 14: bursts, the pace setter, movement and decay.
void MoveRunners();

// Step 15, once the distance is run: every runner gallops on to the screen edge.
void RunOut();

// Step 16: in phase 3 the leader gains a little closing value.
void LeaderBonus();

// Every sim step of one race frame, in the frame's order, with nothing drawn or played: the
// opening (steps 1, 3, 4) comes before the commentary, the closing (steps 6 to 16) after it.
PhotoFinishCall RunRaceSimOpening();
void RunRaceSimClosing();
void RunRaceSimFrame();

// A runner's current value and its rating in the running phase (1..3).
float& CurrentValue(HorseRecord& runner, int32_t phase);
float PhaseRating(const HorseRecord& runner, int32_t phase);

// The width places and the photo finish measure a nose by: slot 0's horse.
float HorseWidth();

// The waiting field rocks one pixel to and fro at random moments: called by the frame driver
// every frame the clock runs on the track before the off.
void MillAtGate();

void ResetRaceSim();
