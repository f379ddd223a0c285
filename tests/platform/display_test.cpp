// The display: colour packing, the letterbox, and the window under SDL's dummy driver.
#include "platform/display.h"

#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/debug_log.h"
#include "platform/screenshot.h"
#include "tests/test_support.h"

namespace {

// Red at 15 bits is the display test's.
TEST(PackFillColour, PacksFiveFiveFiveAndFiveSixFive) {
    EXPECT_EQ(PackFillColour(0, 31, 0, 15), 0x03E0);
    // A 5-bit green lands in bits 6..10 and leaves bit 5 clear.
    EXPECT_EQ(PackFillColour(31, 31, 31, 16), 0xFFDF);
}

// Whatever size the window ends up with, the whole picture shows in it, and the cursor is read
// through the same rectangle the picture was drawn in.
TEST(LetterboxPicture, FitsTheWindowsRealSizeAndMapsTheCursorThroughIt) {
    struct Point {
        int x, y;
    };
    const struct {
        const char* window;
        int outputWidth, outputHeight, windowWidth, windowHeight;
        ScreenRect picture;
        Point at, expected;
    } cases[] = {
        // Full screen asked for on a 1024 x 768 desktop, but nobody resized the window.
        {"did not grow", 800, 600, 800, 600, {0, 0, 800, 600}, {400, 300}, {400, 300}},
        {"whole desktop", 1024, 768, 1024, 768, {0, 0, 1024, 768}, {1023, 767}, {799, 599}},
        {"wide", 1920, 1080, 1920, 1080, {240, 0, 1440, 1080}, {960, 540}, {400, 300}},
        {"wide, on the bar", 1920, 1080, 1920, 1080, {240, 0, 1440, 1080}, {100, 540}, {-78, 300}},
        {"tall", 800, 900, 800, 900, {0, 150, 800, 600}, {10, 160}, {10, 10}},
        {"high density", 1600, 1200, 800, 600, {0, 0, 1600, 1200}, {400, 300}, {400, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        const ScreenRect picture = LetterboxPicture(c.outputWidth, c.outputHeight);
        EXPECT_EQ(picture.x, c.picture.x);
        EXPECT_EQ(picture.y, c.picture.y);
        EXPECT_EQ(picture.width, c.picture.width);
        EXPECT_EQ(picture.height, c.picture.height);
        const PictureMapping mapping{picture, c.outputWidth, c.outputHeight, c.windowWidth,
                                     c.windowHeight};
        Point got{};
        WindowToPicture(mapping, c.at.x, c.at.y, &got.x, &got.y);
        EXPECT_EQ(got.x, c.expected.x);
        EXPECT_EQ(got.y, c.expected.y);
    }
}

// Its log lines are checked by the golden start-up logs.
TEST(Display, StartsAndPresentsWhatWasDrawn) {
    ScratchFolder folder;
    WorkingDirectory inFolder(folder.path());
    bugLog.Open();
    ASSERT_EQ(OpenGameWindow("Stridewell", true), 1);
    ASSERT_EQ(InitDisplay(800, 600, 15), 1);
    const ClipRect screen{0, 0, 800, 600};
    backClipper = AttachClipper(backBuffer, 1, &screen);
    ASSERT_NE(backClipper, nullptr);
    EXPECT_EQ(DisplayBitsPerPixel(), 15);

    const int64_t framesBefore = PresentedFrameCount();
    SetFramePacing(false);
    FillBackBuffer(31, 0, 0);
    EXPECT_EQ(ReadSurfacePixel(backBuffer, 799, 599), 0x7C00);
    ASSERT_EQ(PresentFrame(), 1);
    EXPECT_EQ(PresentedFrameCount(), framesBefore + 1);
    const std::vector<uint8_t> rgb = PresentedRgb();
    ASSERT_EQ(rgb.size(), 800u * 600u * 3u);
    EXPECT_EQ(rgb[0], 255);
    EXPECT_EQ(rgb[1], 0);
    // A .bmp screenshot reads back whole through the game's own picture reader.
    ASSERT_TRUE(SaveScreenshot(folder.File("shot.bmp").c_str()));
    BitmapFile shot;
    ASSERT_EQ(LoadBitmapFile(&shot, folder.File("shot.bmp").c_str()), 1);
    EXPECT_EQ(shot.infoHeader.size, 40u);
    EXPECT_EQ(shot.infoHeader.width, 800);
    EXPECT_EQ(shot.infoHeader.height, 600);
    UnloadBitmapFile(&shot);

    ReleaseDisplay();
    EXPECT_EQ(backBuffer, nullptr);
    EXPECT_EQ(FillBackBuffer(0, 0, 0), 0); // nothing draws through a released display
    EXPECT_EQ(PresentFrame(), 0);
    bugLog.Close();
}

} // namespace
