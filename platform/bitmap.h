// The .bmp reader: one shared BitmapFile is loaded, its cells copied into sprite frames, then
// unloaded again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct BitmapFileHeader {
    uint16_t type; // "BM"
    uint32_t size;
    uint16_t reserved1;
    uint16_t reserved2;
    uint32_t offBits; // where the pixel rows start
};

struct BitmapInfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height; // positive: rows stored bottom up; negative: top down
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t clrUsed;
    uint32_t clrImportant;
};

struct PaletteEntry {
    uint8_t red, green, blue, flags;
};

// After a load, pixels holds the rows top to bottom without padding: for a 24-bit file,
// width x height 16-bit pixels in the display's packing (bitCount then reads 16); 8- and
// 16-bit files keep their own pixel values.
struct BitmapFile {
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;
    PaletteEntry palette[256];
    std::vector<uint8_t> pixels; // empty when nothing is loaded
};

// The sheet every start-up load goes through.
extern BitmapFile bitmap;

// The largest picture the reader takes, each way.
constexpr int32_t kMaxBitmapSide = 8192;

// Reads a .bmp file; 1 when read, 0 when the file is missing, is not "BM", or is damaged in
// any way (no file, however crafted, makes the reader step outside its buffers). The
// previous pixels are always freed first.
int LoadBitmapFile(BitmapFile* bitmap, const char* path);

// The same from bytes in memory.
int LoadBitmapFromMemory(BitmapFile* bitmap, const uint8_t* data, size_t size);

int UnloadBitmapFile(BitmapFile* bitmap);

// Reverses the order of rows in place; 0 (buffer untouched) when it does not hold them.
int FlipBitmapRows(uint8_t* buffer, size_t bytesPerRow, size_t rows);

// The 16-bit pixel of an 8-bit-per-channel colour, as 24-bit pictures are packed.
uint16_t PackPicturePixel(uint8_t red, uint8_t green, uint8_t blue, int bitsPerPixel);
