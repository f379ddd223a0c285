// The resampler's band limit. The WAVE writer and seamless loops show in the generated clips
// (sounds_test.cpp).
#include "assets/synth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "assets/speech.h"

namespace {

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
