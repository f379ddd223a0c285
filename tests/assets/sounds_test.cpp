// The generated clips: every clip the game loads is one the generator makes, an 8-bit mono WAVE
// file at 8000 Hz that the game's own reader takes, of a sensible length; the mix keeps its
// families' loudness, loops are seamless, nothing carries a DC offset, no two clips are alike and
// the announcer gets louder from calm to excited calls.
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
#include "platform/wave_file.h"
#include "tests/test_support.h"

namespace {

std::string Data(const std::string& path) { return (GeneratedGameData() / path).string(); }

// The clip as the game's own reader takes it; empty samples when it refuses the file.
WaveClip ReadWave(const std::string& path) {
    WaveClip clip{};
    ReadWaveFile(Data(path).c_str(), &clip);
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

TEST(GeneratedSounds, EveryClipIsAn8BitMonoPcmWaveAt8000HzAndTheMixHoldsItsRules) {
    std::set<std::string> made, samples;
    std::map<SoundFamily, std::vector<std::pair<std::string, double>>> loudness;
    std::map<std::string, double> announcer; // the generic calls' loudness by excitement
    for (const SoundClip& clip : SoundClips()) {
        made.insert(clip.file);
        // The reader takes the first chunk as the format whatever its name: check the name.
        const std::vector<uint8_t> bytes = ReadBytes(Data(clip.file));
        ASSERT_GE(bytes.size(), 16u) << clip.file;
        EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "fmt ") << clip.file;
        const WaveClip w = ReadWave(clip.file);
        ASSERT_FALSE(w.samples.empty()) << clip.file;
        EXPECT_EQ(w.format.formatTag, kWaveFormatPcm) << clip.file;
        EXPECT_EQ(w.format.channels, 1) << clip.file;
        EXPECT_EQ(w.format.samplesPerSec, 8000u) << clip.file;
        EXPECT_EQ(w.format.bitsPerSample, 8) << clip.file;
        EXPECT_GE(Seconds(w), 0.03) << clip.file;
        EXPECT_LE(Seconds(w), 30.0) << clip.file;
        samples.insert(std::string(w.samples.begin(), w.samples.end()));
        for (const char* kind : {"calm", "med", "ex"}) {
            if (clip.file.starts_with(std::string("sounds/announcer/generic_") + kind)) {
                announcer[kind] += Loudness(w);
            }
        }
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
    EXPECT_EQ(samples.size(), made.size());
    EXPECT_LT(announcer["calm"], announcer["med"]);
    EXPECT_LT(announcer["med"], announcer["ex"]);
    for (const SoundRow& row : ManifestSounds()) {
        EXPECT_EQ(made.count(row.path), 1u) << row.path;
    }
    // The intro's last pictures settle near frame 380 at 60 frames a second.
    EXPECT_GE(Seconds(ReadWave("sounds/intro.wav")), 7.0);

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
        MeasureClip(FromUnsigned8(ReadWave("sounds/postcall.wav").samples), false).lufs;
    EXPECT_LE(bugle, median[SoundFamily::PostTimeCalls] + 1.0);
}

} // namespace
