// The generated clips: every clip of the manifest and the intro is an 8-bit mono WAVE file at
// 8000 Hz that the game's own loader takes, of a sensible length; the mix keeps its families'
// loudness, loops are seamless, nothing carries a DC offset and the announcer's wordings differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/sound_report.h"
#include "assets/sounds.h"
#include "platform/asset_manifest.h"
#include "platform/sound.h"
#include "platform/wave_file.h"
#include "tests/assets/generated_data.h"
#include "tests/test_support.h"

namespace {

// The clips the game loads, as its manifest lists them, and the intro's.
std::vector<std::string> ClipPaths() {
    std::vector<std::string> paths;
    for (const SoundRow& row : ManifestSounds()) {
        paths.push_back(row.path);
    }
    paths.push_back("sounds/intro.wav");
    return paths;
}

// The clip as the game's own reader takes it; empty samples when it refuses the file.
WaveClip ReadWave(const std::string& path) {
    WaveClip clip{};
    ReadWaveFile(path.c_str(), &clip);
    return clip;
}

double Seconds(const WaveClip& w) { return w.samples.size() / 8000.0; }

double Loudness(const WaveClip& w) {
    double sum = 0;
    for (uint8_t s : w.samples) {
        sum += (s - 128.0) * (s - 128.0);
    }
    return std::sqrt(sum / w.samples.size());
}

std::string Data(const std::string& path) { return GeneratedDataFolder() + "/" + path; }

class GeneratedSounds : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(GeneratedDataFolder().empty()); }
};

TEST_F(GeneratedSounds, EveryClipIsAn8BitMonoPcmWaveAt8000HzOfASensibleLength) {
    const std::vector<std::string> paths = ClipPaths();
    ASSERT_EQ(paths.size(), 263u);
    for (const std::string& path : paths) {
        // The reader takes the first chunk as the format whatever its name: check the name.
        const std::vector<uint8_t> bytes = ReadBytes(Data(path));
        ASSERT_GE(bytes.size(), 16u) << path;
        EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "fmt ") << path;
        const WaveClip w = ReadWave(Data(path));
        EXPECT_EQ(w.format.formatTag, kWaveFormatPcm) << path;
        EXPECT_EQ(w.format.channels, 1) << path;
        EXPECT_EQ(w.format.samplesPerSec, 8000u) << path;
        EXPECT_EQ(w.format.bitsPerSample, 8) << path;
        EXPECT_GE(Seconds(w), 0.03) << path;
        EXPECT_LE(Seconds(w), 30.0) << path;
        // No clip is silence.
        EXPECT_GT(Loudness(w), 3.0) << path;
    }
}

TEST_F(GeneratedSounds, TheGamesLoaderTakesEveryClip) {
    WorkingDirectory inData(GeneratedDataFolder());
    ASSERT_EQ(InitSound(), 1);
    for (const std::string& path : ClipPaths()) {
        const int slot = LoadSound(path.c_str(), 8000, 0xE0);
        ASSERT_GE(slot, 0) << path;
        EXPECT_EQ(sound.soundSlots[slot].rate, 8000) << path;
        EXPECT_GT(sound.soundSlots[slot].size, 0) << path;
    }
    ShutdownSound();
}

TEST_F(GeneratedSounds, TheMixHoldsItsRules) {
    // Every clip the game plays is one the generator makes, and so comes under these rules.
    std::set<std::string> made;
    for (const SoundClip& clip : SoundClips()) {
        made.insert(clip.file);
    }
    for (const std::string& path : ClipPaths()) {
        EXPECT_EQ(made.count(path), 1u) << path;
    }
    std::map<SoundFamily, std::vector<std::pair<std::string, double>>> loudness;
    for (const SoundClip& clip : SoundClips()) {
        const WaveClip w = ReadWave(Data(clip.file));
        ASSERT_FALSE(w.samples.empty()) << clip.file;
        const ClipFigures f = MeasureClip(FromUnsigned8(w.samples), clip.loops);
        loudness[clip.family].push_back({clip.file, f.lufs});
        EXPECT_LE(std::fabs(f.dcLsb), 0.5) << clip.file;
        // Sound from the first moment, and no long silence after the last.
        EXPECT_LE(f.leadIn, 0.01) << clip.file;
        EXPECT_LE(f.silentEnd, 0.15) << clip.file;
        if (clip.loops) {
            EXPECT_GE(Seconds(w), 2.0) << clip.file;
            // Played again as it ends: no hole at the seam, no click across it.
            EXPECT_GE(f.seamDipDb, -6.0) << clip.file;
            EXPECT_LE(f.seamStep, 1.0) << clip.file;
        }
    }
    std::map<SoundFamily, double> median;
    for (auto& [family, clips] : loudness) {
        std::vector<double> values;
        for (const auto& c : clips) {
            values.push_back(c.second);
        }
        std::sort(values.begin(), values.end());
        median[family] = values[values.size() / 2];
        for (const auto& [file, lufs] : clips) {
            EXPECT_NEAR(lufs, median[family], 2.0) << file;
        }
    }
    const double bugle =
        MeasureClip(FromUnsigned8(ReadWave(Data("sounds/postcall.wav")).samples), false).lufs;
    EXPECT_LE(bugle, median[SoundFamily::PostTimeCalls] + 1.0);
}

TEST_F(GeneratedSounds, TheIntroFanfareOutlastsTheIntroPictures) {
    // The intro's last pictures settle near frame 380 at 60 frames a second.
    EXPECT_GE(Seconds(ReadWave(Data("sounds/intro.wav"))), 7.0);
}

TEST_F(GeneratedSounds, EveryFamilyOfCallsHasDifferentClips) {
    const std::string a = "sounds/announcer/";
    auto distinct = [&](const std::vector<std::string>& files) {
        std::set<std::string> seen;
        for (const std::string& f : files) {
            const std::vector<uint8_t> samples = ReadWave(Data(f)).samples;
            seen.insert(std::string(samples.begin(), samples.end()));
        }
        return seen.size();
    };
    for (const char* family :
         {"generic_calm", "generic_med", "generic_ex", "generic_phrase", "theiroff"}) {
        const int count = std::string(family) == "generic_phrase" ? 10
                          : std::string(family) == "theiroff"     ? 7
                                                                  : 30;
        std::vector<std::string> files;
        for (int n = 1; n <= count; ++n) {
            files.push_back(a + family + std::to_string(n) + ".wav");
        }
        EXPECT_EQ(distinct(files), static_cast<size_t>(count)) << family;
    }
    // A runner's clips name it: the ten numbers of one family all differ.
    for (const char* family : {"UpFront_calm", "UpFront_ex3", "goodstart", "struggling2"}) {
        std::vector<std::string> files;
        for (int n = 1; n <= 10; ++n) {
            files.push_back(a + std::to_string(n) + family + ".wav");
        }
        EXPECT_EQ(distinct(files), 10u) << family;
    }
    for (const char* call : {"1minute", "30seconds", "posttime"}) {
        std::vector<std::string> files;
        for (int n = 1; n <= 3; ++n) {
            files.push_back(std::string("sounds/") + call + std::to_string(n) + ".wav");
        }
        EXPECT_EQ(distinct(files), 3u) << call;
    }
}

TEST_F(GeneratedSounds, TheAnnouncerGetsLouderFromCalmToExcitedCalls) {
    auto mean = [&](const char* family) {
        double sum = 0;
        for (int n = 1; n <= 30; ++n) {
            sum += Loudness(ReadWave(
                Data(std::string("sounds/announcer/") + family + std::to_string(n) + ".wav")));
        }
        return sum / 30;
    };
    const double calm = mean("generic_calm"), med = mean("generic_med"), ex = mean("generic_ex");
    EXPECT_LT(calm, med);
    EXPECT_LT(med, ex);
}

} // namespace
