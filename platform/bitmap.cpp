// The .bmp reader: 24-bit pictures decoded once into the display's 16-bit packing.
#include "platform/bitmap.h"
#include "platform/data_files.h"
#include "platform/file_bytes.h"

#include <cstdio>
#include <cstring>

#include "platform/display.h"

BitmapFile bitmap;

namespace {

constexpr uint16_t kBitmapType = 0x4D42; // "BM"
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPaletteSize = 1024;
constexpr size_t kMaxFileBytes = size_t{512} << 20;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t Get32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void ReadInfoHeader(const uint8_t* p, BitmapInfoHeader* h) {
    h->size = Get32(p);
    h->width = static_cast<int32_t>(Get32(p + 4));
    h->height = static_cast<int32_t>(Get32(p + 8));
    h->planes = Get16(p + 12);
    h->bitCount = Get16(p + 14);
    h->compression = Get32(p + 16);
    h->sizeImage = Get32(p + 20);
    h->xPelsPerMeter = static_cast<int32_t>(Get32(p + 24));
    h->yPelsPerMeter = static_cast<int32_t>(Get32(p + 28));
    h->clrUsed = Get32(p + 32);
    h->clrImportant = Get32(p + 36);
}

bool HeaderIsSound(const BitmapInfoHeader& h) {
    const int64_t height = h.height < 0 ? -static_cast<int64_t>(h.height) : h.height;
    return h.size >= kInfoHeaderSize && h.width > 0 && h.width <= kMaxBitmapSide && height > 0 &&
           height <= kMaxBitmapSide && h.planes == 1 && h.compression == 0 &&
           (h.bitCount == 8 || h.bitCount == 16 || h.bitCount == 24);
}

} // namespace

uint16_t PackPicturePixel(uint8_t red, uint8_t green, uint8_t blue, int bitsPerPixel) {
    const unsigned r = red >> 3, g = green >> 3, b = blue >> 3;
    if (bitsPerPixel == 15) {
        return static_cast<uint16_t>(b + g * 32 + r * 1024);
    }
    return static_cast<uint16_t>(b + g * 64 + r * 2048);
}

int LoadBitmapFromMemory(BitmapFile* bmp, const uint8_t* data, size_t size) {
    UnloadBitmapFile(bmp);
    if (size < kFileHeaderSize) {
        return 0;
    }
    bmp->fileHeader = {Get16(data), Get32(data + 2), Get16(data + 6), Get16(data + 8),
                       Get32(data + 10)};
    if (bmp->fileHeader.type != kBitmapType || size < kFileHeaderSize + kInfoHeaderSize) {
        return 0;
    }
    BitmapInfoHeader& info = bmp->infoHeader;
    ReadInfoHeader(data + kFileHeaderSize, &info);
    if (!HeaderIsSound(info)) {
        return 0;
    }
    if (info.bitCount == 8) {
        const size_t at = kFileHeaderSize + info.size;
        if (info.size > size || at + kPaletteSize > size) {
            return 0;
        }
        for (int i = 0; i < 256; ++i) {
            const uint8_t* entry = data + at + 4 * i;
            // Stored blue, green, red: kept red first.
            bmp->palette[i] = {entry[2], entry[1], entry[0], 4};
        }
    }

    const size_t width = static_cast<size_t>(info.width);
    const bool topDown = info.height < 0;
    const size_t height = topDown ? static_cast<size_t>(-static_cast<int64_t>(info.height))
                                  : static_cast<size_t>(info.height);
    const size_t bytesPerPixel = info.bitCount / 8;
    const size_t stride = (width * info.bitCount + 31) / 32 * 4; // rows padded to 4 bytes
    const size_t offset = bmp->fileHeader.offBits;
    if (offset < kFileHeaderSize + kInfoHeaderSize || offset > size ||
        (size - offset) / stride < height) {
        return 0;
    }

    const size_t outBytesPerPixel = bytesPerPixel == 3 ? 2 : bytesPerPixel;
    const size_t outRow = width * outBytesPerPixel;
    std::vector<uint8_t> pixels(outRow * height);
    const int depth = DisplayBitsPerPixel();
    for (size_t row = 0; row < height; ++row) {
        const uint8_t* src = data + offset + row * stride;
        uint8_t* dst = pixels.data() + row * outRow;
        if (bytesPerPixel != 3) {
            std::memcpy(dst, src, outRow);
            continue;
        }
        for (size_t x = 0; x < width; ++x) {
            const uint16_t p = PackPicturePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x], depth);
            std::memcpy(dst + 2 * x, &p, 2);
        }
    }
    // Files store the bottom row first unless their height is negative.
    if (!topDown) {
        FlipBitmapRows(pixels.data(), outRow, height);
    }
    if (bytesPerPixel == 3) {
        info.bitCount = 16;
    }
    bmp->pixels = std::move(pixels);
    return 1;
}

int LoadBitmapFile(BitmapFile* bmp, const char* path) {
    UnloadBitmapFile(bmp);
    const std::vector<uint8_t> bytes = ReadFileBytes(DataFilePath(path).c_str(), kMaxFileBytes);
    return LoadBitmapFromMemory(bmp, bytes.data(), bytes.size());
}

int UnloadBitmapFile(BitmapFile* bmp) {
    bmp->pixels = {};
    return 1;
}

int FlipBitmapRows(uint8_t* buffer, size_t bytesPerRow, size_t rows) {
    if (buffer == nullptr || bytesPerRow == 0) {
        return 0;
    }
    std::vector<uint8_t> row(bytesPerRow);
    for (size_t top = 0, bottom = rows - 1; rows > 0 && top < bottom; ++top, --bottom) {
        uint8_t* a = buffer + top * bytesPerRow;
        uint8_t* b = buffer + bottom * bytesPerRow;
        std::memcpy(row.data(), a, bytesPerRow);
        std::memcpy(a, b, bytesPerRow);
        std::memcpy(b, row.data(), bytesPerRow);
    }
    return 1;
}
