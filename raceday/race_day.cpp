// The race-day model: the four hot-seat players and their bets, and the shared race state.
#include "raceday/race_day.h"

#include "core/settings_file.h"

PlayerRecord players[kMaxPlayers] = {};
int32_t currentPlayer = 1;
int32_t raceRunning = 0;
int32_t raceDistance = kRaceDistance;
int32_t racePhase = 1;
int32_t followedPlace = 1;
int32_t boardRefreshCounter = 0;
int32_t boardVisible = 0;
int32_t postTimeHold = kPostTimeHold;
int32_t copyRatingsPending = 1;
int32_t fastPostTime = 0;

PlayerRecord& Player(int number) {
    // Callers pass 1..4; anything else is clamped rather than read past the table.
    const int index = number < 1 ? 0 : number > kMaxPlayers ? kMaxPlayers - 1 : number - 1;
    return players[index];
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
    for (PlayerRecord& player : players) {
        player = {};
    }
    currentPlayer = 1;
    raceRunning = 0;
    raceDistance = kRaceDistance;
    racePhase = 1;
    followedPlace = 1;
    boardRefreshCounter = 0;
    boardVisible = 0;
    postTimeHold = kPostTimeHold;
    copyRatingsPending = 1;
    fastPostTime = 0;
}
