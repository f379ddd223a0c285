// The generated clips: every clip of the manifest and the intro is an 8-bit mono WAVE file at
// 8000 Hz that the game's own reader takes, of a sensible length; the mix keeps its families'
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
#include "platform/wave_file.h"
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

std::string Data(const std::string& path) { return (GeneratedGameData() / path).string(); }

TEST(GeneratedSounds, EveryClipIsAn8BitMonoPcmWaveAt8000HzOfASensibleLength) {
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
    // The intro's last pictures settle near frame 380 at 60 frames a second.
    EXPECT_GE(Seconds(ReadWave(Data("sounds/intro.wav"))), 7.0);
}

TEST(GeneratedSounds, TheMixHoldsItsRules) {
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

TEST(GeneratedSounds, EveryFamilyOfCallsHasDifferentClips) {
    const std::string a = "sounds/announcer/";
    auto distinct = [&](const std::vector<std::string>& files) {
        std::set<std::string> seen;
        for (const std::string& f : files) {
            const std::vector<uint8_t> samples = ReadWave(Data(f)).samples;
            seen.insert(std::string(samples.begin(), samples.end()));
        }
        return seen.size();
    };
    // A family's files are named prefix, number, suffix; a runner's clips name it.
    const struct {
        std::string prefix, suffix;
        int count;
    } families[] = {
        {a + "generic_calm", "", 30},   {a + "generic_med", "", 30}, {a + "generic_ex", "", 30},
        {a + "generic_phrase", "", 10}, {a + "theiroff", "", 7},     {a, "UpFront_calm", 10},
        {a, "UpFront_ex3", 10},         {a, "goodstart", 10},        {a, "struggling2", 10},
        {"sounds/1minute", "", 3},      {"sounds/30seconds", "", 3}, {"sounds/posttime", "", 3}};
    for (const auto& family : families) {
        std::vector<std::string> files;
        for (int n = 1; n <= family.count; ++n) {
            files.push_back(family.prefix + std::to_string(n) + family.suffix + ".wav");
        }
        EXPECT_EQ(distinct(files), static_cast<size_t>(family.count))
            << family.prefix << family.suffix;
    }
}

TEST(GeneratedSounds, TheAnnouncerGetsLouderFromCalmToExcitedCalls) {
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
