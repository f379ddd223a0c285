// Sprites: hit tests, animation, cells cut from a sheet, and drawing onto the back buffer.
#include "platform/sprite.h"

#include <gtest/gtest.h>
#include <tuple>

#include "platform/bitmap.h"
#include "platform/display.h"
#include "tests/test_support.h"

namespace {

TEST(SpriteHit, CountsOnlyPointsStrictlyInside) {
    Sprite box{};
    box.width = 10;
    box.height = 10;
    for (const auto& [x, y, hit] :
         {std::tuple{5, 5, 1}, {9, 9, 1}, {0, 5, 0}, {10, 5, 0}, {5, 0, 0}, {5, 10, 0}}) {
        EXPECT_EQ(SpriteHit(&box, x, y), hit) << x << ", " << y;
    }
}

TEST(AnimateSprite, CyclesBelowTheLastFrameEverySecondCall) {
    Sprite runner{};
    runner.lastFrame = 11;
    std::vector<int> shown;
    for (int call = 0; call < 26; ++call) {
        AnimateSprite(&runner, 1);
        shown.push_back(runner.currentFrame);
    }
    // The first advance waits for the counter to pass 1; after that every second call.
    const std::vector<int> expected = {0, 0, 1, 1, 2, 2, 3, 3,  4,  4, 5, 5, 6,
                                       6, 7, 7, 8, 8, 9, 9, 10, 10, 0, 0, 1, 1};
    EXPECT_EQ(shown, expected);
}

class SpriteSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A 9 x 4 sheet: two 4 x 4 cells with a one-pixel border between them.
        std::vector<Rgb> pixels(9 * 4, Rgb{0, 0, 0});
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                pixels[y * 9 + x] = {255, 0, 0};
                pixels[y * 9 + 5 + x] = {0, 0, 255};
            }
        }
        pixels[5 + 9 * 1 + 1] = {0, 0, 0}; // a transparent hole in the blue cell
        const std::vector<uint8_t> bytes = MakeBmp(9, 4, pixels);
        ASSERT_EQ(LoadBitmapFromMemory(&sheet, bytes.data(), bytes.size()), 1);
        backBuffer = CreateOffscreenSurface(kScreenWidth, kScreenHeight, 0, 0, 0);
        ASSERT_NE(backBuffer, nullptr);
    }
    void TearDown() override {
        DestroySprite(&sprite);
        ReleaseSurface(backBuffer);
        backBuffer = nullptr;
    }
    BitmapFile sheet{};
    Sprite sprite{};
};

TEST_F(SpriteSheetTest, CopiesCellsAndDrawsWithBlackTransparent) {
    ASSERT_EQ(CreateSprite(&sprite, 4, 4, 1, 0, 1), 1);
    ASSERT_EQ(DDLoadImageBitmap(&sprite, 0, &sheet, 0, 0, 1), 1);
    ASSERT_EQ(DDLoadImageBitmap(&sprite, 1, &sheet, 5, 0, 1), 1);
    FillBackBuffer(0, 31, 0);
    const uint16_t green = PackFillColour(0, 31, 0, 16);

    sprite.x = 10.9f; // truncated toward zero
    sprite.y = 20.2f;
    ASSERT_EQ(SetSpriteFrame(&sprite, 1), 1);
    ASSERT_EQ(DrawSprite(&sprite), 1);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 10, 20), 31);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 13, 23), 31);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 11, 21), green); // the hole shows the fill
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 14, 20), green);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 9, 20), green);
    // Drawn, the keyed frame is run-length encoded: its pixels still read, and it reloads.
    EXPECT_EQ(ReadSurfacePixel(sprite.frames[1], 0, 0), 31);
    EXPECT_EQ(ReadSurfacePixel(sprite.frames[1], 1, 1), 0);
    ASSERT_EQ(DDLoadImageBitmap(&sprite, 1, &sheet, 0, 0, 1), 1);
    ASSERT_EQ(DrawSprite(&sprite), 1);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 11, 21), 31 * 2048); // no hole in the red cell

    sprite.x = -1.5f; // truncated toward zero: -1, one column cut off
    sprite.y = 0;
    SetSpriteFrame(&sprite, 0);
    ASSERT_EQ(DrawSprite(&sprite), 1);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 2, 0), 31 * 2048);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 3, 0), green);
    sprite.x = 798;
    sprite.y = 598;
    ASSERT_EQ(DrawSprite(&sprite), 1);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 799, 599), 31 * 2048);
    // Far off the screen nothing is drawn, and the position's conversion stays defined.
    FillBackBuffer(0, 31, 0);
    for (float far : {-1.0e9f, 1.0e9f, -30.0f}) {
        sprite.x = far;
        sprite.y = far;
        DrawSprite(&sprite);
    }
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 0, 0), green);
    // What the sheet's edges refuse is the fuzz replay's.
    EXPECT_EQ(DDLoadImageBitmap(&sprite, 0, &sheet, 0, 0, 0), 0); // unknown mode
    BitmapFile empty{};
    EXPECT_EQ(DDLoadImageBitmap(&sprite, 0, &empty, 0, 0, 1), 0);
}

// The menus' backdrop is kept composed over its fill: another frame or fill is composed afresh.
TEST_F(SpriteSheetTest, AKeptBackdropFollowsItsFrameAndItsFill) {
    std::vector<Rgb> pixels(1601 * 600, Rgb{255, 0, 0});
    for (int y = 0; y < 600; ++y) {
        for (int x = 800; x < 1601; ++x) {
            pixels[y * 1601 + x] = x == 800 ? Rgb{0, 0, 0} : Rgb{0, 0, 255};
        }
    }
    pixels[1601 + 1] = pixels[1601 + 802] = {0, 0, 0}; // a hole in each frame
    const std::vector<uint8_t> bytes = MakeBmp(1601, 600, pixels);
    BitmapFile screens{};
    ASSERT_EQ(LoadBitmapFromMemory(&screens, bytes.data(), bytes.size()), 1);
    ASSERT_EQ(CreateSprite(&sprite, 800, 600, 1, 0, 1), 1);
    ASSERT_EQ(DDLoadImageBitmap(&sprite, 0, &screens, 0, 0, 1), 1);
    ASSERT_EQ(DDLoadImageBitmap(&sprite, 1, &screens, 801, 0, 1), 1);
    const uint16_t green = PackFillColour(0, 31, 0, 16);
    const uint16_t white = PackFillColour(31, 31, 31, 16);
    const struct {
        int frame;
        uint16_t fill, corner, hole;
    } kDraws[] = {{0, green, 31 * 2048, green}, {1, green, 31, green}, {1, white, 31, white}};
    for (const auto& draw : kDraws) {
        SetSpriteFrame(&sprite, draw.frame);
        ASSERT_EQ(FillAndDrawSprite(&sprite, draw.fill), 1);
        EXPECT_EQ(ReadSurfacePixel(backBuffer, 0, 0), draw.corner) << draw.frame;
        EXPECT_EQ(ReadSurfacePixel(backBuffer, 1, 1), draw.hole) << draw.frame;
    }
    UnloadBitmapFile(&screens);
}

TEST_F(SpriteSheetTest, FramesOutsideTheSpriteAreNeverShownAndRemakingFreesTheOld) {
    EXPECT_EQ(CreateSprite(&sprite, 4, 4, 64, 0, 1), 0);
    EXPECT_FALSE(SpriteIsLive(&sprite));
    ASSERT_EQ(CreateSprite(&sprite, 4, 4, 63, 0, 1), 1);
    EXPECT_EQ(SetSpriteFrame(&sprite, 64), 0);
    EXPECT_EQ(SetSpriteFrame(&sprite, -1), 0);
    EXPECT_EQ(DDLoadImageBitmap(&sprite, -1, &sheet, 0, 0, 1), 0);
    EXPECT_EQ(sprite.currentFrame, 0);
    sprite.currentFrame = 70;
    EXPECT_EQ(DrawSprite(&sprite), 0);
    ASSERT_EQ(CreateSprite(&sprite, 4, 4, 1, 0, 1), 1); // the 64 old frames are freed
    EXPECT_EQ(sprite.frames[2], nullptr);
}

} // namespace
