// The .bmp reader: pixel packing, row order, padding, and files that must be refused. Reading
// from disk is the game's start-up's (the golden logs, a missing picture included).
#include "platform/bitmap.h"

#include <cstring>
#include <gtest/gtest.h>

#include "platform/display.h"
#include "tests/test_support.h"

namespace {

uint16_t PixelAt(const BitmapFile& bmp, int x, int y) {
    uint16_t value;
    std::memcpy(&value, &bmp.pixels[(static_cast<size_t>(y) * bmp.infoHeader.width + x) * 2], 2);
    return value;
}

int LoadBytes(BitmapFile* bmp, const std::vector<uint8_t>& bytes) {
    return LoadBitmapFromMemory(bmp, bytes.data(), bytes.size());
}

class BitmapTest : public ::testing::Test {
  protected:
    void TearDown() override { SetDisplayDepth(16); }
    BitmapFile bmp{};
};

// Two rows, three pixels each: 3 x 3 bytes needs a pad byte per row in the file.
const std::vector<Rgb> kTwoRows = {{255, 0, 0},     {0, 255, 0}, {0, 0, 255},
                                   {255, 255, 255}, {8, 4, 16},  {0, 0, 0}};

TEST_F(BitmapTest, PacksTheDisplaysDepthWithTheTopRowFirst) {
    std::vector<uint8_t> gap = MakeBmp(3, 2, kTwoRows);
    gap.insert(gap.begin() + 54, 10, 0xEE); // a gap before the rows, which the offset skips
    Put32(gap, 10, 64);
    // A 5-bit green lands in bits 6..10 at 16 bits; bit 5 stays clear.
    const std::vector<uint16_t> fiveSixFive = {31 * 2048, 31 * 64, 31, 0xFFDF, 2048 + 2, 0};
    const struct {
        const char* why;
        int depth;
        std::vector<uint8_t> bytes;
        std::vector<uint16_t> pixels;
    } cases[] = {
        {"5-6-5", 16, MakeBmp(3, 2, kTwoRows), fiveSixFive},
        {"5-5-5", 15, MakeBmp(3, 2, kTwoRows), {31 * 1024, 31 * 32, 31, 0x7FFF, 1024 + 2, 0}},
        {"top-down", 16, MakeBmp(3, 2, kTwoRows, false), fiveSixFive},
        {"bit offset", 16, gap, fiveSixFive},
    };
    for (const auto& c : cases) {
        SetDisplayDepth(c.depth);
        ASSERT_EQ(LoadBytes(&bmp, c.bytes), 1) << c.why;
        EXPECT_EQ(bmp.infoHeader.bitCount, 16) << c.why;
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(PixelAt(bmp, i % 3, i / 3), c.pixels[i]) << c.why << " pixel " << i;
        }
    }
}

TEST_F(BitmapTest, RefusesDamagedFilesAndFreesThePreviousPicture) {
    const std::vector<uint8_t> good = MakeBmp(3, 2, kTwoRows);
    auto damaged = [&](auto change) {
        std::vector<uint8_t> bytes = good;
        change(bytes);
        return bytes;
    };
    const std::vector<std::vector<uint8_t>> refused = {
        damaged([](auto& b) { b[0] = 'M'; }),               // not "BM"
        damaged([](auto& b) { b.resize(60); }),             // cut off in the rows
        damaged([](auto& b) { b.resize(30); }),             // cut off in the header
        damaged([](auto& b) { Put32(b, 18, 0x7FFFFFFF); }), // absurd width
        damaged([](auto& b) { Put32(b, 22, 0x80000000); }), // absurd height
        damaged([](auto& b) { Put32(b, 18, 0); }),          // no width
        damaged([](auto& b) { Put32(b, 10, 0xFFFFFFF0); }), // rows beyond the end
        damaged([](auto& b) { Put32(b, 10, 20); }),         // rows inside the header
        damaged([](auto& b) { Put16(b, 28, 32); }),         // depth it does not read
        damaged([](auto& b) { Put32(b, 30, 1); }),          // compressed
        damaged([](auto& b) { Put32(b, 14, 12); }),         // header too small
        damaged([](auto& b) { Put16(b, 28, 8); }),          // no room for a palette
    };
    for (size_t i = 0; i < refused.size(); ++i) {
        ASSERT_EQ(LoadBytes(&bmp, good), 1);
        EXPECT_EQ(LoadBytes(&bmp, refused[i]), 0) << "case " << i;
        EXPECT_TRUE(bmp.pixels.empty()) << "case " << i;
    }
}

} // namespace
