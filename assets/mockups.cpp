// Screen mock-ups for the contact sheet: the pictures put together as the screens draw them,
// with sample lines in the screens' fonts, places and colours, to judge room and contrast.
#include "assets/mockups.h"

#include <cstring>
#include <string>
#include <vector>

#include "assets/art_kit.h"
#include "assets/pictures.h"

namespace {

// A sprite drawn on a mock screen: a cell of a picture put at a screen position.
struct Put {
    const char* file;
    int cellX, cellY, w, h;
    int x, y;
};

// A line of text: fontComicN or fontArialN (bold for fontArialBold9), a Windows colour
// 0x00BBGGRR, top-left at (x, y).
struct Line {
    bool comic;
    int height;
    uint32_t colour;
    int x, y;
    std::string text;
    bool bold = false;
};

const Canvas* Find(const std::vector<Canvas>& pictures, const char* file) {
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (std::strcmp(kPictures[i].file, file) == 0) {
            return &pictures[i];
        }
    }
    return nullptr;
}

void Blit(Canvas* screen, const std::vector<Canvas>& pictures, const Put& p) {
    const Canvas* picture = Find(pictures, p.file);
    if (picture == nullptr) {
        return;
    }
    cairo_surface_flush(screen->surface);
    unsigned char* data = cairo_image_surface_get_data(screen->surface);
    const int stride = cairo_image_surface_get_stride(screen->surface);
    for (int y = 0; y < p.h; ++y) {
        for (int x = 0; x < p.w; ++x) {
            const int sx = p.x + x, sy = p.y + y;
            if (sx < 0 || sy < 0 || sx >= screen->width || sy >= screen->height) {
                continue;
            }
            const uint32_t pixel = PixelAt(*picture, p.cellX + x, p.cellY + y);
            if (pixel != 0) { // the colour key
                reinterpret_cast<uint32_t*>(data + sy * stride)[sx] = 0xFF000000u | pixel;
            }
        }
    }
    cairo_surface_mark_dirty(screen->surface);
}

void Write(Canvas* screen, const Line& line) {
    SetFont(screen->cr,
            line.comic  ? Face::Comic
            : line.bold ? Face::SansBold
                        : Face::Sans,
            line.height);
    const Colour c =
        Rgb8(line.colour & 0xFF, (line.colour >> 8) & 0xFF, (line.colour >> 16) & 0xFF);
    TextAt(screen->cr, line.text, line.x, line.y, c);
}

void Compose(Canvas* screen, const std::vector<Canvas>& pictures, uint32_t fill,
             const std::vector<Put>& puts, const std::vector<Line>& lines) {
    FillRect(screen->cr, 0, 0, 800, 600, Rgb8(fill >> 16, (fill >> 8) & 0xFF, fill & 0xFF));
    for (const Put& p : puts) {
        Blit(screen, pictures, p);
    }
    for (const Line& l : lines) {
        Write(screen, l);
    }
}

const std::vector<Put> kMenu = {
    {"mainmenu.bmp", 1, 1, 800, 600, 0, 0},   {"sprites.bmp", 1, 1, 532, 57, 220, 3},
    {"sprites.bmp", 11, 64, 74, 21, 10, 200}, {"sprites.bmp", 103, 96, 97, 27, 10, 250},
    {"sprites.bmp", 1, 148, 89, 21, 10, 300}, {"sprites.bmp", 6, 125, 53, 22, 10, 350},
};

const std::vector<Line> kMenuLines = {
    {false, 20, 0x00FFFF, 2, 85, "TOP PLAYERS"},
    {true, 14, 0x00FF00, 2, 103, "1) Margaret - $48210"},
    {true, 14, 0x00FF00, 2, 118, "2) Tom - $3105"},
    {true, 14, 0x00FF00, 2, 133, "3) Alexandra - $1200"},
    {false, 18, 0x0000C8, 26, 572, "Version 1.05"},
    {true, 17, 0x0000C8, 150, 575, "Game settings"},
};

std::vector<Put> RaceScene(bool racing) {
    std::vector<Put> puts = {
        {"track.bmp", 1, 1, 800, 600, 0, 0},           {"sprites2.bmp", 0, 209, 800, 21, 0, 180},
        {"tree1.bmp", 31, 1, 68, 91, 680, 130},        {"tree2.bmp", 1, 1, 88, 118, 25, 133},
        {"tree3.bmp", 51, 1, 108, 144, 400, 133},      {"tree4.bmp", 1, 1, 129, 170, 120, 120},
        {"sprites2.bmp", 1, 1, 494, 76, 230, 220},     {"sprites2.bmp", 280, 251, 333, 135, 10, 45},
        {"sprites2.bmp", 614, 251, 134, 135, 343, 45},
    };
    if (racing) {
        puts.push_back({"sprites.bmp", 571, 253, 41, 121, 705, 210});
    }
    for (int r = 0; r < 10; ++r) {
        const int frame = racing ? (r * 4) % 11 : 0;
        const int x = racing ? 180 + (r * 37) % 400 : 630;
        puts.push_back({"horses.bmp", 1 + 107 * frame, 1 + 57 * r, 106, 56, x, 301 + 15 * r});
    }
    if (!racing) {
        puts.push_back({"sprites3.bmp", 1, 1, 173, 327, 600, 165});
    }
    puts.push_back({"sprites2.bmp", 1, 231, 278, 133, 500, 15});
    puts.push_back({"sprites2.bmp", 280, 231, 23, 19, racing ? 727 : 626, racing ? 101 : 126});
    if (racing) {
        const int leaders[4][2] = {{467, 82}, {522, 82}, {577, 82}, {541, 115}};
        const int at[4] = {620, 420, 220, 20};
        for (int k = 0; k < 4; ++k) {
            puts.push_back({"sprites.bmp", leaders[k][0], leaders[k][1], 54, 33, at[k], 530});
        }
    }
    return puts;
}

std::vector<Line> RaceLines(bool racing) {
    std::vector<Line> lines;
    const char* names[10] = {"Daring Sun",     "Doctor's Folly", "Miller's Delight",
                             "Cloudchaser",    "Distant Breeze", "Shining Lantern",
                             "Brave Moon",     "Cosmic Wave",    "Captain's Secret",
                             "Major Pemberton"};
    const char* odds[10] = {"5/1",  "12/1", "3/1",  "22/1", "9/1",
                            "46/1", "7/1",  "15/1", "4/1",  "30/1"};
    for (int i = 0; i < 10; ++i) {
        const int y = 82 + 9 * i;
        lines.push_back({false, 9, 200, i == 9 ? 38 : 40, y, std::to_string(i + 1), true});
        lines.push_back({false, 9, 0xC80000, 70, y, names[i], true});
        if (racing) {
            lines.push_back({false, 9, 0x6400, 215, y, std::to_string((i * 7) % 10 + 1), true});
        }
        lines.push_back({false, 9, 0x640064, 275, y, odds[i], true});
        lines.push_back({true, 18, 0x0041FFFF, 230 + 70 + 42 * i, 220 + 33, odds[i]});
    }
    lines.push_back({true, 14, 0xC80000, 353, 74, "Margaret - $1180"});
    lines.push_back({true, 14, 200, 353, 85, "$20 on #3 to WIN"});
    lines.push_back({true, 14, 0xC80000, 353, 100, "Tom - $940"});
    lines.push_back({true, 14, 200, 353, 111, "No Bets"});
    if (racing) {
        lines.push_back({true, 14, 0x323264, 10, 26, "Press P at any time to pause the game."});
        lines.push_back(
            {false, 20, 200, 150, 570, "Press the LEFT/RIGHT arrow keys to move between horses."});
        const int at[4] = {620, 420, 220, 20};
        for (int k = 0; k < 4; ++k) {
            lines.push_back({true, 17, 200, at[k] + 55, 535, names[k * 2]});
        }
    } else {
        lines.push_back({true, 17, 0x323232, 10, 10, "Post Time: 00 : 12"});
        lines.push_back({true, 14, 0x323264, 10, 26, "Press B to return to bet menu."});
    }
    return lines;
}

std::vector<Put> CardPuts() {
    std::vector<Put> puts = kMenu;
    puts.insert(puts.begin() + 1, {"menu_horse.bmp", 1, 1, 537, 424, 156, 177});
    const std::vector<Put> card = {
        {"sprites.bmp", 1, 388, 112, 64, 370, 115},  {"sprites2.bmp", 614, 251, 134, 135, 515, 65},
        {"sprites.bmp", 307, 61, 20, 27, 660, 130},  {"sprites.bmp", 365, 324, 75, 51, 690, 530},
        {"sprites.bmp", 235, 388, 21, 52, 180, 105}, {"sprites.bmp", 257, 388, 34, 52, 215, 105},
        {"sprites.bmp", 329, 61, 100, 22, 170, 180}, {"sprites.bmp", 430, 61, 73, 19, 400, 180},
    };
    puts.insert(puts.end(), card.begin(), card.end());
    const int cells[10][3] = {{336, 109, 17}, {336, 136, 17}, {337, 163, 17}, {337, 191, 20},
                              {338, 218, 19}, {382, 108, 18}, {381, 136, 20}, {381, 163, 17},
                              {381, 190, 18}, {380, 219, 32}};
    for (int k = 0; k < 10; ++k) {
        puts.push_back({"sprites.bmp", cells[k][0], cells[k][1], cells[k][2], 27,
                        k == 9 ? 138 : 152, 245 + 28 * k});
    }
    return puts;
}

std::vector<Line> CardLines() {
    std::vector<Line> lines = kMenuLines;
    lines.pop_back();
    const char* names[10] = {"Daring Sun",     "Doctor's Folly", "Miller's Delight",
                             "Cloudchaser",    "Distant Breeze", "Shining Lantern",
                             "Brave Moon",     "Cosmic Wave",    "Captain's Secret",
                             "Major Pemberton"};
    const char* odds[10] = {"5 - 1",  "12 - 1", "3 - 1",  "22 - 1", "9 - 1",
                            "46 - 1", "7 - 1",  "15 - 1", "4 - 1",  "30 - 1"};
    for (int i = 0; i < 10; ++i) {
        const int y = 250 + 28 * i;
        lines.push_back({true, 17, 0x324B32, 215, y, names[i]});
        lines.push_back({true, 17, 0x640064, 385, y, odds[i]});
        for (const int x : {550, 620, 685, 750}) {
            lines.push_back({true, 17, 0x0A0AAF, x, y, x == 550 ? "12" : "3"});
        }
    }
    const std::vector<Line> rest = {
        {false, 20, 0, 650, 90, "March 14, 2027"},
        {true, 17, 200, 650, 108, "Days until stakes: 7"},
        {false, 30, 200, 690, 130, "1180"},
        {false, 30, 0x006F00, 152, 210, "#"},
        {false, 20, 0x910A0A, 220, 210, "name"},
        {false, 20, 0xA78705, 380, 210, "odds"},
        {false, 20, 0x0A960A, 450, 210, "bets"},
        {false, 20, 0x0A0AAF, 535, 210, "races"},
        {false, 20, 0xE49859, 605, 210, "wins"},
        {false, 20, 0xE49859, 665, 210, "places"},
        {false, 20, 0xE49859, 735, 210, "shows"},
        {true, 17, 200, 450, 306, "$20 - Win"},
        {true, 14, 0x0A960A, 180, 90, "Margaret"},
        {false, 40, 0x3264C8, 185, 155, "^"},
        {false, 20, 0x0000AF, 155, 547, "Margaret"},
        {false, 20, 0x646464, 290, 180, "01 : 42"},
        {false, 20, 0x646464, 485, 180, "3"},
        {true, 17, 200, 155, 532, "^  Press horse number to place bet."},
        {true, 17, 200, 150, 575, "Go out to the track!"},
        {true, 14, 0xC80000, 525, 94, "Margaret - $1180"},
        {true, 14, 200, 525, 105, "$20 on #3 to WIN"},
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

const std::vector<Put> kResults = {
    {"results.bmp", 0, 0, 800, 600, 1, 1},
    {"sprites2.bmp", 614, 251, 134, 135, 378, 10},
    {"sprites.bmp", 286, 491, 72, 28, 375, 525},
};

const std::vector<Line> kResultsLines = {
    {true, 14, 0x0000C8, 542, 213, "Margaret"},
    {true, 17, 0x016401, 615, 210, "$60"},
    {true, 14, 0x0000C8, 542, 245, "Tom"},
    {true, 17, 0x016401, 610, 240, "No Bets"},
    {false, 25, 0x00A0FF, 300, 155, "01 : 58"},
    {false, 30, 0x00A0FF, 635, 525, "3"},
    {false, 22, 0x006060, 150, 217, "Miller's Delight (#3)"},
    {false, 18, 0x016401, 365, 223, "8.00"},
    {false, 18, 0x016401, 418, 223, "5.28"},
    {false, 18, 0x016401, 475, 223, "3.96"},
    {false, 22, 0x006060, 150, 247, "Daring Sun (#1)"},
    {false, 18, 0x016401, 418, 248, "7.92"},
    {false, 18, 0x016401, 475, 248, "5.94"},
    {false, 22, 0x006060, 150, 277, "Brave Moon (#7)"},
    {false, 18, 0x016401, 475, 273, "7.92"},
    {false, 20, 0x05FFFF, 150, 328, "Cosmic Wave (#8)"},
    {false, 20, 0x05FFFF, 150, 367, "Cloudchaser (#4)"},
    {false, 20, 0x05FFFF, 150, 406, "Shining Lantern (#6)"},
    {false, 20, 0x05FFFF, 150, 445, "Distant Breeze (#5)"},
    {false, 20, 0x05FFFF, 150, 484, "Doctor's Folly (#2)"},
    {false, 20, 0x05FFFF, 150, 523, "Major Pemberton (#10)"},
    {false, 20, 0x05FFFF, 150, 562, "Captain's Secret (#9)"},
    {true, 17, 0x0000C8, 375, 300, "--Based on a $2 bet."},
    {true, 14, 0xC80000, 388, 39, "Margaret - $1240"},
    {true, 14, 200, 388, 50, "$20 on #3 to WIN"},
};

std::vector<Put> OptionsPuts() {
    std::vector<Put> puts = kMenu;
    puts.insert(puts.begin() + 1, {"menu_horse.bmp", 1, 1, 537, 424, 156, 177});
    const std::vector<Put> options = {
        {"sprites.bmp", 534, 4, 172, 52, 350, 130},   {"sprites.bmp", 365, 376, 132, 17, 150, 250},
        {"sprites.bmp", 365, 394, 106, 24, 150, 300}, {"sprites.bmp", 365, 419, 133, 23, 150, 350},
        {"sprites.bmp", 571, 150, 98, 21, 150, 400},  {"sprites.bmp", 498, 375, 138, 20, 150, 461},
        {"sprites.bmp", 286, 491, 72, 28, 525, 540},  {"sprites.bmp", 329, 61, 100, 22, 170, 200},
        {"sprites.bmp", 430, 61, 73, 19, 400, 200},
    };
    puts.insert(puts.end(), options.begin(), options.end());
    return puts;
}

std::vector<Line> OptionsLines() {
    std::vector<Line> lines = kMenuLines;
    lines.pop_back();
    const std::vector<Line> rest = {
        {false, 20, 0x643264, 320, 250, "2 minutes"},
        {false, 20, 0x643264, 320, 300, "On"},
        {false, 20, 0x643264, 320, 350, "10"},
        {false, 20, 0x643264, 320, 400, "Off"},
        {false, 20, 0x643264, 320, 461, "7 / 100"},
        {false, 20, 0x646464, 290, 200, "01 : 42"},
        {false, 20, 0x646464, 485, 200, "3"},
        {true, 17, 200, 150, 575, "Set the number of races you want to have per day"},
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

std::vector<Put> PlayersPuts() {
    std::vector<Put> puts = kMenu;
    puts.insert(puts.begin() + 1, {"menu_horse.bmp", 1, 1, 537, 424, 156, 177});
    const std::vector<Put> players = {
        {"sprites.bmp", 1, 453, 118, 37, 350, 170},
        {"sprites.bmp", 144, 491, 140, 37, 347, 270},
        {"sprites.bmp", 1, 531, 141, 38, 347, 370},
        {"sprites.bmp", 244, 453, 143, 37, 347, 470},
    };
    puts.insert(puts.end(), players.begin(), players.end());
    return puts;
}

} // namespace

bool WriteMockups(const std::vector<Canvas>& pictures, const std::string& path) {
    struct Scene {
        uint32_t fill;
        std::vector<Put> puts;
        std::vector<Line> lines;
    };
    std::vector<Scene> scenes;
    scenes.push_back({0, RaceScene(false), RaceLines(false)});
    scenes.push_back({0, RaceScene(true), RaceLines(true)});
    scenes.push_back({0xFFFFFF, CardPuts(), CardLines()});
    scenes.push_back({0, kResults, kResultsLines});
    scenes.push_back({0xFFFFFF, OptionsPuts(), OptionsLines()});
    scenes.push_back({0xFFFFFF, PlayersPuts(), kMenuLines});
    Canvas page = NewCanvas(1620, 1830);
    FillRect(page.cr, 0, 0, page.width, page.height, Rgb8(236, 236, 236));
    for (size_t i = 0; i < scenes.size(); ++i) {
        Canvas screen = NewCanvas(800, 600);
        Compose(&screen, pictures, scenes[i].fill, scenes[i].puts, scenes[i].lines);
        Paste(&page, screen, 10 + static_cast<int>(i % 2) * 810,
              10 + static_cast<int>(i / 2) * 610);
        FreeCanvas(&screen);
    }
    const bool ok = WritePng(page, path);
    FreeCanvas(&page);
    return ok;
}
