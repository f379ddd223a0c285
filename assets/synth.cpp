// Sound making for the data generator: oscillators, noise, filters and the WAVE writer.
#include "assets/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

Biquad Make(double b0, double b1, double b2, double a0, double a1, double a2) {
    return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0, 0, 0, 0, 0};
}

} // namespace

int Samples(double seconds) { return static_cast<int>(seconds * kSampleRate + 0.5); }

float Noise::Next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<int32_t>(state)) / 2147483648.0f;
}

float Biquad::Run(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
}

Biquad LowPass(double hz, double q) {
    const double w = 2 * M_PI * hz / kSampleRate, a = std::sin(w) / (2 * q), c = std::cos(w);
    return Make((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad HighPass(double hz, double q) {
    const double w = 2 * M_PI * hz / kSampleRate, a = std::sin(w) / (2 * q), c = std::cos(w);
    return Make((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

Biquad BandPass(double hz, double q) {
    const double w = 2 * M_PI * hz / kSampleRate, a = std::sin(w) / (2 * q), c = std::cos(w);
    return Make(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

bool WriteWave(const Clip& clip, const std::string& path, float peak) {
    const float loudest = Peak(clip);
    const float gain = loudest > 0 ? peak / loudest : 0;
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<uint32_t>(4 + 8 + 18 + 8 + clip.size() + clip.size() % 2));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 18);
    Put16(out, 1);           // PCM
    Put16(out, 1);           // mono
    Put32(out, kSampleRate); // samples a second
    Put32(out, kSampleRate); // bytes a second
    Put16(out, 1);           // block align
    Put16(out, 8);           // bits a sample
    Put16(out, 0);           // no extra format bytes
    PutTag(out, "data");
    Put32(out, static_cast<uint32_t>(clip.size()));
    for (float s : clip) {
        const float v = std::clamp(s * gain, -1.0f, 1.0f);
        out.push_back(static_cast<uint8_t>(std::lround(128 + v * 127)));
    }
    if (clip.size() % 2 != 0) {
        out.push_back(128); // chunks keep an even length
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

void MixInto(Clip& dst, const Clip& src, int at, float gain) {
    if (at < 0) {
        return;
    }
    if (dst.size() < at + src.size()) {
        dst.resize(at + src.size(), 0.0f);
    }
    for (size_t i = 0; i < src.size(); ++i) {
        dst[at + i] += src[i] * gain;
    }
}

void MixWrapped(Clip& dst, const Clip& src, int at, float gain) {
    const long n = static_cast<long>(dst.size());
    for (size_t i = 0; i < src.size(); ++i) {
        dst[((at + static_cast<long>(i)) % n + n) % n] += src[i] * gain;
    }
}

void FadeEnds(Clip& clip, double inSeconds, double outSeconds) {
    const int in = std::min<int>(Samples(inSeconds), static_cast<int>(clip.size()));
    const int out = std::min<int>(Samples(outSeconds), static_cast<int>(clip.size()));
    for (int i = 0; i < in; ++i) {
        clip[i] *= static_cast<float>(i) / in;
    }
    for (int i = 0; i < out; ++i) {
        clip[clip.size() - 1 - i] *= static_cast<float>(i) / out;
    }
}

void LoopSeam(Clip& clip, double seconds) {
    const int n = Samples(seconds);
    if (n <= 0 || clip.size() <= static_cast<size_t>(2 * n)) {
        return;
    }
    const size_t tail = clip.size() - n;
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / n;
        clip[i] = clip[i] * t + clip[tail + i] * (1 - t);
    }
    clip.resize(tail);
}

void TrimTail(Clip& clip) {
    const float floor = Peak(clip) * 0.01f;
    size_t end = clip.size();
    while (end > 0 && std::fabs(clip[end - 1]) < floor) {
        --end;
    }
    clip.resize(std::min(clip.size(), end + Samples(0.02)));
    FadeEnds(clip, 0, 0.02);
}

void Scale(Clip& clip, float gain) {
    for (float& s : clip) {
        s *= gain;
    }
}

float Peak(const Clip& clip) {
    float peak = 0;
    for (float s : clip) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

Clip Tone(double hz, double seconds, const std::vector<double>& harmonics, double attack,
          double release, double vibratoHz, double vibratoDepth) {
    Clip clip(Samples(seconds + release), 0.0f);
    double phase = 0;
    const int held = Samples(seconds);
    for (size_t i = 0; i < clip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // Vibrato grows in after the attack, as a player's would.
        const double vib =
            vibratoDepth * std::min(1.0, t / 0.3) * std::sin(2 * M_PI * vibratoHz * t);
        phase += 2 * M_PI * hz * (1 + vib) / kSampleRate;
        double v = 0;
        for (size_t h = 0; h < harmonics.size(); ++h) {
            if (hz * (h + 1) < 3800) {
                v += harmonics[h] * std::sin(phase * (h + 1));
            }
        }
        double env = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        if (static_cast<int>(i) >= held) {
            env *= std::exp(-(static_cast<int>(i) - held) / (release * kSampleRate / 5 + 1));
        }
        clip[i] = static_cast<float>(v * env);
    }
    return clip;
}

void Room(Clip& clip, double size, float wet) {
    // A few recirculating echoes; their gains sum below one, so the tail dies away.
    const int taps[4] = {Samples(0.029 * size), Samples(0.047 * size), Samples(0.071 * size),
                         Samples(0.113 * size)};
    const float gains[4] = {0.25f, 0.2f, 0.15f, 0.1f};
    const size_t length = clip.size();
    clip.resize(length + taps[3] * 10, 0.0f);
    for (size_t i = 0; i < clip.size(); ++i) {
        float echo = 0;
        for (int k = 0; k < 4; ++k) {
            if (i >= static_cast<size_t>(taps[k])) {
                echo += gains[k] * clip[i - taps[k]];
            }
        }
        clip[i] += wet * echo;
    }
}

double NoteHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }
