// A clip clock for the announcer: clips that last a known number of frames, and the rules of the
// calls checked on every start.
#include "tools/racesim/clip_clock.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>

#include "platform/game_sounds.h"
#include "raceday/announcer.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "stable/horse_record.h"

namespace {

// What a clip says, which decides where in the race it may be heard.
enum class Kind {
    TheirOff,
    GoodStart,
    BadStart,
    FrontCalm,
    GenericCalm,
    FrontMed,
    GenericMed,
    FrontExcited,
    GenericExcited,
    Phrase,
    Struggling,
    Stretch,
};

struct Family {
    std::span<int> slots;
    Kind kind;
    bool namesRunner; // clip n names the runner of slot n
};

std::array<Family, 18> Families() {
    return {{{theirOffCalls, Kind::TheirOff, false},
             {goodStartSounds, Kind::GoodStart, true},
             {badStartSounds, Kind::BadStart, true},
             {upFrontCalmSounds, Kind::FrontCalm, true},
             {inCommandCalmSounds, Kind::FrontCalm, true},
             {genericCalmSounds, Kind::GenericCalm, false},
             {upFrontMedSounds, Kind::FrontMed, true},
             {upFrontMed2Sounds, Kind::FrontMed, true},
             {upFrontMed3Sounds, Kind::FrontMed, true},
             {genericMedSounds, Kind::GenericMed, false},
             {upFrontExSounds, Kind::FrontExcited, true},
             {upFrontEx2Sounds, Kind::FrontExcited, true},
             {upFrontEx3Sounds, Kind::FrontExcited, true},
             {genericExSounds, Kind::GenericExcited, false},
             {genericPhraseSounds, Kind::Phrase, false},
             {strugglingSounds, Kind::Struggling, true},
             {struggling2Sounds, Kind::Struggling, true},
             {stretchSounds, Kind::Stretch, true}}};
}

struct Clip {
    Kind kind;
    int runner;     // the slot named, -1 for none
    int length;     // frames
    int64_t endsAt; // the clock's frame when it falls silent
    int64_t startedAt;
};

constexpr int kRaceGapFrames = 1000000; // between two races every clip has ended
constexpr size_t kReportedViolations = 8;

struct ClipClock {
    std::vector<Clip> clips; // by slot
    int64_t now = 0;
    int64_t raceStartedAt = 0;
    int64_t startReportFrame = -1; // the frame of this race's start report, -1 before it
    bool theyreOffCalled = false;
    ClipClockReport report;
} clock;

bool Valid(int slot) { return slot >= 0 && slot < static_cast<int>(clock.clips.size()); }

int Status(int slot) {
    if (!Valid(slot)) {
        return -1;
    }
    return clock.now < clock.clips[slot].endsAt ? 1 : 0;
}

bool EarlyRace(int32_t d) { return d > 2600; }
bool MidRace(int32_t d) { return d > 1200 && d < 2600; }
bool StretchRun(int32_t d) { return d > 100 && d < 1000; }

bool FurthestAhead(int runner) {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        if (raceField[slot].trackPos > raceField[runner].trackPos ||
            (raceField[slot].trackPos == raceField[runner].trackPos && slot < runner)) {
            return false;
        }
    }
    return true;
}

bool PlaceIn(int runner, int32_t first, int32_t last) {
    const int32_t place = raceField[runner].finishPlace;
    return place >= first && place <= last;
}

bool NobodyFirst() {
    for (const HorseRecord& runner : raceField) {
        if (runner.finishPlace == 1) {
            return false;
        }
    }
    return true;
}

// Whether the clip may start now, where the race stands.
const char* BrokenRule(const Clip& clip) {
    const int32_t d = raceState.raceDistance;
    const bool startReport = clip.kind == Kind::GoodStart || clip.kind == Kind::BadStart;
    if (d <= 100) {
        return "heard at 100 or below";
    }
    if (d == 1000 && clip.kind != Kind::Stretch) {
        return "at 1000, where only the stretch turn speaks";
    }
    for (int slot = 0; slot < static_cast<int>(clock.clips.size()); ++slot) {
        const Clip& other = clock.clips[slot];
        const bool sameStartReport =
            startReport && (other.kind == Kind::GoodStart || other.kind == Kind::BadStart) &&
            other.startedAt == clock.now;
        if (&other != &clip && Status(slot) == 1 && !sameStartReport) {
            return "two clips at once";
        }
    }
    switch (clip.kind) {
    case Kind::TheirOff:
        return d > 4985 && d < kRaceDistance ? nullptr : "start call outside 4986..4999";
    case Kind::GoodStart:
    case Kind::BadStart:
        if (!clock.theyreOffCalled) {
            return "start report without a start call";
        }
        if (clock.startReportFrame != -1 && clock.startReportFrame != clock.now) {
            return "a second start report";
        }
        return PlaceIn(clip.runner, clip.kind == Kind::GoodStart ? 1 : 10,
                       clip.kind == Kind::GoodStart ? 1 : 10)
                   ? nullptr
                   : "start report names the wrong runner";
    case Kind::FrontCalm:
        return !EarlyRace(d)                 ? "calm call outside the early race"
               : !PlaceIn(clip.runner, 1, 3) ? "calm call of a runner not in the first three"
                                             : nullptr;
    case Kind::GenericCalm:
        return EarlyRace(d) ? nullptr : "calm line outside the early race";
    case Kind::FrontMed:
        return !MidRace(d)                   ? "middle call outside 1201..2599"
               : !PlaceIn(clip.runner, 1, 3) ? "middle call of a runner not in the first three"
                                             : nullptr;
    case Kind::GenericMed:
        return MidRace(d) ? nullptr : "middle line outside 1201..2599";
    case Kind::FrontExcited:
        return !StretchRun(d)                ? "excited call outside 101..999"
               : !PlaceIn(clip.runner, 1, 1) ? "excited call of a runner not first"
                                             : nullptr;
    case Kind::GenericExcited:
        return StretchRun(d) ? nullptr : "excited line outside 101..999";
    case Kind::Phrase:
        return EarlyRace(d) || MidRace(d) ? nullptr : "phrase outside the early and middle race";
    case Kind::Struggling:
        return !(EarlyRace(d) || MidRace(d))  ? "struggling call outside the early and middle race"
               : !PlaceIn(clip.runner, 8, 10) ? "struggling call of a runner not in the last three"
                                              : nullptr;
    case Kind::Stretch:
        if (!DistanceReached(1000)) {
            return "stretch call away from 1000";
        }
        return PlaceIn(clip.runner, 1, 1) || (NobodyFirst() && FurthestAhead(clip.runner))
                   ? nullptr
                   : "stretch call names a runner not in front";
    }
    return nullptr;
}

int Play(int slot, int32_t) {
    if (!Valid(slot)) {
        return 0;
    }
    Clip& clip = clock.clips[slot];
    if (Status(slot) == 1) {
        return 1;
    }
    clip.startedAt = clock.now;
    clock.report.clips += 1;
    if (const char* broken = BrokenRule(clip)) {
        clock.report.violations += 1;
        if (clock.report.first.size() < kReportedViolations) {
            char where[160];
            std::snprintf(where, sizeof where, "%s (clip %d, distance %d, race frame %lld)", broken,
                          slot, raceState.raceDistance,
                          static_cast<long long>(clock.now - clock.raceStartedAt));
            clock.report.first.push_back(where);
        }
    }
    if (clip.kind == Kind::TheirOff) {
        clock.theyreOffCalled = true;
    }
    if (clip.kind == Kind::GoodStart || clip.kind == Kind::BadStart) {
        clock.startReportFrame = clock.now;
    }
    clip.endsAt = clock.now + clip.length;
    return 1;
}

} // namespace

void InstallClipClock(int fps) {
    clock = ClipClock{};
    for (const Family& family : Families()) {
        for (size_t n = 0; n < family.slots.size(); ++n) {
            const int slot = static_cast<int>(clock.clips.size());
            // One to three and a half seconds, as the spoken lines run.
            const double seconds = 1.0 + (slot * 7919 % 26) / 10.0;
            const int length = static_cast<int>(std::lround(seconds * fps));
            clock.clips.push_back(
                {family.kind, family.namesRunner ? static_cast<int>(n) : -1, length, 0, -1});
            family.slots[n] = slot;
        }
    }
    announcerClips = {Status, Play};
}

void RemoveClipClock() {
    for (const Family& family : Families()) {
        for (int& slot : family.slots) {
            slot = -1;
        }
    }
    ResetAnnouncer();
}

void StartClipRace() {
    clock.now += kRaceGapFrames;
    clock.raceStartedAt = clock.now;
    clock.startReportFrame = -1;
    clock.theyreOffCalled = false;
}

void TickClipClock() { clock.now += 1; }

const ClipClockReport& ClipClockResult() { return clock.report; }
