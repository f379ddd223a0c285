// The calendar: the date, the race of the day, the countdown to the stakes, and the rules that
// move them on. The values themselves are saved globals (core/settings_file.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/months.h"
#include "core/settings_file.h"

// The race card's date line, "January 1, 2002", from currentMonth, currentDay and currentYear.
// Empty, returning 0, while the month code is no month.
int FormatDate(char* text, size_t size);

// One day on: day 31 is followed by day 1 of the next month code (October by November, 12),
// and December (13) by January of the next year. Nothing else changes.
void RollDay();

// After every finished race (LeaveResults, before the race reset): the next race, or after
// the last race of the day race 1 of the next day with one day fewer to the stakes.
void NextRace();

// At each change of stakes round and when a series ends: the next day starts at once.
void NextDay();
