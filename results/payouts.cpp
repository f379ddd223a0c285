// Prices and payouts at the fixed odds of the race card.
#include "results/payouts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "platform/random.h"
#include "stable/horse_record.h"
#include "stable/odds.h"

PlayerResult playerResults[kMaxPlayers] = {};

namespace {

constexpr int64_t kMostMoney = std::numeric_limits<int32_t>::max();

int32_t Capped(int64_t amount) {
    return static_cast<int32_t>(std::clamp<int64_t>(amount, 0, kMostMoney));
}

} // namespace

int32_t OddsFromCode(int runner) {
    return runner >= 0 && runner < kFieldSize ? fieldOdds.oddsCode[runner] - kOddsCodeOffset : 0;
}

double PayoutPrice(int runner, PayoutKind kind) {
    const double win = 2.0 * (OddsFromCode(runner) + 1);
    switch (kind) {
    case PayoutKind::Win:
        return win;
    case PayoutKind::Place:
        return win * 0.66;
    case PayoutKind::Show:
        return win * 0.66 * 0.75;
    }
    return 0.0;
}

int32_t BetWinnings(int32_t betType, int32_t stake, int32_t odds, int32_t place) {
    const int64_t s = stake;
    const int64_t o = odds;
    const int64_t back = s + o * s;
    switch (betType) {
    case kBetWin:
        return place == 1 ? Capped(back) : 0;
    case kBetPlace:
        return place == 1 || place == 2 ? Capped(static_cast<int64_t>(back * 0.75)) : 0;
    case kBetShow:
        if (place == 1 || place == 2) {
            return Capped(static_cast<int64_t>(back * 0.66));
        }
        // A show bet on the third horse is figured on the stake plus twice the odds.
        return place == 3 ? Capped(static_cast<int64_t>((s + 2 * o) * 0.66)) : 0;
    default:
        return 0;
    }
}

int32_t PlayerBetWinnings(const PlayerRecord& player) {
    const int runner = player.betRunner - 1;
    if (runner < 0 || runner >= kFieldSize) {
        return 0;
    }
    return BetWinnings(player.betType, player.betAmount, OddsFromCode(runner),
                       raceField[runner].finishPlace);
}

int32_t PayoutOf(int32_t winnings, int32_t stake) {
    return winnings == 0 ? 0 : Capped(int64_t{winnings} + stake);
}

int32_t PayoutFor(const PlayerRecord& player) {
    return PayoutOf(PlayerBetWinnings(player), player.betAmount);
}

void AddMoney(PlayerRecord& player, int32_t amount) {
    player.money = Capped(int64_t{player.money} + amount);
}

int SettleFinishingOrder() {
    std::array<int, kFieldSize> order{};
    for (int i = 0; i < kFieldSize; ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [](int a, int b) {
        return raceField[a].finishPlace < raceField[b].finishPlace;
    });
    // Each group of level runners is put in order by coin: the loser of each toss takes the
    // worst place left in the group.
    for (int start = 0; start < kFieldSize;) {
        int end = start + 1;
        while (end < kFieldSize &&
               raceField[order[end]].finishPlace == raceField[order[start]].finishPlace) {
            ++end;
        }
        for (int left = end - start; left >= 2; --left) {
            const int loser = start + Rand() % left;
            std::rotate(order.begin() + loser, order.begin() + loser + 1,
                        order.begin() + start + left);
        }
        start = end;
    }
    int changed = 0;
    for (int place = 1; place <= kFieldSize; ++place) {
        HorseRecord& runner = raceField[order[place - 1]];
        changed |= runner.finishPlace != place;
        runner.finishPlace = place;
    }
    return changed;
}

void ResetPlayerResults() {
    for (PlayerResult& result : playerResults) {
        result = {};
    }
}

int32_t RecordBetWinnings(int number, bool inPlay) {
    PlayerResult& result = playerResults[(number - 1) & 3];
    result.betWinnings = inPlay ? PlayerBetWinnings(Player(number)) : 0;
    return result.betWinnings;
}

int32_t RecordPayout(int number, bool inPlay) {
    PlayerResult& result = playerResults[(number - 1) & 3];
    result.payout = inPlay ? PayoutFor(Player(number)) : 0;
    return result.payout;
}
