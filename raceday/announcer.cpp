// The race announcer: recorded calls of the start, the running order and the stretch.
#include "raceday/announcer.h"

#include <span>

#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/game_sounds.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "stable/horse_record.h"

AnnouncerClips announcerClips = {SoundStatus, PlaySoundSlot};
AnnouncerState announcer = {};

namespace {

constexpr int32_t kStartWindowFrom = 4985; // the start call, strictly between this and 5000
constexpr int32_t kStretchTurn = 1000;
constexpr int32_t kEarlyRaceAbove = 2600;
constexpr int32_t kMidRaceAbove = 1200;
constexpr int32_t kSilentFrom = 100;
constexpr int kPhrases = 10;

// Every clip that makes the announcer busy.
const std::span<const int> kFamilies[] = {
    stretchSounds,     genericPhraseSounds, upFrontCalmSounds, upFrontMedSounds,
    upFrontExSounds,   upFrontEx2Sounds,    upFrontEx3Sounds,  upFrontMed2Sounds,
    upFrontMed3Sounds, inCommandCalmSounds, strugglingSounds,  struggling2Sounds,
    goodStartSounds,   badStartSounds,      theirOffCalls,     genericCalmSounds,
    genericMedSounds,  genericExSounds,
};

// The runner calls of the early and middle race, by roll: which place, and which call.
struct RollCall {
    int32_t place;
    void (*call)(int slot);
};
constexpr RollCall kEarlyCalls[] = {{1, CallFrontCalm},   {1, CallFrontCalm},  {2, CallFrontCalm},
                                    {2, CallFrontCalm},   {3, CallFrontCalm},  {3, CallFrontCalm},
                                    {10, CallStruggling}, {9, CallStruggling}, {8, CallStruggling}};
constexpr RollCall kMidCalls[] = {{1, CallFrontMed},   {1, CallFrontMed},    {2, CallFrontMed},
                                  {3, CallFrontMed},   {10, CallStruggling}, {9, CallStruggling},
                                  {8, CallStruggling}, {2, CallFrontMed},    {3, CallFrontMed}};
constexpr int kRunnerRolls = 9; // rolls 9..30 of 31 go to a generic line instead
static_assert(std::size(kEarlyCalls) == kRunnerRolls && std::size(kMidCalls) == kRunnerRolls);

bool Busy() { return announcer.announcerBusy != 0; }

void Play(int slot) {
    SetAnnouncerBusy(1);
    announcerClips.play(slot, 0);
}

// The roll picks a place; every runner holding it gets the call (most calls speak only once).
void CallByRoll(const RollCall (&calls)[kRunnerRolls], int stage) {
    announcer.announcerRoll = SceneRand() % 31;
    if (announcer.announcerRoll >= kRunnerRolls) {
        CallGeneric(stage);
    }
    const RollCall& chosen = calls[announcer.announcerRoll];
    for (int slot = 0; slot < kFieldSize; ++slot) {
        if (raceField[slot].finishPlace == chosen.place) {
            chosen.call(slot);
        }
    }
}

// The runner the stretch call names: the last in slot order holding place 1; with a level
// lead nobody holds it, and the runner furthest ahead (first in slot order) is named instead.
int StretchLeader() {
    int leader = -1;
    for (int slot = 0; slot < kFieldSize; ++slot) {
        if (raceField[slot].finishPlace == 1) {
            leader = slot;
        }
    }
    if (leader != -1) {
        return leader;
    }
    leader = 0;
    for (int slot = 1; slot < kFieldSize; ++slot) {
        if (raceField[slot].trackPos > raceField[leader].trackPos) {
            leader = slot;
        }
    }
    return leader;
}

} // namespace

void UpdateAnnouncerBusy() {
    announcer.announcerBusy = 0;
    for (const std::span<const int> family : kFamilies) {
        for (const int slot : family) {
            if (announcerClips.status(slot) != 0) {
                announcer.announcerBusy = 1;
                return;
            }
        }
    }
}

void SetAnnouncerBusy(int flag) { announcer.announcerBusy = flag ? 1 : 0; }

void AnnounceRaceFrame() {
    if (gameState != kStateTrack || !announcingOn || raceState.raceDistance == kRaceDistance) {
        return;
    }
    UpdateAnnouncerBusy();
    if (Busy()) {
        return;
    }
    if (DistanceReached(kStretchTurn)) {
        announcer.stretchCallDue = 1;
    }
    if (announcer.stretchCallDue) {
        CallStretchTurn();
        announcer.stretchCallDue = 0;
    }
    if (raceState.raceDistance > kStartWindowFrom && raceState.raceDistance < kRaceDistance) {
        announcer.startCallState = 1;
        CallTheyreOff();
        announcer.startCallState = 2;
    }
    if (announcer.startCallState == 2 && !Busy()) {
        CallStart();
        announcer.startCallState = 3;
    }
    if (raceState.raceDistance > kEarlyRaceAbove && !Busy()) {
        CallEarlyRace();
    }
    if (raceState.raceDistance > kMidRaceAbove && raceState.raceDistance < kEarlyRaceAbove &&
        !Busy()) {
        CallMidRace();
    }
    if (raceState.raceDistance > kSilentFrom && raceState.raceDistance < kStretchTurn && !Busy()) {
        CallStretchRun();
    }
}

void CallTheyreOff() {
    announcer.clipVariant = SceneRand() % kTheirOffCalls;
    Play(theirOffCalls[announcer.clipVariant]);
}

// A tie for first starts the good-start clip of every tied runner at once.
void CallStart() {
    announcer.announcerRoll = SceneRand() % 3 + 1;
    SetAnnouncerBusy(1);
    const bool good = announcer.announcerRoll != 3;
    const int32_t place = good ? 1 : kFieldSize;
    for (int slot = 0; slot < kFieldSize; ++slot) {
        if (raceField[slot].finishPlace == place) {
            announcer.clipVariant = slot;
            announcerClips.play(good ? goodStartSounds[slot] : badStartSounds[slot], 0);
        }
    }
}

void CallEarlyRace() { CallByRoll(kEarlyCalls, 1); }

void CallMidRace() { CallByRoll(kMidCalls, 2); }

void CallStretchRun() {
    announcer.announcerRoll = SceneRand() % 2 + 1;
    if (announcer.announcerRoll == 1) {
        for (int slot = 0; slot < kFieldSize; ++slot) {
            if (raceField[slot].finishPlace == 1) {
                CallFrontExcited(slot);
            }
        }
    } else {
        announcer.announcerRoll = SceneRand() % kGenericLines;
        Play(genericExSounds[announcer.announcerRoll]);
    }
}

void CallStretchTurn() {
    announcer.clipVariant = StretchLeader();
    Play(stretchSounds[announcer.clipVariant]);
}

// The wording comes from whatever clipVariant the last call left: only 0 and 1 speak.
void CallStruggling(int slot) {
    if (Busy()) {
        return;
    }
    if (announcer.clipVariant == 0) {
        Play(strugglingSounds[slot]);
    } else if (announcer.clipVariant == 1) {
        Play(struggling2Sounds[slot]);
    }
}

void CallFrontCalm(int slot) {
    if (Busy()) {
        return;
    }
    if (announcer.clipVariant == 0) {
        Play(upFrontCalmSounds[slot]);
    } else if (announcer.clipVariant == 1) {
        Play(inCommandCalmSounds[slot]);
    }
}

void CallFrontMed(int slot) {
    if (Busy()) {
        return;
    }
    const std::span<const int> wordings[3] = {upFrontMedSounds, upFrontMed2Sounds,
                                              upFrontMed3Sounds};
    announcer.clipVariant = SceneRand() % 3 + 1;
    Play(wordings[announcer.clipVariant - 1][slot]);
}

// Called only when not busy: it does not look itself.
void CallFrontExcited(int slot) {
    const std::span<const int> wordings[3] = {upFrontExSounds, upFrontEx2Sounds, upFrontEx3Sounds};
    announcer.clipVariant = SceneRand() % 3;
    Play(wordings[announcer.clipVariant][slot]);
}

void CallGeneric(int stage) {
    announcer.announcerRoll = SceneRand() % 3 + 1;
    if (announcer.announcerRoll == 1) {
        if (!Busy()) {
            announcer.clipVariant = SceneRand() % kPhrases;
            Play(genericPhraseSounds[announcer.clipVariant]);
        }
        return;
    }
    announcer.clipVariant = SceneRand() % kGenericLines;
    if (!Busy()) {
        announcerClips.play(stage == 1 ? genericCalmSounds[announcer.clipVariant]
                                       : genericMedSounds[announcer.clipVariant],
                            0);
    }
    SetAnnouncerBusy(1);
}

void ResetAnnouncer() {
    announcerClips = {SoundStatus, PlaySoundSlot};
    announcer = {};
}
