// Full pictures of single screens: the results board, the champions, the stakes notices and
// the notice of a new season.
#include <cmath>
#include <string>
#include <vector>

#include "assets/art_kit.h"
#include "assets/art_parts.h"
#include "assets/pictures.h"

namespace {

// Results board (the results screen writes, in screen pixels):
// - the next race's clock at (300, 155), orange fontArial25: on the dark header;
// - the first three: name at (150, 217/247/277), olive fontArial22; prices at x 365 (Win),
//   418 (Place), 475 (Show), dark green fontArial21; "--Based on a $2 bet." at (375, 300),
//   red: all on the light table;
// - 4th..10th: name at (150, 328 + 39 k), yellow fontArial20: on the dark lower board;
// - players' names at (542, 213 + 32 k), red, their returns at x 610/615, dark green: light;
// - the race number at (630, 525), orange fontArial30; the continue button at (375, 525);
// - the bets board slides up to (378, 10): nothing of ours there.
const char* const kPlaceNames[10] = {"1st", "2nd", "3rd", "4th", "5th",
                                     "6th", "7th", "8th", "9th", "10th"};

void Rosette(cairo_t* cr, double cx, double cy, double r, Colour c) {
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_arc(cr, cx + std::cos(a) * r * 0.75, cy + std::sin(a) * r * 0.75, r * 0.36, 0,
                  2 * M_PI);
        SetColour(cr, Shade(c, 0.85));
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * M_PI);
    SetColour(cr, c);
    cairo_fill(cr);
}

void Trophy(cairo_t* cr, double cx, double top, double size) {
    const double s = size / 100;
    cairo_save(cr);
    cairo_translate(cr, cx, top);
    cairo_scale(cr, s, s);
    cairo_pattern_t* p = cairo_pattern_create_linear(-40, 0, 40, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.72, 0.52, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 0.4, 1, 0.9, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.66, 0.46, 0.1);
    // Cup, handles, stem and plinth.
    cairo_move_to(cr, -36, 0);
    cairo_line_to(cr, 36, 0);
    cairo_curve_to(cr, 36, 40, 20, 55, 6, 58);
    cairo_line_to(cr, 6, 72);
    cairo_line_to(cr, 22, 82);
    cairo_line_to(cr, -22, 82);
    cairo_line_to(cr, -6, 72);
    cairo_line_to(cr, -6, 58);
    cairo_curve_to(cr, -20, 55, -36, 40, -36, 0);
    cairo_close_path(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_set_line_width(cr, 6);
    cairo_set_source(cr, p);
    cairo_arc(cr, -36, 18, 13, M_PI * 0.5, M_PI * 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, 36, 18, 13, -M_PI * 0.5, M_PI * 0.5);
    cairo_stroke(cr);
    FillRect(cr, -30, 82, 60, 16, Rgb8(70, 44, 24));
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double width) {
    RoundedRect(cr, x + width / 2, y + width / 2, w - width, h - width, 10);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void ResultsBoard(cairo_t* cr) {
    FillRect(cr, 0, 0, 800, 600, kDeepGreen);
    FillGradient(cr, 0, 0, 800, 182, kRacingGreen, kDeepGreen);
    SetFont(cr, Face::SerifBold, 46);
    TextAt(cr, "OFFICIAL", 40, 18, kGold);
    TextAt(cr, "RESULTS", 40, 66, kGold);
    SetFont(cr, Face::SansBold, 17);
    TextAt(cr, "Next post time:", 150, 159, kCream);
    // Chequered flag on the right of the header.
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 9; ++x) {
            const double wave = 4 * std::sin((x + y * 0.3) * 0.7);
            FillRect(cr, 560 + x * 22, 40 + y * 16 + wave, 22, 16,
                     (x + y) % 2 == 0 ? kRailWhite : Rgb8(24, 24, 24));
        }
    }
    FillRect(cr, 552, 30, 6, 140, Rgb8(180, 180, 180));

    // The light table of the first three, and the players' returns.
    RoundedRect(cr, 86, 184, 434, 138, 8);
    SetColour(cr, kParchment);
    cairo_fill(cr);
    RoundedRect(cr, 528, 184, 262, 156, 8);
    cairo_fill(cr);
    SetFont(cr, Face::SansBold, 14);
    const Colour head = Rgb8(110, 90, 50);
    TextAt(cr, "HORSE", 150, 191, head);
    TextAt(cr, "WIN", 367, 191, head);
    TextAt(cr, "PLACE", 414, 191, head);
    TextAt(cr, "SHOW", 472, 191, head);
    TextAt(cr, "PLAYER", 542, 191, head);
    TextAt(cr, "RETURNS", 640, 191, head);
    FillRect(cr, 92, 208, 422, 1, kParchmentLine);
    FillRect(cr, 534, 208, 250, 1, kParchmentLine);
    for (int k = 1; k < 4; ++k) {
        FillRect(cr, 534, 208 + 32 * k, 250, 1, kParchmentLine);
    }
    const Colour medals[3] = {Rgb8(236, 190, 50), Rgb8(196, 200, 210), Rgb8(206, 136, 80)};
    for (int k = 0; k < 3; ++k) {
        const double y = 229 + 30 * k;
        Rosette(cr, 112, y, 13, medals[k]);
        SetFont(cr, Face::SansBold, 12);
        TextCentred(cr, kPlaceNames[k], 112, y, Rgb8(50, 30, 10));
        FillRect(cr, 92, y + 15, 422, 1, kParchmentLine);
    }
    // The rest of the field on the dark board.
    for (int k = 0; k < 7; ++k) {
        const double y = 328 + 39 * k;
        RoundedRect(cr, 92, y - 2, 46, 26, 5);
        SetColour(cr, kRacingGreen);
        cairo_fill_preserve(cr);
        SetColour(cr, Shade(kGold, 0.7));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        SetFont(cr, Face::SansBold, 16);
        TextCentred(cr, kPlaceNames[k + 3], 115, y + 11, kCream);
        FillRect(cr, 146, y + 30, 220, 1, Shade(kRacingGreen, 1.2));
    }
    // Race number plate, and the club's crest.
    RoundedRect(cr, 548, 512, 150, 52, 8);
    SetColour(cr, kRacingGreen);
    cairo_fill_preserve(cr);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    SetFont(cr, Face::SerifBold, 26);
    TextAt(cr, "Race", 560, 524, kGold);
    Trophy(cr, 660, 370, 110);
    SetFont(cr, Face::SerifBold, 16);
    TextCentred(cr, "STRIDEWELL PARK", 660, 490, kGold);
    GoldFrame(cr, 2, 2, 796, 596, 4);
}

void StakesChampion(cairo_t* cr) {
    cairo_pattern_t* spot = cairo_pattern_create_radial(400, 300, 40, 400, 300, 520);
    cairo_pattern_add_color_stop_rgb(spot, 0, 0.14, 0.4, 0.24);
    cairo_pattern_add_color_stop_rgb(spot, 1, 0.03, 0.14, 0.08);
    cairo_set_source(cr, spot);
    cairo_paint(cr);
    cairo_pattern_destroy(spot);
    // Rays behind the trophy.
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        cairo_move_to(cr, 400, 150);
        cairo_arc(cr, 400, 150, 600, a, a + M_PI / 30);
        cairo_close_path(cr);
        SetColour(cr, kGold, 0.08);
        cairo_fill(cr);
    }
    SetFont(cr, Face::SerifBold, 60);
    TextCentred(cr, "STAKES CHAMPION", 400, 60, kGold, 4, Rgb8(90, 50, 10));
    Trophy(cr, 400, 110, 120);
    // The plate the winner's name is written on, white in fontArial50 at (150, 265).
    RoundedRect(cr, 120, 252, 640, 76, 12);
    SetColour(cr, Rgb8(18, 30, 60));
    cairo_fill_preserve(cr);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 160, 350);
    DrawRunner(cr, kRunnerLooks[4], 0.55, 3.6);
    cairo_restore(cr);
    SetFont(cr, Face::SerifBoldItalic, 24);
    TextCentred(cr, "Winner of the Stridewell Stakes", 400, 566, kCream);
    GoldFrame(cr, 4, 4, 792, 592, 6);
}

void TodaysChampion(cairo_t* cr, int w, int h) {
    RoundedRect(cr, 2, 2, w - 4, h - 4, 12);
    SetColour(cr, kParchment);
    cairo_fill_preserve(cr);
    SetColour(cr, kGoldDark);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    FillRect(cr, 6, 8, w - 12, 40, kRacingGreen);
    SetFont(cr, Face::SerifBold, 26);
    TextCentred(cr, "TODAY'S CHAMPION", w / 2.0, 28, kGold);
    Trophy(cr, 70, 62, 100);
    // The name is written at (140, 75), red fontArial30: keep that light.
    FillRect(cr, 136, 112, 152, 2, kGold);
    SetFont(cr, Face::SerifBoldItalic, 17);
    TextAt(cr, "richest player", 150, 124, Rgb8(110, 80, 30));
    TextAt(cr, "of the day", 162, 144, Rgb8(110, 80, 30));
}

// A notice card: a green title band, lines of text, and the key to press at the bottom.
void NoticeCard(cairo_t* cr, int w, int h, const std::string& title,
                const std::vector<std::string>& lines, const std::string& press, int round) {
    RoundedRect(cr, 2, 2, w - 4, h - 4, 14);
    SetColour(cr, kParchment);
    cairo_fill_preserve(cr);
    SetColour(cr, kGoldDark);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    RoundedRect(cr, 10, 10, w - 20, 58, 10);
    SetColour(cr, kRacingGreen);
    cairo_fill(cr);
    SetFont(cr, Face::SerifBold, 38);
    TextCentred(cr, title, w / 2.0, 39, kGold);
    if (round > 0) {
        // Four pips: the rounds, the current one filled.
        for (int r = 1; r <= 4; ++r) {
            cairo_arc(cr, w / 2.0 - 54 + (r - 1) * 36, 88, 9, 0, 2 * M_PI);
            SetColour(cr, r <= round ? kGold : kParchmentLine);
            cairo_fill_preserve(cr);
            SetColour(cr, kGoldDark);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    }
    SetFont(cr, Face::Sans, 20);
    double y = round > 0 ? 122 : 104;
    for (const std::string& line : lines) {
        TextCentred(cr, line, w / 2.0, y, Rgb8(40, 40, 40));
        y += 29;
    }
    RoundedRect(cr, w / 2.0 - 150, h - 54, 300, 38, 10);
    SetColour(cr, Rgb8(150, 20, 30));
    cairo_fill(cr);
    SetFont(cr, Face::SansBold, 22);
    TextCentred(cr, press, w / 2.0, h - 35, kCream);
}

void StakesNotice(Canvas* sheet, const std::string& title, const std::vector<std::string>& lines,
                  int round) {
    DrawCell(sheet, 0, 0, 670, 329, kMenuWhite, [&](cairo_t* cr, int w, int h) {
        NoticeCard(cr, w, h, title, lines, "Press S to continue", round);
    });
}

void OpaquePicture(Canvas* sheet, int x, int y, int w, int h, void (*draw)(cairo_t*)) {
    DrawOpaqueCell(sheet, x, y, w, h, kDeepGreen, [draw](cairo_t* cr, int, int) { draw(cr); });
}

} // namespace

void DrawResultsBoard(Canvas* sheet) { OpaquePicture(sheet, 0, 0, 800, 600, ResultsBoard); }

void DrawStakesChampion(Canvas* sheet) {
    OpaquePicture(sheet, 1, 1, 800, 600, StakesChampion);
    Flatten(sheet, kDeepGreen);
}

void DrawTodaysChampion(Canvas* sheet) {
    DrawCell(sheet, 0, 0, 300, 200, kDeepGreen,
             [](cairo_t* cr, int w, int h) { TodaysChampion(cr, w, h); });
}

void DrawResetNotice(Canvas* sheet) {
    OpaquePicture(sheet, 0, 0, 800, 600, [](cairo_t* cr) {
        FillGradient(cr, 0, 0, 800, 600, kRacingGreen, kDeepGreen);
        cairo_translate(cr, 65, 135);
        NoticeCard(cr, 670, 329, "A New Season Begins",
                   {"The stakes series is over and its champion crowned.",
                    "Every horse of the stable has new ratings", "and a fresh racing record.",
                    "The next stakes series is 10 race days away."},
                   "Press C to continue", 0);
    });
}

void DrawStakesNotice1(Canvas* sheet) {
    StakesNotice(sheet, "The Stridewell Stakes",
                 {"The 100 best horses race for the championship.",
                  "Round 1: 10 races, the first four of each go through.",
                  "Rounds 2 and 3: the first five of each race go through.",
                  "Round 4: the final. Stakes bets have no limit."},
                 1);
}

void DrawStakesNotice2(Canvas* sheet) {
    StakesNotice(sheet, "Stakes: Round 2",
                 {"Forty horses are left in the stakes.",
                  "Four races today:", "the first five of each race go through to round 3."},
                 2);
}

void DrawStakesNotice3(Canvas* sheet) {
    StakesNotice(sheet, "Stakes: Round 3",
                 {"Twenty horses are left in the stakes.",
                  "Two races today:", "the first five of each race go through to the final."},
                 3);
}

void DrawStakesNotice4(Canvas* sheet) {
    StakesNotice(sheet, "The Stakes Final",
                 {"The last ten horses race once.", "The winner is the Stakes Champion.",
                  "After the final a new season begins."},
                 4);
}
