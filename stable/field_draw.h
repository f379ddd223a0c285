// The field draw: ten runners of similar class from the horse files for every race, or the
// entrants of the current stakes race.
#pragma once

#include <cstdint>

#include "stable/horse_record.h"

constexpr int32_t kStartTolerance = 7; // classes within this distance of the first runner's

// Whole run, not saved. ResetFieldDraw puts every field back; RestartFieldDraw (the race reset
// after the results) clears the first-horse flag and the tolerance so every race draws afresh.
// The tolerance only widens during a draw: a long run of rejections early in a field leaves it
// wider for the rest of that field and for any further draw before the race reset.
struct FieldDrawState {
    int32_t currentPick;      // the horse number LoadHorse reads
    int32_t firstHorseLoaded; // 1 once slot 0 of a draw holds its horse
    int32_t tryCounter;       // candidates loaded since the tolerance last widened
    int32_t classTolerance;
};
extern FieldDrawState fieldDraw;

// Reads horse fieldDraw.currentPick into the slot, which is zeroed first, and marks it used.
// 0, leaving the slot as it was, when its file does not open.
int LoadHorse(int slot);

// Builds the field for the next race and rates every runner (RateRunner). Starts the stakes
// series when it is due; during a series the ten runners are the current stakes race's
// entrants. A horse whose file does not open shows "Unable to open horse #%i" under
// "File error" once and is not drawn again for this field. When no horse is left to draw,
// the field is completed from horses rejected for their class. Returns 1 with ten different
// horses in the field, or 0 when fewer than ten horse files open at all: a box says so and
// the game quits (no race may be run on that field).
int LoadRaceField();

// Whether the stable has any horse file (horses/1.txt .. horses/215.txt) at all. When it has
// none, one box says where the files should be and how to make them, and the game quits: a
// draw would only show a box for each of the 215. LoadRaceField asks first, so whatever fills
// an empty stable at start-up runs before it.
int CheckStableHasHorses();

// Run by the frame driver every frame, whatever the screen: when the options lowered the races
// per day below the current race, the day ends at once with a new field for its race 1.
// loadedRace and daysToStakes are left alone.
void CheckRaceCountOverflow();

// The field reload rule, run by the frame driver on every race-card frame and once by
// LeaveResults: a new field when loadedRace differs from raceOfDay or the field is empty, after
// which loadedRace takes raceOfDay (as the load may have changed it).
void ApplyFieldReloadRule();

void RestartFieldDraw();
void ResetFieldDraw();
