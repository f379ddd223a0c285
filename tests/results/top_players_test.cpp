// The top-players table: who gets in, who moves, and what never changes it.
#include "results/top_players.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Table = TopPlayerEntry[kTopPlayerCount];

std::vector<std::pair<std::string, int>> Entries(const Table& table) {
    std::vector<std::pair<std::string, int>> entries;
    for (const TopPlayerEntry& entry : table) {
        entries.emplace_back(entry.name, entry.money);
    }
    return entries;
}

using Want = std::vector<std::pair<std::string, int>>;

void Fill(Table& table, const Want& entries) {
    for (int i = 0; i < kTopPlayerCount; ++i) {
        table[i] = {};
        std::snprintf(table[i].name, sizeof table[i].name, "%s", entries[i].first.c_str());
        table[i].money = entries[i].second;
    }
}

TEST(UpdateTopPlayers, ANewcomerGoesBelowEqualMoneyAndAListedPlayerHoldsOneEntry) {
    const struct {
        Want before;
        const char* name;
        int money;
        Want after;
    } kCases[] = {
        {{{"A", 500}, {"B", 300}, {"C", 100}}, "D", 400, {{"A", 500}, {"D", 400}, {"B", 300}}},
        {{{"A", 500}, {"B", 500}, {"C", 100}}, "D", 600, {{"D", 600}, {"A", 500}, {"B", 500}}},
        // Equal money never displaces.
        {{{"D", 600}, {"A", 500}, {"B", 500}}, "E", 500, {{"D", 600}, {"A", 500}, {"B", 500}}},
        // A listed player moving up leaves its lower entry.
        {{{"A", 500}, {"B", 300}, {"C", 100}}, "C", 600, {{"C", 600}, {"A", 500}, {"B", 300}}},
        {{{"A", 500}, {"P", 300}, {"B", 100}}, "P", 400, {{"A", 500}, {"P", 400}, {"B", 100}}},
        {{{"P", 100}, {"A", 50}, {"B", 30}}, "P", 200, {{"P", 200}, {"A", 50}, {"B", 30}}},
        // A lower figure for a listed player changes nothing.
        {{{"P", 500}, {"A", 300}, {"B", 100}}, "P", 200, {{"P", 500}, {"A", 300}, {"B", 100}}},
        {{{"", 0}, {"", 0}, {"", 0}}, "Ann", 900, {{"Ann", 900}, {"", 0}, {"", 0}}},
    };
    for (const auto& c : kCases) {
        Table table;
        Fill(table, c.before);
        UpdateTopPlayers(table, c.name, c.money);
        EXPECT_EQ(Entries(table), c.after) << c.name << " " << c.money;
    }
}

TEST(UpdateTopPlayers, NamesFromAFileWithoutTheirEndAreReadWithinTheirField) {
    Table table;
    Fill(table, {{"A", 500}, {"B", 300}, {"C", 100}});
    std::memset(table[1].name, 'X', sizeof table[1].name); // no terminator: damaged save
    const std::string longName(40, 'X');
    UpdateTopPlayers(table, longName.c_str(), 400);
    EXPECT_EQ(table[1].money, 400);
    EXPECT_EQ(std::string(table[1].name), std::string(27, 'X'));
    EXPECT_EQ(table[2].money, 100);
}

} // namespace
