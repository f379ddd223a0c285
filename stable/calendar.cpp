// The calendar: the date, the race of the day, the countdown to the stakes, and the rules that
// move them on.
#include "stable/calendar.h"

#include <cstdio>

namespace {

void CountDownToStakes() {
    if (daysToStakes > 0) {
        daysToStakes -= 1;
    }
}

void StepMonth() {
    if (currentMonth == 10) {
        currentMonth = 12;
    } else if (currentMonth < 13) {
        currentMonth += 1;
    } else {
        currentMonth = 1;
        currentYear += 1;
    }
}

} // namespace

int FormatDate(char* text, size_t size) {
    const MonthCode* month = FindMonth(currentMonth);
    if (month == nullptr) {
        text[0] = '\0';
        return 0;
    }
    std::snprintf(text, size, month->dateFormat, currentDay, currentYear);
    return 1;
}

void RollDay() {
    if (currentDay < kDaysInMonth) {
        currentDay += 1;
        return;
    }
    currentDay = 1;
    StepMonth();
}

void NextRace() {
    if (raceOfDay >= racesPerDay) {
        raceOfDay = 1;
        RollDay();
        CountDownToStakes();
    } else {
        raceOfDay += 1;
    }
}

void NextDay() {
    CountDownToStakes();
    raceOfDay = 1;
    RollDay();
}
