// The game's own random generators: the classic linear congruential rand with values 0..32767.
#include "platform/random.h"

namespace {

// Whole run; ResetRandom puts them back.
uint32_t randState = 1;
uint32_t sceneRandState = 1;

int Step(uint32_t* state) {
    *state = *state * 214013u + 2531011u;
    return static_cast<int>((*state >> 16) & 0x7FFF);
}

} // namespace

void SeedRand(uint32_t seed) { randState = seed; }

void ResetRandom() { randState = sceneRandState = 1; }

int Rand() { return Step(&randState); }

void SeedSceneRand(uint32_t seed) { sceneRandState = seed; }

int SceneRand() { return Step(&sceneRandState); }
