// Sound making for the data generator: clips as float samples at the game's 8000 Hz, simple
// oscillators, noise and filters, and the 8-bit WAVE writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kSampleRate = 8000;

using Clip = std::vector<float>; // mono, -1..1, kSampleRate samples a second

// The game's own clip format: RIFF/WAVE, a "fmt " chunk first (PCM, 1 channel, 8000 Hz,
// 8 bits, written with the 18-byte wave format), then "data". Samples are written at their
// own level (full scale is 1). Returns false when the file cannot be written.
bool WriteWave(const Clip& clip, const std::string& path);

int Samples(double seconds);

// A repeatable noise source.
struct Noise {
    uint32_t state;
    float Next(); // -1..1
};

// A two-pole filter (the usual audio cookbook forms), run over samples one at a time.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1, x2, y1, y2;
    float Run(float x);
};
Biquad LowPass(double hz, double q = 0.707);
Biquad HighPass(double hz, double q = 0.707);
Biquad BandPass(double hz, double q);

// Adds src into dst starting at sample `at` (growing dst as needed), times gain.
void MixInto(Clip& dst, const Clip& src, int at, float gain = 1.0f);
// The same with positions wrapped round dst's length, for clips that loop.
void MixWrapped(Clip& dst, const Clip& src, int at, float gain = 1.0f);

// Short fades at both ends so a clip starts and stops at silence.
void FadeEnds(Clip& clip, double inSeconds, double outSeconds);
// Folds the last `seconds` of a clip into its start with an equal-power crossfade and drops
// them, so the clip loops seamlessly and holds its level through the seam.
void LoopSeam(Clip& clip, double seconds);
// Adds everything past `length` into the clip's start and drops it: a loop made of notes or
// hits keeps their tails, wrapped round.
void FoldTail(Clip& clip, size_t length);
// Drops the quiet end of a clip (below a small share of its peak), fading out its last moment.
void TrimTail(Clip& clip);
void Scale(Clip& clip, float gain);
float Peak(const Clip& clip);

// Integrated loudness in LUFS: the broadcast K-weighting (high shelf and high-pass, their
// analogue prototypes brought to 8000 Hz by the bilinear transform) and gated 400 ms blocks
// every 100 ms; a clip shorter than a block is one block.
double Loudness(const Clip& clip);
// Brings the clip to `lufs`; peaks that would pass full scale go through a soft limiter.
void NormaliseLoudness(Clip& clip, double lufs);
// Takes the clip's mean away, so a loop has no DC offset and stays seamless.
void RemoveMean(Clip& clip);

// A tone of the given harmonics (amplitude of harmonic 1, 2, ...), skipping any above the
// band the game's rate can carry. freq may glide: freq * (1 + glide * (1 - t/len)).
Clip Tone(double hz, double seconds, const std::vector<double>& harmonics, double attack,
          double release, double vibratoHz = 0, double vibratoDepth = 0);

// Adds a short room: a few decaying echoes.
void Room(Clip& clip, double size, float wet);

// A note number (MIDI: 60 is middle C) as a frequency.
double NoteHz(double note);
