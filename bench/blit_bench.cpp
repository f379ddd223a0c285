// What one frame of drawing costs: a full-screen tile and ten runners onto the back buffer,
// beside a plain copy of the back buffer's bytes as the yardstick.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/bitmap.h"
#include "platform/display.h"
#include "platform/sprite.h"

namespace {

// A sheet of runner-sized cells, each an opaque oval on black, as a horse and jockey would
// leave the corners of their frame transparent.
BitmapFile PatternSheet() {
    BitmapFile sheet{};
    sheet.infoHeader.width = kScreenWidth;
    sheet.infoHeader.height = kScreenHeight;
    sheet.infoHeader.bitCount = 16;
    sheet.pixels.resize(kScreenWidth * kScreenHeight * 2);
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const double dx = (x % 107 - 53) / 53.0;
            const double dy = (y % 57 - 28) / 28.0;
            const uint16_t value =
                dx * dx + dy * dy > 1.0 ? 0 : static_cast<uint16_t>(1 + x * 31 + y * 17);
            std::memcpy(&sheet.pixels[(y * kScreenWidth + x) * 2], &value, 2);
        }
    }
    return sheet;
}

struct Scene {
    Sprite tile{};
    Sprite runners[10]{};
    Scene() {
        backBuffer = CreateOffscreenSurface(kScreenWidth, kScreenHeight, 0, 0, 0);
        CreateSprite(&tile, kScreenWidth, kScreenHeight, 0, 0x800, 0);
        for (Sprite& runner : runners) {
            CreateSprite(&runner, 106, 56, 11, 0, 1);
        }
        const BitmapFile sheet = PatternSheet();
        DDLoadImageBitmap(&tile, 0, &sheet, 0, 0, 1);
        for (Sprite& runner : runners) {
            for (int frame = 0; frame <= 11; ++frame) {
                DDLoadImageBitmap(&runner, frame, &sheet, 1 + 107 * (frame % 7), 1 + 57 * frame, 1);
            }
        }
    }
    ~Scene() {
        DestroySprite(&tile);
        for (Sprite& runner : runners) {
            DestroySprite(&runner);
        }
        ReleaseSurface(backBuffer);
        backBuffer = nullptr;
    }
};

void BM_TileAndTenRunners(benchmark::State& state) {
    Scene scene;
    for (int i = 0; i < 10; ++i) {
        SetSpritePosition(&scene.runners[i], 40 + 70 * i, 200 + 30 * i);
    }
    for (auto _ : state) {
        DrawSprite(&scene.tile);
        for (const Sprite& runner : scene.runners) {
            DrawSprite(&runner);
        }
    }
}
BENCHMARK(BM_TileAndTenRunners);

void BM_TileOnly(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        DrawSprite(&scene.tile);
    }
}
BENCHMARK(BM_TileOnly);

void BM_CopyBackBufferBytes(benchmark::State& state) {
    std::vector<uint8_t> from(kScreenWidth * kScreenHeight * 2, 1);
    std::vector<uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyBackBufferBytes);

} // namespace
