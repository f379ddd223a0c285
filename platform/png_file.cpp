// A small PNG writer for screenshots: 24-bit colour, stored without compression (the scripted
// screenshots, byte for byte the same on every machine) or compressed with zlib (the player's).
#include "platform/png_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <zlib.h>

namespace {

std::array<uint32_t, 256> BuildCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

uint32_t Crc32(const uint8_t* data, size_t size) {
    static const std::array<uint32_t, 256> table = BuildCrcTable();
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void PutBig32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBig32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z = {0x78, 0x01};
    constexpr size_t kBlock = 65535;
    size_t offset = 0;
    do {
        const size_t size = std::min(kBlock, raw.size() - offset);
        const bool last = offset + size == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(size));
        z.push_back(static_cast<uint8_t>(size >> 8));
        z.push_back(static_cast<uint8_t>(~size));
        z.push_back(static_cast<uint8_t>(~size >> 8));
        z.insert(z.end(), raw.begin() + offset, raw.begin() + offset + size);
        offset += size;
    } while (offset < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);
    return z;
}

std::vector<uint8_t> CompressedZlib(const std::vector<uint8_t>& raw) {
    uLongf size = compressBound(raw.size());
    std::vector<uint8_t> z(size);
    if (compress2(z.data(), &size, raw.data(), raw.size(), Z_DEFAULT_COMPRESSION) != Z_OK) {
        return StoredZlib(raw);
    }
    z.resize(size);
    return z;
}

} // namespace

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb,
                               bool compressed) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBig32(header, static_cast<uint32_t>(width));
    PutBig32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, truecolour, no interlace
    PutChunk(out, "IHDR", header);

    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (3 * width + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(y) * 3 * width;
        raw.insert(raw.end(), row, row + 3 * width);
    }
    PutChunk(out, "IDAT", compressed ? CompressedZlib(raw) : StoredZlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
