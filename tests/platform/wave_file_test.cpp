// The WAVE reader: good clips, the format chunk's rules, and damaged or crafted files. Random
// damage is the fuzz replay's (tests/fuzz), reading from disk the sound tests'.
#include "platform/wave_file.h"

#include <gtest/gtest.h>
#include <memory>

#include "tests/platform/wave_bytes.h"
#include "tests/test_support.h"

namespace {

// Reads from a heap copy of exactly the given size, so a read past the end is caught.
int Read(const std::vector<uint8_t>& bytes, WaveClip* clip) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return ReadWaveFromMemory(exact.get(), bytes.size(), clip);
}

std::vector<uint8_t> Damaged(std::vector<uint8_t> bytes, size_t at, uint32_t value) {
    Put32(bytes, at, value);
    return bytes;
}

TEST(WaveFile, ReadsTheSamplesOfEveryPcmClipAsTheyStand) {
    std::vector<uint8_t> otherChunks;
    AddChunk(otherChunks, "fmt ", FormatContent({}));
    AddChunk(otherChunks, "LIST", {1, 2, 3}); // odd: a pad byte follows
    AddChunk(otherChunks, "data", Saw(33));
    AddChunk(otherChunks, "cue ", {8, 9});
    std::vector<uint8_t> firstChunkRenamed = MakeWave(Saw(8));
    firstChunkRenamed[12] = 'j'; // the first chunk is the format whatever its name
    const struct {
        const char* why;
        std::vector<uint8_t> bytes;
        size_t samples;
        uint16_t channels;
    } cases[] = {
        {"plain", MakeWave(Saw(301), {.rate = 22050}), 301, 1},
        {"18-byte format", MakeWave(Saw(10), {.formatSize = 18}), 10, 1},
        {"stereo 16-bit kept as bytes", MakeWave(Saw(64), {.channels = 2, .bitsPerSample = 16}), 64,
         2},
        {"other chunks skipped", Riff(otherChunks), 33, 1},
        {"renamed format", firstChunkRenamed, 8, 1},
        // Writers that stream leave the RIFF size too large: it is cut to the file.
        {"RIFF size too large", Damaged(MakeWave(Saw(20)), kRiffSizeAt, 0xFFFFFFFF), 20, 1},
    };
    for (const auto& c : cases) {
        WaveClip clip;
        ASSERT_EQ(Read(c.bytes, &clip), 1) << c.why;
        EXPECT_EQ(clip.format.formatTag, kWaveFormatPcm) << c.why;
        EXPECT_EQ(clip.format.channels, c.channels) << c.why;
        EXPECT_EQ(clip.samples, Saw(c.samples)) << c.why;
    }
}

TEST(WaveFile, RefusesOtherFormatsAndDamagedOrCraftedFiles) {
    const std::vector<uint8_t> good = MakeWave(Saw(20));
    std::vector<uint8_t> noData;
    AddChunk(noData, "fmt ", FormatContent({}));
    AddChunk(noData, "LIST", {1, 2, 3, 4});
    std::vector<uint8_t> notRiff = good, notWave = good;
    notRiff[3] = 'X';
    notWave[8] = 'A';
    std::vector<std::vector<uint8_t>> refused = {
        Riff(noData), MakeWave({}), notRiff, notWave, Damaged(good, kDataSizeAt, 21),
        Damaged(good, kDataSizeAt, 0xFFFFFFFF), Damaged(good, kDataSizeAt, 0x80000000),
        Damaged(good, kFormatSizeAt, 0xFFFFFFF0), Damaged(good, kFormatSizeAt, 12),
        Damaged(good, kFormatSizeAt, 0),
        // A RIFF size that ends before the samples hides them.
        Damaged(good, kRiffSizeAt, 4 + 24)};
    for (uint16_t tag : {0, 2, 3, 0x11, 0xFFFE}) {
        refused.push_back(MakeWave(Saw(10), {.formatTag = tag}));
    }
    for (size_t length = 0; length < good.size(); ++length) {
        refused.emplace_back(good.begin(), good.begin() + static_cast<long>(length));
    }
    for (size_t i = 0; i < refused.size(); ++i) {
        WaveClip clip;
        EXPECT_EQ(Read(refused[i], &clip), 0) << "case " << i;
        EXPECT_TRUE(clip.samples.empty()) << "case " << i;
    }
    WaveClip clip;
    EXPECT_EQ(ReadWaveFromMemory(nullptr, 0, &clip), 0);
}

} // namespace
