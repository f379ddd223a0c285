// The horse record and the race field: the ten runners of the current race.
#include "stable/horse_record.h"

HorseRecord raceField[kFieldSize] = {};
int32_t horseUsed[kHorseCount + 1] = {};

int32_t HorseClass(const HorseRecord& horse) {
    // Summed wide: counts come from files a player can edit.
    const int64_t inTheMoney = int64_t{horse.wins} + horse.places + horse.shows;
    return static_cast<int32_t>(inTheMoney / 3);
}

void ResetRaceField() {
    for (HorseRecord& runner : raceField) {
        runner = HorseRecord{};
    }
    for (int32_t& used : horseUsed) {
        used = 0;
    }
}
