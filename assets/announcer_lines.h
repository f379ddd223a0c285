// How the announcer and the track's loudspeakers speak: every spoken clip family's file and
// voice. The words are the game's own (raceday/announcer_words.h), which it also captions.
#pragma once

#include "assets/speech.h"

// A family of clips that names a runner: one file per program number 1..10, "%i" in the
// file name standing for it.
struct RunnerFamily {
    const char* file;
    const SpeechStyle* style;
};

inline constexpr RunnerFamily kRunnerFamilies[] = {
    {"stretch%i.wav", &kExcitedCall},     {"%iUpFront_calm.wav", &kCalmCall},
    {"%iUpFront_med.wav", &kMediumCall},  {"%iUpFront_ex.wav", &kExcitedCall},
    {"%iUpFront_ex2.wav", &kExcitedCall}, {"%iUpFront_ex3.wav", &kExcitedCall},
    {"%iUpFront_med2.wav", &kMediumCall}, {"%iUpFront_med3.wav", &kMediumCall},
    {"%iincommand_calm.wav", &kCalmCall}, {"%istruggling.wav", &kCalmCall},
    {"%istruggling2.wav", &kMediumCall},  {"%igoodstart.wav", &kMediumCall},
    {"%ibadstart.wav", &kMediumCall},
};
static_assert(sizeof(kRunnerFamilies) / sizeof(kRunnerFamilies[0]) == 13);

// A family of numbered lines that name no runner: "%i" in the file name counts from 1.
struct LineFamily {
    const char* file;
    const SpeechStyle* style;
    int count;
};

inline constexpr LineFamily kLineFamilies[] = {
    {"theiroff%i.wav", &kExcitedCall, 7},    {"generic_phrase%i.wav", &kCalmCall, 10},
    {"generic_calm%i.wav", &kCalmCall, 30},  {"generic_med%i.wav", &kMediumCall, 30},
    {"generic_ex%i.wav", &kExcitedCall, 30},
};

// The crowd's shouts in the stretch, each voice its own pitch and pace.
struct Shout {
    const char* line;
    ShoutVoice voice;
    double at; // seconds into the clip
};

inline constexpr Shout kComeOnShouts[] = {
    {"Come on!", {"en-us", 230, 30, 180, 0.5f}, 0.0},
    {"Come on, come on!", {"en-gb", 250, 60, 170, 0.5f}, 0.25},
    {"Go on!", {"en-us", 220, 80, 160, 0.4f}, 0.55},
    {"Come on, my beauty!", {"en-gb-scotland", 240, 45, 170, 0.5f}, 0.8},
    {"Go, go, go!", {"en-us", 260, 70, 170, 0.5f}, 1.1},
    {"Come on!", {"en-029", 220, 50, 180, 0.5f}, 1.4},
};
