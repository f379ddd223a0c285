// The race-day model: the four hot-seat players and their bets, and the state of the race
// that the card, the track and the results share.
#pragma once

#include <cstdint>

constexpr int kMaxPlayers = 4;
constexpr int kPlayerNameSize = 28;
constexpr int kStartingMoney = 1000;

constexpr int32_t kBetWin = -1;
constexpr int32_t kBetPlace = -2;
constexpr int32_t kBetShow = -3;
constexpr int32_t kNoBetDay = -11; // a cleared bet matches no race

struct PlayerRecord {
    char name[kPlayerNameSize]; // 1 to 11 characters, NUL-terminated
    int32_t money;              // whole dollars
    int32_t betRace;            // race of the day the bet is on
    int32_t betRunner;          // program number 1..10
    int32_t betType;            // kBetWin, kBetPlace or kBetShow
    int32_t betAmount;          // dollars staked, already taken from money
    int32_t betDay;
    int32_t betMonth; // a month code
    int32_t betYear;
};

constexpr int32_t kRaceDistance = 5000;
constexpr int32_t kPostTimeHold = 100;

// The players of the game, whole run; ResetRaceDay puts it back. Players are numbered 1..4:
// Player(n).
struct RaceDay {
    PlayerRecord players[kMaxPlayers] = {};
    int32_t currentPlayer = 1; // whose turn it is on the card and in the bet dialog, 1..4
    int32_t fastPostTime = 0;  // Sim Mode: a quicker clock and no end-of-day box (not saved)
};
extern RaceDay raceDay;

// The race under way or waiting, from its card to its results; ResetRaceForNextRace and
// ResetRaceDay put it back.
struct RaceState {
    int32_t raceRunning = 0;              // 1 from the off until the switch to the results
    int32_t raceDistance = kRaceDistance; // left to run: 5000 at the off, 0 at the line
    int32_t racePhase = 1;                // 1, 2 or 3
    int32_t followedPlace = 1;            // the running place the camera follows, 1..10
    int32_t boardRefreshCounter = 0;      // the race's 50-frame cycle
    int32_t boardVisible = 0;             // the leader panel may show (from the first cycle's end)
    int32_t postTimeHold = kPostTimeHold; // frames the clock stands still; 100 after every reset
    int32_t copyRatingsPending = 1; // copy ratings into the working values on the next track frame
};
extern RaceState raceState;

PlayerRecord& Player(int number);

// A bet counts for the race now on the card when its race, day and year all match.
bool BetIsOnCurrentRace(const PlayerRecord& player);

// Clears a player's bet so that it matches no race.
void ClearBet(PlayerRecord& player);

void SetCurrentPlayer(int number);
void SetFastPostTime(bool on);

// At the off the runners' working ratings start from their ratings, once a race.
void CopyRatingsForTheRace();
// On the card no race runs.
void StopRaceRunning();

void ResetRaceDay();
