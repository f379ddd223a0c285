// A clip clock for the announcer: every announcer clip gets a slot and a length of its own, time
// runs in race frames, and every clip started is checked against the rules of the calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ClipClockReport {
    int64_t clips;                  // clips started
    int64_t violations;             // starts that broke a rule
    std::vector<std::string> first; // what the first few broke, and where
};

// Gives the announcer's families slots 0.. in place of the sound layer's and points the
// announcer at this clock; fps sets how many frames a second of clip lasts.
void InstallClipClock(int fps);

// Back to the sound layer: the announcer's clip slots are empty again.
void RemoveClipClock();

// A new race: the clips of the last one have long ended.
void StartClipRace();

// One race frame has passed.
void TickClipClock();

// What the clock saw since it was installed.
const ClipClockReport& ClipClockResult();
