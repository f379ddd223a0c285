// Races run headless with the game's own code: no window, no pictures, no sound, no file written.
#include "tools/racesim/headless_race.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/frame_timing.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
#include "platform/random.h"
#include "platform/sprite.h"
#include "raceday/announcer.h"
#include "raceday/post_time.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "raceday/race_view.h"
#include "stable/field_draw.h"
#include "stable/odds.h"
#include "tools/racesim/clip_clock.h"

namespace {

// The game stops a race after five minutes of race time; this cap only keeps a broken stop
// from running for ever. Either way the race counts as unfinished.
constexpr int kMaxRaceSeconds = 310;
constexpr int kSettleRounds = 1000;
constexpr int kFiniteCheckFrames = 16; // a NaN stays once it is in, so a look now and then will do

struct Crossing {
    int frame;      // 0 while the runner has not crossed
    float position; // its trackPos on that frame
};

struct Ratings {
    char written[kFieldSize][kRatingCount][16]; // as a horse file has them
    float closing[kFieldSize];
};

Ratings KeepRatings() {
    Ratings kept{};
    for (int i = 0; i < kFieldSize; ++i) {
        for (int r = 0; r < kRatingCount; ++r) {
            std::snprintf(kept.written[i][r], sizeof kept.written[i][r], "%.1f",
                          static_cast<double>(raceField[i].*kRatings[r]));
        }
        kept.closing[i] = raceField[i].closing;
    }
    return kept;
}

bool SameRatings(const Ratings& before) {
    const Ratings after = KeepRatings();
    for (int i = 0; i < kFieldSize; ++i) {
        if (after.closing[i] != before.closing[i]) {
            return false;
        }
        for (int r = 0; r < kRatingCount; ++r) {
            if (std::strcmp(after.written[i][r], before.written[i][r]) != 0) {
                return false;
            }
        }
    }
    return true;
}

bool AllFinite() {
    for (int i = 0; i < kFieldSize; ++i) {
        const HorseRecord& runner = raceField[i];
        for (const float value : {raceSim.runnerX[i], raceSim.runnerY[i], runner.curAcceleration,
                                  runner.curSpeed, runner.curClosing}) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    return true;
}

// The frame driver's copy on the first track frame: each working value starts at its rating.
void CopyRatings() {
    for (HorseRecord& runner : raceField) {
        runner.curAcceleration = runner.acceleration;
        runner.curSpeed = runner.speed;
        runner.curClosing = runner.closing;
    }
    raceState.copyRatingsPending = 0;
}

void RunFrame(const HeadlessRace& how) {
    if (how.wholeFrames) {
        RunRaceFrame();
        return;
    }
    RunRaceSimOpening();
    if (how.announce) {
        AnnounceRaceFrame();
    }
    RunRaceSimClosing();
}

bool PlacesValid(const int32_t places[kFieldSize], const Crossing crossings[kFieldSize]) {
    for (int i = 0; i < kFieldSize; ++i) {
        if (places[i] < 1 || places[i] > kFieldSize) {
            return false;
        }
        for (int j = i + 1; j < kFieldSize; ++j) {
            const bool levelCrossers = crossings[i].frame != 0 &&
                                       crossings[i].frame == crossings[j].frame &&
                                       crossings[i].position == crossings[j].position;
            if (places[i] == places[j] && !levelCrossers) {
                return false;
            }
        }
    }
    return true;
}

bool Distinct(const int32_t places[kFieldSize]) {
    bool seen[kFieldSize + 1] = {};
    for (int i = 0; i < kFieldSize; ++i) {
        if (places[i] < 1 || places[i] > kFieldSize || seen[places[i]]) {
            return false;
        }
        seen[places[i]] = true;
    }
    return true;
}

} // namespace

void PrepareHeadlessRaces() {
    for (const SpriteRow& row : ManifestSprites()) {
        row.sprite->width = row.width;
        row.sprite->height = row.height;
        row.sprite->lastFrame = row.lastFrame;
        SetSpritePosition(row.sprite, row.startX, row.startY);
    }
    currentDay = 1;
    currentMonth = 1;
    currentYear = 2002;
    raceOfDay = loadedRace = 1;
    racesPerDay = 10;
    daysToStakes = 10;
    stakesRound = 0;
}

RaceOutcome RunHeadlessRace(uint32_t seed, const HeadlessRace& how) {
    RaceOutcome outcome{};
    SeedRand(seed);
    ResetOdds();
    RestartFieldDraw();
    if (!LoadRaceField()) {
        return outcome;
    }
    // The periodic re-rating on the card has long run by the off.
    for (int slot = 0; slot < kFieldSize; ++slot) {
        RateRunner(slot);
    }
    for (int i = 0; i < kFieldSize; ++i) {
        outcome.rating[i] = fieldOdds.runnerRating[i];
        outcome.oddsCode[i] = fieldOdds.oddsCode[i];
        for (int j = 0; j < kFieldSize; ++j) {
            outcome.ratingRank[i] += fieldOdds.runnerRating[j] > fieldOdds.runnerRating[i];
        }
    }
    const Ratings kept = KeepRatings();

    ResetRaceForNextRace();
    CopyRatings();
    frameTiming.framesPerSecond = how.fps;
    frameTiming.frameFactor = static_cast<float>(60.0 / how.fps);
    frameTiming.holdFrames = 0;
    StartRace();
    raceState.followedPlace = how.follow;
    if (how.announce) {
        StartClipRace();
    }

    Crossing crossings[kFieldSize] = {};
    outcome.finite = true;
    const int frameCap = kMaxRaceSeconds * how.fps;
    while (raceState.raceRunning && outcome.frames < frameCap) {
        RunFrame(how);
        if (how.announce) {
            TickClipClock();
        }
        outcome.frames += 1;
        // No one crosses while the distance is still being run.
        for (int i = 0; i < kFieldSize && raceState.raceDistance <= 0; ++i) {
            if (raceSim.crossed[i] && crossings[i].frame == 0) {
                crossings[i] = {outcome.frames, raceField[i].trackPos};
            }
        }
        if (outcome.frames % kFiniteCheckFrames == 0) {
            outcome.finite = outcome.finite && AllFinite();
        }
    }
    outcome.finite = outcome.finite && AllFinite();
    outcome.finished = raceState.raceRunning == 0 && !raceSim.timedOut;
    outcome.photoFinishes = raceSim.photoFinishes;
    for (int i = 0; i < kFieldSize; ++i) {
        outcome.places[i] = outcome.settled[i] = raceField[i].finishPlace;
    }
    outcome.deadHeat = !Distinct(outcome.places);
    outcome.placesValid = PlacesValid(outcome.places, crossings);
    SettleDeadHeats(outcome.settled);
    outcome.settledDistinct = Distinct(outcome.settled);
    outcome.ratingsKept = SameRatings(kept);
    return outcome;
}

void SettleDeadHeats(int32_t places[kFieldSize]) {
    for (int round = 0; round < kSettleRounds; ++round) {
        bool level = false;
        for (int i = 0; i < kFieldSize; ++i) {
            for (int j = 0; j < kFieldSize; ++j) {
                if (j == i || places[j] != places[i]) {
                    continue;
                }
                level = true;
                int32_t& named = Rand() % 2 + 1 == 1 ? places[i] : places[j];
                named = places[i] == 1 ? 2 : named - 1;
            }
        }
        if (!level) {
            return;
        }
    }
}
