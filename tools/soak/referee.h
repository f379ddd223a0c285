// The soak's referee: the game's invariants, checked while the autoplayer plays. It follows
// every player's money from the $1,000 they start with, and after every race reads back the
// horse files and the saved game.
#pragma once

#include <string>

struct SoakCount {
    int races;  // results left and paid
    int days;   // race days ended (a stakes round that ends a day counts once)
    int series; // stakes finals run
    int bets;   // bets that stood at the off
};

// A new game's watch, for a game about to start in the current folder.
void StartReferee();

// The autoplayer's checks (AutoplayPlan::resultsShown and ::raceLeft).
void RefereeResultsShown();
void RefereeRaceLeft();

// Once the game has ended: its last save against what it held.
void RefereeGameEnded();

// The game is closed once this many days have ended; 0 for no limit.
void SetRefereeDayLimit(int days);

// The first broken invariant, with the race it broke on; empty while none.
const std::string& RefereeFailure();
const SoakCount& RefereeCount();
