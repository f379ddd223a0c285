// The calendar: day, month and year steps, the race count, the stakes countdown, the race-count
// overflow and the field reload rule.
#include "stable/calendar.h"

#include <gtest/gtest.h>

#include "stable/field_draw.h"
#include "tests/stable/stable_support.h"

namespace {

void SetDate(int32_t day, int32_t month, int32_t year) {
    currentDay = day;
    currentMonth = month;
    currentYear = year;
}

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
    } kRolls[] = {{30, 10, 2002, "October 31, 2002"},
                  {31, 10, 2002, "November 1, 2002"}, // month code 12: 11 has no date line
                  {31, 12, 2002, "December 1, 2002"},
                  {31, 13, 2002, "January 1, 2003"},
                  {31, 2, 2005, "March 1, 2005"}}; // every month has 31 days
    for (const auto& roll : kRolls) {
        SetDate(roll.day, roll.month, roll.year);
        RollDay();
        EXPECT_EQ(DateLine(), roll.next);
    }
    currentMonth = 11;
    char text[40] = "unchanged";
    EXPECT_EQ(FormatDate(text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST(Calendar, TheLastRaceOfTheDayStartsTheNextDayOneDayCloserToTheStakes) {
    StableFolder game;
    SetDate(5, 3, 2002);
    racesPerDay = 10;
    daysToStakes = 10;
    raceOfDay = 9;
    NextRace();
    EXPECT_EQ(raceOfDay, 10);
    EXPECT_EQ(DateLine(), "March 5, 2002");
    EXPECT_EQ(daysToStakes, 10);
    NextRace();
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(DateLine(), "March 6, 2002");
    EXPECT_EQ(daysToStakes, 9);

    racesPerDay = 15;
    raceOfDay = 10;
    NextRace();
    EXPECT_EQ(raceOfDay, 11);
    EXPECT_EQ(DateLine(), "March 6, 2002");
}

TEST(Calendar, NextDayStartsADayAtOnceWhateverTheRaceAndCountsDownToZero) {
    StableFolder game;
    SetDate(31, 13, 2002);
    daysToStakes = 3;
    raceOfDay = 5;
    NextDay();
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(DateLine(), "January 1, 2003");
    EXPECT_EQ(daysToStakes, 2);
    for (int day = 0; day < 3; ++day) {
        NextDay();
    }
    EXPECT_EQ(daysToStakes, 0); // never below zero
}

TEST(Calendar, LoweringTheRacesPerDayBelowTheRaceStartsTheNextDayWithANewField) {
    StableFolder game;
    WriteStartingHorses();
    SetDate(4, 4, 2002);
    daysToStakes = 6;
    racesPerDay = 5;
    raceOfDay = 8;
    loadedRace = 8;
    MarkField();
    CheckRaceCountOverflow();
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(DateLine(), "April 5, 2002");
    EXPECT_EQ(daysToStakes, 6);
    EXPECT_EQ(loadedRace, 8);
    EXPECT_NE(raceField[0].horseNumber, 999);

    MarkField();
    ApplyFieldReloadRule(); // loadedRace is not 1: one more field
    EXPECT_NE(raceField[0].horseNumber, 999);
    EXPECT_EQ(loadedRace, 1);

    MarkField();
    CheckRaceCountOverflow(); // within the day now: nothing
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].horseNumber, 999);
}

TEST(Calendar, TheFieldIsReloadedOncePerNewRaceOrWhenForcedOrEmpty) {
    StableFolder game;
    WriteStartingHorses();
    daysToStakes = 6;
    racesPerDay = 10;
    raceOfDay = 3;
    loadedRace = 3;
    MarkField();
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].horseNumber, 999);

    loadedRace = 0;
    ApplyFieldReloadRule();
    EXPECT_NE(raceField[0].horseNumber, 999);
    EXPECT_EQ(loadedRace, 3);

    raceField[0].loaded = 0;
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].loaded, 1);

    MarkField();
    NextRace();
    ApplyFieldReloadRule();
    EXPECT_NE(raceField[0].horseNumber, 999);
    EXPECT_EQ(loadedRace, 4);
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
    raceOfDay = 5;
    loadedRace = 5;
    ApplyFieldReloadRule(); // the load sets raceOfDay to the stakes race first
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(loadedRace, 1);
    MarkField();
    ApplyFieldReloadRule();
    EXPECT_EQ(raceField[0].horseNumber, 999);
}

} // namespace
