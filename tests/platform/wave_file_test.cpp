// The WAVE reader: good clips, the format chunk's rules, and damaged or crafted files.
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

TEST(WaveFile, ReadsTheRateAndTheSamplesOfAPcmClip) {
    WaveClip clip;
    const std::vector<uint8_t> samples = Saw(301);
    ASSERT_EQ(Read(MakeWave(samples, {.rate = 22050}), &clip), 1);
    EXPECT_EQ(clip.format.formatTag, kWaveFormatPcm);
    EXPECT_EQ(clip.format.samplesPerSec, 22050u);
    EXPECT_EQ(clip.samples, samples);
}

TEST(WaveFile, TakesSixteenAndEighteenByteFormatChunks) {
    WaveClip clip;
    ASSERT_EQ(Read(MakeWave(Saw(10), {.formatSize = 16}), &clip), 1);
    EXPECT_EQ(clip.format.extraSize, 0);
    std::vector<uint8_t> withExtra = MakeWave(Saw(10), {.formatSize = 18});
    Put16(withExtra, kFormatTagAt + 16, 0);
    ASSERT_EQ(Read(withExtra, &clip), 1);
    EXPECT_EQ(clip.samples, Saw(10));
}

TEST(WaveFile, RefusesEveryFormatButPcm) {
    for (uint16_t tag : {0, 2, 3, 0x11, 0xFFFE}) {
        WaveClip clip;
        EXPECT_EQ(Read(MakeWave(Saw(10), {.formatTag = tag}), &clip), 0) << tag;
        EXPECT_TRUE(clip.samples.empty());
    }
}

TEST(WaveFile, KeepsTheSamplesAsTheyStandWhateverTheFormatSays) {
    WaveClip clip;
    ASSERT_EQ(Read(MakeWave(Saw(64), {.channels = 2, .bitsPerSample = 16}), &clip), 1);
    EXPECT_EQ(clip.format.channels, 2);
    EXPECT_EQ(clip.samples, Saw(64));
}

TEST(WaveFile, TheFirstChunkIsTheFormatWhateverItsName) {
    std::vector<uint8_t> bytes = MakeWave(Saw(8));
    bytes[12] = 'j';
    WaveClip clip;
    EXPECT_EQ(Read(bytes, &clip), 1);
}

TEST(WaveFile, SkipsOtherChunksAndTheirPadBytes) {
    std::vector<uint8_t> chunks;
    AddChunk(chunks, "fmt ", FormatContent({}));
    AddChunk(chunks, "LIST", {1, 2, 3}); // odd: a pad byte follows
    AddChunk(chunks, "fact", {4, 5, 6, 7});
    AddChunk(chunks, "data", Saw(33));
    AddChunk(chunks, "cue ", {8, 9});
    WaveClip clip;
    ASSERT_EQ(Read(Riff(chunks), &clip), 1);
    EXPECT_EQ(clip.samples, Saw(33));
}

TEST(WaveFile, RefusesAClipWithoutSamples) {
    std::vector<uint8_t> noData;
    AddChunk(noData, "fmt ", FormatContent({}));
    AddChunk(noData, "LIST", {1, 2, 3, 4});
    WaveClip clip;
    EXPECT_EQ(Read(Riff(noData), &clip), 0);
    EXPECT_EQ(Read(MakeWave({}), &clip), 0);
}

TEST(WaveFile, RefusesFilesThatAreNotRiffWave) {
    std::vector<uint8_t> notRiff = MakeWave(Saw(8));
    notRiff[3] = 'X';
    std::vector<uint8_t> notWave = MakeWave(Saw(8));
    notWave[8] = 'A';
    WaveClip clip;
    EXPECT_EQ(Read(notRiff, &clip), 0);
    EXPECT_EQ(Read(notWave, &clip), 0);
    EXPECT_EQ(ReadWaveFromMemory(nullptr, 0, &clip), 0);
}

TEST(WaveFile, RefusesEveryTruncationOfAGoodFile) {
    const std::vector<uint8_t> whole = MakeWave(Saw(20));
    for (size_t length = 0; length < whole.size(); ++length) {
        WaveClip clip;
        EXPECT_EQ(Read({whole.begin(), whole.begin() + static_cast<long>(length)}, &clip), 0)
            << length;
    }
}

TEST(WaveFile, RefusesChunkSizesBeyondTheFile) {
    const std::vector<uint8_t> good = MakeWave(Saw(20));
    const struct {
        size_t at;
        uint32_t size;
    } damages[] = {{kDataSizeAt, 21},         {kDataSizeAt, 0xFFFFFFFF},
                   {kDataSizeAt, 0x80000000}, {kFormatSizeAt, 0xFFFFFFF0},
                   {kFormatSizeAt, 12},       {kFormatSizeAt, 0}};
    for (const auto& damage : damages) {
        std::vector<uint8_t> bytes = good;
        Put32(bytes, damage.at, damage.size);
        WaveClip clip;
        EXPECT_EQ(Read(bytes, &clip), 0) << damage.at << " " << damage.size;
    }
}

TEST(WaveFile, ARiffSizeTooLargeIsCutToTheFile) {
    std::vector<uint8_t> bytes = MakeWave(Saw(20));
    Put32(bytes, kRiffSizeAt, 0xFFFFFFFF);
    WaveClip clip;
    ASSERT_EQ(Read(bytes, &clip), 1);
    EXPECT_EQ(clip.samples, Saw(20));
    // A RIFF size that ends before the samples hides them.
    Put32(bytes, kRiffSizeAt, 4 + 24);
    EXPECT_EQ(Read(bytes, &clip), 0);
}

TEST(WaveFile, NoDamagedHeaderMakesTheReaderStrayOutsideTheFile) {
    const std::vector<uint8_t> good = MakeWave(Saw(24));
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245 + 12345; };
    for (int round = 0; round < 20000; ++round) {
        std::vector<uint8_t> bytes = good;
        for (int hit = 0; hit < 3; ++hit) {
            bytes[(next() >> 8) % 48] = static_cast<uint8_t>(next() >> 16);
        }
        bytes.resize(bytes.size() - (next() >> 8) % 8);
        WaveClip clip;
        if (Read(bytes, &clip) == 1) {
            EXPECT_LE(clip.samples.size(), bytes.size());
            EXPECT_EQ(clip.format.formatTag, kWaveFormatPcm);
        }
    }
}

TEST(WaveFile, ReadsAFileAndRefusesAMissingOne) {
    ScratchFolder folder;
    WriteBytes(folder.File("clip.wav"), MakeWave(Saw(40), {.rate = 8000}));
    WaveClip clip;
    ASSERT_EQ(ReadWaveFile(folder.File("clip.wav").c_str(), &clip), 1);
    EXPECT_EQ(clip.samples, Saw(40));
    EXPECT_EQ(ReadWaveFile(folder.File("none.wav").c_str(), &clip), 0);
    EXPECT_TRUE(clip.samples.empty());
}

} // namespace
