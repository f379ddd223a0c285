// The end of a race day and of a stakes series: today's champion, and the stakes champion with
// the reset of the stable.
#pragma once

// Shows the richest of two or more players over the last game frame for three seconds; nobody
// when two share the top. Money counts with what the race just run is about to pay.
void TodaysChampionScreen();

// After the stakes final: the champion horse's screen and the "Congrats!" box.
void ShowStakesChampion();

// The "Congrats!" OK: the stable is re-rated for a new series, then the reset notice stands
// until C is pressed.
void CloseSeriesWithNotice();
