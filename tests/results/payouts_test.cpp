// Prices, returns and payouts worked out by hand, and dead heats settled once.
#include "results/payouts.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>

#include "platform/random.h"
#include "stable/odds.h"

namespace {

TEST(PayoutPrice, IsTwiceTheOddsPlusOneWithPlaceAndShowBelow) {
    const struct {
        int32_t code;
        const char* win;
        const char* place;
        const char* show;
    } kPrices[] = {{399, "6.00", "3.96", "2.97"},
                   {400, "8.00", "5.28", "3.96"},
                   {443, "94.00", "62.04", "46.53"},
                   {447, "102.00", "67.32", "50.49"}};
    const auto shown = [](PayoutKind kind) {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", PayoutPrice(0, kind));
        return std::string(text);
    };
    for (const auto& price : kPrices) {
        fieldOdds.oddsCode[0] = price.code;
        EXPECT_EQ(shown(PayoutKind::Win), price.win);
        EXPECT_EQ(shown(PayoutKind::Place), price.place);
        EXPECT_EQ(shown(PayoutKind::Show), price.show);
    }
}

struct Case {
    int32_t type, odds, stake, place, shown, paid;
};

// Returns worked out by hand from the rules: Win s + o*s on first; Place (s + o*s) * 0.75 on
// first or second; Show (s + o*s) * 0.66 on first or second, (s + 2o) * 0.66 on third.
const Case kReturns[] = {
    {kBetWin, 3, 2, 1, 8, 10},         {kBetWin, 3, 2, 2, 0, 0},
    {kBetWin, 46, 7, 1, 329, 336},     {kBetWin, 46, 7, 4, 0, 0},
    {kBetPlace, 3, 2, 1, 6, 8},        {kBetPlace, 3, 7, 2, 21, 28},
    {kBetPlace, 46, 2, 2, 70, 72},     {kBetPlace, 46, 7, 3, 0, 0},
    {kBetShow, 3, 7, 1, 18, 25},       {kBetShow, 3, 7, 2, 18, 25},
    {kBetShow, 3, 7, 3, 8, 15},        {kBetShow, 3, 2, 3, 5, 7},
    {kBetShow, 46, 7, 3, 65, 72},      {kBetShow, 46, 1000, 4, 0, 0},
    {kBetWin, 3, 1000, 1, 4000, 5000}, {kBetPlace, 46, 1000, 1, 35250, 36250},
    {kBetShow, 5, 10, 3, 13, 23},      {kBetPlace, 5, 10, 1, 45, 55},
    {kBetWin, 2, 2, 1, 6, 8},
};

TEST(PlayerBetWinnings, MatchTheReturnsWorkedByHand) {
    for (const Case& c : kReturns) {
        fieldOdds.oddsCode[4] = kOddsCodeOffset + c.odds;
        raceField[4].finishPlace = c.place;
        PlayerRecord player{};
        player.betRunner = 5;
        player.betType = c.type;
        player.betAmount = c.stake;
        EXPECT_EQ(PlayerBetWinnings(player), c.shown)
            << c.type << " at " << c.odds << "-1, $" << c.stake << ", place " << c.place;
        EXPECT_EQ(PayoutFor(player), c.paid) << c.type << " at " << c.odds << "-1";
    }
}

TEST(PlayerBetWinnings, AStakesDayFortuneStopsAtTheLargestAmountMoneyHolds) {
    fieldOdds.oddsCode[0] = kOddsCodeOffset + 46;
    raceField[0].finishPlace = 1;
    PlayerRecord player{};
    player.betRunner = 1;
    player.betType = kBetWin;
    player.betAmount = 2000000000;
    player.money = 5;
    EXPECT_EQ(PlayerBetWinnings(player), 2147483647);
    AddMoney(player, PayoutFor(player));
    EXPECT_EQ(player.money, 2147483647);
    AddMoney(player, 100);
    EXPECT_EQ(player.money, 2147483647);
}

void Places(std::initializer_list<int32_t> places) {
    int slot = 0;
    for (int32_t place : places) {
        raceField[slot++].finishPlace = place;
    }
}

std::vector<int32_t> Places() {
    std::vector<int32_t> places;
    for (const HorseRecord& runner : raceField) {
        places.push_back(runner.finishPlace);
    }
    return places;
}

bool IsPermutation(const std::vector<int32_t>& places) {
    const std::set<int32_t> seen(places.begin(), places.end());
    return seen.size() == 10 && *seen.begin() == 1 && *seen.rbegin() == 10;
}

TEST(SettleFinishingOrder, APairAtAnyPlaceBecomesTwoPlacesAndStaysSo) {
    for (int shared = 1; shared <= 9; ++shared) {
        for (uint32_t seed : {1u, 2u}) {
            SeedRand(seed);
            // Runners 0..9 in order, except that runners 3 and 6 share `shared` and the place
            // above or below it is empty.
            std::vector<int32_t> places = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
            places.erase(std::find(places.begin(), places.end(), shared));
            std::vector<int32_t> field(10);
            for (int i = 0, k = 0; i < 10; ++i) {
                field[i] = i == 3 || i == 6 ? shared : places[k++];
            }
            for (int i = 0; i < 10; ++i) {
                raceField[i].finishPlace = field[i];
            }
            SettleFinishingOrder();
            const std::vector<int32_t> settled = Places();
            EXPECT_TRUE(IsPermutation(settled)) << shared;
            EXPECT_EQ(std::min(settled[3], settled[6]),
                      std::count_if(field.begin(), field.end(), [&](int32_t p) {
                          return p < shared;
                      }) + 1);
            EXPECT_EQ(SettleFinishingOrder(), 0) << "settled once, unchanged after";
            EXPECT_EQ(Places(), settled);
        }
    }
}

TEST(SettleFinishingOrder, TheCoinDecidesEitherWayAndATripleAndAGapEndAsOneToTen) {
    std::set<int32_t> winners;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRand(seed);
        Places({1, 1, 2, 3, 4, 5, 6, 7, 8, 9}); // runners 1 and 2 level in front
        SettleFinishingOrder();
        EXPECT_EQ(raceField[2].finishPlace, 3); // the one at 2 drops behind the pair
        winners.insert(raceField[0].finishPlace == 1 ? 0 : 1);
    }
    EXPECT_EQ(winners.size(), 2u);

    Places({1, 3, 3, 3, 5, 6, 7, 8, 9, 10}); // place 2 and 4 empty
    SettleFinishingOrder();
    EXPECT_TRUE(IsPermutation(Places()));
    EXPECT_EQ(raceField[0].finishPlace, 1);
    EXPECT_EQ(raceField[4].finishPlace, 5);
}

} // namespace
