// The game's own random generator: the classic linear congruential rand with values 0..32767.
#include "platform/random.h"

namespace {
uint32_t randState = 1; // whole run; SeedRand puts it back
}

void SeedRand(uint32_t seed) { randState = seed; }

int Rand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7FFF);
}
