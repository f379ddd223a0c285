// What changes the horse files: the after-race update, the re-rating of every horse for a new
// series, and the starting horses of a new data folder.
#include "stable/horse_updates.h"

#include <cstring>
#include <string>

#include "platform/random.h"
#include "stable/horse_file.h"

namespace {

// Gains for places 1..4: half the time one rating (rand() % 8 below 4) gains this much.
constexpr float kPlaceGains[4] = {1.0f, 0.75f, 0.5f, 0.25f};
constexpr float kTailGain = 0.25f; // places 9 and 10 always gain, in one rating

constexpr int32_t kRatingBudget = 40;
constexpr float kRatingOffsets[kRatingCount] = {-15.0f, -10.0f, -5.0f, 0.0f};
constexpr float kLeastRating = 5.0f;
constexpr int kMaxNameLength = kNameLineLimit - 2; // room for "~" and the newline

void CountPlace(HorseRecord* runner) {
    switch (runner->finishPlace) {
    case 1:
        runner->wins += 1;
        break;
    case 2:
        runner->places += 1;
        break;
    case 3:
        runner->shows += 1;
        break;
    default:
        break;
    }
}

void GainByPlace(HorseRecord* runner) {
    const int32_t place = runner->finishPlace;
    if (place >= 1 && place <= 4) {
        const int index = Rand() % 8;
        if (index < kRatingCount) {
            runner->*kRatings[index] += kPlaceGains[place - 1];
        }
    } else if (place == 9 || place == 10) {
        runner->*kRatings[Rand() % kRatingCount] += kTailGain;
    }
}

void DrawRatings(HorseRecord* horse) {
    const int specialty = Rand() % kRatingCount + 1;
    int32_t budget = kRatingBudget;
    for (int draw = 0; draw < kRatingCount; ++draw) {
        float rating = static_cast<float>(Rand() % budget) + kRatingOffsets[draw];
        if (rating < kLeastRating) {
            rating = kLeastRating;
        }
        horse->*kRatings[(specialty - 1 + draw) % kRatingCount] = rating;
        budget = static_cast<int32_t>(budget - rating);
    }
    // Each draw leaves at least one point, so the four always sum to the budget.
    horse->*kRatings[Rand() % kRatingCount] += static_cast<float>(budget);
}

void DrawRecord(HorseRecord* horse) {
    horse->races = Rand() % 15 + 4;
    horse->wins = horse->places = horse->shows = 0;
    for (int32_t start = 0; start < horse->races; ++start) {
        const int32_t v = Rand() % horse->races + 1 - horse->wins - horse->places - horse->shows;
        if (v == 1) {
            horse->wins += 1;
        } else if (v == 2) {
            horse->places += 1;
        } else if (v == 3) {
            horse->shows += 1;
        }
    }
}

void AddExperience(HorseRecord* horse) {
    for (int32_t start = 0; start < horse->races; ++start) {
        float& rating = horse->*kRatings[Rand() % kRatingCount];
        switch (Rand() % 3) {
        case 0:
            rating += horse->wins * 1.0;
            break;
        case 1:
            rating += horse->places * 0.5;
            break;
        default:
            rating += horse->shows * 0.1;
            break;
        }
    }
}

bool IsGoodName(const char* name) {
    const size_t length = std::strlen(name);
    return length >= 1 && length <= kMaxNameLength && std::strpbrk(name, "~\r\n") == nullptr;
}

} // namespace

void UpdateHorseFiles() {
    for (HorseRecord& runner : raceField) {
        runner.races += 1;
        CountPlace(&runner);
        GainByPlace(&runner);
        if (runner.horseNumber != 0) {
            WriteHorseFile(HorseFilePath(runner.horseNumber), runner, false);
        }
    }
}

void RebuildHorseFiles() {
    for (HorseRecord& runner : raceField) {
        runner.horseNumber = 0;
        runner.races = runner.wins = runner.places = runner.shows = 0;
    }
    for (int number = 1; number <= kHorseCount; ++number) {
        HorseRecord horse;
        const std::string path = HorseFilePath(number);
        if (ReadHorseFile(path, &horse)) {
            RateNewHorse(&horse);
            WriteHorseFile(path, horse, true);
        }
    }
}

void RateNewHorse(HorseRecord* horse) {
    DrawRatings(horse);
    DrawRecord(horse);
    AddExperience(horse);
}

int WriteStartingHorseFiles(const char* folder, const char* const (&names)[kHorseCount]) {
    for (const char* name : names) {
        if (name == nullptr || !IsGoodName(name)) {
            return 0;
        }
    }
    int written = 1;
    for (int number = 1; number <= kHorseCount; ++number) {
        HorseRecord horse{};
        std::strncpy(horse.name, names[number - 1], sizeof horse.name - 1);
        RateNewHorse(&horse);
        const std::string path = std::string(folder) + "/" + std::to_string(number) + ".txt";
        written &= WriteHorseFile(path, horse, true);
    }
    return written;
}
