// The stakes series' fields: the ranking that fills round 1, and each race's entrants.
#include "stable/stakes_field.h"

#include <algorithm>
#include <cstdio>

#include "core/settings_file.h"
#include "platform/debug_log.h"
#include "platform/random.h"
#include "stable/horse_file.h"
#include "stable/stakes.h"

namespace {

bool IsHorseNumber(int32_t number) { return number >= 1 && number <= kHorseCount; }

bool InEntries(const StakesEntry* entries, int count, int32_t number) {
    return std::any_of(entries, entries + count,
                       [number](const StakesEntry& entry) { return entry.horseNumber == number; });
}

bool InField(int32_t number) {
    return std::any_of(raceField, raceField + kFieldSize, [number](const HorseRecord& runner) {
        return runner.loaded && runner.horseNumber == number;
    });
}

// The ranking's next horse from index next on that is not among the first 100 yet, or -1.
int NextNewcomer(int next) {
    for (; next < kHorseCount; ++next) {
        const int32_t number = stakesRanking[next].horseNumber;
        if (IsHorseNumber(number) && !InEntries(stakesEntries1, kRound1Entries, number)) {
            return next;
        }
    }
    return -1;
}

// A ranking kept from an earlier series can hold a horse twice; taking only newcomers means a
// replacement never brings in another duplicate nor reads past the ranking.
void RepairDuplicates() {
    int next = kRound1Entries;
    for (int i = 0; i < kRound1Entries; ++i) {
        for (int j = 0; j < kRound1Entries; ++j) {
            if (i == j || stakesEntries1[i].horseNumber != stakesEntries1[j].horseNumber) {
                continue;
            }
            bugLog.Write("Fixing duplicate STAKE ENTRIES...");
            next = NextNewcomer(next);
            if (next < 0) {
                bugLog.Write("No ranked horse left to replace a duplicate stakes entry");
                return;
            }
            stakesEntries1[j].rating = stakesRanking[next].rating;
            stakesEntries1[j].horseNumber = stakesRanking[next].horseNumber;
            next += 1;
            bugLog.Write("Duplicate stakes ENTRIES FIXED!");
        }
    }
}

int LoadIntoSlot(int slot, int32_t number) {
    HorseRecord horse;
    if (!ReadHorseFile(HorseFilePath(number), &horse)) {
        return 0;
    }
    horse.horseNumber = number;
    horse.loaded = 1;
    raceField[slot] = horse;
    return 1;
}

int LoadEntrant(int slot, int32_t number) {
    if (IsHorseNumber(number) && InField(number)) {
        char line[100];
        std::snprintf(line, sizeof line, "Stakes entrant #%i already runs in this race", number);
        bugLog.Write(line);
        return 0;
    }
    if (IsHorseNumber(number) && LoadIntoSlot(slot, number)) {
        return 1;
    }
    ShowHorseFileError(number);
    return 0;
}

bool TrySubstitute(int slot, int32_t number, const StakesEntry* table, int entries) {
    return IsHorseNumber(number) && !InField(number) && !InEntries(table, entries, number) &&
           LoadIntoSlot(slot, number);
}

// The best-ranked horse that can run and cannot qualify; any horse file once the ranking is
// used up (it may never have been filled).
int LoadSubstitute(int slot, int32_t missing, const StakesEntry* table, int entries) {
    bool found = false;
    for (int i = 0; i < kHorseCount && !found; ++i) {
        found = TrySubstitute(slot, stakesRanking[i].horseNumber, table, entries);
    }
    for (int32_t number = 1; number <= kHorseCount && !found; ++number) {
        found = TrySubstitute(slot, number, table, entries);
    }
    if (!found) {
        return 0;
    }
    char line[100];
    std::snprintf(line, sizeof line, "Horse #%i runs in place of stakes entrant #%i",
                  raceField[slot].horseNumber, missing);
    bugLog.Write(line);
    return 1;
}

} // namespace

void RankStakesEntries() {
    for (int32_t number = 1; number <= kHorseCount; ++number) {
        HorseRecord horse;
        if (ReadHorseFile(HorseFilePath(number), &horse)) {
            stakesRanking[number - 1] = {static_cast<float>(HorseClass(horse)), number};
        }
    }
    // Restarting the walk after every swap of a strictly better horse forward ends in exactly
    // the stable order, which a stable sort reaches without the quadratic walks.
    std::stable_sort(
        stakesRanking, stakesRanking + kHorseCount,
        [](const RankingEntry& a, const RankingEntry& b) { return a.rating > b.rating; });
    for (int i = 0; i < kRound1Entries; ++i) {
        stakesEntries1[i].rating = stakesRanking[i].rating;
        stakesEntries1[i].horseNumber = stakesRanking[i].horseNumber;
    }
    RepairDuplicates();
}

int BuildStakesField() {
    for (HorseRecord& runner : raceField) {
        runner = HorseRecord{};
    }
    if (stakesRound == 1 && stakesRace == 1) {
        RankStakesEntries();
    }
    StakesEntry* table = RoundTable(stakesRound);
    if (table == nullptr) {
        return 0;
    }
    const StakesRoundRule& rule = kStakesRoundRules[stakesRound];
    const int32_t race = std::clamp(stakesRace, 1, rule.races);
    int slot = Rand() % kFieldSize;
    for (int k = 0; k < kFieldSize; ++k) {
        StakesEntry& entry = table[k * rule.races + race - 1];
        while (raceField[slot].loaded) {
            slot = Rand() % kFieldSize;
        }
        if (LoadEntrant(slot, entry.horseNumber)) {
            continue;
        }
        if (!LoadSubstitute(slot, entry.horseNumber, table, rule.entries)) {
            return 0;
        }
        // The entry becomes the horse that runs, already out, so the table never saves back a
        // number that is no horse and the stand-in can never qualify.
        const HorseRecord& standIn = raceField[slot];
        entry = {static_cast<float>(HorseClass(standIn)), standIn.horseNumber, 1};
    }
    return 1;
}
