// The top-players table's entry, saved with the settings.
#pragma once

#include <cstdint>

constexpr int kTopPlayerCount = 3;
constexpr int kTopPlayerNameSize = 28;

// An entry not yet filled has an empty name and money 0.
struct TopPlayerEntry {
    char name[kTopPlayerNameSize]; // NUL-terminated
    int32_t money;                 // dollars
};
