// Screenshots of what the player sees: the last presented 800 x 600 picture.
#include "platform/screenshot.h"

#include <string>

#include "platform/display.h"
#include "platform/png_file.h"

namespace {

// Widens a 5- or 6-bit channel to 8 bits, so white stays 255.
uint8_t Widen(unsigned value, int bits) {
    return static_cast<uint8_t>((value << (8 - bits)) | (value >> (2 * bits - 8)));
}

std::vector<uint8_t> EncodeBmp(int width, int height, const std::vector<uint8_t>& rgb) {
    const uint32_t stride = (3 * width + 3) & ~3u;
    const uint32_t imageSize = stride * height;
    std::vector<uint8_t> out(54 + imageSize, 0);
    auto put16 = [&](size_t at, uint32_t v) {
        out[at] = uint8_t(v);
        out[at + 1] = uint8_t(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, 54 + imageSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    put16(26, 1);
    put16(28, 24);
    put32(34, imageSize);
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = &rgb[static_cast<size_t>(height - 1 - y) * 3 * width];
        uint8_t* dst = &out[54 + y * stride];
        for (int x = 0; x < width; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return out;
}

} // namespace

std::vector<uint8_t> PresentedRgb() {
    std::vector<uint8_t> rgb;
    if (primarySurface == nullptr || PresentedFrameCount() == 0) {
        return rgb;
    }
    const int width = SurfaceWidth(primarySurface);
    const int height = SurfaceHeight(primarySurface);
    const bool packed555 = DisplayBitsPerPixel() == 15;
    rgb.reserve(static_cast<size_t>(3) * width * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned p = ReadSurfacePixel(primarySurface, x, y);
            if (packed555) {
                rgb.insert(rgb.end(),
                           {Widen((p >> 10) & 31, 5), Widen((p >> 5) & 31, 5), Widen(p & 31, 5)});
            } else {
                rgb.insert(rgb.end(),
                           {Widen((p >> 11) & 31, 5), Widen((p >> 5) & 63, 6), Widen(p & 31, 5)});
            }
        }
    }
    return rgb;
}

bool SaveScreenshot(const char* path, bool compressed) {
    const std::vector<uint8_t> rgb = PresentedRgb();
    if (rgb.empty()) {
        return false;
    }
    const int width = SurfaceWidth(primarySurface);
    const int height = SurfaceHeight(primarySurface);
    const std::string name(path);
    const bool bmp = name.size() >= 4 && name.compare(name.size() - 4, 4, ".bmp") == 0;
    return WriteFileBytes(name, bmp ? EncodeBmp(width, height, rgb)
                                    : EncodePng(width, height, rgb, compressed));
}
