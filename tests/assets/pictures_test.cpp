// The generated pictures: every sprite of the game's manifest loads from them through the game's
// own reader, each cell full, borders empty, the key where it belongs.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/asset_manifest.h"
#include "platform/bitmap.h"
#include "platform/display.h"
#include "platform/sprite.h"
#include "tests/test_support.h"

namespace {

// Pictures the screens show without any see-through pixel.
const std::vector<std::string> kOpaque = {"track.bmp", "champion_screen.bmp"};

std::string ImagePath(const std::string& picture) {
    return (GeneratedGameData() / "images" / picture).string();
}

uint16_t SheetPixel(const BitmapFile& sheet, int x, int y) {
    uint16_t p;
    std::memcpy(&p, sheet.pixels.data() + 2 * (static_cast<size_t>(y) * sheet.infoHeader.width + x),
                2);
    return p;
}

class GeneratedPictures : public ::testing::Test {
  protected:
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

// A cell reaching past its sheet is refused by the reader as it loads.
TEST_F(GeneratedPictures, EveryListedCellLoadsOpaqueAndFramesWithoutACellStayEmpty) {
    for (const SpriteRow& cell : ManifestSprites()) {
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

// The one-pixel ring round each cell of a shared sheet holds only the key, so no cell shows a
// neighbour's edge; and no two cells of a sheet are alike.
TEST_F(GeneratedPictures, TheBordersBetweenCellsAreTransparent) {
    std::map<std::string, std::set<std::array<int, 4>>> sheets;
    for (const SpriteRow& row : ManifestSprites()) {
        for (const SpriteCell& c : row.cells) {
            sheets[row.picture].insert({c.x, c.y, row.width, row.height});
        }
    }
    for (const auto& [picture, cells] : sheets) {
        if (cells.size() < 2) {
            continue;
        }
        Load(picture);
        const int width = sheet.infoHeader.width, height = sheet.infoHeader.height;
        std::set<std::vector<uint16_t>> looks;
        for (const auto& [left, top, w, h] : cells) {
            std::vector<uint16_t> look;
            for (int y = std::max(top - 1, 0); y <= std::min(top + h, height - 1); ++y) {
                for (int x = std::max(left - 1, 0); x <= std::min(left + w, width - 1); ++x) {
                    const bool ring =
                        x == left - 1 || x == left + w || y == top - 1 || y == top + h;
                    EXPECT_TRUE(!ring || SheetPixel(sheet, x, y) == 0)
                        << picture << ": border pixel " << x << ", " << y << " is drawn";
                    look.push_back(SheetPixel(sheet, x, y));
                }
            }
            looks.insert(look);
        }
        // No cell repeats another: each runner and each of its gallop frames is its own picture.
        EXPECT_EQ(looks.size(), cells.size()) << picture << " has cells alike";
        UnloadBitmapFile(&sheet);
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

} // namespace
