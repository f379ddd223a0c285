// The WAVE reader: the format and sample data of a RIFF "WAVE" clip, read from bytes in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The format chunk as the clip states it. Only formatTag is checked: whatever the other
// fields say, the samples are taken as unsigned 8-bit mono.
struct WaveFormat {
    uint16_t formatTag; // 1 = PCM
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t extraSize; // 0 when the chunk is the common 16 bytes
};

struct WaveClip {
    WaveFormat format;
    std::vector<uint8_t> samples; // the "data" chunk byte for byte; empty when nothing is read
};

constexpr uint16_t kWaveFormatPcm = 1;

// The largest clip file the reader takes: far beyond any clip of the game.
constexpr size_t kMaxWaveFileBytes = size_t{64} << 20;

// Reads a clip from memory: the RIFF chunk of form "WAVE", its first sub-chunk as the format
// (its name is not compared; 16 bytes or more), which must be PCM, then the "data" chunk
// searched for among the chunks that follow. 1 when read; 0 when any step fails, when the
// data chunk is empty, or when any chunk claims more bytes than the file holds. No input,
// however crafted, makes the reader step outside the given bytes.
int ReadWaveFromMemory(const uint8_t* data, size_t size, WaveClip* clip);

// The same from a file; 0 as well when the file cannot be read.
int ReadWaveFile(const char* path, WaveClip* clip);
