// The generated pictures: every sprite of the game's manifest and of the single screens loads
// from them through the game's own reader, each cell full, borders empty, the key where it belongs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/asset_manifest.h"
#include "platform/bitmap.h"
#include "platform/display.h"
#include "platform/sprite.h"
#include "tests/assets/generated_data.h"
#include "tests/test_support.h"

namespace {

struct Cell {
    std::string picture;
    int width, height, lastFrame;
    std::vector<SpriteCell> cells;
};

// The pictures single screens load outside the manifest: the intro, results, notices and the
// player tabs.
const std::vector<Cell> kScreenCells = {
    {"intro.bmp", 481, 105, 1, {{0, 166, 386}}},
    {"intro.bmp", 153, 31, 1, {{0, 313, 497}}},
    {"intro.bmp", 545, 155, 1, {{0, 150, 5}}},
    {"intro.bmp", 790, 156, 1, {{0, 5, 190}}},
    {"results.bmp", 800, 600, 1, {{0, 0, 0}}},
    {"resetgamenotice.bmp", 800, 600, 1, {{0, 0, 0}}},
    {"stakesinfo.bmp", 670, 329, 1, {{0, 0, 0}}},
    {"stakesinfo_rnd2.bmp", 670, 329, 1, {{0, 0, 0}}},
    {"stakesinfo_rnd3.bmp", 670, 329, 1, {{0, 0, 0}}},
    {"stakesinfo_rnd4.bmp", 670, 329, 1, {{0, 0, 0}}},
    {"sprites.bmp", 21, 52, 1, {{0, 235, 388}}},
    {"sprites.bmp", 34, 52, 1, {{0, 257, 388}}},
    {"sprites.bmp", 34, 52, 1, {{0, 293, 388}}},
    {"sprites.bmp", 36, 52, 1, {{0, 328, 388}}},
};

// Every sprite the game cuts at start-up, as its manifest says, then the single screens'.
std::vector<Cell> AllCells() {
    std::vector<Cell> all;
    for (const SpriteRow& row : ManifestSprites()) {
        all.push_back({row.picture, row.width, row.height, row.lastFrame,
                       std::vector<SpriteCell>(row.cells.begin(), row.cells.end())});
    }
    all.insert(all.end(), kScreenCells.begin(), kScreenCells.end());
    return all;
}

// Pictures the screens show without any see-through pixel.
const std::vector<std::string> kOpaque = {"track.bmp", "results.bmp", "resetgamenotice.bmp",
                                          "champion_screen.bmp"};

std::string ImagePath(const std::string& picture) {
    return GeneratedDataFolder() + "/images/" + picture;
}

uint16_t SheetPixel(const BitmapFile& sheet, int x, int y) {
    uint16_t p;
    std::memcpy(&p, sheet.pixels.data() + 2 * (static_cast<size_t>(y) * sheet.infoHeader.width + x),
                2);
    return p;
}

// Lightness 0..1 of a 5-6-5 pixel.
double Lightness(uint16_t p) {
    const double r = (p >> 11) / 31.0, g = ((p >> 5) & 63) / 63.0, b = (p & 31) / 31.0;
    return 0.3 * r + 0.59 * g + 0.11 * b;
}

class GeneratedPictures : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(GeneratedDataFolder().empty()); }
    void TearDown() override {
        DestroySprite(&sprite);
        UnloadBitmapFile(&sheet);
    }
    void Load(const std::string& picture) {
        ASSERT_EQ(LoadBitmapFile(&sheet, ImagePath(picture).c_str()), 1) << picture;
    }
    BitmapFile sheet{};
    Sprite sprite{};
};

// Whether each sheet is large enough shows as its cells load: the reader refuses a cell that
// reaches past the sheet.
TEST_F(GeneratedPictures, EveryFileIsAnUncompressedBottomUp24BitBmp) {
    std::set<std::string> pictures;
    for (const Cell& cell : AllCells()) {
        pictures.insert(cell.picture);
    }
    for (const std::string& picture : pictures) {
        const std::vector<uint8_t> bytes = ReadBytes(ImagePath(picture));
        ASSERT_GE(bytes.size(), 54u) << picture;
        auto get32 = [&](size_t at) {
            return static_cast<int64_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                        static_cast<uint32_t>(bytes[at + 3]) << 24);
        };
        const int64_t width = get32(18), height = get32(22);
        EXPECT_EQ(bytes[0], 'B') << picture;
        EXPECT_EQ(bytes[1], 'M') << picture;
        EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << picture;
        EXPECT_EQ(get32(30), 0) << picture << " is compressed";
        EXPECT_GT(height, 0) << picture << " is not bottom-up";
        EXPECT_EQ(width % 4, 0) << picture << " rows would need padding";
        EXPECT_EQ(get32(34), 3 * width * height) << picture << " image size";
        EXPECT_EQ(static_cast<int64_t>(bytes.size()), get32(10) + 3 * width * height) << picture;
    }
}

TEST_F(GeneratedPictures, EveryListedCellLoadsOpaqueAndFramesWithoutACellStayEmpty) {
    for (const Cell& cell : AllCells()) {
        Load(cell.picture);
        ASSERT_EQ(CreateSprite(&sprite, cell.width, cell.height, cell.lastFrame, 0, 1), 1);
        std::vector<bool> filled(cell.lastFrame + 1, false);
        for (const SpriteCell& c : cell.cells) {
            ASSERT_EQ(DDLoadImageBitmap(&sprite, c.frame, &sheet, c.x, c.y, 1), 1)
                << cell.picture << " cell at " << c.x << ", " << c.y;
            filled[c.frame] = true;
        }
        for (int frame = 0; frame <= cell.lastFrame; ++frame) {
            int opaque = 0;
            for (int y = 0; y < cell.height; ++y) {
                for (int x = 0; x < cell.width; ++x) {
                    opaque += ReadSurfacePixel(sprite.frames[frame], x, y) != 0;
                }
            }
            const int area = cell.width * cell.height;
            if (filled[frame]) {
                // The lettering of the intro covers the least: about a tenth.
                EXPECT_GT(opaque, area / 20) << cell.picture << " " << cell.width << " x "
                                             << cell.height << " frame " << frame;
            } else {
                EXPECT_EQ(opaque, 0) << cell.picture << " frame " << frame;
            }
            const bool wholly = std::count(kOpaque.begin(), kOpaque.end(), cell.picture) > 0;
            if (filled[frame] && wholly) {
                EXPECT_EQ(opaque, area) << cell.picture << " shows through";
            }
        }
        DestroySprite(&sprite);
    }
}

TEST_F(GeneratedPictures, CellsOfASheetNeverOverlapAndTheirBordersAreTransparent) {
    struct Rect {
        int x, y, w, h;
        bool operator<(const Rect& o) const {
            return std::tie(x, y, w, h) < std::tie(o.x, o.y, o.w, o.h);
        }
    };
    std::map<std::string, std::set<Rect>> sheets;
    for (const Cell& cell : AllCells()) {
        for (const SpriteCell& c : cell.cells) {
            sheets[cell.picture].insert({c.x, c.y, cell.width, cell.height});
        }
    }
    for (const auto& [picture, cells] : sheets) {
        if (cells.size() < 2) {
            continue;
        }
        Load(picture);
        const int width = sheet.infoHeader.width, height = sheet.infoHeader.height;
        std::vector<int> owner(static_cast<size_t>(width) * height, -1);
        int index = 0;
        for (const Rect& r : cells) {
            ASSERT_LE(r.x + r.w, width) << picture;
            ASSERT_LE(r.y + r.h, height) << picture;
            for (int y = r.y; y < r.y + r.h; ++y) {
                for (int x = r.x; x < r.x + r.w; ++x) {
                    ASSERT_EQ(owner[y * width + x], -1)
                        << picture << ": cells overlap at " << x << ", " << y;
                    owner[y * width + x] = index;
                }
            }
            ++index;
        }
        // The one-pixel ring round each cell belongs to no cell and holds only the key.
        for (const Rect& r : cells) {
            for (int y = r.y - 1; y <= r.y + r.h; ++y) {
                for (int x = r.x - 1; x <= r.x + r.w; ++x) {
                    const bool ring =
                        x == r.x - 1 || x == r.x + r.w || y == r.y - 1 || y == r.y + r.h;
                    if (!ring || x < 0 || y < 0 || x >= width || y >= height) {
                        continue;
                    }
                    EXPECT_EQ(owner[y * width + x], -1)
                        << picture << ": no border between cells at " << x << ", " << y;
                    EXPECT_EQ(SheetPixel(sheet, x, y), 0)
                        << picture << ": border pixel " << x << ", " << y << " is drawn";
                }
            }
        }
    }
}

TEST_F(GeneratedPictures, EveryRunnerFrameDiffersFromTheNextAndEveryRunnerFromTheOthers) {
    Load("horses.bmp");
    auto frame = [&](int runner, int i) {
        std::vector<uint16_t> pixels;
        for (int y = 0; y < 56; ++y) {
            for (int x = 0; x < 106; ++x) {
                pixels.push_back(SheetPixel(sheet, 1 + 107 * i + x, 1 + 57 * runner + y));
            }
        }
        return pixels;
    };
    for (int r = 0; r < 10; ++r) {
        for (int i = 0; i < 11; ++i) {
            EXPECT_NE(frame(r, i), frame(r, (i + 1) % 11)) << "runner " << r << " frame " << i;
        }
        for (int other = r + 1; other < 10; ++other) {
            EXPECT_NE(frame(r, 0), frame(other, 0)) << "runners " << r << " and " << other;
        }
    }
}

// Mean difference of two columns of a cell, channel by channel, key counted as a difference.
double ColumnDifference(const BitmapFile& sheet, int x0, int x1, int top, int rows) {
    double sum = 0;
    for (int y = top; y < top + rows; ++y) {
        const uint16_t a = SheetPixel(sheet, x0, y), b = SheetPixel(sheet, x1, y);
        if ((a == 0) != (b == 0)) {
            sum += 64;
            continue;
        }
        sum += std::abs((a >> 11) - (b >> 11)) + std::abs(((a >> 5) & 63) - ((b >> 5) & 63)) / 2.0 +
               std::abs((a & 31) - (b & 31));
    }
    return sum / rows;
}

TEST_F(GeneratedPictures, TheTrackTilesAndRailStripsJoinWithoutASeam) {
    // Two copies sit 800 apart: the last column runs on into the first as any two neighbours do.
    Load("track.bmp");
    const double seam = ColumnDifference(sheet, 800, 1, 1, 600);
    const double inside = ColumnDifference(sheet, 400, 401, 1, 600);
    EXPECT_LE(seam, inside * 1.5 + 0.5);
    UnloadBitmapFile(&sheet);
    Load("sprites2.bmp");
    const double stripSeam = ColumnDifference(sheet, 799, 0, 209, 21);
    const double stripInside = ColumnDifference(sheet, 300, 301, 209, 21);
    EXPECT_LE(stripSeam, stripInside * 1.5 + 0.5);
}

TEST_F(GeneratedPictures, TheBackdropsWindowIsSeeThroughAndItsFrameIsNot) {
    Load("mainmenu.bmp");
    // The sheet's cell starts at (1, 1): screen (x, y) is sheet (x + 1, y + 1).
    for (const auto& [x, y] : {std::pair{400, 300}, {160, 80}, {780, 550}, {300, 180}}) {
        EXPECT_EQ(SheetPixel(sheet, x + 1, y + 1), 0) << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{10, 10}, {10, 300}, {400, 585}, {26, 575}}) {
        EXPECT_NE(SheetPixel(sheet, x + 1, y + 1), 0) << x << ", " << y;
    }
}

TEST_F(GeneratedPictures, TheMenuHorseIsLightAndLeavesTheHintLineClear) {
    Load("menu_horse.bmp");
    int opaque = 0, light = 0;
    for (int y = 0; y < 424; ++y) {
        for (int x = 0; x < 537; ++x) {
            const uint16_t p = SheetPixel(sheet, x + 1, y + 1);
            // The picture sits at y 177; the hint line's band begins at screen y 566.
            if (177 + y >= 566) {
                EXPECT_EQ(p, 0) << x << ", " << y;
            } else if (p != 0) {
                ++opaque;
                light += Lightness(p) >= 0.6;
            }
        }
    }
    ASSERT_GT(opaque, 0);
    EXPECT_GE(light, opaque * 97 / 100);
}

TEST_F(GeneratedPictures, TheProgressMapsCoursePassesThroughEveryMarkerCentre) {
    Load("sprites2.bmp");
    // The marker positions of the race view, the map at (500, 15), the marker's centre +(11, 9).
    const int markers[][2] = {{626, 126}, {665, 125}, {703, 115}, {727, 101}, {749, 76}, {738, 46},
                              {708, 29},  {660, 16},  {632, 14},  {595, 17},  {562, 23}, {532, 37},
                              {508, 67},  {517, 92},  {540, 109}, {581, 124}};
    const int mapX = 1, mapY = 231; // the map's cell in the sheet
    auto at = [&](int screenX, int screenY) {
        return SheetPixel(sheet, mapX + screenX - 500, mapY + screenY - 15);
    };
    const uint16_t course = at(markers[0][0] + 11, markers[0][1] + 9);
    EXPECT_NE(course, 0);
    for (const auto& m : markers) {
        EXPECT_EQ(at(m[0] + 11, m[1] + 9), course) << m[0] << ", " << m[1];
    }
    // Well inside the oval lies the infield, not the course.
    EXPECT_NE(at(640, 80), course);
}

} // namespace
