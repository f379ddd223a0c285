// The top-players table: the three best money totals, saved with the settings.
#pragma once

#include <cstdint>

#include "core/top_player_entry.h"

// Enters a player's name and money into the table of the saved game (topPlayers), best first.
// Equal money never displaces an entry; a player already listed keeps one entry only, moved up
// when the money is more than the entry holds, left alone otherwise. Names are compared and
// copied within their 28 bytes.
void UpdateTopPlayers(TopPlayerEntry (&table)[kTopPlayerCount], const char* name, int32_t money);
