// The sound report, so the mix can be checked by anyone from the files the game plays.
#include "assets/sound_report.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "assets/sounds.h"
#include "platform/wave_file.h"

namespace {

double Db(double v) { return 20 * std::log10(std::max(v, 1e-9)); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Seconds of samples within half an 8-bit step of silence at one end.
double Silence(const Clip& clip, bool fromEnd) {
    size_t n = 0;
    while (n < clip.size() && std::fabs(clip[fromEnd ? clip.size() - 1 - n : n]) < 0.6f / 128) {
        ++n;
    }
    return static_cast<double>(n) / kSampleRate;
}

double WindowLevel(const Clip& clip, long from, long n) {
    const long size = static_cast<long>(clip.size());
    double sum = 0;
    for (long i = from; i < from + n; ++i) {
        const float s = clip[((i % size) + size) % size];
        sum += s * s;
    }
    return std::sqrt(sum / n);
}

} // namespace

Clip FromUnsigned8(const std::vector<uint8_t>& samples) {
    Clip clip(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        clip[i] = (samples[i] - 128) / 128.0f;
    }
    return clip;
}

ClipFigures MeasureClip(const Clip& clip, bool loops) {
    ClipFigures f{};
    f.seconds = static_cast<double>(clip.size()) / kSampleRate;
    f.peakDb = Db(Peak(clip));
    f.lufs = Loudness(clip);
    double sum = 0;
    for (float s : clip) {
        sum += s;
    }
    f.dcLsb = clip.empty() ? 0 : sum / clip.size() * 128;
    f.leadIn = Silence(clip, false);
    f.silentEnd = Silence(clip, true);
    const long window = Samples(0.005);
    if (loops && clip.size() > static_cast<size_t>(4 * window)) {
        std::vector<double> levels, steps;
        for (long at = 0; at + window <= static_cast<long>(clip.size()); at += window / 2) {
            levels.push_back(WindowLevel(clip, at, window));
        }
        for (size_t i = 1; i < clip.size(); ++i) {
            steps.push_back(std::fabs(clip[i] - clip[i - 1]));
        }
        std::sort(steps.begin(), steps.end());
        std::sort(levels.begin(), levels.end());
        f.seamDipDb = Db(WindowLevel(clip, -window / 2, window)) - Db(levels[levels.size() / 10]);
        const double typical = steps[steps.size() * 99 / 100];
        f.seamStep = std::fabs(clip.front() - clip.back()) / std::max(typical, 1e-9);
    }
    return f;
}

bool PrintSoundReport(const std::string& dir, FILE* out, std::string* error) {
    std::fprintf(out, "%-44s %-15s %7s %6s %7s %6s %6s %6s  %s\n", "clip", "family", "seconds",
                 "peak", "LUFS", "DC", "lead", "silent", "loop seam: dip dB, step");
    std::map<SoundFamily, std::vector<double>> loudness;
    double bugle = 0;
    for (const SoundClip& c : SoundClips()) {
        WaveClip wave{};
        if (ReadWaveFile((dir + "/" + c.file).c_str(), &wave) == 0) {
            *error = "cannot read " + dir + "/" + c.file;
            return false;
        }
        const ClipFigures f = MeasureClip(FromUnsigned8(wave.samples), c.loops);
        loudness[c.family].push_back(f.lufs);
        if (c.file == "sounds/postcall.wav") {
            bugle = f.lufs;
        }
        std::fprintf(out, "%-44s %-15s %7.2f %6.1f %7.1f %+6.2f %6.3f %6.3f", c.file.c_str(),
                     kSoundFamilyNames[static_cast<int>(c.family)], f.seconds, f.peakDb, f.lufs,
                     f.dcLsb, f.leadIn, f.silentEnd);
        if (c.loops) {
            std::fprintf(out, "  %+.1f, %.2f", f.seamDipDb, f.seamStep);
        }
        std::fprintf(out, "\n");
    }
    std::fprintf(out, "\n%-15s %5s %7s %7s %7s %8s\n", "family", "clips", "median", "lowest",
                 "highest", "spread");
    for (const auto& [family, values] : loudness) {
        const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
        const double median = Median(values);
        std::fprintf(out, "%-15s %5zu %7.1f %7.1f %7.1f %+4.1f/%+.1f LU\n",
                     kSoundFamilyNames[static_cast<int>(family)], values.size(), median, *lo, *hi,
                     *lo - median, *hi - median);
    }
    std::fprintf(out, "\nthe bugle against the post-time calls' median: %+.1f LU\n",
                 bugle - Median(loudness[SoundFamily::PostTimeCalls]));
    return true;
}
