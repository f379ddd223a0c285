// Spoken clips through the espeak-ng command.
#include "assets/speech.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace {

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// espeak-ng writes 16-bit mono WAVE; anything else is refused.
bool ReadWave16(const std::string& path, std::vector<float>* samples, int* rate) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        return false;
    }
    int bits = 0, channels = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string tag(b.begin() + at, b.begin() + at + 4);
        const size_t size = Get32(b, at + 4);
        const size_t body = at + 8;
        if (tag == "fmt " && size >= 16 && body + 16 <= b.size()) {
            channels = b[body + 2] | b[body + 3] << 8;
            *rate = static_cast<int>(Get32(b, body + 4));
            bits = b[body + 14] | b[body + 15] << 8;
        } else if (tag == "data") {
            if (bits != 16 || channels != 1 || *rate <= 0) {
                return false;
            }
            const size_t end = std::min(b.size(), body + size);
            for (size_t i = body; i + 1 < end; i += 2) {
                samples->push_back(static_cast<int16_t>(b[i] | b[i + 1] << 8) / 32768.0f);
            }
            return !samples->empty();
        }
        at = body + size + size % 2;
    }
    return false;
}

bool RunEspeak(const std::string& text, const SpeechStyle& style, const std::string& out,
               std::string* error) {
    const std::string rate = std::to_string(style.wordsPerMinute);
    const std::string pitch = std::to_string(style.pitch);
    const std::string amp = std::to_string(style.amplitude);
    std::vector<std::string> args = {"espeak-ng", "-v", style.voice, "-s", rate, "-p",
                                     pitch,       "-a", amp,         "-w", out,  text};
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, argv.data(), environ) != 0) {
        *error = "cannot run espeak-ng (install the espeak-ng package)";
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *error = "espeak-ng failed on \"" + text + "\"";
        return false;
    }
    return true;
}

// Cuts the silence espeak-ng leaves at both ends.
void Trim(std::vector<float>* s) {
    float peak = 0;
    for (float v : *s) {
        peak = std::max(peak, std::fabs(v));
    }
    const float floor = peak * 0.02f;
    auto loud = [floor](float v) { return std::fabs(v) > floor; };
    const auto first = std::find_if(s->begin(), s->end(), loud);
    const auto last = std::find_if(s->rbegin(), s->rend(), loud).base();
    if (first < last) {
        *s = std::vector<float>(first, last);
    }
}

} // namespace

Clip Resample(const std::vector<float>& samples, int fromRate) {
    const double ratio = static_cast<double>(kSampleRate) / fromRate;
    const double cutoff = 3600.0 / fromRate; // cycles per input sample
    constexpr int kHalfWidth = 24, kTaps = 2 * kHalfWidth + 1, kPhases = 512;
    // The windowed-sinc kernel at each of kPhases fractional positions.
    std::vector<float> kernel(kPhases * kTaps);
    for (int p = 0; p < kPhases; ++p) {
        for (int j = 0; j < kTaps; ++j) {
            const double t = j - kHalfWidth - static_cast<double>(p) / kPhases;
            const double x = 2 * cutoff * t;
            const double sinc = std::fabs(x) < 1e-9 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
            const double window = 0.5 + 0.5 * std::cos(M_PI * t / (kHalfWidth + 1));
            kernel[p * kTaps + j] = static_cast<float>(2 * cutoff * sinc * window);
        }
    }
    const size_t n = static_cast<size_t>(samples.size() * ratio);
    const long size = static_cast<long>(samples.size());
    Clip out(n);
    for (size_t i = 0; i < n; ++i) {
        const double centre = i / ratio;
        const long whole = static_cast<long>(std::floor(centre));
        const int phase = static_cast<int>((centre - whole) * kPhases) % kPhases;
        const float* k = &kernel[phase * kTaps];
        float sum = 0;
        for (int j = 0; j < kTaps; ++j) {
            const long at = whole - kHalfWidth + j;
            if (at >= 0 && at < size) {
                sum += samples[at] * k[j];
            }
        }
        out[i] = sum;
    }
    return out;
}

bool Speak(const std::string& text, const SpeechStyle& style, Clip* clip, std::string* error) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("stridewell-speech-" + std::to_string(getpid()) + ".wav");
    if (!RunEspeak(text, style, file.string(), error)) {
        return false;
    }
    std::vector<float> samples;
    int rate = 0;
    const bool read = ReadWave16(file.string(), &samples, &rate);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (!read) {
        *error = "espeak-ng gave no speech for \"" + text + "\"";
        return false;
    }
    Trim(&samples);
    *clip = Resample(samples, rate);
    // Nothing below the loudspeakers' reach: no rumble, no DC offset.
    Biquad low = HighPass(70);
    for (float& s : *clip) {
        s = low.Run(s);
    }
    if (style.drive > 0) {
        // The loudspeakers pushed hard: a soft clip brings the quiet syllables up.
        const float peak = Peak(*clip);
        const float gain = 1.0f + 3.0f * style.drive;
        for (float& s : *clip) {
            s = std::tanh(s / peak * gain) / std::tanh(gain);
        }
    }
    FadeEnds(*clip, 0.004, 0.02);
    if (style.roomSize > 0) {
        Room(*clip, style.roomSize, style.roomWet);
    }
    TrimTail(*clip);
    return true;
}
