// The game's own random generator: the classic linear congruential rand with values 0..32767.
#pragma once

#include <cstdint>

constexpr int kRandMax = 32767;

// Seeded once at start-up, from the clock or from --seed; tests seed it themselves.
void SeedRand(uint32_t seed);

// Every draw of the game (fields, odds, the race, the announcer) comes from here.
int Rand();
