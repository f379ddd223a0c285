// The race card: the betting screen between races and its bet dialog, the odds in their two
// written forms, and the bets panel shown on the card, the track and the results.
#pragma once

#include <cstddef>
#include <cstdint>

#include "raceday/race_day.h"

// The card's choices, whole run; ResetRaceCard puts them back.
struct RaceCard {
    int32_t selectedRunner = 1; // program number whose button was clicked last, 1..10
    // The bet dialog's last type chosen per player: -1 Win, -2 Place, -3 Show, 0 none yet.
    int32_t betTypeChoice[kMaxPlayers] = {};
    int32_t betAmountEntered = 0;
};
extern RaceCard raceCard;

constexpr int kListTop = 250; // y of the card's first row; rows are 28 apart
constexpr int kRowHeight = 28;

// One frame of the card (306), over the main menu.
void DrawRaceCard();

// The current player's bet on the card's "bets" column.
void DrawBetsColumn();

// Every player's money and bet, laid out on the bets board wherever it stands.
void DrawBetsPanel();

enum class OddsPlace { ToteBoard = 0, RunnerList = 1 };

// One runner's odds in the "2/1" form, on the tote board or in the race view's runner list.
void DrawRunnerOdds(int slot, OddsPlace place);

enum class OddsForm { Card, Race }; // "2 - 1" on the card, "2/1" in the race view

// An odds code 399..447 written in a form; false (and an empty text) for any other code.
bool FormatOdds(int32_t code, OddsForm form, char* text, size_t size);

// "Start a new game", once the saved game is prepared: the track, the bet button and the post
// time where the card draws them.
void PlaceRaceCardSprites();

// A runner button was clicked: the bet dialog for the current player.
void OpenBetDialog();

void ResetRaceCard();
