// The frame clock: real milliseconds, or a virtual clock that advances a fixed step per frame.
#include "platform/clock.h"

#include <SDL.h>

namespace {
struct {
    int fixedFps = 0;
    double virtualMs = kClockStartMs; // kept exactly in a double, read as whole milliseconds
} clock;                              // whole run; InitClock puts it back
} // namespace

void InitClock(int fixedFps) {
    clock.fixedFps = fixedFps > 0 ? fixedFps : 0;
    clock.virtualMs = kClockStartMs;
}

uint32_t timeGetTime() {
    if (clock.fixedFps > 0) {
        return static_cast<uint32_t>(clock.virtualMs);
    }
    return SDL_GetTicks() + kClockStartMs;
}

void AdvanceFrameClock() {
    if (clock.fixedFps > 0) {
        clock.virtualMs += 1000.0 / clock.fixedFps;
    }
}

bool ClockIsVirtual() { return clock.fixedFps > 0; }

int ClockFixedFps() { return clock.fixedFps; }
