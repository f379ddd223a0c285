// The game's dialog templates: names, captions, controls and their layout, as data.
#pragma once

#include <string_view>

#include "platform/dialog.h"

// Control ids the dialog procedure answers to.
constexpr int kIdPlayer1Label = 3004;
constexpr int kIdPlayerName[4] = {3010, 3011, 3012, 3013};
constexpr int kIdStartGame = 3014;
constexpr int kIdWin = 3000;
constexpr int kIdPlace = 3001;
constexpr int kIdShow = 3002;
constexpr int kIdBetAmount = 3005;
constexpr int kIdPlaceBet = 3006;
constexpr int kIdEndOfDayText = 111;
constexpr int kIdSaveContinue = 3017;
constexpr int kIdRestart = 3016;
constexpr int kIdCongratsOk = 3018;

extern const DialogTemplate kGet1NameDialog;
extern const DialogTemplate kGet2NamesDialog;
extern const DialogTemplate kGet3NamesDialog;
extern const DialogTemplate kGet4NamesDialog;
extern const DialogTemplate kPlaceBetDialog;
extern const DialogTemplate kEndOfDayDialog;
extern const DialogTemplate kGameEndOkDialog;

// Every template, for lookups by name ("GET_1_NAME_DIALOG", "PLACE_BET_DIALOG", ...).
extern const DialogTemplate* const kDialogTemplates[7];
const DialogTemplate* FindDialogTemplate(std::string_view name);

// The name dialog for a number of players 1..4.
const DialogTemplate& NamesDialog(int players);
