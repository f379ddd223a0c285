// The frame clock: real milliseconds, or a virtual clock that advances a fixed step per frame.
#pragma once

#include <cstdint>

// The clock starts this far above zero, so that the first frame, whose elapsed time counts
// from zero, always measures a rate (as a clock counting from boot would).
constexpr uint32_t kClockStartMs = 10000;

// Called once at start-up. fixedFps 0 keeps real time; otherwise the clock is virtual and
// advances 1000 / fixedFps ms per presented frame, so a scripted run is the same on any machine.
void InitClock(int fixedFps);

// Milliseconds since the clock started, plus kClockStartMs.
uint32_t timeGetTime();

// Called by PresentFrame once per presented frame: advances the virtual clock.
void AdvanceFrameClock();

// Whether the clock is virtual (--fixed-fps).
bool ClockIsVirtual();

// The frame rate the virtual clock runs at, 0 for real time.
int ClockFixedFps();
