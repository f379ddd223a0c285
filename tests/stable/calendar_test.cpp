// The calendar's month codes, the race-count overflow and the field reload rule; the day and
// race steps themselves are played through by the short soak and the stakes series.
#include "stable/calendar.h"

#include <gtest/gtest.h>

#include "stable/field_draw.h"
#include "tests/stable/stable_support.h"

namespace {

// A field no draw would make, to tell whether the rule loaded a new one.
void MarkField() {
    raceField[0] = HorseRecord{};
    raceField[0].loaded = 1;
    raceField[0].horseNumber = 999;
}

TEST(Calendar, DaysRollIntoTheNextMonthCodeAndDecemberIntoANewYearAndElevenHasNoDateLine) {
    StableFolder game;
    const struct {
        int32_t day, month, year;
        const char* next;
    } kRolls[] = {{31, 10, 2002, "November 1, 2002"}, // month code 12: 11 has no date line
                  {31, 13, 2002, "January 1, 2003"},
                  {31, 2, 2005, "March 1, 2005"}}; // every month has 31 days
    for (const auto& roll : kRolls) {
        currentDay = roll.day;
        currentMonth = roll.month;
        currentYear = roll.year;
        RollDay();
        EXPECT_EQ(DateLine(), roll.next);
    }
    currentMonth = 11;
    char text[40] = "unchanged";
    EXPECT_EQ(FormatDate(text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST(Calendar, LoweringTheRacesPerDayBelowTheRaceStartsTheNextDayWithANewField) {
    StableFolder game;
    WriteStartingHorses();
    currentDay = currentMonth = 4;
    currentYear = 2002;
    daysToStakes = 6;
    racesPerDay = 5;
    raceOfDay = loadedRace = 8;
    MarkField();
    CheckRaceCountOverflow();
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(DateLine(), "April 5, 2002");
    EXPECT_NE(raceField[0].horseNumber, 999);

    MarkField();
    ApplyFieldReloadRule(); // loadedRace is not 1: one more field
    EXPECT_NE(raceField[0].horseNumber, 999);
    EXPECT_EQ(loadedRace, 1);

    MarkField();
    CheckRaceCountOverflow(); // within the day now: nothing
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].horseNumber, 999);
    raceField[0].loaded = 0;
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].loaded, 1);
}

TEST(Calendar, AStakesRoundChangeBackToRaceOneLoadsExactlyOneField) {
    StableFolder game;
    WriteStartingHorses();
    daysToStakes = 0;
    stakesRound = 2;
    stakesRace = 1;
    for (int i = 0; i < kRound2Entries; ++i) {
        stakesEntries2[i] = {0.0f, i + 1, 0};
    }
    raceOfDay = loadedRace = 5;
    ApplyFieldReloadRule(); // the load sets raceOfDay to the stakes race first
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(loadedRace, 1);
    MarkField();
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].horseNumber, 999);
}

} // namespace
