// The race simulation: ten runners from the off to the post, and the finishing order.
#include "raceday/race_sim.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/debug_log.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "raceday/race_day.h"

namespace {

// The field at the gate, the manifest's start places: one lane of 15 to each runner.
constexpr float kGateX = 630.0f, kGateFirstLane = 300.0f, kGateLaneGap = 15.0f;
constexpr float kPostStartX = 801.0f;

constexpr RaceSim RaceSimStart() {
    RaceSim start = {
        .runnerX = {},
        .runnerY = {},
        .postX = kPostStartX,
        .paceSetter = 0,
        .closerSlot = -1,
        .closerClosing = 0.0f,
        .runnersBehind = {},
        .runnersLevel = {},
        .crossed = {},
        .iPhotoFinishVar = kPhotoFinishPending,
        .photoFinishes = 0,
        .previousDistance = kRaceDistance,
        .distanceCarry = 0.0,
        .phaseTimerCarry = 0.0,
        .arrowsArmed = 1,
        .raceTime = 0,
        .raceTimeCarry = 0.0,
        .timedOut = 0,
    };
    for (int i = 0; i < kFieldSize; ++i) {
        start.runnerX[i] = kGateX;
        start.runnerY[i] = kGateFirstLane + kGateLaneGap * static_cast<float>(i);
    }
    return start;
}
constexpr RaceSim kRaceSimStart = RaceSimStart();

constexpr int kBurstTimerRange = 500;
constexpr double kPaceFraction = 0.7;
constexpr double kMoveDivisor = 20.0;
constexpr double kDecayDivisor = 75.0;
constexpr float kBoxedInPenalty = 1.0f;
constexpr double kSlowOthersDivisor = 200.0;
constexpr float kLateBoost = 11.0f;
constexpr double kLeaderBonus = 0.04;
constexpr double kLaneStep = 0.5;
constexpr float kLaneBeside = 14.0f;
constexpr float kLaneMovingIn = 15.0f;
constexpr float kLaneAhead = 5.0f;
constexpr float kCameraLeft = 638.0f, kCameraRight = 640.0f, kSnapRight = 645.0f;
constexpr float kPlaceMargin = 12.0f;
constexpr float kPhotoNear = 20.0f, kPhotoFar = 50.0f, kPhotoGap = 40.0f;
constexpr double kRunOutPace = 8.0;
constexpr double kRunOutSlowest = 4.0, kRunOutFastest = 7.0;
constexpr double kPostApproachStep = 4.0, kRunnerApproachStep = 30.0;

float HorseRecord::*const kCurrentValues[3] = {&HorseRecord::curAcceleration,
                                               &HorseRecord::curSpeed, &HorseRecord::curClosing};
float HorseRecord::*const kPhaseRatings[3] = {&HorseRecord::acceleration, &HorseRecord::speed,
                                              &HorseRecord::closing};

// Each runner's decay factor per frame, kept while the frame factor and every endurance stay
// the same (any change works out all ten again): a memo of pow keyed by its inputs, so it needs
// no reset.
struct DecayMemo {
    float frameFactor = NAN; // matches no frame factor: nothing is worked out yet
    float endurance[kFieldSize] = {};
    double factor[kFieldSize] = {};
} decayMemo;

double FrameFactor() { return frameTiming.frameFactor; }

// Moves a counter down by the frame factor in whole units, carrying the fraction.
int32_t WholeUnits(double* carry) {
    *carry += FrameFactor();
    // floor by hand: the library's takes a dozen instructions where SSE4.1 is not assumed
    int32_t whole = static_cast<int32_t>(*carry);
    whole -= whole > *carry ? 1 : 0;
    *carry -= whole;
    return whole;
}

// Where the runners stand, as the lane step reads them: their positions side by side, written
// back once the step is done. Two spare places that no test ever matches (their numbers are
// NaN) make whole vectors of four, so the tests against the field run without branches.
constexpr int kFieldPadded = 12;
struct Field {
    float x[kFieldPadded], y[kFieldPadded];
    float front[kFieldPadded]; // x + width
    float reach[kFieldPadded]; // x - 5: a back this close ahead of a front is in its way
};

// Four runners tested at once. GCC and Clang make SSE of these on x86-64, NEON on ARM and plain
// code elsewhere; a comparison gives -1 where it holds, and a NaN never matches.
using Float4 = float __attribute__((vector_size(16)));
using Mask4 = int32_t __attribute__((vector_size(16)));

Float4 Splat(float v) { return Float4{v, v, v, v}; }

Float4 Load4(const float* p) {
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// One bit per runner, the first in the lowest bit: one instruction where SSE2 has it.
uint32_t Bits(Mask4 m) {
#ifdef __SSE2__
    return static_cast<uint32_t>(_mm_movemask_ps(reinterpret_cast<__m128>(m)));
#else
    return (static_cast<uint32_t>(m[0]) & 1u) | (static_cast<uint32_t>(m[1]) & 2u) |
           (static_cast<uint32_t>(m[2]) & 4u) | (static_cast<uint32_t>(m[3]) & 8u);
#endif
}

// What the lane step keeps from frame to frame, where little changes: the rival that last
// closed each runner in, and each runner's lane mates (the runners less than 14 across from
// it, as a bit per slot) with the lanes they were found at. Every use checks it first, so it
// needs no reset.
struct LaneMemo {
    int closer[kFieldSize] = {};
    uint32_t mates[kFieldSize] = {};
    float y[kFieldSize] = {NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN};
} laneMemo;

Field GatherField() {
    Field f;
    for (int i = 0; i < kFieldPadded; ++i) {
        const bool runner = i < kFieldSize;
        f.x[i] = runner ? raceSim.runnerX[i] : NAN;
        f.y[i] = runner ? raceSim.runnerY[i] : NAN;
        f.front[i] = runner ? raceSim.runnerX[i] + static_cast<float>(sHorse[i].width) : NAN;
        f.reach[i] = f.x[i] - kLaneAhead;
    }
    return f;
}

// Along the track two runners overlap when either one's body covers the other's back; runners
// with exactly equal x do not, so no runner overlaps itself. Bitwise tests throughout, so the
// loops over the field run without branches.
int Overlap(const Field& f, int i, int j) {
    return ((f.x[i] > f.x[j]) & (f.front[j] > f.x[i])) |
           ((f.x[i] < f.x[j]) & (f.front[i] > f.x[j]));
}

// Rival j closes runner i in, so that i may not move in: it overlaps i and runs no more than
// 15 inside it, or anywhere outside it.
int ClosesIn(const Field& f, int i, int j) {
    return Overlap(f, i, j) & (f.y[i] - f.y[j] <= kLaneMovingIn);
}

// The first rival that closes runner i in, or -1: ClosesIn for four rivals at once.
int FindCloser(const Field& f, int i) {
    const Float4 x = Splat(f.x[i]), front = Splat(f.front[i]), y = Splat(f.y[i]);
    uint32_t closers = 0;
    for (int j = 0; j < kFieldPadded; j += 4) {
        const Float4 xj = Load4(&f.x[j]), frontj = Load4(&f.front[j]);
        const Mask4 overlap = ((x > xj) & (frontj > x)) | ((x < xj) & (front > xj));
        const Mask4 near = y - Load4(&f.y[j]) <= Splat(kLaneMovingIn);
        closers |= Bits(overlap & near) << j;
    }
    return closers != 0 ? std::countr_zero(closers) : -1;
}

// Whether runner i is closed in. The rival that closed it in last time is asked first: the
// field changes little from one frame to the next, and one such rival settles it.
bool ClosedIn(const Field& f, int i) {
    int& closer = laneMemo.closer[i];
    if (closer >= 0 && ClosesIn(f, i, closer)) {
        return true;
    }
    closer = FindCloser(f, i);
    return closer >= 0;
}

// Rival j's front is ahead of runner i's and its back lies less than 5 beyond i's front.
int InTheWay(const Field& f, int i, int j) {
    return (f.reach[j] < f.front[i]) & (f.front[j] > f.front[i]);
}

bool BlockedOn(const Field& f, int i, int j) {
    return InTheWay(f, i, j) && std::fabs(f.y[j] - f.y[i]) < kLaneBeside;
}

uint32_t LaneMatesOf(const Field& f, int i) {
    uint32_t mates = 0;
    for (int j = 0; j < kFieldSize; ++j) {
        mates |= static_cast<uint32_t>(std::fabs(f.y[j] - f.y[i]) < kLaneBeside) << j;
    }
    return mates & ~(1u << i);
}

// The lane mates of the whole field, unless every runner is still where they were found.
void CheckLaneMates(const Field& f) {
    // The same bits are the same lanes, and a whole compare of them takes a few instructions.
    const bool same = std::memcmp(laneMemo.y, f.y, sizeof laneMemo.y) == 0;
    for (int i = 0; !same && i < kFieldSize; ++i) {
        laneMemo.y[i] = f.y[i];
        laneMemo.mates[i] = LaneMatesOf(f, i);
    }
}

// Runner i takes a new lane: being lane mates goes both ways, so its column changes with its row.
void ChangeLane(Field& f, int i, float y) {
    f.y[i] = y;
    laneMemo.y[i] = y;
    const uint32_t mates = LaneMatesOf(f, i);
    laneMemo.mates[i] = mates;
    for (int j = 0; j < kFieldSize; ++j) {
        laneMemo.mates[j] = (laneMemo.mates[j] & ~(1u << i)) | (((mates >> j) & 1u) << i);
    }
}

bool CanMoveOutOn(const Field& f, int i) {
    int alongside = 0;
    for (int j = 0; j < kFieldPadded; ++j) {
        const float wider = f.y[j] - f.y[i];
        alongside |= InTheWay(f, i, j) & (wider > 0) & (wider < kLaneBeside);
    }
    return alongside == 0;
}

float LaneStep() { return static_cast<float>(kLaneStep * FrameFactor()); }

// Runner i, trying for the rail, moves in unless a rival closes it in, which ends its try.
void MoveIn(Field& f, int i, float laneStep) {
    HorseRecord& runner = raceField[i];
    const bool closedIn = ClosedIn(f, i);
    if (!closedIn && f.y[i] > kRail) {
        runner.movingIn = 1;
        ChangeLane(f, i, std::max(kRail, f.y[i] - laneStep));
    }
    if (closedIn) {
        runner.movingIn = 0;
    }
}

// Runner i, blocked by rival j, swings wide where it can, and otherwise drops to j's pace. Kept
// out of the loop over the field, which it would only make bigger: few runners are blocked.
[[gnu::noinline]] void GiveWay(Field& f, int i, int j, float laneStep) {
    if (CanMoveOutOn(f, i)) {
        ChangeLane(f, i, f.y[i] + laneStep);
    } else {
        CurrentValue(raceField[i], raceState.racePhase) =
            CurrentValue(raceField[j], raceState.racePhase) - kBoxedInPenalty;
    }
}

// The rivals in runner i's way, a bit per slot, four at a time.
// The lane step changes lanes only, never where a runner is along the track, so this holds for
// the whole of runner i's turn.
uint32_t InTheWayOf(const Field& f, int i) {
    const Float4 front = Splat(f.front[i]);
    uint32_t ahead = 0;
    for (int j = 0; j < kFieldPadded; j += 4) {
        ahead |= Bits((Load4(&f.reach[j]) < front) & (Load4(&f.front[j]) > front)) << j;
    }
    return ahead;
}

// Rival j blocks runner i when it is a lane mate in its way, in slot order; swinging wide
// changes the runner's lane mates, so they are read again after it.
void GiveWayToBlockers(Field& f, int i, float laneStep) {
    if (laneMemo.mates[i] == 0) {
        return;
    }
    const uint32_t ahead = InTheWayOf(f, i);
    for (uint32_t blockers = laneMemo.mates[i] & ahead; blockers != 0;) {
        const int j = std::countr_zero(blockers);
        GiveWay(f, i, j, laneStep);
        blockers = laneMemo.mates[i] & ahead & (~1u << j);
    }
}

void UpdateLanesOn(Field& f, int i, float laneStep, int32_t laneFree) {
    HorseRecord& runner = raceField[i];
    runner.laneFree = laneFree;
    // At the rail, with movingIn already clear, being closed in changes nothing.
    if (laneFree && (f.y[i] > kRail || runner.movingIn != 0)) {
        MoveIn(f, i, laneStep);
    }
    GiveWayToBlockers(f, i, laneStep);
}

void ShiftField(float dx) {
    for (float& x : raceSim.runnerX) {
        x += dx;
    }
}

void DrawBurst(HorseRecord& runner, int32_t phase) {
    // The loader keeps ratings at 1 or more; a smaller one still draws a burst of 1.
    const int range = static_cast<int>(std::max(1.0f, PhaseRating(runner, phase)));
    CurrentValue(runner, phase) = static_cast<float>(Rand() % range + 1);
    runner.phaseTimer = Rand() % kBurstTimerRange;
}

// Bursts fall due on their timers. The pace setter has the highest burst in phase 1 and the
// highest rating later, the first of equals; while no one is above 0 the last one stays.
void DrawBurstsAndChoosePaceSetter(int32_t phase) {
    const int32_t elapsed = WholeUnits(&raceSim.phaseTimerCarry);
    float HorseRecord::*const compared =
        phase == 1 ? &HorseRecord::curAcceleration : kPhaseRatings[std::clamp(phase, 1, 3) - 1];
    float best = 0.0f;
    for (int i = 0; i < kFieldSize; ++i) {
        HorseRecord& runner = raceField[i];
        if (runner.phaseTimer <= 0) {
            DrawBurst(runner, phase);
        }
        runner.phaseTimer -= elapsed;
        if (runner.*compared > best) {
            best = runner.*compared;
            raceSim.paceSetter = i;
        }
    }
}

void CheckDecayFactors() {
    // The same bits are the same endurance, and integers compare in a third of the instructions.
    uint32_t changed = 0;
    for (int i = 0; i < kFieldSize; ++i) {
        changed |= std::bit_cast<uint32_t>(decayMemo.endurance[i]) ^
                   std::bit_cast<uint32_t>(raceField[i].endurance);
    }
    if (changed == 0 && decayMemo.frameFactor == frameTiming.frameFactor) {
        return;
    }
    decayMemo.frameFactor = frameTiming.frameFactor;
    for (int i = 0; i < kFieldSize; ++i) {
        const float endurance = raceField[i].endurance;
        const double perSixtieth = std::max(0.0, 1.0 - 1.0 / (kDecayDivisor * endurance));
        decayMemo.endurance[i] = endurance;
        decayMemo.factor[i] = std::pow(perSixtieth, FrameFactor());
    }
}

// The late boost goes to a back marker: place 8 or worse.
void DrawCloser() {
    bool anyBackMarker = false;
    for (const HorseRecord& runner : raceField) {
        anyBackMarker = anyBackMarker || runner.finishPlace >= 8;
    }
    if (!anyBackMarker) {
        return;
    }
    do {
        raceSim.closerSlot = Rand() % kFieldSize;
    } while (raceField[raceSim.closerSlot].finishPlace < 8);
    HorseRecord& closer = raceField[raceSim.closerSlot];
    raceSim.closerClosing = closer.closing;
    closer.closing += kLateBoost;
}

void ReadArrowKeys() {
    const bool left = input.keyState[kKeyLeftArrow] != 0;
    const bool right = input.keyState[kKeyRightArrow] != 0;
    if (raceSim.arrowsArmed) {
        if (left) {
            raceState.followedPlace = std::min(raceState.followedPlace + 1, kFieldSize);
        }
        if (right) {
            raceState.followedPlace = std::max(raceState.followedPlace - 1, 1);
        }
    }
    raceSim.arrowsArmed = !left && !right;
}

// With the camera on the leader, a leader creeping past 640 is set back and the others slowed,
// instead of letting the leader run away from the camera.
void SnapLeader(int slot) {
    float& x = raceSim.runnerX[slot];
    if (raceState.followedPlace != 1 || !(x > kCameraRight && x < kSnapRight)) {
        return;
    }
    x = kCameraRight;
    const double loss =
        CurrentValue(raceField[slot], raceState.racePhase) / kSlowOthersDivisor * FrameFactor();
    for (int j = 0; j < kFieldSize; ++j) {
        if (j != slot) {
            float& value = CurrentValue(raceField[j], raceState.racePhase);
            value = static_cast<float>(value - loss);
        }
    }
}

// Whether the camera's ten passes would move anything: the followed runner is outside 638..640,
// or the camera is on the leader and a runner stands just past 640. Otherwise no pass changes
// a thing, and none is made.
bool CameraMoves(const int* followed, int count) {
    for (int k = 0; k < count; ++k) {
        const float x = raceSim.runnerX[followed[k]];
        if (x < kCameraLeft || x > kCameraRight) {
            return true;
        }
    }
    if (raceState.followedPlace == 1) {
        for (const float x : raceSim.runnerX) {
            if (x > kCameraRight && x < kSnapRight) {
                return true;
            }
        }
    }
    return false;
}

// The running places change only when runners pass one another or one crosses the line. The
// counts are kept with the order they were made in, back to front, and the crossings they
// counted with; while that order holds strictly and no one has crossed since, they stand.
struct PlaceMemo {
    // where each runner's trackPos is, in that order: one read a runner to check it
    const float* order[kFieldSize] = {&raceField[0].trackPos, &raceField[1].trackPos,
                                      &raceField[2].trackPos, &raceField[3].trackPos,
                                      &raceField[4].trackPos, &raceField[5].trackPos,
                                      &raceField[6].trackPos, &raceField[7].trackPos,
                                      &raceField[8].trackPos, &raceField[9].trackPos};
    int32_t crossed[kFieldSize] = {-1}; // -1 is no runner's flag: nothing is counted yet
    int32_t behind[kFieldSize] = {};
    int32_t level[kFieldSize] = {};
} placeMemo;

bool PlacesStand() {
    bool stand =
        std::equal(std::begin(placeMemo.crossed), std::end(placeMemo.crossed), raceSim.crossed);
    float back = *placeMemo.order[0];
    for (int k = 1; k < kFieldSize; ++k) {
        const float next = *placeMemo.order[k];
        stand &= back < next;
        back = next;
    }
    return stand;
}

// Each runner's running rivals behind it and rivals exactly level with it. Spare places as in
// the lane step: NaN is never ahead, behind or level.
void CountPlaces() {
    float pos[kFieldPadded];
    int running[kFieldPadded];
    for (int i = 0; i < kFieldPadded; ++i) {
        pos[i] = i < kFieldSize ? raceField[i].trackPos : NAN;
        running[i] = i < kFieldSize && !raceSim.crossed[i];
    }
    int32_t rank[kFieldSize];
    for (int i = 0; i < kFieldSize; ++i) {
        int behind = 0, level = 0, below = 0;
        for (int j = 0; j < kFieldPadded; ++j) {
            below += pos[j] < pos[i];
            behind += (pos[j] < pos[i]) & running[j];
            level += pos[j] == pos[i];
        }
        placeMemo.behind[i] = behind;
        placeMemo.level[i] = level - 1; // not counting itself
        rank[i] = below;
    }
    // Only a field in a strict order can be checked by its order; any other is counted afresh.
    int32_t order[kFieldSize];
    std::fill(std::begin(order), std::end(order), -1);
    bool strict = true;
    for (int i = 0; i < kFieldSize; ++i) {
        strict = strict && order[rank[i]] == -1;
        order[rank[i]] = i;
    }
    for (int k = 0; strict && k < kFieldSize; ++k) {
        placeMemo.order[k] = &raceField[order[k]].trackPos;
    }
    for (int i = 0; i < kFieldSize; ++i) {
        placeMemo.crossed[i] = strict ? raceSim.crossed[i] : -1;
    }
}

} // namespace

RaceSim raceSim = kRaceSimStart;

float& CurrentValue(HorseRecord& runner, int32_t phase) {
    return runner.*kCurrentValues[std::clamp(phase, 1, 3) - 1];
}

float PhaseRating(const HorseRecord& runner, int32_t phase) {
    return runner.*kPhaseRatings[std::clamp(phase, 1, 3) - 1];
}

float HorseWidth() { return static_cast<float>(sHorse[0].width); }

void TakeTrackPositions() {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].trackPos = raceSim.runnerX[i];
    }
}

PhotoFinishCall TestPhotoFinish() {
    if (raceState.raceDistance > 0) {
        return PhotoFinishCall::None;
    }
    const float post = raceSim.postX;
    // The classic test makes ten passes over the pairs; after the first, a pass only draws the
    // same line again.
    for (int a = 0; a < kFieldSize; ++a) {
        const float nose = HorseWidth() + raceField[a].trackPos;
        if (raceField[a].finishPlace != 1 || nose < post + kPhotoNear || nose > post + kPhotoFar) {
            continue;
        }
        for (int b = 0; b < kFieldSize; ++b) {
            if (raceField[b].finishPlace == 2 &&
                raceField[a].trackPos - raceField[b].trackPos <= kPhotoGap) {
                return PhotoFinish();
            }
        }
    }
    return PhotoFinishCall::None;
}

PhotoFinishCall PhotoFinish() {
    raceSim.photoFinishes += 1;
    if (raceSim.iPhotoFinishVar >= 1) {
        raceSim.iPhotoFinishVar = 0;
        return PhotoFinishCall::LineAndPause;
    }
    return PhotoFinishCall::Line;
}

int CanMoveIn(int slot) { return FindCloser(GatherField(), slot) < 0 ? 1 : 0; }

int IsBlockedBy(int slot, int other) {
    return other >= 0 && other < kFieldSize && BlockedOn(GatherField(), slot, other) ? 1 : 0;
}

int CanMoveOut(int slot) { return CanMoveOutOn(GatherField(), slot) ? 1 : 0; }

void UpdateAllLanes() {
    Field field = GatherField();
    CheckLaneMates(field);
    const float laneStep = LaneStep();
    const int32_t laneFree = raceState.raceDistance > 0 ? 1 : 0;
    for (int i = 0; i < kFieldSize; ++i) {
        UpdateLanesOn(field, i, laneStep, laneFree);
    }
    std::copy_n(field.y, kFieldSize, raceSim.runnerY);
}

void StepRaceDistance() {
    if (raceState.raceDistance > 0) {
        raceSim.previousDistance = raceState.raceDistance;
        raceState.raceDistance -= WholeUnits(&raceSim.distanceCarry);
    }
}

bool DistanceReached(int32_t mark) {
    return raceState.raceDistance <= mark && raceSim.previousDistance > mark;
}

int StepBoardCycle() {
    raceState.boardRefreshCounter += 1;
    if (raceState.boardRefreshCounter < kBoardCycleFrames) {
        return 0;
    }
    raceState.boardRefreshCounter = 0;
    raceState.boardVisible = 1;
    if (raceState.raceDistance > 0) {
        return 0;
    }
    // The last runner has left the screen; or every runner has stopped at the edge, which a
    // runner halting at exactly 800 would otherwise never report.
    bool lastIsGone = false;
    bool allStopped = true;
    for (int i = 0; i < kFieldSize; ++i) {
        lastIsGone = lastIsGone || (raceField[i].finishPlace == kFieldSize &&
                                    raceField[i].trackPos > kScreenEdge);
        allStopped = allStopped && raceSim.runnerX[i] >= kScreenEdge;
    }
    if (!lastIsGone && !allStopped) {
        return 0;
    }
    FinishRace();
    return 1;
}

int StepRaceClock() {
    if (!raceState.raceRunning) {
        return 0;
    }
    raceSim.raceTime += WholeUnits(&raceSim.raceTimeCarry);
    if (raceSim.raceTime < kRaceTimeLimit) {
        return 0;
    }
    // Runners far off the back of the screen (a rating far beyond the field's) could take
    // longer than anyone waits to gallop home, or never get there.
    raceSim.timedOut = 1;
    FinishRace();
    return 1;
}

void FinishRace() {
    raceState.raceRunning = 0;
    raceState.copyRatingsPending = 1;
}

void UpdatePlaces() {
    if (!PlacesStand()) {
        CountPlaces();
    }
    std::copy(std::begin(placeMemo.behind), std::end(placeMemo.behind), raceSim.runnersBehind);
    std::copy(std::begin(placeMemo.level), std::end(placeMemo.level), raceSim.runnersLevel);
    // No one crosses while the distance is still being run.
    const bool finishing = raceState.raceDistance <= 0;
    const float line = raceSim.postX + kPlaceMargin - HorseWidth();
    for (int i = 0; i < kFieldSize; ++i) {
        if (!raceSim.crossed[i]) {
            raceField[i].finishPlace = kFieldSize - raceSim.runnersBehind[i];
            if (finishing) {
                raceSim.crossed[i] = raceField[i].trackPos >= line;
            }
        }
    }
}

void SteerCamera() {
    if (raceState.raceDistance <= 0) {
        return;
    }
    ReadArrowKeys();
    int followed[kFieldSize];
    int count = 0;
    for (int i = 0; i < kFieldSize; ++i) {
        if (raceField[i].finishPlace == raceState.followedPlace) {
            followed[count++] = i;
        }
    }
    if (!CameraMoves(followed, count)) {
        return;
    }
    const float step = static_cast<float>(1.0 * FrameFactor());
    int pass = 0;
    for (bool shifted = true; shifted && pass < kFieldSize; ++pass) {
        SnapLeader(pass);
        shifted = false;
        for (int k = 0; k < count; ++k) {
            const float x = raceSim.runnerX[followed[k]];
            if (x < kCameraLeft) {
                ShiftField(step);
                shifted = true;
            } else if (x > kCameraRight) {
                ShiftField(-step);
                shifted = true;
            }
        }
    }
    // A pass that shifts nothing leaves the followed runners between 638 and 640, where a snap
    // (to 640) keeps them too: the passes left can only snap.
    for (; pass < kFieldSize; ++pass) {
        SnapLeader(pass);
    }
}

void FinalApproach() {
    if (raceState.raceDistance <= 0 || raceState.raceDistance >= kFinalApproachDistance) {
        return;
    }
    raceSim.postX = static_cast<float>(raceSim.postX - kPostApproachStep * FrameFactor());
    const float step = static_cast<float>(-kRunnerApproachStep * FrameFactor());
    for (float& x : raceSim.runnerX) {
        x += step;
    }
}

void ChangePhase() {
    const int32_t before = raceState.racePhase;
    raceState.racePhase = raceState.raceDistance >= kPhaseTwoDistance    ? 1
                          : raceState.raceDistance > kPhaseThreeDistance ? 2
                                                                         : 3;
    if (raceState.racePhase == 3 && before != 3 && raceSim.closerSlot == -1) {
        DrawCloser();
    }
    if (raceState.raceDistance <= 0 && raceSim.closerSlot != -1) {
        raceField[raceSim.closerSlot].closing = raceSim.closerClosing;
        raceSim.closerSlot = -1;
    }
}

void MoveRunners() {
    const int32_t phase = raceState.racePhase;
    const bool running = phase != 3 || raceState.raceDistance > 0;
    if (running) {
        DrawBurstsAndChoosePaceSetter(phase);
    }
    CheckDecayFactors();
    float HorseRecord::*const current = kCurrentValues[std::clamp(phase, 1, 3) - 1];
    const double pace = raceField[raceSim.paceSetter].*current * kPaceFraction;
    const double frameFactor = FrameFactor();
    // Each runner gains or loses ground against 70 % of the pace setter's value, then its value
    // decays: V * (1 - 1 / (75 * endurance)) per 60th of a second, whatever the frame rate.
    for (int i = 0; i < kFieldSize; ++i) {
        float& value = raceField[i].*current;
        if (running) {
            raceSim.runnerX[i] = static_cast<float>(raceSim.runnerX[i] -
                                                    (pace - value) / kMoveDivisor * frameFactor);
        }
        value = static_cast<float>(value * decayMemo.factor[i]);
    }
}

void RunOut() {
    if (raceState.raceDistance > 0) {
        return;
    }
    for (int i = 0; i < kFieldSize; ++i) {
        float& x = raceSim.runnerX[i];
        if (x >= kScreenEdge) {
            continue;
        }
        const HorseRecord& runner = raceField[i];
        double step = runner.curClosing / runner.closing * kRunOutPace;
        if (step < kRunOutSlowest) {
            step = Rand() % 3 + 4;
        } else if (step > kRunOutFastest) {
            step = 7 - Rand() % 3;
        }
        x = static_cast<float>(x + step * FrameFactor());
    }
}

void LeaderBonus() {
    if (raceState.racePhase != 3) {
        return;
    }
    for (HorseRecord& runner : raceField) {
        if (runner.finishPlace == 1) {
            runner.curClosing =
                static_cast<float>(runner.curClosing + kLeaderBonus * FrameFactor());
        }
    }
}

PhotoFinishCall RunRaceSimOpening() {
    TakeTrackPositions();
    const PhotoFinishCall call = TestPhotoFinish();
    UpdateAllLanes();
    return call;
}

void RunRaceSimClosing() {
    StepRaceDistance();
    StepBoardCycle();
    StepRaceClock();
    UpdatePlaces();
    SteerCamera();
    FinalApproach();
    ChangePhase();
    MoveRunners();
    RunOut();
    LeaderBonus();
}

void RunRaceSimFrame() {
    RunRaceSimOpening();
    RunRaceSimClosing();
}

void MillAtGate() {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        HorseRecord& runner = raceField[slot];
        float& x = raceSim.runnerX[slot];
        float& y = raceSim.runnerY[slot];
        if (runner.millCountdown > 0) {
            runner.millCountdown -= 1;
            continue;
        }
        runner.millCountdown = Rand() % 201;
        if (runner.millDirection == 0) {
            runner.millDirection = Rand() % 4 + 1;
        }
        // Each step goes one pixel and turns back: along the track (1, 2) or across it (3, 4).
        switch (runner.millDirection) {
        case 1:
            x += 1;
            runner.millDirection = 2;
            break;
        case 2:
            x -= 1;
            runner.millDirection = 1;
            break;
        case 3:
            y += 1;
            runner.millDirection = 4;
            break;
        case 4:
            y -= 1;
            runner.millDirection = 3;
            break;
        default:
            break;
        }
        runner.millCountdown -= 1;
        // A milling runner stands on whole pixels.
        x = static_cast<float>(static_cast<int>(x));
        y = static_cast<float>(static_cast<int>(y));
    }
}

void ResetRaceSim() { raceSim = kRaceSimStart; }
