// The calendar: the date, the race of the day, the countdown to the stakes, and the rules that
// move them on. The values themselves are saved globals (core/settings_file.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/settings_file.h"

// Months are stored as codes: 1..10 for January to October, 12 November, 13 December. 11 is
// not a month and never occurs. Every month has 31 days.
struct MonthCode {
    int32_t code;
    const char* name;
    const char* dateFormat; // formatted with the day and the year
};
constexpr int kMonthCount = 12;
constexpr int32_t kDaysInMonth = 31;
constexpr MonthCode kMonths[kMonthCount] = {{1, "January", "January %i, %i"},
                                            {2, "February", "February %i, %i"},
                                            {3, "March", "March %i, %i"},
                                            {4, "April", "April %i, %i"},
                                            {5, "May", "May %i, %i"},
                                            {6, "June", "June %i, %i"},
                                            {7, "July", "July %i, %i"},
                                            {8, "August", "August %i, %i"},
                                            {9, "September", "September %i, %i"},
                                            {10, "October", "October %i, %i"},
                                            {12, "November", "November %i, %i"},
                                            {13, "December", "December %i, %i"}};
static_assert(kMonths[0].code == 1 && kMonths[kMonthCount - 1].code == 13);

// The month of a code, or nullptr for a code that is no month (11 among them).
const MonthCode* FindMonth(int32_t code);

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

// Run by the frame driver every frame, whatever the screen: when the options lowered the races
// per day below the current race, the day ends at once with a new field for its race 1.
// loadedRace and daysToStakes are left alone.
void CheckRaceCountOverflow();

// The field reload rule, run by the frame driver on every race-card frame and once by
// LeaveResults: a new field when loadedRace differs from raceOfDay or the field is empty, after
// which loadedRace takes raceOfDay (as the load may have changed it).
void ApplyFieldReloadRule();
