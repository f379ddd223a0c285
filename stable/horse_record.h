// The horse record and the race field: the ten runners of the current race.
#pragma once

#include <cstdint>

#include "core/stakes_entry.h" // kHorseCount

constexpr int kFieldSize = 10; // runners per race; slot i runs as program number i + 1
constexpr int kHorseNameSize = 28;
constexpr int kRatingCount = 4; // acceleration, speed, closing, endurance: file lines 2..5

// One runner. Every field starts at zero, so HorseRecord{} is the empty slot.
struct HorseRecord {
    char name[kHorseNameSize]; // NUL-terminated; at most 25 characters come from the file
    int32_t horseNumber;       // N of horses/N.txt, 0 = none
    int32_t finishPlace;       // running place 1..10, final once the horse has finished
    int32_t loaded;            // 1 once the slot holds a horse
    int32_t postNumber;        // program number 1..10
    int32_t phaseTimer;
    int32_t millDirection; // 1..4, the pre-race milling
    int32_t millCountdown; // frames to the next milling step
    int32_t races;         // career starts
    int32_t wins;
    int32_t places;
    int32_t shows;
    float acceleration;                          // the first race phase
    float speed;                                 // the middle race phase
    float closing;                               // the last race phase
    float endurance;                             // slows the decay of the working values
    float curAcceleration, curSpeed, curClosing; // working copies during a race
    float trackPos;
    int32_t laneFree;
    int32_t laneSpare; // only ever set to 0
    int32_t movingIn;
    int32_t moveSpare; // only ever set to 0

    void SetPostNumber(int n) { postNumber = n; }
};

// The four ratings by rating index, in file order.
constexpr float HorseRecord::*kRatings[kRatingCount] = {&HorseRecord::acceleration,
                                                        &HorseRecord::speed, &HorseRecord::closing,
                                                        &HorseRecord::endurance};
constexpr const char* kRatingNames[kRatingCount] = {"acceleration", "speed", "closing",
                                                    "endurance"};

// Whole run; ResetRaceField empties them.
extern HorseRecord raceField[kFieldSize];  // index = card row, program number - 1
extern int32_t horseUsed[kHorseCount + 1]; // by horse number 1..215: drawn for this field

// The horse's class: the integer mean of its places in the money.
int32_t HorseClass(const HorseRecord& horse);

void ResetRaceField();
