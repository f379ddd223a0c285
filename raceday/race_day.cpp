// The race-day model: the four hot-seat players and their bets, and the shared race state.
#include "raceday/race_day.h"

#include "core/settings_file.h"
#include "stable/horse_record.h"

RaceDay raceDay;
RaceState raceState;

PlayerRecord& Player(int number) {
    // Callers pass 1..4; anything else is clamped rather than read past the table.
    const int index = number < 1 ? 0 : number > kMaxPlayers ? kMaxPlayers - 1 : number - 1;
    return raceDay.players[index];
}

bool BetIsOnCurrentRace(const PlayerRecord& player) {
    return player.betRace == raceOfDay && player.betDay == currentDay &&
           player.betYear == currentYear;
}

void ClearBet(PlayerRecord& player) {
    player.betDay = kNoBetDay;
    player.betAmount = 0;
}

void ResetRaceDay() {
    raceDay = {};
    raceState = {};
}

void SetCurrentPlayer(int number) { raceDay.currentPlayer = number; }

void SetFastPostTime(bool on) { raceDay.fastPostTime = on ? 1 : 0; }

void CopyRatingsForTheRace() {
    if (!raceState.copyRatingsPending) {
        return;
    }
    for (HorseRecord& runner : raceField) {
        runner.curSpeed = runner.speed;
        runner.curClosing = runner.closing;
        runner.curAcceleration = runner.acceleration;
    }
    raceState.copyRatingsPending = 0;
}

void StopRaceRunning() { raceState.raceRunning = 0; }
