// The stakes series: a knockout of the best 100 horses over four rounds of 10, 4, 2 and 1
// races, started by the calendar and advanced after every race.
#pragma once

#include <cstdint>

#include "core/settings_file.h" // the series' state is saved: stakesRound, the tables...

// Notice pictures waiting to be shown (series start, rounds 2, 3 and 4). The frame driver shows
// each set flag's picture until S is pressed and then clears it. Whole run, not saved;
// ResetStakesNotices clears them.
enum StakesNotice { kNoticeSeriesStart, kNoticeRound2, kNoticeRound3, kNoticeRound4 };
constexpr int kStakesNoticeCount = 4;
extern int32_t stakesNoticeDue[kStakesNoticeCount];

// The first step of every field load: while daysToStakes is 0 the race of the day is the
// race within the round, and when no series runs one begins (ten races a day, round 1 race 1,
// every eliminated flag cleared, the series-start notice raised).
void StartStakesIfDue();

// The table of a round (1..4), and how many entries it holds.
StakesEntry* RoundTable(int32_t round);

// After a stakes race's results, while stakesRound is still the race's round: every runner
// that finished outside the round's qualifying places is flagged eliminated in its table.
// Nothing in the final.
void MarkEliminated();

// In the race reset after every race (after NextRace): the next race of the round, or at the
// end of a round the next round, its notice and a new day; the final's post time is four
// minutes. At most one round change per call.
void AdvanceStakes();

// At a round change, with the new round: the entries of the previous round that were not
// eliminated are copied in table order into the new round's table, never past its end. Its
// places left unfilled are emptied (horse 0), so no horse of an earlier series runs again.
void PromoteQualifiers();

// The OK of the champion's "Congrats!" box: every horse is re-rated for a new series and the
// countdown starts again; raceOfDay is 0, so the following NextRace makes it race 1.
void CloseStakesSeries();

// Whether the notice is due, and the notice seen: no longer due.
bool StakesNoticeIsDue(int notice);
void StakesNoticeSeen(int notice);

void ResetStakesNotices();
