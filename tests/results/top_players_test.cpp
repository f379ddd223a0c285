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

void Fill(Table& table, std::vector<std::pair<const char*, int>> entries) {
    for (int i = 0; i < kTopPlayerCount; ++i) {
        table[i] = {};
        std::snprintf(table[i].name, sizeof table[i].name, "%s", entries[i].first);
        table[i].money = entries[i].second;
    }
}

using Want = std::vector<std::pair<std::string, int>>;

TEST(UpdateTopPlayers, ANewcomerTakesItsPlaceBelowEqualMoney) {
    Table table;
    Fill(table, {{"A", 500}, {"B", 300}, {"C", 100}});
    UpdateTopPlayers(table, "D", 400);
    EXPECT_EQ(Entries(table), (Want{{"A", 500}, {"D", 400}, {"B", 300}}));
    Fill(table, {{"A", 500}, {"B", 500}, {"C", 100}});
    UpdateTopPlayers(table, "D", 600);
    EXPECT_EQ(Entries(table), (Want{{"D", 600}, {"A", 500}, {"B", 500}}));
    UpdateTopPlayers(table, "E", 500); // equal money never displaces
    EXPECT_EQ(Entries(table), (Want{{"D", 600}, {"A", 500}, {"B", 500}}));
}

TEST(UpdateTopPlayers, AListedPlayerMovingUpHoldsOneEntry) {
    Table table;
    Fill(table, {{"A", 500}, {"B", 300}, {"C", 100}});
    UpdateTopPlayers(table, "C", 600);
    EXPECT_EQ(Entries(table), (Want{{"C", 600}, {"A", 500}, {"B", 300}}));
    Fill(table, {{"A", 500}, {"P", 300}, {"B", 100}});
    UpdateTopPlayers(table, "P", 400);
    EXPECT_EQ(Entries(table), (Want{{"A", 500}, {"P", 400}, {"B", 100}}));
    Fill(table, {{"P", 100}, {"A", 50}, {"B", 30}});
    UpdateTopPlayers(table, "P", 200);
    EXPECT_EQ(Entries(table), (Want{{"P", 200}, {"A", 50}, {"B", 30}}));
}

TEST(UpdateTopPlayers, ALowerFigureForAListedPlayerChangesNothing) {
    Table table;
    Fill(table, {{"P", 500}, {"A", 300}, {"B", 100}});
    UpdateTopPlayers(table, "P", 200);
    EXPECT_EQ(Entries(table), (Want{{"P", 500}, {"A", 300}, {"B", 100}}));
}

TEST(UpdateTopPlayers, AnEmptyTableFillsInOrder) {
    Table table = {};
    UpdateTopPlayers(table, "Ann", 900);
    UpdateTopPlayers(table, "Bo", 1200);
    UpdateTopPlayers(table, "Cy", 50);
    UpdateTopPlayers(table, "Di", 0); // nothing to enter
    EXPECT_EQ(Entries(table), (Want{{"Bo", 1200}, {"Ann", 900}, {"Cy", 50}}));
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
