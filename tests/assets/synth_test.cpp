// The generator's sound plumbing: the WAVE writer, seamless loops and the resampler's band limit.
#include "assets/synth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "assets/speech.h"
#include "tests/test_support.h"

namespace {

TEST(WriteWave, WritesTheGamesFormatWithTheFormatChunkFirst) {
    Clip clip(801, 0.0f);
    clip[400] = 0.5f;
    ScratchFolder folder;
    ASSERT_TRUE(WriteWave(clip, folder.File("c.wav")));
    const std::vector<uint8_t> b = ReadBytes(folder.File("c.wav"));
    ASSERT_EQ(b.size(), 12u + 8 + 18 + 8 + 802); // an odd data chunk keeps a pad byte
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(b[20] | b[21] << 8, 1);                  // PCM
    EXPECT_EQ(b[22] | b[23] << 8, 1);                  // mono
    EXPECT_EQ(b[24] | b[25] << 8 | b[26] << 16, 8000); // samples a second
    EXPECT_EQ(b[34] | b[35] << 8, 8);                  // bits
    EXPECT_EQ(std::string(b.begin() + 38, b.begin() + 42), "data");
    // Silence is 128; samples keep their own level.
    EXPECT_EQ(b[46], 128);
    EXPECT_EQ(b[46 + 400], 128 + 64);
}

TEST(LoopSeam, TheClipsEndFlowsIntoItsStart) {
    Clip clip(Samples(1.5));
    for (size_t i = 0; i < clip.size(); ++i) {
        clip[i] = static_cast<float>(std::sin(i * 0.01) + 0.3 * std::sin(i * 0.37));
    }
    LoopSeam(clip, 0.5);
    EXPECT_EQ(clip.size(), static_cast<size_t>(Samples(1.0)));
    // The step from the last sample round to the first is an ordinary step of the signal.
    EXPECT_LT(std::fabs(clip.front() - clip.back()), 0.35f);
}

double Level(const Clip& clip) {
    double sum = 0;
    for (size_t i = clip.size() / 4; i < clip.size() * 3 / 4; ++i) {
        sum += clip[i] * clip[i];
    }
    return std::sqrt(sum / (clip.size() / 2));
}

TEST(Resample, KeepsSpeechBandsAndRemovesWhatWouldAliasAt8000Hz) {
    auto tone = [](double hz) {
        std::vector<float> s(22050);
        for (size_t i = 0; i < s.size(); ++i) {
            s[i] = static_cast<float>(std::sin(2 * M_PI * hz * i / 22050));
        }
        return s;
    };
    const Clip kept = Resample(tone(1000), 22050);
    EXPECT_EQ(kept.size(), 8000u);
    EXPECT_NEAR(Level(kept), std::sqrt(0.5), 0.03);
    EXPECT_LT(Level(Resample(tone(6000), 22050)), 0.01);
}

} // namespace
