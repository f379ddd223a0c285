// The top-players table: the three best money totals, saved with the settings.
#include "results/top_players.h"

#include <cstdio>
#include <cstring>

namespace {

bool SameName(const TopPlayerEntry& entry, const char* name) {
    return std::strncmp(entry.name, name, kTopPlayerNameSize) == 0;
}

} // namespace

void UpdateTopPlayers(TopPlayerEntry (&table)[kTopPlayerCount], const char* name, int32_t money) {
    int listed = -1;
    for (int i = 0; i < kTopPlayerCount; ++i) {
        if (SameName(table[i], name)) {
            listed = i;
            break;
        }
    }
    if (listed >= 0) {
        if (table[listed].money >= money) {
            return;
        }
        // The player's own lower entry goes; the player is entered again below.
        for (int i = listed; i + 1 < kTopPlayerCount; ++i) {
            table[i] = table[i + 1];
        }
        table[kTopPlayerCount - 1] = {};
    }
    int at = 0;
    while (at < kTopPlayerCount && table[at].money >= money) {
        ++at;
    }
    if (at == kTopPlayerCount) {
        return;
    }
    for (int i = kTopPlayerCount - 1; i > at; --i) {
        table[i] = table[i - 1];
    }
    TopPlayerEntry entry{};
    std::snprintf(entry.name, sizeof entry.name, "%.*s", kTopPlayerNameSize - 1, name);
    entry.money = money;
    table[at] = entry;
}
