// The WAVE reader: every chunk size is checked against the bytes that are really there.
#include "platform/wave_file.h"
#include "platform/data_files.h"
#include "platform/file_bytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kChunkHeaderSize = 8; // four-letter name, 32-bit size
constexpr size_t kFormTypeSize = 4;
constexpr size_t kFormatSize = 16;
constexpr size_t kFormatExSize = 18;

// Where a chunk's content starts and how many bytes it holds.
struct Chunk {
    size_t content;
    size_t size;
};

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t Get32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool NameIs(const uint8_t* p, const char* name) { return std::memcmp(p, name, 4) == 0; }

// The chunk whose header starts at `at`, when header and content both end by `end`.
bool ChunkAt(const uint8_t* data, size_t at, size_t end, Chunk* chunk) {
    if (at > end || end - at < kChunkHeaderSize) {
        return false;
    }
    const size_t size = Get32(data + at + 4);
    const size_t content = at + kChunkHeaderSize;
    if (size > end - content) {
        return false;
    }
    *chunk = {content, size};
    return true;
}

// Chunks are word aligned: an odd-sized one is followed by a pad byte.
size_t AfterChunk(const Chunk& chunk) { return chunk.content + chunk.size + (chunk.size & 1); }

bool FindChunk(const uint8_t* data, size_t at, size_t end, const char* name, Chunk* found) {
    Chunk chunk;
    while (ChunkAt(data, at, end, &chunk)) {
        if (NameIs(data + at, name)) {
            *found = chunk;
            return true;
        }
        at = AfterChunk(chunk);
    }
    return false;
}

// The content of the RIFF chunk of form "WAVE", after the form type. Writers that stream
// often leave the RIFF size too large, so it is cut to the file; the chunks inside must fit.
bool FindWaveForm(const uint8_t* data, size_t size, Chunk* form) {
    size_t at = 0;
    while (at <= size && size - at >= kChunkHeaderSize + kFormTypeSize) {
        const size_t content = at + kChunkHeaderSize;
        const size_t claimed = Get32(data + at + 4);
        const size_t held = std::min(claimed, size - content);
        if (NameIs(data + at, "RIFF") && held >= kFormTypeSize && NameIs(data + content, "WAVE")) {
            *form = {content + kFormTypeSize, held - kFormTypeSize};
            return true;
        }
        if (claimed > size - content) {
            return false;
        }
        at = AfterChunk({content, claimed});
    }
    return false;
}

WaveFormat ReadFormat(const uint8_t* p, size_t size) {
    return {Get16(p),
            Get16(p + 2),
            Get32(p + 4),
            Get32(p + 8),
            Get16(p + 12),
            Get16(p + 14),
            size >= kFormatExSize ? Get16(p + 16) : uint16_t{0}};
}

} // namespace

int ReadWaveFromMemory(const uint8_t* data, size_t size, WaveClip* clip) {
    clip->format = {};
    clip->samples.clear();
    Chunk form;
    if (data == nullptr || !FindWaveForm(data, size, &form)) {
        return 0;
    }
    const size_t formEnd = form.content + form.size;
    // The format chunk comes first in a wave file; its name is taken on trust.
    Chunk format;
    if (!ChunkAt(data, form.content, formEnd, &format) || format.size < kFormatSize) {
        return 0;
    }
    clip->format = ReadFormat(data + format.content, format.size);
    if (clip->format.formatTag != kWaveFormatPcm) {
        return 0;
    }
    Chunk samples;
    if (!FindChunk(data, AfterChunk(format), formEnd, "data", &samples) || samples.size == 0) {
        return 0;
    }
    const uint8_t* first = data + samples.content;
    clip->samples.assign(first, first + samples.size);
    return 1;
}

int ReadWaveFile(const char* path, WaveClip* clip) {
    clip->format = {};
    clip->samples.clear();
    const std::vector<uint8_t> bytes = ReadFileBytes(DataFilePath(path).c_str(), kMaxWaveFileBytes);
    return ReadWaveFromMemory(bytes.data(), bytes.size(), clip);
}
