// F12 saves the picture just shown into the player's pictures, compressed; the folder follows
// the desktop's own settings.
#include "shell/desktop_keys.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// The pixel rows a PNG holds: its IDAT chunks joined and inflated.
std::vector<uint8_t> PngRows(const std::vector<uint8_t>& png) {
    std::vector<uint8_t> stream;
    for (size_t at = 8; at + 12 <= png.size();) {
        const size_t size = size_t(png[at]) << 24 | size_t(png[at + 1]) << 16 |
                            size_t(png[at + 2]) << 8 | png[at + 3];
        if (std::string(png.begin() + at + 4, png.begin() + at + 8) == "IDAT") {
            stream.insert(stream.end(), png.begin() + at + 8, png.begin() + at + 8 + size);
        }
        at += 12 + size;
    }
    uLongf size = 800 * (3 * 600 + 1);
    std::vector<uint8_t> rows(size);
    if (uncompress(rows.data(), &size, stream.data(), stream.size()) != Z_OK) {
        return {};
    }
    rows.resize(size);
    return rows;
}

TEST(DesktopKeys, F12SavesThePictureJustShownCompressedIntoThePlayersPictures) {
    ScratchFolder home;
    PrepareGameDataFolder(home.path() / "data");
    const std::string script = "2 keydown S\n4 keyup S\n30 key F12\n30 screenshot " +
                               home.File("same.png") + "\n40 quit\n";
    const GameRun run =
        PlayScript(home.path() / "data", script, "--seed 3 --fixed-fps 30", "dummy",
                   "env HOME=" + home.path().string() + " XDG_CONFIG_HOME= XDG_PICTURES_DIR=");
    ASSERT_EQ(run.status, 0) << run.output;
    const fs::path folder = home.path() / "Pictures/Stridewell";
    ASSERT_TRUE(fs::is_directory(folder));
    const fs::directory_entry saved = *fs::directory_iterator(folder);
    EXPECT_EQ(saved.path().filename().string().rfind("Stridewell 20", 0), 0u);
    const std::vector<uint8_t> png = ReadBytes(saved.path().string());
    const std::vector<uint8_t> stored = ReadBytes(home.File("same.png"));
    EXPECT_LT(png.size(), stored.size() / 4);
    // The header's width and height, 800 and 600, big-endian.
    EXPECT_EQ(std::vector<uint8_t>(png.begin() + 16, png.begin() + 24),
              (std::vector<uint8_t>{0, 0, 3, 32, 0, 0, 2, 88}));
    const std::vector<uint8_t> rows = PngRows(png);
    EXPECT_EQ(rows.size(), 600u * (3 * 800 + 1));
    EXPECT_EQ(rows, PngRows(stored));
}

TEST(DesktopKeys, ScreenshotsGoWhereTheDesktopKeepsPictures) {
    ScratchFolder home;
    fs::create_directories(home.path() / "Bilder");
    fs::create_directories(home.path() / ".config");
    const std::string dirs = "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                             "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    WriteBytes(home.File(".config/user-dirs.dirs"), {dirs.begin(), dirs.end()});
    const std::string h = home.path().string();
    EXPECT_EQ(ScreenshotFolder(nullptr, nullptr, h.c_str()), h + "/Bilder/Stridewell");
    EXPECT_EQ(ScreenshotFolder((h + "/Bilder").c_str(), "/none", h.c_str()),
              h + "/Bilder/Stridewell");
    // A pictures folder that does not exist is passed over for ~/Pictures.
    EXPECT_EQ(ScreenshotFolder("/no/such/folder", nullptr, h.c_str()), h + "/Pictures/Stridewell");
}

} // namespace
