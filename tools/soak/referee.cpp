// The soak's referee: the game's invariants, checked while the autoplayer plays.
#include "tools/soak/referee.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>
#include <vector>

#include "core/settings_file.h"
#include "core/stakes_entry.h"
#include "platform/events.h"
#include "platform/file_bytes.h"
#include "raceday/race_day.h"
#include "results/payouts.h"
#include "stable/horse_file.h"
#include "tools/autoplay/autoplayer.h"

namespace {

// What the saved game is keyed on: a save is due whenever one of these moves.
struct SaveKey {
    int32_t day, month, year, round;
    bool operator==(const SaveKey&) const = default;
};

struct {
    int64_t ledger[kMaxPlayers];  // start money less stakes plus payouts
    int64_t pending[kMaxPlayers]; // the ledger once the race on the results is paid
    bool shown;                   // this race's results were checked
    bool keyed;
    SaveKey key;
    std::vector<uint8_t> savedFile; // settings.stn as last seen
    int dayLimit;
    SoakCount count;
    std::string failure;
} referee;

SaveKey CurrentKey() { return {currentDay, currentMonth, currentYear, stakesRound}; }

// Records the first broken invariant and closes the game: nothing after it can be trusted.
void Fail(const char* format, ...) {
    if (!referee.failure.empty()) {
        return;
    }
    char what[400];
    va_list args;
    va_start(args, format);
    std::vsnprintf(what, sizeof what, format, args);
    va_end(args);
    char where[120];
    std::snprintf(where, sizeof where,
                  "race %i (day %i, month %i, %i, race %i of the day): ", referee.count.races + 1,
                  currentDay, currentMonth, currentYear, raceOfDay);
    referee.failure = std::string(where) + what;
    CloseGameWindow();
}

const StakesEntry* RoundTable(int round, int* entries) {
    const StakesEntry* tables[] = {nullptr, stakesEntries1, stakesEntries2, stakesEntries3,
                                   stakesEntries4};
    *entries = kStakesRoundRules[round].entries;
    return tables[round];
}

void CheckField() {
    std::set<int32_t> numbers;
    std::set<int32_t> places;
    for (const HorseRecord& runner : raceField) {
        if (runner.horseNumber < 1 || runner.horseNumber > kHorseCount || !runner.loaded) {
            return Fail("a runner is horse #%i", runner.horseNumber);
        }
        numbers.insert(runner.horseNumber);
        places.insert(runner.finishPlace);
    }
    if (numbers.size() != kFieldSize) {
        return Fail("%zu distinct horses in a field of ten", numbers.size());
    }
    if (places.size() != kFieldSize || *places.begin() != 1 || *places.rbegin() != kFieldSize) {
        return Fail("the finishing places are not 1 to 10");
    }
    if (stakesRound < 1 || stakesRound > kStakesRounds) {
        return;
    }
    int entries = 0;
    const StakesEntry* table = RoundTable(stakesRound, &entries);
    std::set<int32_t> entrants;
    for (int i = 0; i < entries; ++i) {
        if (table[i].horseNumber >= 1 && table[i].horseNumber <= kHorseCount) {
            entrants.insert(table[i].horseNumber);
        }
    }
    if (static_cast<int>(entrants.size()) != entries) {
        return Fail("stakes round %i holds %zu distinct entrants, not %i", stakesRound,
                    entrants.size(), entries);
    }
    for (const HorseRecord& runner : raceField) {
        if (!entrants.count(runner.horseNumber)) {
            return Fail("horse #%i runs in stakes round %i without an entry", runner.horseNumber,
                        stakesRound);
        }
    }
}

// Whether the bet's runner finished where the bet's kind pays.
bool BetComesIn(const PlayerRecord& player) {
    if (player.betRunner < 1 || player.betRunner > kFieldSize) {
        return false;
    }
    return raceField[player.betRunner - 1].finishPlace <= -player.betType;
}

void CheckBets() {
    for (int p = 1; p <= numPlayers; ++p) {
        const PlayerRecord& player = Player(p);
        const bool on = BetIsOnCurrentRace(player);
        const int64_t stake = on ? player.betAmount : 0;
        if (stake < 0 || player.money < 0) {
            return Fail("player %i has $%i with $%lli at stake", p, player.money,
                        static_cast<long long>(stake));
        }
        if (player.money != referee.ledger[p - 1] - stake) {
            return Fail("player %i has $%i at the results; $%lli less the $%lli stake is $%lli", p,
                        player.money, static_cast<long long>(referee.ledger[p - 1]),
                        static_cast<long long>(stake),
                        static_cast<long long>(referee.ledger[p - 1] - stake));
        }
        const int64_t due = on ? PayoutFor(player) : 0;
        if (on && (due > 0) != BetComesIn(player)) {
            return Fail("player %i's bet on #%i (kind %i) pays $%lli, wrongly", p, player.betRunner,
                        player.betType, static_cast<long long>(due));
        }
        referee.pending[p - 1] =
            std::min<int64_t>(player.money + due, std::numeric_limits<int32_t>::max());
        referee.count.bets += on ? 1 : 0;
    }
}

void CheckMoney() {
    // An end-of-day Restart puts everyone back at the start money, after the race is paid.
    bool restarted = AutoplaySoFar().answeredRestart;
    for (const PlayerRecord& player : raceDay.players) {
        restarted &= player.money == kStartingMoney;
    }
    for (int p = 1; p <= numPlayers; ++p) {
        const int64_t expected = restarted ? kStartingMoney : referee.pending[p - 1];
        if (Player(p).money != expected) {
            return Fail("player %i has $%i after the payout, not $%lli", p, Player(p).money,
                        static_cast<long long>(expected));
        }
        referee.ledger[p - 1] = expected;
    }
}

// Every horse file must be one the game wrote whole: read back and written again, the same
// bytes (with or without the last newline), so no value was outside its limits.
void CheckHorseFiles() {
    for (int number = 1; number <= kHorseCount; ++number) {
        const std::string path = HorseFilePath(number);
        const std::vector<uint8_t> bytes = ReadFileBytes(path.c_str(), 4096);
        const std::string text(bytes.begin(), bytes.end());
        HorseRecord horse{};
        if (text.empty() || !ReadHorseFromMemory(text.data(), text.size(), path, &horse)) {
            return Fail("%s cannot be read back", path.c_str());
        }
        if (horse.name[0] == '\0' ||
            (text != FormatHorseFile(horse, true) && text != FormatHorseFile(horse, false))) {
            return Fail("%s does not read back within its limits", path.c_str());
        }
    }
}

void CheckSavedGame(bool saveDue) {
    const std::vector<uint8_t> file = ReadFileBytes("settings.stn", kMaxSettingsFileSize);
    if (saveDue && file != EncodeSettingsFile(settingsBlock)) {
        return Fail("settings.stn does not read back to the game's values");
    }
    if (!saveDue && file != referee.savedFile) {
        return Fail("settings.stn changed without a save being due");
    }
    referee.savedFile = file;
}

} // namespace

void StartReferee() {
    const int dayLimit = referee.dayLimit;
    referee = {};
    referee.dayLimit = dayLimit;
    std::fill(std::begin(referee.ledger), std::end(referee.ledger), kStartingMoney);
}

void RefereeResultsShown() {
    if (!referee.keyed) {
        referee.keyed = true;
        referee.key = CurrentKey();
        referee.savedFile = ReadFileBytes("settings.stn", kMaxSettingsFileSize);
    }
    referee.shown = true;
    CheckField();
    CheckBets();
}

void RefereeRaceLeft() {
    if (!referee.shown) {
        return Fail("the results were left before they were shown");
    }
    referee.shown = false;
    CheckMoney();
    CheckHorseFiles();
    const SaveKey now = CurrentKey();
    const bool dayEnded = now.day != referee.key.day || now.month != referee.key.month ||
                          now.year != referee.key.year;
    CheckSavedGame(!(now == referee.key));
    referee.count.days += dayEnded ? 1 : 0;
    referee.count.series += referee.key.round == kStakesRounds && now.round != kStakesRounds;
    referee.key = now;
    referee.count.races += 1;
    if (referee.dayLimit > 0 && referee.count.days >= referee.dayLimit) {
        CloseGameWindow();
    }
}

void RefereeGameEnded() {
    if (referee.failure.empty() && referee.keyed) {
        CheckSavedGame(true);
    }
}

void SetRefereeDayLimit(int days) { referee.dayLimit = days; }

const std::string& RefereeFailure() { return referee.failure; }
const SoakCount& RefereeCount() { return referee.count; }
