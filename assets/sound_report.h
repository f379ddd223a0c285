// The sound report: every clip's length, peak, loudness, DC offset and loop seam, read from a
// data folder, and each family's loudness spread.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/synth.h"

// The 8-bit samples as the game plays them, full scale 1.
Clip FromUnsigned8(const std::vector<uint8_t>& samples);

struct ClipFigures {
    double seconds;
    double peakDb;    // dBFS
    double lufs;      // integrated loudness
    double dcLsb;     // mean offset from the silent level, in 8-bit steps
    double leadIn;    // seconds of silence before the first sound
    double silentEnd; // seconds of silence after the last
    // Loops only: the level of the 5 ms round the seam against the quietest tenth of the clip's
    // 5 ms windows, in dB (a hole shows far below 0), and the step across the seam against the
    // clip's 99th-percentile step (above 1, a click).
    double seamDipDb;
    double seamStep;
};

ClipFigures MeasureClip(const Clip& clip, bool loops);

// Prints the report of the clips under dir; false, with *error, when a clip cannot be read.
bool PrintSoundReport(const std::string& dir, FILE* out, std::string* error);
