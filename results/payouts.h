// Prices and payouts: what a runner pays on a $2 bet and what each player's bet returns, at
// the fixed odds of the race card.
#pragma once

#include <cstdint>

#include "raceday/race_day.h"

enum class PayoutKind { Win = 1, Place = 2, Show = 3 };

// What each player's bet comes to on the results screen. Whole run, one results screen at a
// time; ResetPlayerResults clears it.
struct PlayerResult {
    int32_t betWinnings; // what the bet returns, as shown
    int32_t payout;      // what leaving the screen adds to the player's money
};
extern PlayerResult playerResults[kMaxPlayers];

// The runner's odds number: it pays that many to 1.
int32_t OddsFromCode(int runner);

// The price of a $2 bet on the runner (index 0..9) of the given kind.
double PayoutPrice(int runner, PayoutKind kind);

// What a bet of the type (kBetWin, kBetPlace, kBetShow) and stake returns on a runner at odds
// to 1 that finishes in the place, in whole dollars (never beyond what a 32-bit amount holds).
// 0 when the bet does not come in.
int32_t BetWinnings(int32_t betType, int32_t stake, int32_t odds, int32_t place);

// What the player's bet on the current race returns by the runner's finishing place.
int32_t PlayerBetWinnings(const PlayerRecord& player);

// What leaving the screen adds for such winnings: the winnings with the stake on top, or nothing.
int32_t PayoutOf(int32_t winnings, int32_t stake);
int32_t PayoutFor(const PlayerRecord& player);

// Adds an amount to a player's money, stopping at the largest amount money can hold.
void AddMoney(PlayerRecord& player, int32_t amount);

// Runners level at the line share a place; the results settle them once: the order by place,
// ties broken by the toss of a coin, numbered 1..10. Returns 1 when it changed anything.
int SettleFinishingOrder();

// Records what the player's bet returns on this race, 0 when it is not in play; returns it.
int32_t RecordBetWinnings(int number, bool inPlay);
// Records what leaving the results pays the player, 0 when not in play; returns it.
int32_t RecordPayout(int number, bool inPlay);

void ResetPlayerResults();
