// Lettering: the ten faces at their cell heights, drawing on a transparent background, the cache.
#include "platform/text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/display.h"
#include "shell/game_reset.h"

namespace {

class TextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        surface = CreateOffscreenSurface(kScreenWidth, kScreenHeight, 0, 0, 0);
        ASSERT_NE(surface, nullptr);
    }
    void TearDown() override {
        ReleaseSurface(surface);
        ResetGameState();
    }
    std::vector<uint16_t> Pixels() const {
        std::vector<uint16_t> pixels;
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 400; ++x) {
                pixels.push_back(ReadSurfacePixel(surface, x, y));
            }
        }
        return pixels;
    }
    // The pixels of a line drawn alone on black.
    std::vector<uint16_t> Drawn(const Font* font, const char* line) {
        backBuffer = surface;
        FillBackBuffer(0, 0, 0);
        backBuffer = nullptr;
        DrawSurfaceText(line, 10, 10, 0xFFFFFF, surface, font);
        return Pixels();
    }
    int ChangedPixels(uint16_t background) const {
        const std::vector<uint16_t> pixels = Pixels();
        return static_cast<int>(pixels.size() -
                                std::count(pixels.begin(), pixels.end(), background));
    }
    Surface* surface = nullptr;
};

TEST_F(TextTest, EachFontHasTheCellHeightItWasAskedFor) {
    const struct {
        int height;
        const char* face;
        const char* style;
    } kFonts[] = {
        {14, "Comic Sans MS", "r"}, {22, "Arial", "r"}, {50, "Arial", "i"}, {20, "Arial", "b"}};
    for (const auto& font : kFonts) {
        const Font* made = MakeFont(font.height, font.face, font.style);
        ASSERT_NE(made, nullptr) << font.face << " " << font.height;
        EXPECT_NEAR(FontCellHeight(made), font.height, 1) << font.face << " " << font.height;
    }
    // Bold is only for style "b": "i" is the code of a regular face.
    const int regular = TextWidth(MakeFont(30, "Arial", "r"), "Stridewell");
    EXPECT_EQ(TextWidth(MakeFont(30, "Arial", "i"), "Stridewell"), regular);
    EXPECT_GT(TextWidth(MakeFont(30, "Arial", "b"), "Stridewell"), regular);
}

TEST_F(TextTest, OnlyTheGlyphsArePainted) {
    const Font* font = MakeFont(30, "Arial", "r");
    backBuffer = surface;
    FillBackBuffer(0, 0, 20);
    backBuffer = nullptr;
    const uint16_t blue = PackFillColour(0, 0, 20, 16);
    EXPECT_EQ(DrawSurfaceText("", 10, 10, 0xFFFFFF, surface, font), 0);
    EXPECT_EQ(ChangedPixels(blue), 0);
    ASSERT_EQ(DrawSurfaceText("Post Time", 10, 10, 0x00FF00, surface, font), 1);
    const int painted = ChangedPixels(blue);
    EXPECT_GT(painted, 100);
    EXPECT_LT(painted, TextWidth(font, "Post Time") * 30 / 2);
    EXPECT_EQ(ReadSurfacePixel(surface, 10, 10), blue); // above the capitals
    // Without a font the fallback face draws, bad bytes included.
    EXPECT_EQ(DrawSurfaceText("\xff\xfe bad \xc3", 10, 10, 0xFFFFFF, surface, nullptr), 1);
    EXPECT_EQ(MakeFont(0, "Arial", "r"), nullptr);
    EXPECT_GT(TextWidth(nullptr, "Loading..."), 20);
}

TEST_F(TextTest, NamesInEveryScriptAreDrawnInRealGlyphs) {
    // U+10FFFD is in no installed face: each name's twin has an empty box for each letter that
    // the game's Latin faces lack.
    const struct {
        const char* name;
        const char* boxed;
    } kNames[] = {{"Zoë Åberg", "Zo\U0010FFFD \U0010FFFDberg"},
                  {"Ωμέγα", "\U0010FFFD\U0010FFFD\U0010FFFD\U0010FFFD\U0010FFFD"},
                  {"王", "\U0010FFFD"},
                  {"🐎Zo", "\U0010FFFDZo"}};
    const Font* font = MakeFont(14, "Comic Sans MS", "r");
    for (const auto& name : kNames) {
        EXPECT_EQ(UndrawableCharacter(name.name), 0u) << name.name;
        EXPECT_TRUE(Drawn(font, name.name) != Drawn(font, name.boxed)) << name.name;
    }
    EXPECT_EQ(UndrawableCharacter("Zo\U0010FFFD"), 0x10FFFDu);
}

TEST_F(TextTest, TheCacheKeepsLinesUpToItsBound) {
    const Font* font = MakeFont(14, "Comic Sans MS", "r");
    for (int i = 0; i < 3; ++i) {
        DrawSurfaceText("FPS: 60", 10, 10, 0xC8C8C8, surface, font);
    }
    EXPECT_EQ(TextCacheSize(), 1);
    DrawSurfaceText("FPS: 60", 10, 10, 0x0000C8, surface, font); // another colour, another line
    EXPECT_EQ(TextCacheSize(), 2);
    for (int i = 0; i < 2 * kTextCacheLimit; ++i) {
        DrawSurfaceText(std::to_string(i).c_str(), 10, 10, 0xC8C8C8, surface, font);
    }
    EXPECT_EQ(TextCacheSize(), kTextCacheLimit);
}

} // namespace
