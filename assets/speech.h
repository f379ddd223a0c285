// Spoken clips: lines read by the espeak-ng command and brought to the game's 8000 Hz.
#pragma once

#include <string>

#include "assets/synth.h"

// How a line is read: espeak-ng's voice, words a minute, pitch (0..99) and amplitude, and
// how hot the track's loudspeakers make it.
struct SpeechStyle {
    const char* voice;
    int wordsPerMinute;
    int pitch;
    int amplitude;
    double roomSize; // the echo of the stands; 0 for none
    float roomWet;
    float drive; // 0 clean, up to 1 pushed hard into the speakers
    double lift; // LU above or below the family's loudness: the excited calls are louder
};

inline constexpr SpeechStyle kCalmCall = {"en-us", 160, 42, 120, 1.6, 0.18f, 0.3f, -1};
inline constexpr SpeechStyle kMediumCall = {"en-us", 182, 52, 140, 1.6, 0.2f, 0.45f, 0};
inline constexpr SpeechStyle kExcitedCall = {"en-us", 210, 66, 170, 1.8, 0.22f, 0.65f, 1};
inline constexpr SpeechStyle kPublicAddress = {"en-us", 150, 40, 120, 2.4, 0.3f, 0.35f, 0};

// Reads a line into *clip; false, with *error saying why, when espeak-ng cannot be run or
// gives nothing.
bool Speak(const std::string& text, const SpeechStyle& style, Clip* clip, std::string* error);

// Brings 16-bit samples at any rate down to 8000 Hz with a band limit below 3.8 kHz.
Clip Resample(const std::vector<float>& samples, int fromRate);
