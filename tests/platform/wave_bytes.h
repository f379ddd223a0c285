// WAVE files built byte by byte for the sound tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "tests/test_support.h"

// Byte offsets in a file made by MakeWave.
constexpr size_t kRiffSizeAt = 4;
constexpr size_t kFormatSizeAt = 16;
constexpr size_t kDataSizeAt = 40; // with a 16-byte format chunk

struct WaveShape {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t rate = 11025;
    uint16_t bitsPerSample = 8;
    uint32_t formatSize = 16; // 16, or 18 with the extra-size field
};

inline void AddChunk(std::vector<uint8_t>& bytes, const char* name,
                     const std::vector<uint8_t>& content) {
    bytes.insert(bytes.end(), name, name + 4);
    const size_t at = bytes.size();
    bytes.resize(at + 4);
    Put32(bytes, at, static_cast<uint32_t>(content.size()));
    bytes.insert(bytes.end(), content.begin(), content.end());
    if (content.size() % 2 != 0) {
        bytes.push_back(0);
    }
}

inline std::vector<uint8_t> FormatContent(const WaveShape& shape) {
    std::vector<uint8_t> content(shape.formatSize, 0);
    const uint16_t blockAlign = static_cast<uint16_t>(shape.channels * shape.bitsPerSample / 8);
    Put16(content, 0, shape.formatTag);
    Put16(content, 2, shape.channels);
    Put32(content, 4, shape.rate);
    Put32(content, 8, shape.rate * blockAlign);
    Put16(content, 12, blockAlign);
    Put16(content, 14, shape.bitsPerSample);
    return content;
}

// "RIFF" size "WAVE" around the given chunks.
inline std::vector<uint8_t> Riff(const std::vector<uint8_t>& chunks) {
    std::vector<uint8_t> bytes(12 + chunks.size());
    std::memcpy(bytes.data(), "RIFF", 4);
    Put32(bytes, kRiffSizeAt, static_cast<uint32_t>(bytes.size() - 8));
    std::memcpy(bytes.data() + 8, "WAVE", 4);
    std::copy(chunks.begin(), chunks.end(), bytes.begin() + 12);
    return bytes;
}

inline std::vector<uint8_t> MakeWave(const std::vector<uint8_t>& samples,
                                     const WaveShape& shape = {}) {
    std::vector<uint8_t> chunks;
    AddChunk(chunks, "fmt ", FormatContent(shape));
    AddChunk(chunks, "data", samples);
    return Riff(chunks);
}

// n samples of a rising saw, unsigned 8-bit.
inline std::vector<uint8_t> Saw(size_t n) {
    std::vector<uint8_t> samples(n);
    for (size_t i = 0; i < n; ++i) {
        samples[i] = static_cast<uint8_t>(i * 7);
    }
    return samples;
}
