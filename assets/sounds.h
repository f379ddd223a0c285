// Every clip of the game: synthesised effects and music, and lines spoken by flite, all
// written as 8-bit mono WAVE files at 8000 Hz.
#pragma once

#include <string>
#include <vector>

// The families a clip is mixed with: each family is brought to one loudness.
enum class SoundFamily { Announcer, PostTimeCalls, Effects, Music };
inline constexpr const char* kSoundFamilyNames[] = {"announcer", "post-time calls", "effects",
                                                    "music"};

struct SoundClip {
    std::string file; // relative to the data folder ("sounds/click1.wav", ...)
    SoundFamily family;
    bool loops; // played again as soon as it ends, so its end must flow into its start
};

// Every clip the generator writes.
std::vector<SoundClip> SoundClips();

// Every spoken clip's path and words, then how it is spoken: how much faster its speech is
// read out, and the flite command that speaks it, one tab-separated line each.
std::string SpokenLines();

// The clips' paths relative to the data folder.
std::vector<std::string> SoundFiles();

// Writes every clip under dir; returns how many were written, with *error set when one
// could not be made.
int WriteSounds(const std::string& dir, std::string* error);
