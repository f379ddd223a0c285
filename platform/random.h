// The game's own random generators: the classic linear congruential rand with values 0..32767.
#pragma once

#include <cstdint>

constexpr int kRandMax = 32767;

// Seeded once at start-up, from the clock or from --seed; tests seed it themselves.
void SeedRand(uint32_t seed);

// Both generators back at their start-of-run seed, 1.
void ResetRandom();

// Every draw that shapes the game (fields, odds, the race itself) comes from here.
int Rand();

// The scenery's own generator, same formula: the announcer's wording and the trees. Its draws
// depend on whether clips still play, so keeping them off Rand keeps a seeded race the same
// with sound, announcing or trees on or off. Seeded by StartRace with one Rand draw.
void SeedSceneRand(uint32_t seed);
int SceneRand();
