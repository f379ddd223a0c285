// Spoken clips: the announcer read by flite, the crowd by espeak-ng, brought to the game's
// 8000 Hz.
#pragma once

#include <string>
#include <vector>

#include "assets/synth.h"

// How the announcer reads a line: flite's voice, its pace (flite's duration stretch, 1 as the
// voice speaks) and how far the voice is raised (pitch and pace together, 1 as it is), and how
// far the clip sits above or below its family's loudness.
struct SpeechStyle {
    const char* voice;
    double stretch;
    double raise;
    double lift; // LU: the excited calls are louder
};

// The excitement rises in pace, pitch and level from calm to excited.
inline constexpr SpeechStyle kCalmCall = {"awb", 1.16, 1.0, -1};
inline constexpr SpeechStyle kMediumCall = {"awb", 1.02, 1.025, 0};
inline constexpr SpeechStyle kExcitedCall = {"awb", 0.88, 1.06, 1};
inline constexpr SpeechStyle kPublicAddress = {"awb", 1.23, 0.995, 0};

// The flite command that reads a line in a style, to which the caller adds where its 16 kHz
// speech goes.
std::vector<std::string> FliteCommand(const std::string& text, const SpeechStyle& style);

// Reads a line into *clip, shaped for the game's narrow band; false, with *error saying why,
// when flite cannot be run or gives nothing.
bool Speak(const std::string& text, const SpeechStyle& style, Clip* clip, std::string* error);

// One voice of the crowd: espeak-ng's voice, words a minute, pitch (0..99), amplitude, and how
// hard it is pushed into the speakers (0 clean, up to 1).
struct ShoutVoice {
    const char* voice;
    int wordsPerMinute;
    int pitch;
    int amplitude;
    float drive;
};

// A shout of the crowd, spoken by espeak-ng; false, with *error, when it cannot be run.
bool SpeakShout(const std::string& text, const ShoutVoice& voice, Clip* clip, std::string* error);

// Brings 16-bit samples at any rate down to 8000 Hz, band-limited at 3.8 kHz.
Clip Resample(const std::vector<float>& samples, int fromRate);
