// The generator's picture plumbing: the key cut, the lift off the key and the .bmp writer, read
// back through the game's own reader. A dither that broke the key or the cells shows in the
// generated pictures' tests.
#include "assets/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/bitmap.h"
#include "tests/test_support.h"

namespace {

TEST(KeepOffKey, DarkOpaquePixelsNeverPackToTheKeyAndTransparentOnesBecomeIt) {
    Canvas c = NewCanvas(4, 1);
    FillRect(c.cr, 0, 0, 1, 1, Rgb8(3, 2, 7)); // packs to 0 at 5-6-5 and 5-5-5
    FillRect(c.cr, 1, 0, 1, 1, Rgb8(0, 0, 0));
    FillRect(c.cr, 2, 0, 1, 1, Rgb8(120, 60, 30));
    KeepOffKey(&c);
    for (int x = 0; x < 2; ++x) {
        const uint32_t p = PixelAt(c, x, 0);
        EXPECT_TRUE((p >> 16) >= 8 || ((p >> 8) & 0xFF) >= 8 || (p & 0xFF) >= 8) << x;
        EXPECT_NE(PackPicturePixel(p >> 16, (p >> 8) & 0xFF, p & 0xFF, 16), 0) << x;
        EXPECT_NE(PackPicturePixel(p >> 16, (p >> 8) & 0xFF, p & 0xFF, 15), 0) << x;
    }
    EXPECT_EQ(PixelAt(c, 2, 0), 0x783C1Eu);
    EXPECT_EQ(PixelAt(c, 3, 0), 0u);
    FreeCanvas(&c);
}

TEST(CutKey, EdgesBlendIntoTheMatteNotIntoBlack) {
    Canvas c = NewCanvas(40, 40);
    cairo_arc(c.cr, 20, 20, 14.3, 0, 2 * M_PI);
    SetColour(c.cr, Rgb8(250, 250, 250));
    cairo_fill(c.cr);
    CutKey(&c, Rgb8(200, 220, 240));
    int opaque = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const uint32_t p = PixelAt(c, x, y);
            if (p == 0) {
                continue;
            }
            ++opaque;
            // A half-covered rim pixel lies between the disc and the matte: never dark.
            EXPECT_GE(p >> 16, 200u) << x << ", " << y;
            EXPECT_GE(p & 0xFF, 240u) << x << ", " << y;
        }
    }
    EXPECT_NEAR(opaque, M_PI * 14.3 * 14.3, 40);
    EXPECT_EQ(PixelAt(c, 0, 0), 0u);
    FreeCanvas(&c);
}

TEST(WriteBmp, TheGamesReaderGetsEveryPixelBackTopRowFirst) {
    Canvas c = NewCanvas(8, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 8; ++x) {
            FillRect(c.cr, x, y, 1, 1, Rgb8(x * 30, y * 100, 255 - x * 20));
        }
    }
    ScratchFolder folder;
    ASSERT_TRUE(WriteBmp(c, folder.File("p.bmp")));
    BitmapFile sheet{};
    ASSERT_EQ(LoadBitmapFile(&sheet, folder.File("p.bmp").c_str()), 1);
    ASSERT_EQ(sheet.infoHeader.width, 8);
    ASSERT_EQ(sheet.infoHeader.height, 3);
    EXPECT_EQ(sheet.infoHeader.sizeImage, 3u * 8 * 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 8; ++x) {
            uint16_t p;
            std::memcpy(&p, sheet.pixels.data() + 2 * (y * 8 + x), 2);
            EXPECT_EQ(p, PackPicturePixel(x * 30, y * 100, 255 - x * 20, 16)) << x << ", " << y;
        }
    }
    UnloadBitmapFile(&sheet);
    FreeCanvas(&c);
}

} // namespace
