// The name dialog: the players of a new game and their names.
#pragma once

#include <string>

// Called by the number-of-players screen: the name dialog for that many players. The count
// becomes numPlayers only once every name is good.
void OpenNamesDialog(int players);

// What the name dialog says of player's name when it cannot be used, empty when it can: 1 to 11
// characters (UTF-8 counted as characters) in at most 27 bytes, the room a name has in the saved
// game, each character one an installed face can draw.
std::string NameFault(int player, const char* name);

void ResetDialogProcedure();
