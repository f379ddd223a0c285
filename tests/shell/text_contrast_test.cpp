// The worst case for the game's lettering, played by script through the real executable: four
// players with the longest names of wide letters betting the most, 23-character horse names, a
// top-players table of the largest amounts. On every screen with text on it, each text must
// stand out from what lies behind it by WCAG's contrast ratio of at least 4.5:1.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/settings_file.h"
#include "tests/test_support.h"

namespace {

// Where a text is written on a screenshot (generously: the text is found in it by its colour)
// and the colour it is written in, 0x00BBGGRR as the game gives it.
struct TextRegion {
    const char* shot;
    const char* text;
    int x, y, width, height;
    uint32_t colour;
};

constexpr TextRegion kRegions[] = {
    {"menu", "Ctrl read-out on the menu", 10, 488, 120, 28, 0xC8C8C8},
    {"menu", "Version 1.05", 26, 570, 110, 22, 0x0000C8},
    {"card", "TOP PLAYERS", 2, 83, 142, 22, 0x00FFFF},
    {"card", "the top players' lines", 2, 101, 175, 50, 0x00FF00},
    {"card", "the bets panel's names and money", 520, 90, 140, 100, 0xC80000},
    {"card", "the bets panel's bets", 520, 100, 140, 90, 0x0000C8},
    {"card", "the current player's name", 155, 545, 480, 24, 0x0000AF},
    {"card-ctrl", "Ctrl read-out on the card", 10, 488, 120, 28, 0xC8C8C8},
    {"options", "the Sim Mode hint", 150, 570, 648, 30, 0x0000C8},
    {"race", "THE FIELD's numbers", 36, 80, 30, 94, 0x0000C8},
    {"race", "THE FIELD's names", 68, 80, 145, 94, 0xC80000},
    {"race", "THE FIELD's places", 213, 80, 55, 94, 0x006400},
    {"race", "THE FIELD's odds", 273, 80, 65, 94, 0x640064},
    {"race", "the 4th place's name", 73, 530, 147, 28, 0x0000C8},
    {"race", "the 3rd place's name", 273, 530, 147, 28, 0x0000C8},
    {"race", "the 2nd place's name", 473, 530, 147, 28, 0x0000C8},
    {"race", "the leader's name", 673, 530, 127, 28, 0x0000C8},
    {"race", "the arrow keys' hint", 148, 568, 652, 30, 0x0000C8},
    {"race", "the bets panel on the track", 348, 70, 130, 100, 0xC80000},
    {"results", "the first three runners", 148, 215, 372, 86, 0x006060},
    {"results", "the prices", 363, 215, 160, 80, 0x016401},
    {"results", "the players' names", 540, 205, 72, 120, 0x0000C8},
    {"results", "the players' returns", 606, 205, 190, 120, 0x016401},
    {"results", "4th to 10th", 148, 325, 225, 275, 0x05FFFF},
    {"results", "--Based on a $2 bet.", 373, 298, 150, 22, 0x0000C8},
    {"results-ctrl", "Ctrl read-out on the results", 10, 448, 120, 28, 0x0000C8},
    {"credits", "the credits in red", 150, 62, 644, 500, 0x0000C8},
    {"credits", "the credits in blue", 150, 62, 644, 500, 0xC80A0A},
};

constexpr double kLeastContrast = 4.5;

// Names as long as the game takes them, of its widest letters.
constexpr const char* kPlayerNames[4] = {"WWWWWWWWWWW", "MMMMMMMMMMM", "WWWWWWWWWWM",
                                         "WMWMWMWMWMW"};
constexpr const char* kHorseNames[] = {"Wandering Midnight Wolf", "Mighty Warrior Madness",
                                       "WWWWWWWWWWWWWWWWWWWWWWW", "Marvellous Mawkish Mare",
                                       "Moonwalk Of Wimbledon W"};

// A 24-bit, bottom-up 800 x 600 screenshot as the game writes it.
struct Shot {
    std::vector<uint8_t> bmp;
    // The pixel's red, green and blue.
    std::array<uint8_t, 3> At(int x, int y) const {
        const uint8_t* p = &bmp[54 + (599 - y) * 2400 + 3 * x];
        return {p[2], p[1], p[0]};
    }
};

// WCAG's relative luminance of an sRGB colour.
double Luminance(const std::array<uint8_t, 3>& rgb) {
    double sum = 0;
    constexpr double kWeights[3] = {0.2126, 0.7152, 0.0722};
    for (int c = 0; c < 3; ++c) {
        const double v = rgb[c] / 255.0;
        sum += kWeights[c] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double ContrastRatio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A 0x00BBGGRR colour as a 5-6-5 picture shows it.
std::array<uint8_t, 3> OnScreen(uint32_t colour) {
    auto widen = [](int value, int bits) {
        return (value << (8 - bits)) | (value >> (2 * bits - 8));
    };
    return {static_cast<uint8_t>(widen((colour & 0xFF) >> 3, 5)),
            static_cast<uint8_t>(widen(((colour >> 8) & 0xFF) >> 2, 6)),
            static_cast<uint8_t>(widen(((colour >> 16) & 0xFF) >> 3, 5))};
}

struct Measure {
    int letterPixels;
    double contrast;
};

// The letters are found by their colour; the background's lightness is the one most of the box
// round them has. Behind the text is every pixel of that box that is neither a quarter of the
// way from the background's lightness to the text's nor next to such a pixel (the letters' soft
// edges). The contrast is the colour's to the worst twentieth of that, so a stripe or a picture
// that runs behind part of a line counts.
Measure MeasureText(const Shot& shot, const TextRegion& region) {
    const std::array<uint8_t, 3> colour = OnScreen(region.colour);
    int left = 800, top = 600, right = -1, bottom = -1, letterPixels = 0;
    for (int y = region.y; y < region.y + region.height; ++y) {
        for (int x = region.x; x < region.x + region.width; ++x) {
            const std::array<uint8_t, 3> p = shot.At(x, y);
            int distance = 0;
            for (int c = 0; c < 3; ++c) {
                distance = std::max(distance, std::abs(p[c] - colour[c]));
            }
            if (distance <= 64) {
                ++letterPixels;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    if (letterPixels < 6) {
        return {letterPixels, 0};
    }
    left = std::max(left - 2, 0), top = std::max(top - 2, 0);
    right = std::min(right + 2, 799), bottom = std::min(bottom + 2, 599);
    const int w = right - left + 1, h = bottom - top + 1;
    std::vector<double> light(w * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            light[y * w + x] = Luminance(shot.At(left + x, top + y));
        }
    }
    const double text = Luminance(colour);
    std::vector<double> byDistance = light;
    std::nth_element(
        byDistance.begin(), byDistance.begin() + light.size() * 3 / 4, byDistance.end(),
        [text](double a, double b) { return std::abs(a - text) < std::abs(b - text); });
    const double background = byDistance[light.size() * 3 / 4];
    std::vector<bool> letter(light.size());
    for (size_t i = 0; i < light.size(); ++i) {
        letter[i] = std::abs(light[i] - background) > 0.25 * std::abs(text - background);
    }
    std::vector<double> ratios;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool nearLetter = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    nearLetter = nearLetter ||
                                 (nx >= 0 && ny >= 0 && nx < w && ny < h && letter[ny * w + nx]);
                }
            }
            if (!nearLetter) {
                ratios.push_back(ContrastRatio(text, light[y * w + x]));
            }
        }
    }
    if (ratios.empty()) {
        return {letterPixels, 0};
    }
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 20, ratios.end());
    return {letterPixels, ratios[ratios.size() / 20]};
}

void NameEveryHorseLong(const std::filesystem::path& horses) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(horses)) {
        std::vector<std::string> lines = ReadLines(entry.path().string());
        ASSERT_FALSE(lines.empty());
        const std::string name = kHorseNames[n++ % std::size(kHorseNames)];
        lines[0] = (name + std::string(23, 'W')).substr(0, 23) + "~";
        std::string file;
        for (const std::string& line : lines) {
            file += line + "\n";
        }
        WriteBytes(entry.path().string(), std::vector<uint8_t>(file.begin(), file.end()));
    }
}

void SaveRichestTopPlayers(const std::string& path) {
    SettingsBlock block;
    block.currentDay = 1;
    block.currentMonth = 1;
    block.currentYear = 2002;
    block.daysToStakes = 10;
    block.raceOfDay = 1;
    const int32_t money[kTopPlayerCount] = {2147483647, 1000000000, 99999};
    for (int i = 0; i < kTopPlayerCount; ++i) {
        std::snprintf(block.topPlayers[i].name, kTopPlayerNameSize, "%s", kPlayerNames[i]);
        block.topPlayers[i].money = money[i];
    }
    ValidateSettingsBlock(&block);
    WriteBytes(path, EncodeSettingsFile(block));
}

// At ten frames a second: the menu with Ctrl held; four players name themselves and bet their
// all (the fourth $555) by their tab, a runner's row, the type and the amount; the card, with
// and without Ctrl; the credits; the options with the Sim Mode hint, where Sim Mode goes on to
// bring post time sooner; the race with the leaders; the results, with and without Ctrl.
constexpr const char* kWorstCaseScript =
    "2 keydown S\n4 keyup S\n6 move 400 300\n8 keydown LeftCtrl\n100 screenshot SHOTS/menu.bmp\n"
    "101 keyup LeftCtrl\n102 move 47 210\n102 click\n105 move 417 488\n105 click\n"
    "107 type WWWWWWWWWWW\n107 key Tab\n108 type MMMMMMMMMMM\n108 key Tab\n"
    "109 type WWWWWWWWWWM\n109 key Tab\n110 type WMWMWMWMWMW\n110 key Enter\n"
    "112 move 160 505\n112 click\n114 button 3001\n114 type 1000\n115 key Enter\n"
    "117 move 232 130\n117 click\n119 move 160 478\n119 click\n"
    "121 button 3000\n121 type 1000\n122 key Enter\n"
    "124 move 277 130\n124 click\n126 move 160 310\n126 click\n"
    "128 button 3002\n128 type 1000\n129 key Enter\n"
    "131 move 317 130\n131 click\n133 move 160 254\n133 click\n"
    "135 button 3000\n135 type 555\n136 key Enter\n"
    "138 move 700 400\n141 screenshot SHOTS/card.bmp\n"
    "142 keydown LeftCtrl\n144 screenshot SHOTS/card-ctrl.bmp\n145 keyup LeftCtrl\n"
    "146 move 50 310\n146 click\n148 move 700 400\n246 screenshot SHOTS/credits.bmp\n"
    // "Game settings" opens once the post-time clock runs.
    "248 move 170 553\n248 click\n250 move 40 262\n350 press left\n351 release left\n"
    "353 move 190 410\n355 screenshot SHOTS/options.bmp\n356 click\n"
    "358 move 560 553\n358 click\n360 move 727 555\n360 click\n362 move 700 300\n"
    "1000 screenshot SHOTS/race.bmp\n1690 screenshot SHOTS/results.bmp\n"
    "1692 keydown LeftCtrl\n1694 screenshot SHOTS/results-ctrl.bmp\n1695 quit\n";

TEST(TextContrast, EveryTextOnTheWorstCaseScreensStandsOutFromWhatIsBehindIt) {
    ScratchFolder folder;
    const std::filesystem::path data = folder.path() / "data";
    PrepareGameDataFolder(data);
    NameEveryHorseLong(data / "horses");
    SaveRichestTopPlayers((data / "settings.stn").string());
    std::string script = kWorstCaseScript;
    for (size_t at; (at = script.find("SHOTS")) != std::string::npos;) {
        script.replace(at, 5, folder.path().string());
    }
    const GameRun run = PlayScript(data, script, "--seed 7 --fixed-fps 10");
    ASSERT_EQ(run.status, 0) << run.output;

    std::map<std::string, Shot> shots;
    for (const TextRegion& region : kRegions) {
        if (shots.count(region.shot) == 0) {
            shots[region.shot].bmp = ReadBytes(folder.File(std::string(region.shot) + ".bmp"));
            ASSERT_EQ(shots[region.shot].bmp.size(), 54u + 800u * 600u * 3u) << region.shot;
        }
        const Measure measure = MeasureText(shots[region.shot], region);
        EXPECT_GE(measure.letterPixels, 6) << region.text << " is not on " << region.shot;
        EXPECT_GE(measure.contrast, kLeastContrast) << region.text << " on " << region.shot;
    }
    // The credits roll behind the menu's backdrop, which frames them on every side.
    const std::array<uint8_t, 3> white{255, 255, 255};
    EXPECT_NE(shots["credits"].At(20, 300), white);
}

} // namespace
