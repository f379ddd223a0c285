// Every clip of the game, made and written as 8-bit mono WAVE files at 8000 Hz.
#include "assets/sounds.h"

#include <cstdio>
#include <filesystem>

#include "assets/announcer_lines.h"
#include "assets/sound_effects.h"
#include "raceday/announcer_words.h"

namespace {

// Each family's loudness, LUFS: the announcer and the calls alike, the music a little below
// the calls so the bugle never drowns them, the effects below the voices.
constexpr double kFamilyLoudness[] = {-14.0, -14.0, -16.0, -15.0};

struct EffectClip {
    const char* file; // under sounds/
    Clip (*make)();
    SoundFamily family;
    bool loops;
    double lift; // LU above or below the family's loudness
};

Clip Click1() { return MakeClick(false); }
Clip Click2() { return MakeClick(true); }
Clip Crowd() { return MakeCrowd(false); }
Clip MainCrowd() { return MakeCrowd(true); }
Clip Horse1() { return MakeHorse(0); }
Clip Horse2() { return MakeHorse(1); }
Clip Horse3() { return MakeHorse(2); }
Clip Horse4() { return MakeHorse(3); }

constexpr SoundFamily kFx = SoundFamily::Effects, kMusic = SoundFamily::Music;

constexpr EffectClip kEffects[] = {
    {"postcall.wav", MakeBugleCall, kMusic, false, 0},
    {"click1.wav", Click1, kFx, false, -1.5},
    {"click2.wav", Click2, kFx, false, -1.5},
    {"crowd.wav", Crowd, kFx, true, 0},
    {"maincrowd.wav", MainCrowd, kFx, true, 0.5},
    {"gallop.wav", MakeGallop, kFx, true, 0},
    {"theiroffsound.wav", MakeOffBell, kFx, false, 0},
    {"cash.wav", MakeCash, kFx, false, 0},
    {"horse1.wav", Horse1, kFx, false, 0},
    {"horse2.wav", Horse2, kFx, false, 0},
    {"horse3.wav", Horse3, kFx, false, 0},
    {"horse4.wav", Horse4, kFx, false, 0},
    {"background.wav", MakeCardTune, kMusic, true, 0},
    {"explode.wav", MakeExplosion, kFx, false, 1.5},
    {"intro.wav", MakeFanfare, kMusic, false, 0},
};

// The text with every `mark` standing for n.
std::string Fill(const std::string& text, const std::string& mark, int n) {
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, from)) {
        out += text.substr(from, at - from) + std::to_string(n);
        from = at + mark.size();
    }
    return out + text.substr(from);
}

std::string Numbered(const char* pattern, int n) { return Fill(pattern, "%i", n); }

// Every spoken clip: its path under the data folder and its style. The words are the game's
// own for that path, so what is spoken is what the game captions.
struct SpokenClip {
    std::string file;
    const SpeechStyle* style;
    SoundFamily family;
};

std::vector<SpokenClip> SpokenClips() {
    std::vector<SpokenClip> clips;
    for (const PostTimeCall& call : kPostTimeCalls) {
        clips.push_back(
            {std::string("sounds/") + call.file, &kPublicAddress, SoundFamily::PostTimeCalls});
    }
    for (const RunnerFamily& family : kRunnerFamilies) {
        for (int n = 1; n <= 10; ++n) {
            clips.push_back({"sounds/announcer/" + Numbered(family.file, n), family.style,
                             SoundFamily::Announcer});
        }
    }
    for (const LineFamily& family : kLineFamilies) {
        for (int n = 1; n <= family.count; ++n) {
            clips.push_back({"sounds/announcer/" + Numbered(family.file, n), family.style,
                             SoundFamily::Announcer});
        }
    }
    clips.push_back({std::string("sounds/announcer/") + kQuarterPoleFile, &kMediumCall,
                     SoundFamily::Announcer});
    return clips;
}

// Voices shouting over each other above the roar of the stands.
bool MakeComeOn(Clip* clip, std::string* error) {
    Clip mix = MakeCrowd(true);
    mix.resize(Samples(2.6));
    Scale(mix, 0.35f / Peak(mix));
    for (const Shout& shout : kComeOnShouts) {
        Clip voice;
        if (!SpeakShout(shout.line, shout.voice, &voice, error)) {
            return false;
        }
        MixInto(mix, voice, Samples(shout.at), 0.55f / Peak(voice));
    }
    Room(mix, 2.0, 0.3f);
    mix.resize(Samples(2.8));
    FadeEnds(mix, 0.01, 0.3);
    *clip = std::move(mix);
    return true;
}

} // namespace

std::vector<SoundClip> SoundClips() {
    std::vector<SoundClip> clips;
    for (const EffectClip& effect : kEffects) {
        clips.push_back({std::string("sounds/") + effect.file, effect.family, effect.loops});
    }
    clips.push_back({"sounds/comeon.wav", SoundFamily::Effects, false});
    for (const SpokenClip& spoken : SpokenClips()) {
        clips.push_back({spoken.file, spoken.family, false});
    }
    return clips;
}

std::string SpokenLines() {
    std::string out;
    for (const SpokenClip& spoken : SpokenClips()) {
        const std::string words = ClipWords(spoken.file);
        char raise[32];
        std::snprintf(raise, sizeof raise, "%.3f", spoken.style->raise);
        out += spoken.file + "\t" + words + "\t" + raise;
        for (const std::string& arg : FliteCommand(words, *spoken.style)) {
            out += "\t" + arg;
        }
        out += "\n";
    }
    return out;
}

std::vector<std::string> SoundFiles() {
    std::vector<std::string> files;
    for (const SoundClip& clip : SoundClips()) {
        files.push_back(clip.file);
    }
    return files;
}

int WriteSounds(const std::string& dir, std::string* error) {
    const std::filesystem::path root(dir);
    int written = 0;
    auto write = [&](Clip& clip, const std::string& file, SoundFamily family, double lift,
                     bool loops = false) {
        // No clip carries a DC offset: a loop loses its mean, which keeps it seamless; a clip
        // played once passes a high-pass far below what the speaker can play.
        if (loops) {
            RemoveMean(clip);
        } else {
            Biquad dc = HighPass(20);
            for (float& s : clip) {
                s = dc.Run(s);
            }
        }
        NormaliseLoudness(clip, kFamilyLoudness[static_cast<int>(family)] + lift);
        if (!WriteWave(clip, (root / file).string())) {
            *error = "cannot write " + (root / file).string();
            return false;
        }
        ++written;
        return true;
    };
    for (const EffectClip& effect : kEffects) {
        Clip clip = effect.make();
        if (!write(clip, std::string("sounds/") + effect.file, effect.family, effect.lift,
                   effect.loops)) {
            return written;
        }
    }
    Clip comeOn;
    if (!MakeComeOn(&comeOn, error) ||
        !write(comeOn, "sounds/comeon.wav", SoundFamily::Effects, 0)) {
        return written;
    }
    for (const SpokenClip& spoken : SpokenClips()) {
        const std::string words = ClipWords(spoken.file);
        if (words.empty()) {
            *error = "no words for " + spoken.file;
            return written;
        }
        Clip clip;
        if (!Speak(words, *spoken.style, &clip, error) ||
            !write(clip, spoken.file, spoken.family, spoken.style->lift)) {
            return written;
        }
    }
    return written;
}
