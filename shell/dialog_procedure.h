// The game's dialog procedure: player names, bets, and the end-of-day and championship answers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialog.h"
#include "raceday/race_day.h"

// Whole run; ResetDialogProcedure puts them back.
extern int32_t betTypeChoice[kMaxPlayers]; // last type chosen per player: -1 Win, -2 Place,
                                           // -3 Show, 0 none yet
extern int32_t betAmountEntered;

// The one procedure every game dialog runs with.
int GameDialogProc(Dialog* dialog, DialogMessage message, int id);

// Called by the number-of-players screen: the name dialog for that many players. The count
// becomes numPlayers only once every name is good.
void OpenNamesDialog(int players);

// What the name dialog says of player's name when it cannot be used, empty when it can: 1 to 11
// characters (UTF-8 counted as characters) in at most 27 bytes, the room a name has in the saved
// game, each character one an installed face can draw.
std::string NameFault(int player, const char* name);

void ResetDialogProcedure();
