// The end of a race day and of a stakes series: the "End of Day" box and its answers, today's
// champion, the high-score table, and the stakes champion with the reset of the stable.
#pragma once

// Run by the results screen from its tenth frame on: the "End of Day" box after the day's last
// race (unless in Sim Mode) and after each stakes round's last race.
void RunEndOfDayChecks();

// Shows the richest of two or more players over the last game frame for three seconds; nobody
// when two share the top. Money counts with what the race just run is about to pay.
void TodaysChampionScreen();

// The answers of the "End of Day" box.
void SaveAndContinue();
void RestartProfits();

// After the stakes final: the champion horse's screen and the "Congrats!" box.
void ShowStakesChampion();

// The "Congrats!" OK: the stable is re-rated for a new series, then the reset notice stands
// until C is pressed.
void CloseSeriesWithNotice();
