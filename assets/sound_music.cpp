// Synthesised music: the bugle's call to post, the opening fanfare and the race card's tune.
#include <cmath>
#include <vector>

#include "assets/sound_effects.h"

namespace {

// A note of a score: start and length in beats, pitch as a note number (0 for a rest).
struct Note {
    double beat, beats;
    int pitch;
};

const std::vector<double> kBrass = {1.0, 0.85, 0.65, 0.5, 0.35, 0.25, 0.16, 0.1, 0.06};
const std::vector<double> kHorn = {1.0, 0.5, 0.25, 0.12, 0.06};
const std::vector<double> kReed = {1.0, 0.05, 0.4, 0.04, 0.22, 0.03, 0.12};
const std::vector<double> kBass = {1.0, 0.6, 0.2};

void Play(Clip& clip, const std::vector<Note>& notes, double secondsPerBeat,
          const std::vector<double>& timbre, double attack, double release, float gain,
          double vibrato = 0, double legato = 0.92) {
    for (const Note& n : notes) {
        if (n.pitch == 0) {
            continue;
        }
        const Clip tone = Tone(NoteHz(n.pitch), n.beats * secondsPerBeat * legato, timbre, attack,
                               release, 5.5, vibrato);
        MixInto(clip, tone, Samples(n.beat * secondsPerBeat), gain);
    }
}

// Timpani: a low drum note, or a roll of quick strokes swelling over `beats`.
void Timpani(Clip& clip, double beat, double secondsPerBeat, int pitch, double beats, bool roll,
             float gain) {
    const double hz = NoteHz(pitch);
    auto stroke = [&](double at, float g) {
        Clip hit(Samples(1.2));
        Noise n{static_cast<uint32_t>(at * 1000)};
        for (size_t i = 0; i < hit.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            hit[i] = static_cast<float>(
                (std::sin(2 * M_PI * hz * t) + 0.5 * std::sin(2 * M_PI * hz * 1.5 * t)) *
                    std::exp(-t / 0.35) +
                n.Next() * 0.3 * std::exp(-t / 0.02));
        }
        MixInto(clip, hit, Samples(at), g);
    };
    if (!roll) {
        stroke(beat * secondsPerBeat, gain);
        return;
    }
    const int strokes = static_cast<int>(beats * secondsPerBeat / 0.055);
    for (int s = 0; s < strokes; ++s) {
        stroke(beat * secondsPerBeat + s * 0.055, gain * (0.25f + 0.75f * s / strokes));
    }
}

void Cymbal(Clip& clip, double seconds, float gain) {
    Clip crash(Samples(2.5));
    Noise n{99};
    Biquad bright = HighPass(2200);
    for (size_t i = 0; i < crash.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        crash[i] = bright.Run(n.Next()) * static_cast<float>(std::exp(-t / 0.7));
    }
    MixInto(clip, crash, Samples(seconds), gain);
}

} // namespace

Clip MakeBugleCall() {
    // On a bugle's open notes (C4 G4 C5 E5 G5 C6), in a lilting six-eight.
    const std::vector<Note> call = {
        {0, 0.5, 67},    {0.5, 0.5, 72},  {1, 0.5, 76},    {1.5, 1.5, 79},  {3, 0.5, 76},
        {3.5, 0.5, 79},  {4, 0.5, 76},    {4.5, 1.5, 72},  {6, 0.5, 67},    {6.5, 0.5, 72},
        {7, 0.5, 76},    {7.5, 0.5, 79},  {8, 0.5, 84},    {8.5, 1.5, 79},  {10, 0.5, 76},
        {10.5, 0.5, 79}, {11, 0.5, 76},   {11.5, 0.5, 72}, {12, 0.5, 67},   {12.5, 0.5, 72},
        {13, 0.5, 76},   {13.5, 0.5, 72}, {14, 0.5, 67},   {14.5, 0.5, 72}, {15, 2.5, 72},
    };
    Clip clip;
    Play(clip, call, 0.3, kBrass, 0.025, 0.12, 0.5f, 0.006, 0.86);
    Room(clip, 2.2, 0.45f);
    TrimTail(clip);
    FadeEnds(clip, 0.002, 0.3);
    return clip;
}

Clip MakeFanfare() {
    const double spb = 0.5; // beats of half a second
    Clip clip(Samples(10.5), 0.0f);
    Timpani(clip, 0, spb, 43, 2.2, true, 0.35f);
    // Trumpets: the call, the answer, and the close on a long high C.
    const std::vector<Note> trumpets = {
        {2.4, 0.33, 67}, {2.73, 0.33, 67}, {3.06, 0.33, 67}, {3.4, 2, 72},   {5.4, 0.5, 76},
        {5.9, 0.25, 74}, {6.15, 0.5, 72},  {6.65, 0.25, 76}, {6.9, 1.5, 79}, {8.4, 0.5, 77},
        {8.9, 0.5, 81},  {9.4, 0.5, 79},   {9.9, 0.5, 83},   {10.4, 6, 84},
    };
    Play(clip, trumpets, spb, kBrass, 0.02, 0.2, 0.42f, 0.008);
    const std::vector<Note> horns = {
        {3.4, 2, 60},  {3.4, 2, 64},  {3.4, 2, 67},  {6.9, 1.5, 59}, {6.9, 1.5, 62}, {6.9, 1.5, 67},
        {8.4, 1, 60},  {8.4, 1, 65},  {8.4, 1, 69},  {9.4, 1, 59},   {9.4, 1, 62},   {9.4, 1, 67},
        {10.4, 6, 60}, {10.4, 6, 64}, {10.4, 6, 67}, {10.4, 6, 48},
    };
    Play(clip, horns, spb, kHorn, 0.05, 0.3, 0.22f, 0.004);
    for (double b : {3.4, 6.9, 8.4, 9.4}) {
        Timpani(clip, b, spb, b == 6.9 || b == 9.4 ? 43 : 36, 0, false, 0.4f);
    }
    Timpani(clip, 10.4, spb, 36, 2.5, true, 0.3f);
    Timpani(clip, 13.0, spb, 36, 0, false, 0.6f);
    Cymbal(clip, 10.4 * spb, 0.35f);
    Room(clip, 2.5, 0.4f);
    TrimTail(clip);
    FadeEnds(clip, 0.002, 0);
    return clip;
}

Clip MakeCardTune() {
    // A galop on a band organ: oom-pah bass and chords, a reedy tune, sixteen bars twice.
    const int melody[16][4] = {
        {67, 72, 76, 79}, {81, 79, 76, 72}, {74, 76, 77, 74}, {76, 72, 67, 0},
        {67, 72, 76, 79}, {81, 84, 83, 81}, {79, 76, 74, 77}, {76, 74, 72, 0},
        {77, 81, 84, 81}, {79, 76, 72, 76}, {74, 77, 81, 77}, {76, 79, 84, 79},
        {77, 81, 79, 77}, {76, 79, 77, 76}, {74, 67, 71, 74}, {72, 67, 72, 0},
    };
    // Chord roots per bar (C, F, G).
    const int roots[16] = {48, 48, 43, 48, 48, 53, 43, 48, 53, 48, 43, 48, 53, 48, 43, 48};
    const double spb = 0.2; // an eighth note
    std::vector<Note> tune, bass, chords;
    for (int pass = 0; pass < 2; ++pass) {
        for (int bar = 0; bar < 16; ++bar) {
            const double b0 = (pass * 16 + bar) * 4;
            for (int e = 0; e < 4; ++e) {
                const int p = melody[bar][e];
                tune.push_back({b0 + e, 1, p});
            }
            const int root = roots[bar];
            const int third = 4, fifth = 7; // every chord of the tune is major
            bass.push_back({b0, 1, root});
            bass.push_back({b0 + 2, 1, root + (bar % 2 == 0 ? fifth - 12 : 0)});
            for (double off : {1.0, 3.0}) {
                chords.push_back({b0 + off, 0.6, root + 12});
                chords.push_back({b0 + off, 0.6, root + 12 + third});
                chords.push_back({b0 + off, 0.6, root + 12 + fifth});
            }
        }
    }
    Clip clip(Samples(32 * 4 * spb), 0.0f);
    Play(clip, tune, spb, kReed, 0.01, 0.08, 0.42f, 0.0, 0.8);
    Play(clip, bass, spb, kBass, 0.005, 0.05, 0.5f, 0.0, 0.7);
    Play(clip, chords, spb, kHorn, 0.005, 0.04, 0.16f, 0.0, 0.5);
    // The bar's first beat gets a soft drum.
    for (int bar = 0; bar < 32; ++bar) {
        Timpani(clip, bar * 4, spb, 36, 0, false, 0.18f);
    }
    // The notes still ringing at the end ring on into the start: the tune loops seamlessly.
    FoldTail(clip, Samples(32 * 4 * spb));
    return clip;
}
