// Synthesised effects, ambience and horses.
#include "assets/sound_effects.h"

#include <algorithm>
#include <cmath>

namespace {

// Filtered noise with an exponential decay: the stuff of thuds, cracks and rattles.
Clip Burst(double seconds, double decay, Biquad filter, uint32_t seed) {
    Clip clip(Samples(seconds));
    Noise noise{seed};
    for (size_t i = 0; i < clip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        clip[i] = filter.Run(noise.Next()) * static_cast<float>(std::exp(-t / decay));
    }
    return clip;
}

// A struck metal or wooden body: a few inharmonic partials, each dying at its own rate.
Clip Strike(double seconds, const std::vector<double>& partialsHz,
            const std::vector<double>& decays, double gain = 1) {
    Clip clip(Samples(seconds));
    for (size_t i = 0; i < clip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double v = 0;
        for (size_t p = 0; p < partialsHz.size(); ++p) {
            if (partialsHz[p] < 3800) {
                v += std::sin(2 * M_PI * partialsHz[p] * t) * std::exp(-t / decays[p]) /
                     (1 + p * 0.6);
            }
        }
        clip[i] = static_cast<float>(v * gain);
    }
    return clip;
}

// One hoof on dirt: a low thump and a scatter of soil.
Clip Hoof(double pitch, Noise& n) {
    Clip clip(Samples(0.09));
    Biquad soil = BandPass(900 + 600 * (n.Next() + 1), 0.9);
    for (size_t i = 0; i < clip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double thump = std::sin(2 * M_PI * pitch * t * (1 - t * 2)) * std::exp(-t / 0.022);
        clip[i] = static_cast<float>(thump * 0.9 + soil.Run(n.Next()) * 0.5 * std::exp(-t / 0.012));
    }
    return clip;
}

// A voice-like source for the horses: a buzzy tone following a pitch curve, through formants.
Clip Voice(const std::vector<double>& pitchCurve, double seconds, double trillHz, double trillDepth,
           const std::vector<double>& formants, uint32_t seed) {
    Clip clip(Samples(seconds));
    Noise breath{seed};
    std::vector<Biquad> bands;
    for (double f : formants) {
        bands.push_back(BandPass(f, 5));
    }
    double phase = 0;
    for (size_t i = 0; i < clip.size(); ++i) {
        const double u = static_cast<double>(i) / clip.size();
        const double pos = u * (pitchCurve.size() - 1);
        const size_t k = std::min(pitchCurve.size() - 2, static_cast<size_t>(pos));
        const double f0 = pitchCurve[k] + (pitchCurve[k + 1] - pitchCurve[k]) * (pos - k);
        const double t = static_cast<double>(i) / kSampleRate;
        const double trill = std::sin(2 * M_PI * trillHz * t);
        phase += 2 * M_PI * f0 * (1 + trillDepth * trill) / kSampleRate;
        double source = 0;
        for (int h = 1; f0 * h < 3800; ++h) {
            source += std::sin(phase * h) / h;
        }
        source += breath.Next() * 0.25;
        double v = 0;
        for (Biquad& b : bands) {
            v += b.Run(static_cast<float>(source));
        }
        const double env = std::min(1.0, u / 0.05) * std::min(1.0, (1 - u) / 0.25) *
                           (1 - trillDepth * 2.5 * (0.5 - 0.5 * trill));
        clip[i] = static_cast<float>(v * env);
    }
    return clip;
}

} // namespace

Clip MakeClick(bool second) {
    Clip clip = second ? Strike(0.08, {880, 1320, 2150}, {0.012, 0.008, 0.005})
                       : Strike(0.06, {1800, 2700}, {0.006, 0.004});
    MixInto(clip, Burst(0.02, 0.003, HighPass(1500), second ? 31u : 17u), 0, 0.6f);
    FadeEnds(clip, 0.0005, 0.01);
    return clip;
}

Clip MakeCrowd(bool main) {
    // Many talkers, each a band of noise shaped like a vowel and chopped into syllables.
    const double seconds = 6.0, seam = 0.5;
    Clip clip(Samples(seconds + seam), 0.0f);
    const int talkers = main ? 44 : 26;
    Noise n{main ? 7u : 3u};
    for (int k = 0; k < talkers; ++k) {
        Biquad vowel = BandPass(350 + 1900 * (n.Next() * 0.5 + 0.5), 2.5);
        Biquad second = BandPass(1200 + 1200 * (n.Next() * 0.5 + 0.5), 3.5);
        const double rate = 2.5 + 3.0 * (n.Next() * 0.5 + 0.5);
        const double offset = n.Next() * 10;
        const double loud = 0.5 + 0.5 * (n.Next() * 0.5 + 0.5);
        for (size_t i = 0; i < clip.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double syllable = std::max(0.0, std::sin(2 * M_PI * rate * t + offset));
            const double breathGroup = 0.55 + 0.45 * std::sin(2 * M_PI * rate * 0.13 * t + offset);
            const float src = n.Next();
            clip[i] += static_cast<float>((vowel.Run(src) + 0.5 * second.Run(src)) * syllable *
                                          breathGroup * loud);
        }
    }
    // A bed of distant noise under the voices; the main crowd swells and roars.
    Biquad bed = LowPass(main ? 1400 : 900);
    for (size_t i = 0; i < clip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double swell = main ? 1.0 + 0.35 * std::sin(2 * M_PI * t / (seconds + seam)) : 1.0;
        clip[i] = static_cast<float>((clip[i] + bed.Run(n.Next()) * (main ? 2.2 : 1.4)) * swell);
    }
    if (main) {
        // Cheers rising out of the roar.
        for (int c = 0; c < 7; ++c) {
            const double base = 300 + 180 * (n.Next() * 0.5 + 0.5);
            Clip cheer = Voice({base, base * 1.35, base * 1.2}, 0.9 + 0.4 * (n.Next() * 0.5 + 0.5),
                               5.5, 0.02, {700, 1150, 2400}, 40u + c);
            MixInto(clip, cheer, Samples(0.3 + c * 0.8), 0.5f);
        }
        clip.resize(Samples(seconds + seam));
    }
    LoopSeam(clip, seam);
    return clip;
}

Clip MakeGallop() {
    // Six strides of a field of ten, wrapped round so the clip loops without a seam.
    const double stride = 0.42;
    Clip clip(Samples(stride * 6), 0.0f);
    Noise n{11};
    const double beats[4] = {0.0, 0.09, 0.22, 0.31}; // the gallop's four footfalls
    for (int horse = 0; horse < 10; ++horse) {
        const double offset = (n.Next() * 0.5 + 0.5) * stride;
        const float gain = 0.45f + 0.35f * (n.Next() * 0.5f + 0.5f);
        for (int s = 0; s < 6; ++s) {
            for (int b = 0; b < 4; ++b) {
                const double t = offset + s * stride + beats[b] + 0.008 * n.Next();
                MixWrapped(clip, Hoof(85 + 40 * (n.Next() * 0.5 + 0.5), n), Samples(t),
                           gain * (b == 3 ? 1.2f : 1.0f));
            }
        }
    }
    return clip;
}

Clip MakeOffBell() {
    // The gate's bell rings for a second and a half; the doors bang open at once.
    Clip clip(Samples(2.4), 0.0f);
    for (int strike = 0; strike < 34; ++strike) {
        MixInto(clip, Strike(0.12, {1180, 2360, 3190}, {0.05, 0.03, 0.02}), Samples(strike / 22.0),
                0.5f);
    }
    Clip ring = Strike(0.9, {1180, 2360, 3190}, {0.25, 0.15, 0.1});
    MixInto(clip, ring, Samples(34 / 22.0), 0.5f);
    Clip clang = Strike(1.0, {173, 412, 733, 1190, 1710}, {0.3, 0.22, 0.15, 0.1, 0.06});
    MixInto(clang, Burst(0.3, 0.05, BandPass(1800, 0.7), 5), 0, 0.9f);
    MixInto(clip, clang, Samples(0.05), 0.8f);
    MixInto(clip, clang, Samples(0.11), 0.5f);
    FadeEnds(clip, 0.001, 0.2);
    return clip;
}

Clip MakeCash() {
    Clip clip(Samples(1.2), 0.0f);
    // Keys, the drawer's latch, the bell, the drawer sliding and a few coins.
    MixInto(clip, Strike(0.05, {1400, 2600}, {0.008, 0.005}), 0, 0.7f);
    MixInto(clip, Strike(0.05, {1200, 2300}, {0.008, 0.005}), Samples(0.07), 0.7f);
    MixInto(clip, Strike(0.08, {300, 620, 1500}, {0.02, 0.015, 0.01}), Samples(0.16), 1.0f);
    MixInto(clip, Strike(1.0, {2093, 2637, 3136}, {0.35, 0.25, 0.2}), Samples(0.2), 0.9f);
    MixInto(clip, Burst(0.35, 0.2, BandPass(700, 0.8), 9), Samples(0.22), 0.5f);
    Noise n{21};
    for (int coin = 0; coin < 6; ++coin) {
        const double at = 0.45 + coin * 0.06 + 0.03 * n.Next();
        MixInto(clip, Strike(0.1, {3000 + 400 * n.Next(), 3500}, {0.02, 0.015}), Samples(at),
                0.35f);
    }
    FadeEnds(clip, 0.001, 0.1);
    return clip;
}

Clip MakeExplosion() {
    // The crack of the blast, the roar of the fireball closing down to a low rumble, debris
    // crackling as it falls, all driven hard so it fills the small speaker.
    Clip clip(Samples(2.4), 0.0f);
    Noise n{77};
    Biquad roar = LowPass(3500, 0.6), rumble = LowPass(220, 0.9), rumble2 = LowPass(220, 0.9);
    for (size_t i = 0; i < clip.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // The roar's cut-off falls as the blast rolls away.
        if (i % 64 == 0) {
            const Biquad next = LowPass(std::max(300.0, 3500 * std::exp(-t / 0.18)), 0.6);
            roar.b0 = next.b0, roar.b1 = next.b1, roar.b2 = next.b2, roar.a1 = next.a1,
            roar.a2 = next.a2;
        }
        const double attack = std::min(1.0, t / 0.004);
        const double body = roar.Run(n.Next()) * std::exp(-t / 0.35) * 1.4;
        const double low = rumble2.Run(rumble.Run(n.Next())) * 9 * std::exp(-t / 0.7);
        const double thump = std::sin(2 * M_PI * (95 - 30 * t) * t) * std::exp(-t / 0.25);
        clip[i] = static_cast<float>(attack * (body + low + thump * 0.9));
    }
    MixInto(clip, Burst(0.06, 0.012, HighPass(900), 78), 0, 1.2f);
    for (int k = 0; k < 40; ++k) {
        const double at = 0.15 + 1.3 * (n.Next() * 0.5 + 0.5) * (n.Next() * 0.5 + 0.5);
        MixInto(clip, Burst(0.012, 0.003, HighPass(1500), 200u + k), Samples(at),
                static_cast<float>(0.5 * std::exp(-at / 0.8)));
    }
    const float drive = 2.5f / Peak(clip);
    for (float& s : clip) {
        s = std::tanh(s * drive);
    }
    FadeEnds(clip, 0.0005, 0.5);
    return clip;
}

Clip MakeHorse(int kind) {
    Clip clip;
    switch (kind) {
    case 0: // a long whinny: up, then a trilling fall
        clip = Voice({520, 950, 1050, 900, 760, 620, 520, 450, 400}, 1.5, 11, 0.07,
                     {800, 1500, 2600}, 1);
        break;
    case 1: // a shorter neigh
        clip = Voice({480, 820, 760, 600, 430}, 0.9, 13, 0.06, {750, 1350, 2500}, 2);
        break;
    case 2: { // a snort: breath fluttering through the nostrils, twice
        clip.assign(Samples(0.9), 0.0f);
        for (int s = 0; s < 2; ++s) {
            Clip snort = Burst(0.35, 0.12, BandPass(700, 0.8), 3 + s);
            for (size_t i = 0; i < snort.size(); ++i) {
                snort[i] *=
                    static_cast<float>(0.6 + 0.4 * std::sin(2 * M_PI * 32 * i / kSampleRate));
            }
            MixInto(clip, snort, Samples(s * 0.42), s == 0 ? 1.0f : 0.7f);
        }
        break;
    }
    default: // a low nicker, pulsing
        clip = Voice({170, 190, 175, 160, 150}, 0.9, 8, 0.18, {450, 900, 2200}, 4);
        break;
    }
    FadeEnds(clip, 0.005, 0.08);
    Room(clip, 1.0, 0.2f);
    TrimTail(clip);
    return clip;
}
