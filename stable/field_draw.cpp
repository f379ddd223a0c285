// The field draw: ten runners of similar class from the horse files for every race, or the
// entrants of the current stakes race.
#include "stable/field_draw.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/frame_timing.h"
#include "core/settings_file.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/game_sprites.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "stable/calendar.h"
#include "stable/horse_file.h"
#include "stable/odds.h"
#include "stable/stakes.h"
#include "stable/stakes_field.h"

static_assert(kFieldSize == kRunnerCount);

FieldDrawState fieldDraw = {0, 0, 0, kStartTolerance};

namespace {

constexpr int32_t kTriesPerWidening = 10;

// What one draw knows about itself; gone once the field is built.
struct DrawScratch {
    int32_t usedCount;             // horse numbers marked in horseUsed
    int32_t rejected[kHorseCount]; // loaded, then turned away for their class
    int32_t rejectedCount;
};

bool WithinTolerance(int slot) {
    const int32_t first = HorseClass(raceField[0]);
    const int32_t candidate = HorseClass(raceField[slot]);
    return candidate > first - fieldDraw.classTolerance &&
           candidate < first + fieldDraw.classTolerance;
}

// A file that fails to open still uses up its number, so its box shows once per draw and the
// draw always runs out of numbers instead of drawing forever.
int TryPick(int slot, DrawScratch* scratch) {
    scratch->usedCount += 1;
    if (LoadHorse(slot)) {
        return 1;
    }
    horseUsed[fieldDraw.currentPick] = 1;
    ShowHorseFileError(fieldDraw.currentPick);
    return 0;
}

void CountTry() {
    if (fieldDraw.tryCounter < kTriesPerWidening) {
        fieldDraw.tryCounter += 1;
    } else {
        fieldDraw.classTolerance += 1;
        fieldDraw.tryCounter = 0;
    }
}

void PickFirstHorse(int slot, DrawScratch* scratch) {
    fieldDraw.currentPick = Rand() % kHorseCount + 1;
    if (!horseUsed[fieldDraw.currentPick] && TryPick(slot, scratch)) {
        fieldDraw.firstHorseLoaded = 1;
    }
}

// Candidates until one's class lies within the tolerance of the first runner's; a number
// already used draws again. Gives up when every number has been used.
void PickWithinTolerance(int slot, DrawScratch* scratch) {
    do {
        if (scratch->usedCount == kHorseCount) {
            return;
        }
        fieldDraw.currentPick = Rand() % kHorseCount + 1;
        if (!horseUsed[fieldDraw.currentPick]) {
            raceField[slot] = HorseRecord{};
            const int loaded = TryPick(slot, scratch);
            CountTry();
            if (loaded && !WithinTolerance(slot)) {
                scratch->rejected[scratch->rejectedCount++] = fieldDraw.currentPick;
            }
        }
    } while (!WithinTolerance(slot));
}

// Every number is used: the slot takes a horse turned away for its class, class ignored.
int CompleteFromRejected(int slot, DrawScratch* scratch) {
    if (raceField[slot].loaded) {
        scratch->rejectedCount -= 1; // the last one turned away is still in the slot
    } else {
        while (scratch->rejectedCount > 0 && !raceField[slot].loaded) {
            const int index = Rand() % scratch->rejectedCount;
            fieldDraw.currentPick = scratch->rejected[index];
            scratch->rejected[index] = scratch->rejected[--scratch->rejectedCount];
            if (!LoadHorse(slot)) {
                ShowHorseFileError(fieldDraw.currentPick);
            }
        }
    }
    if (!raceField[slot].loaded) {
        return 0;
    }
    char line[100];
    std::snprintf(line, sizeof line, "No horse of the class left: slot %i takes horse #%i",
                  slot + 1, raceField[slot].horseNumber);
    bugLog.Write(line);
    return 1;
}

int PickRunner(int slot, DrawScratch* scratch) {
    for (;;) {
        if (raceField[slot].loaded && WithinTolerance(slot)) {
            return 1;
        }
        if (scratch->usedCount == kHorseCount) {
            return CompleteFromRejected(slot, scratch);
        }
        if (!fieldDraw.firstHorseLoaded) {
            PickFirstHorse(slot, scratch);
        } else {
            PickWithinTolerance(slot, scratch);
        }
    }
}

// A race divides by its runners' ratings, so a field that cannot be filled is never run.
int AbandonField() {
    bugLog.Write("Fewer than ten horse files could be opened: no field can be drawn");
    ShowGdiSurface();
    ErrorBox("File error", "Fewer than ten horse files could be opened, so no race can be run. "
                           "Stridewell will now close.");
    PostQuitMessage(1);
    return 0;
}

} // namespace

int LoadHorse(int slot) {
    HorseRecord horse;
    if (!ReadHorseFile(HorseFilePath(fieldDraw.currentPick), &horse)) {
        return 0;
    }
    horse.horseNumber = fieldDraw.currentPick;
    horse.loaded = 1;
    raceField[slot] = horse;
    horseUsed[fieldDraw.currentPick] = 1;
    return 1;
}

int CheckStableHasHorses() {
    std::error_code error;
    for (int number = 1; number <= kHorseCount; ++number) {
        if (std::filesystem::is_regular_file(HorseFilePath(number), error)) {
            return 1;
        }
    }
    const std::string folder = std::filesystem::current_path(error).string();
    bugLog.Write(("No horse files in " + folder + "/horses: no field can be drawn").c_str());
    // An installed game copies its starting horses in at start-up, so this is a stable with
    // neither: the generator makes them, or a reinstall brings them back for the next start.
    const std::string text = "The stable has no horse files in " + folder +
                             "/horses. Run stridewell-data " + folder +
                             " to make the starting horses, or reinstall the game and start it "
                             "again to have its starting horses copied in. Stridewell will now "
                             "close.";
    ShowGdiSurface();
    ErrorBox("File error", text.c_str());
    PostQuitMessage(1);
    return 0;
}

int LoadRaceField() {
    HoldFrameRate();
    if (!CheckStableHasHorses()) {
        return 0;
    }
    StartStakesIfDue();
    ResetRaceField();
    DrawScratch scratch{};
    for (int slot = 0; slot < kFieldSize; ++slot) {
        if (!raceField[slot].loaded) {
            if (!PickRunner(slot, &scratch)) {
                return AbandonField();
            }
            if (stakesRound != 0 && !BuildStakesField()) {
                return AbandonField();
            }
        }
        RateRunner(slot);
    }
    return 1;
}

void CheckRaceCountOverflow() {
    if (raceOfDay > racesPerDay) {
        raceOfDay = 1;
        LoadRaceField();
        RollDay();
    }
}

void ApplyFieldReloadRule() {
    if (loadedRace != raceOfDay || !raceField[0].loaded) {
        LoadRaceField();
        loadedRace = raceOfDay;
    }
}

void RestartFieldDraw() {
    fieldDraw.firstHorseLoaded = 0;
    fieldDraw.classTolerance = kStartTolerance;
}

void ResetFieldDraw() { fieldDraw = FieldDrawState{0, 0, 0, kStartTolerance}; }
