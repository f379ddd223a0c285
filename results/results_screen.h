// The results screen (309): the finishing order with the prices, what every bet returns, the
// way on to the next race, and the "End of Day" box with its answers.
#pragma once

#include <cstdint>

// The screen's own counters, one race; ResetForNextRace and ResetResultsScreen put them back.
struct ResultsScreenState {
    int32_t resultsFrames = 0;  // frames on the screen; -1 once the end-of-day box was shown
    int32_t resultsSettled = 0; // the finishing order has been settled for this race
};
extern ResultsScreenState resultsScreen;

// One frame of the results, called by the frame driver while gameState is 309.
void ResultsScreen();

// Pays the bets, moves the calendar on, writes the horses' careers and makes ready the next
// race. Called by the continue button, the clock, the end-of-day answers and the menu buttons
// that leave the results.
void LeaveResults();

// Run by the results screen from its tenth frame on: the "End of Day" box after the day's last
// race (unless in Sim Mode) and after each stakes round's last race.
void RunEndOfDayChecks();

// The answers of the "End of Day" box.
void SaveAndContinue();
void RestartProfits();

// The reset at the end of LeaveResults: the track, the race and the bets as at a new race.
void ResetForNextRace();

// The screen's own counters back at a new run's: not yet shown, nothing settled.
void ResetResultsScreen();

// The moment the clock leaves the results by itself: remaining seconds of post time at or
// below which the screen is left, for the post-time setting and Sim Mode.
float ResultsLeaveSeconds(int32_t timeBetweenRaces, int32_t fastPostTime);
