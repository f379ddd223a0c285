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

bool WriteWave(const Clip& clip, const std::string& path) {
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
        const float v = std::clamp(s, -1.0f, 1.0f);
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
        const double t = M_PI / 2 * i / n;
        clip[i] = static_cast<float>(clip[i] * std::sin(t) + clip[tail + i] * std::cos(t));
    }
    clip.resize(tail);
}

void FoldTail(Clip& clip, size_t length) {
    if (clip.size() <= length) {
        clip.resize(length, 0.0f);
        return;
    }
    for (size_t i = length; i < clip.size(); ++i) {
        clip[(i - length) % length] += clip[i];
    }
    clip.resize(length);
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

double Loudness(const Clip& clip) {
    // The shelf (+4 dB above 1.7 kHz) and the 38 Hz high-pass of the broadcast weighting.
    const double kShelf = std::tan(M_PI * 1681.974450955533 / kSampleRate);
    const double qShelf = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416), a0 = 1 + kShelf / qShelf + kShelf * kShelf;
    Biquad shelf = {(vh + vb * kShelf / qShelf + kShelf * kShelf) / a0,
                    2 * (kShelf * kShelf - vh) / a0,
                    (vh - vb * kShelf / qShelf + kShelf * kShelf) / a0,
                    2 * (kShelf * kShelf - 1) / a0,
                    (1 - kShelf / qShelf + kShelf * kShelf) / a0,
                    0,
                    0,
                    0,
                    0};
    const double kHigh = std::tan(M_PI * 38.13547087602444 / kSampleRate),
                 qHigh = 0.5003270373238773;
    const double a0High = 1 + kHigh / qHigh + kHigh * kHigh;
    Biquad high = {
        1, -2, 1, 2 * (kHigh * kHigh - 1) / a0High, (1 - kHigh / qHigh + kHigh * kHigh) / a0High, 0,
        0, 0,  0};
    std::vector<double> power(clip.size());
    for (size_t i = 0; i < clip.size(); ++i) {
        const double y = high.Run(shelf.Run(clip[i]));
        power[i] = y * y;
    }
    const size_t block = Samples(0.4), step = Samples(0.1);
    std::vector<double> blocks;
    auto mean = [&](size_t from, size_t n) {
        double sum = 0;
        for (size_t i = from; i < from + n; ++i) {
            sum += power[i];
        }
        return n > 0 ? sum / n : 0.0;
    };
    if (clip.size() < block) {
        blocks.push_back(mean(0, clip.size()));
    }
    for (size_t from = 0; from + block <= clip.size(); from += step) {
        blocks.push_back(mean(from, block));
    }
    auto lufs = [](double ms) { return -0.691 + 10 * std::log10(std::max(ms, 1e-12)); };
    // Blocks below -70 LUFS, then those 10 LU below the mean of the rest, are left out.
    auto gated = [&](double floor) {
        double sum = 0;
        int n = 0;
        for (double b : blocks) {
            if (lufs(b) > floor) {
                sum += b;
                ++n;
            }
        }
        return n > 0 ? sum / n : 0.0;
    };
    const double relative = lufs(gated(-70)) - 10;
    return lufs(gated(std::max(-70.0, relative)));
}

void NormaliseLoudness(Clip& clip, double lufs) {
    constexpr float kKnee = 0.75f, kCeiling = 0.99f;
    for (int pass = 0; pass < 4; ++pass) {
        Scale(clip, static_cast<float>(std::pow(10.0, (lufs - Loudness(clip)) / 20)));
        if (Peak(clip) <= kKnee) {
            return;
        }
        for (float& s : clip) {
            const float a = std::fabs(s);
            if (a > kKnee) {
                const float room = kCeiling - kKnee;
                s = std::copysign(kKnee + room * std::tanh((a - kKnee) / room), s);
            }
        }
    }
}

void RemoveMean(Clip& clip) {
    double sum = 0;
    for (float s : clip) {
        sum += s;
    }
    const float mean = clip.empty() ? 0.0f : static_cast<float>(sum / clip.size());
    for (float& s : clip) {
        s -= mean;
    }
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
