// The stakes series: a knockout of the best 100 horses over four rounds of 10, 4, 2 and 1
// races, started by the calendar and advanced after every race.
#include "stable/stakes.h"

#include <cstdio>

#include "platform/debug_log.h"
#include "stable/calendar.h"
#include "stable/horse_updates.h"

int32_t stakesNoticeDue[kStakesNoticeCount] = {};

namespace {

constexpr int32_t kSeriesRacesPerDay = 10;
constexpr int32_t kFinalPostTimeMinutes = 4;
constexpr int32_t kDaysBetweenSeries = 10;

void ClearEliminations() {
    for (int32_t round = 1; round <= kStakesRounds; ++round) {
        StakesEntry* table = RoundTable(round);
        for (int i = 0; i < kStakesRoundRules[round].entries; ++i) {
            table[i].eliminated = 0;
        }
    }
}

void EnterRound(int32_t round) {
    stakesRound = round;
    stakesRace = 1;
    stakesNoticeDue[kNoticeSeriesStart + round - 1] = 1;
    PromoteQualifiers();
    NextDay();
}

} // namespace

void StartStakesIfDue() {
    if (daysToStakes != 0) {
        return;
    }
    raceOfDay = stakesRace;
    if (stakesRound != 0) {
        return;
    }
    racesPerDay = kSeriesRacesPerDay;
    stakesRound = 1;
    stakesRace = 1;
    ClearEliminations();
    stakesNoticeDue[kNoticeSeriesStart] = 1;
}

StakesEntry* RoundTable(int32_t round) {
    switch (round) {
    case 1:
        return stakesEntries1;
    case 2:
        return stakesEntries2;
    case 3:
        return stakesEntries3;
    case 4:
        return stakesEntries4;
    default:
        return nullptr;
    }
}

void MarkEliminated() {
    if (stakesRound < 1 || stakesRound >= kStakesRounds) {
        return;
    }
    const StakesRoundRule& rule = kStakesRoundRules[stakesRound];
    StakesEntry* table = RoundTable(stakesRound);
    for (const HorseRecord& runner : raceField) {
        if (runner.finishPlace >= 1 && runner.finishPlace <= rule.qualifyingPlaces) {
            continue;
        }
        for (int i = 0; i < rule.entries; ++i) {
            if (table[i].horseNumber == runner.horseNumber) {
                table[i].eliminated = 1;
            }
        }
    }
}

void AdvanceStakes() {
    if (stakesRound == kStakesRounds) {
        // Only when the champion's box did not close the series.
        stakesRound = 0;
        stakesRace = 0;
        PromoteQualifiers();
        NextDay();
        return;
    }
    if (stakesRound < 1 || stakesRound > kStakesRounds) {
        return;
    }
    if (stakesRace < kStakesRoundRules[stakesRound].races) {
        stakesRace += 1;
        return;
    }
    EnterRound(stakesRound + 1);
    if (stakesRound == kStakesRounds) {
        postTimeMinutes = kFinalPostTimeMinutes;
    }
}

void PromoteQualifiers() {
    if (stakesRound < 2 || stakesRound > kStakesRounds) {
        return;
    }
    const StakesEntry* from = RoundTable(stakesRound - 1);
    const int32_t fromCount = kStakesRoundRules[stakesRound - 1].entries;
    StakesEntry* to = RoundTable(stakesRound);
    const int32_t toCount = kStakesRoundRules[stakesRound].entries;
    int32_t filled = 0;
    int32_t leftOut = 0;
    for (int i = 0; i < fromCount; ++i) {
        if (from[i].eliminated) {
            continue;
        }
        if (filled == toCount) {
            leftOut += 1;
            continue;
        }
        to[filled].rating = from[i].rating;
        to[filled].horseNumber = from[i].horseNumber;
        filled += 1;
    }
    for (int i = filled; i < toCount; ++i) {
        to[i].rating = 0.0f;
        to[i].horseNumber = 0;
    }
    if (leftOut > 0 || filled < toCount) {
        char line[100];
        std::snprintf(line, sizeof line, "Stakes round %i: %i qualified for %i places", stakesRound,
                      filled + leftOut, toCount);
        bugLog.Write(line);
    }
}

void CloseStakesSeries() {
    RebuildHorseFiles();
    daysToStakes = kDaysBetweenSeries;
    stakesRound = 0;
    stakesRace = 1;
    raceOfDay = 0;
}

void ResetStakesNotices() {
    for (int32_t& due : stakesNoticeDue) {
        due = 0;
    }
}

bool StakesNoticeIsDue(int notice) { return stakesNoticeDue[notice] != 0; }

void StakesNoticeSeen(int notice) { stakesNoticeDue[notice] = 0; }
