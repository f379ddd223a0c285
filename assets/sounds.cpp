// Every clip of the game, made and written as 8-bit mono WAVE files at 8000 Hz.
#include "assets/sounds.h"

#include <filesystem>

#include "assets/announcer_lines.h"
#include "assets/sound_effects.h"
#include "raceday/announcer_words.h"

namespace {

struct EffectClip {
    const char* file; // under sounds/
    Clip (*make)();
};

Clip Click1() { return MakeClick(false); }
Clip Click2() { return MakeClick(true); }
Clip Crowd() { return MakeCrowd(false); }
Clip MainCrowd() { return MakeCrowd(true); }
Clip Horse1() { return MakeHorse(0); }
Clip Horse2() { return MakeHorse(1); }
Clip Horse3() { return MakeHorse(2); }
Clip Horse4() { return MakeHorse(3); }

constexpr EffectClip kEffects[] = {
    {"postcall.wav", MakeBugleCall},
    {"click1.wav", Click1},
    {"click2.wav", Click2},
    {"crowd.wav", Crowd},
    {"maincrowd.wav", MainCrowd},
    {"gallop.wav", MakeGallop},
    {"theiroffsound.wav", MakeOffBell},
    {"cash.wav", MakeCash},
    {"horse1.wav", Horse1},
    {"horse2.wav", Horse2},
    {"horse3.wav", Horse3},
    {"horse4.wav", Horse4},
    {"background.wav", MakeCardTune},
    {"explode.wav", MakeExplosion},
    {"intro.wav", MakeFanfare},
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
};

std::vector<SpokenClip> SpokenClips() {
    std::vector<SpokenClip> clips;
    for (const PostTimeCall& call : kPostTimeCalls) {
        clips.push_back({std::string("sounds/") + call.file, &kPublicAddress});
    }
    for (const RunnerFamily& family : kRunnerFamilies) {
        for (int n = 1; n <= 10; ++n) {
            clips.push_back({"sounds/announcer/" + Numbered(family.file, n), family.style});
        }
    }
    for (const LineFamily& family : kLineFamilies) {
        for (int n = 1; n <= family.count; ++n) {
            clips.push_back({"sounds/announcer/" + Numbered(family.file, n), family.style});
        }
    }
    clips.push_back({std::string("sounds/announcer/") + kQuarterPoleFile, &kMediumCall});
    return clips;
}

// Voices shouting over each other above the roar of the stands.
bool MakeComeOn(Clip* clip, std::string* error) {
    Clip mix = MakeCrowd(true);
    mix.resize(Samples(2.6));
    Scale(mix, 0.35f / Peak(mix));
    for (const Shout& shout : kComeOnShouts) {
        Clip voice;
        if (!Speak(shout.line, shout.style, &voice, error)) {
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

std::vector<std::string> SoundFiles() {
    std::vector<std::string> files;
    for (const EffectClip& effect : kEffects) {
        files.push_back(std::string("sounds/") + effect.file);
    }
    files.push_back("sounds/comeon.wav");
    for (const SpokenClip& spoken : SpokenClips()) {
        files.push_back(spoken.file);
    }
    return files;
}

int WriteSounds(const std::string& dir, std::string* error) {
    const std::filesystem::path root(dir);
    int written = 0;
    auto write = [&](const Clip& clip, const std::string& file) {
        if (!WriteWave(clip, (root / file).string())) {
            *error = "cannot write " + (root / file).string();
            return false;
        }
        ++written;
        return true;
    };
    for (const EffectClip& effect : kEffects) {
        if (!write(effect.make(), std::string("sounds/") + effect.file)) {
            return written;
        }
    }
    Clip comeOn;
    if (!MakeComeOn(&comeOn, error) || !write(comeOn, "sounds/comeon.wav")) {
        return written;
    }
    for (const SpokenClip& spoken : SpokenClips()) {
        const std::string words = ClipWords(spoken.file);
        if (words.empty()) {
            *error = "no words for " + spoken.file;
            return written;
        }
        Clip clip;
        if (!Speak(words, *spoken.style, &clip, error) || !write(clip, spoken.file)) {
            return written;
        }
    }
    return written;
}
