// What changes the horse files: the after-race update, the re-rating of every horse for a new
// series, and the starting horses of a new data folder.
#pragma once

#include "stable/horse_record.h"

// Called once after each race by LeaveResults, before the next field is loaded. Every runner
// counts a start; the first three count a win, place or show; a random rating gains by place
// (half the time for places 1..4: 1.0, 0.75, 0.5, 0.25; always 0.25 for places 9 and 10). Each
// runner with a horse number is written back, its last line without a newline; a file that
// cannot be written loses that update silently.
void UpdateHorseFiles();

// The OK of the series' end: the field forgets its horses' numbers and careers, then every
// horse file that opens keeps its name and gets fresh ratings and a fresh career (RateNewHorse),
// its last line ending with a newline. Files that do not open are skipped.
void RebuildHorseFiles();

// A horse's new ratings and career, drawn with the game's generator: four ratings from a
// budget of 40 points (the specialty drawn first, each at least 5, summing to 40), a record of
// 4..18 starts, and experience from its places in the money added to random ratings.
void RateNewHorse(HorseRecord* horse);

// Writes folder/1.txt .. folder/215.txt for a new data folder with the rebuild's rules: names
// in number order, each rated by RateNewHorse in turn (seed the generator first for the same
// horses every time). A name must be 1..23 characters without "~" or a line break, so that its
// line stays within the read limit. Returns 1 when all 215 were written; 0 for a bad name
// (nothing written) or a failed write.
int WriteStartingHorseFiles(const char* folder, const char* const (&names)[kHorseCount]);
