// The stakes series' fields: the ranking that fills round 1, and each race's entrants.
#pragma once

// At the first race of round 1: every horse file that opens is ranked by class, best first,
// equal classes keeping their order; a file that does not open leaves its place of
// stakesRanking as it was. The first 100 go into stakesEntries1, and a horse standing there
// twice is replaced by the next horses of the ranking (the 101st, the 102nd, ...) that are not
// among them yet.
void RankStakesEntries();

// The stakes branch of LoadRaceField: empties the field and puts the current race's ten
// entrants into it in random post positions (ranking round 1 first at its race 1). An entrant
// whose file does not open, or whose number is no horse, shows "Unable to open horse #%i"
// once; its slot takes the best-ranked openable horse that is neither in the field nor in the
// round's table, and its table entry becomes that horse, marked eliminated so it can never
// qualify. Returns 0, the table untouched, when no such horse is left.
int BuildStakesField();
