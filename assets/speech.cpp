// Spoken clips through the flite and espeak-ng commands.
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

bool Run(std::vector<std::string> args, std::string* error) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        *error = "cannot run " + args[0] + " (install the " + args[0] + " package)";
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *error = args[0] + " failed on \"" + args.back() + "\"";
        return false;
    }
    return true;
}

// Runs the speech command into a temporary file and reads its samples back.
bool Synthesise(std::vector<std::string> args, std::vector<float>* samples, int* rate,
                std::string* error) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("stridewell-speech-" + std::to_string(getpid()) + ".wav");
    const std::string text = args.back();
    args.insert(args.begin() + 1, {args[0] == "flite" ? "-o" : "-w", file.string()});
    if (!Run(args, error)) {
        return false;
    }
    const bool read = ReadWave16(file.string(), samples, rate);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (!read) {
        *error = args[0] + " gave no speech for \"" + text + "\"";
    }
    return read;
}

// A peaking filter: `db` of lift around `hz`.
Biquad Presence(double hz, double q, double db) {
    const double a = std::pow(10.0, db / 40), w = 2 * M_PI * hz / kSampleRate;
    const double alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha / a;
    return {(1 + alpha * a) / a0,
            -2 * c / a0,
            (1 - alpha * a) / a0,
            -2 * c / a0,
            (1 - alpha / a) / a0,
            0,
            0,
            0,
            0};
}

// Light compression: above a threshold 20 dB under the peak the level grows by half as much.
void Compress(Clip& clip) {
    const float peak = Peak(clip);
    const double threshold = peak * 0.1, attack = std::exp(-1.0 / (0.005 * kSampleRate));
    const double release = std::exp(-1.0 / (0.08 * kSampleRate));
    double env = 0;
    for (float& s : clip) {
        const double a = std::fabs(s);
        env = a > env ? attack * env + (1 - attack) * a : release * env + (1 - release) * a;
        if (env > threshold) {
            s = static_cast<float>(s / std::sqrt(env / threshold));
        }
    }
}

void Filter(Clip& clip, Biquad filter) {
    for (float& s : clip) {
        s = filter.Run(s);
    }
}

// Cuts the silence the speech commands leave at both ends.
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
    // Close under the 4 kHz the rate allows: the hiss of "s" in "six" and "seven" lives at the
    // band's top (cut at 3.6 kHz, "seven" was heard as "ten").
    const double cutoff = 3800.0 / fromRate; // cycles per input sample
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

std::vector<std::string> FliteCommand(const std::string& text, const SpeechStyle& style) {
    char stretch[64];
    std::snprintf(stretch, sizeof stretch, "duration_stretch=%.3f", style.stretch);
    return {"flite", "-voice", style.voice, "--setf", stretch, "-t", text};
}

bool Speak(const std::string& text, const SpeechStyle& style, Clip* clip, std::string* error) {
    std::vector<float> samples;
    int rate = 0;
    if (!Synthesise(FliteCommand(text, style), &samples, &rate, error)) {
        return false;
    }
    Trim(&samples);
    // Read out faster than it was spoken, the voice rises with its pace.
    *clip = Resample(samples, static_cast<int>(std::lround(rate * style.raise)));
    // Shaped for the narrow band, each step kept for what it did to the words heard right:
    // nothing below the loudspeakers' reach (no rumble, no DC), the consonants lifted where
    // the band still carries them, the quiet syllables brought up a little. The old soft clip
    // and the stands' echo cost words, so the voice stays dry and clean.
    Filter(*clip, HighPass(70));
    Filter(*clip, Presence(3300, 0.9, 6));
    Compress(*clip);
    FadeEnds(*clip, 0.004, 0.02);
    TrimTail(*clip);
    return true;
}

bool SpeakShout(const std::string& text, const ShoutVoice& voice, Clip* clip, std::string* error) {
    std::vector<float> samples;
    int rate = 0;
    if (!Synthesise({"espeak-ng", "-v", voice.voice, "-s", std::to_string(voice.wordsPerMinute),
                     "-p", std::to_string(voice.pitch), "-a", std::to_string(voice.amplitude),
                     text},
                    &samples, &rate, error)) {
        return false;
    }
    Trim(&samples);
    *clip = Resample(samples, rate);
    // Pushed hard into the speakers: a soft clip brings the quiet syllables up.
    const float peak = Peak(*clip);
    const float gain = 1.0f + 3.0f * voice.drive;
    for (float& s : *clip) {
        s = std::tanh(s / peak * gain) / std::tanh(gain);
    }
    FadeEnds(*clip, 0.004, 0.02);
    return true;
}
