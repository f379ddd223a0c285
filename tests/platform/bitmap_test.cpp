// The .bmp reader: pixel packing, row order, padding, and files that must be refused.
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

TEST_F(BitmapTest, PacksFiveSixFiveWithTheTopRowFirst) {
    SetDisplayDepth(16);
    ASSERT_EQ(LoadBytes(&bmp, MakeBmp(3, 2, kTwoRows)), 1);
    EXPECT_EQ(bmp.infoHeader.bitCount, 16);
    EXPECT_EQ(PixelAt(bmp, 0, 0), 31 * 2048);
    // A 5-bit green lands in bits 6..10; bit 5 stays clear.
    EXPECT_EQ(PixelAt(bmp, 1, 0), 31 * 64);
    EXPECT_EQ(PixelAt(bmp, 2, 0), 31);
    EXPECT_EQ(PixelAt(bmp, 0, 1), 31 * 2048 + 31 * 64 + 31);
    EXPECT_EQ(PixelAt(bmp, 1, 1), 1 * 2048 + 0 * 64 + 2);
    EXPECT_EQ(PixelAt(bmp, 2, 1), 0);
}

TEST_F(BitmapTest, PacksFiveFiveFiveOnAFifteenBitDisplay) {
    SetDisplayDepth(15);
    ASSERT_EQ(LoadBytes(&bmp, MakeBmp(3, 2, kTwoRows)), 1);
    EXPECT_EQ(PixelAt(bmp, 0, 0), 31 * 1024);
    EXPECT_EQ(PixelAt(bmp, 1, 0), 31 * 32);
    EXPECT_EQ(PixelAt(bmp, 2, 0), 31);
    EXPECT_EQ(PixelAt(bmp, 0, 1), 0x7FFF);
}

TEST_F(BitmapTest, TopDownFilesKeepTheirRowOrder) {
    ASSERT_EQ(LoadBytes(&bmp, MakeBmp(3, 2, kTwoRows, false)), 1);
    EXPECT_EQ(PixelAt(bmp, 0, 0), 31 * 2048);
    EXPECT_EQ(PixelAt(bmp, 0, 1), 0xFFDF);
}

TEST_F(BitmapTest, TheBitOffsetIsHonoured) {
    std::vector<uint8_t> bytes = MakeBmp(3, 2, kTwoRows);
    bytes.insert(bytes.begin() + 54, 10, 0xEE); // a gap before the rows
    Put32(bytes, 10, 64);
    ASSERT_EQ(LoadBytes(&bmp, bytes), 1);
    EXPECT_EQ(PixelAt(bmp, 0, 0), 31 * 2048);
    EXPECT_EQ(PixelAt(bmp, 2, 1), 0);
}

TEST_F(BitmapTest, EightBitPalettesAreStoredRedFirst) {
    std::vector<uint8_t> bytes(54 + 1024 + 4, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 10, 54 + 1024);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, 1);
    Put32(bytes, 22, 1);
    Put16(bytes, 26, 1);
    Put16(bytes, 28, 8);
    bytes[54 + 4 * 7] = 10;     // blue
    bytes[54 + 4 * 7 + 2] = 30; // red
    bytes[54 + 1024] = 7;
    ASSERT_EQ(LoadBytes(&bmp, bytes), 1);
    EXPECT_EQ(bmp.palette[7].red, 30);
    EXPECT_EQ(bmp.palette[7].blue, 10);
    EXPECT_EQ(bmp.palette[7].flags, 4);
    EXPECT_EQ(bmp.pixels.size(), 1u);
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

TEST_F(BitmapTest, MissingFilesAreRefused) {
    EXPECT_EQ(LoadBitmapFile(&bmp, "/nonexistent/picture.bmp"), 0);
    ScratchFolder folder;
    WriteBytes(folder.File("empty.bmp"), {});
    EXPECT_EQ(LoadBitmapFile(&bmp, folder.File("empty.bmp").c_str()), 0);
    WriteBytes(folder.File("good.bmp"), MakeBmp(3, 2, kTwoRows));
    EXPECT_EQ(LoadBitmapFile(&bmp, folder.File("good.bmp").c_str()), 1);
    EXPECT_EQ(UnloadBitmapFile(&bmp), 1);
    EXPECT_TRUE(bmp.pixels.empty());
}

TEST(FlipBitmapRows, ReversesRowsInPlace) {
    uint8_t rows[] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(FlipBitmapRows(rows, 2, 3), 1);
    EXPECT_EQ(std::vector<uint8_t>(rows, rows + 6), (std::vector<uint8_t>{5, 6, 3, 4, 1, 2}));
    EXPECT_EQ(FlipBitmapRows(nullptr, 2, 3), 0);
}

} // namespace
