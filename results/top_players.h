// The top-players table: the three best money totals, saved with the settings.
#pragma once

#include <cstdint>

constexpr int kTopPlayerCount = 3;
constexpr int kTopPlayerNameSize = 28;

// An entry not yet filled has an empty name and money 0.
struct TopPlayerEntry {
    char name[kTopPlayerNameSize]; // NUL-terminated
    int32_t money;                 // dollars
};

// Enters a player's name and money into the table of the saved game (topPlayers), best first.
// Equal money never displaces an entry; a player already listed keeps one entry only, moved up
// when the money is more than the entry holds, left alone otherwise. Names are compared and
// copied within their 28 bytes.
void UpdateTopPlayers(TopPlayerEntry (&table)[kTopPlayerCount], const char* name, int32_t money);
