// sprites2.bmp: the far rail strip, the tote board, the progress map and its marker, the
// runner-list panel and the bets board of the race view.
#include <cmath>
#include <vector>

#include "assets/art_kit.h"
#include "assets/pictures.h"

namespace {

// The race view writes over these (screen positions are the sprites' rest places):
// - tote board at (230, 220): runner i's odds "2/1".."50/1" at (70 + 42 i, 33) of the board,
//   yellow fontComic18, so each window is dark and at least 38 wide;
// - runner list at (10, 45): rows at y 37 + 9 i of the panel, in a bold 9-pixel Arial whose
//   letters take y 3 to 9 of each row: number at x 30
//   (red), name at x 60 (blue, up to 145 wide), place at x 205 (green), odds at x 265
//   (purple), so the body is light;
// - bets board: player k's lines at (10, 29 + 26 k) and (10, 40 + 26 k) of the board, blue
//   and red fontComic14, so the body is light too;
// - progress map at (500, 15): the marker (23 x 19) is placed at listed points whose centre
//   is the point + (11, 9); the course's centre line passes through them all.

// Marker centres on the map, in race order from the start, relative to the map.
constexpr double kCourse[][2] = {
    {137, 120}, {176, 119}, {214, 109}, {238, 95}, {260, 70}, {249, 40}, {219, 23}, {171, 10},
    {143, 8},   {106, 11},  {73, 17},   {43, 31},  {19, 61},  {28, 86},  {51, 103}, {92, 118},
};
constexpr int kCoursePoints = sizeof(kCourse) / sizeof(kCourse[0]);
static_assert(kCoursePoints == 16);

void FarTreeLine(Canvas* sheet) {
    // Distant trees along the far side: no upright lines, repeating every 800 pixels.
    DrawCellOnCourse(sheet, 0, 209, 800, 21, 181, [](cairo_t* cr, int w, int h) {
        const Colour haze = Mix(Rgb8(70, 112, 84), kSkyLow, 0.35);
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= w; ++x) {
            const double t = x * 2 * M_PI / w;
            const double top = 7 + 2.5 * std::sin(t * 3) + 2 * std::sin(t * 11 + 1) +
                               1.5 * std::sin(t * 29 + 2) + 1.0 * std::sin(t * 53);
            cairo_line_to(cr, x, top);
        }
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, h);
        const Colour low = Mix(kInfieldDark, kSkyLow, 0.25);
        cairo_pattern_add_color_stop_rgb(p, 0, haze.r, haze.g, haze.b);
        cairo_pattern_add_color_stop_rgb(p, 0.75, Shade(haze, 0.85).r, Shade(haze, 0.85).g,
                                         Shade(haze, 0.85).b);
        cairo_pattern_add_color_stop_rgb(p, 1, low.r, low.g, low.b);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        // The hedge along the far rail, meeting the infield below.
        FillRect(cr, 0, h - 5, w, 5, low);
    });
}

void ToteBoard(Canvas* sheet) {
    DrawCellOnCourse(sheet, 1, 1, 494, 76, 220, [](cairo_t* cr, int w, int h) {
        RoundedRect(cr, 1, 1, w - 2, h - 2, 6);
        SetColour(cr, kRacingGreen);
        cairo_fill_preserve(cr);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        SetFont(cr, Face::SansBold, 15);
        TextCentred(cr, "WIN", 34, 28, kGold);
        TextCentred(cr, "ODDS", 34, 44, kGold);
        for (int i = 0; i < 10; ++i) {
            const double x = 66 + 42 * i;
            NumberPlate(cr, x + 9, 7, 20, 17, i + 1, 13);
            RoundedRect(cr, x, 30, 39, 24, 3);
            SetColour(cr, Rgb8(14, 20, 16));
            cairo_fill_preserve(cr);
            SetColour(cr, Shade(kGold, 0.6));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        SetFont(cr, Face::SerifBold, 14);
        TextCentred(cr, "STRIDEWELL PARK  \xc2\xb7  TOTALISATOR", w / 2.0 + 20, 64, kGold);
    });
}

// A closed curve through the course points (Catmull-Rom, drawn as Beziers).
void CoursePath(cairo_t* cr) {
    auto pt = [](int i) {
        const int k = (i % kCoursePoints + kCoursePoints) % kCoursePoints;
        return std::pair<double, double>{kCourse[k][0], kCourse[k][1]};
    };
    cairo_move_to(cr, kCourse[0][0], kCourse[0][1]);
    for (int i = 0; i < kCoursePoints; ++i) {
        const auto [x0, y0] = pt(i - 1);
        const auto [x1, y1] = pt(i);
        const auto [x2, y2] = pt(i + 1);
        const auto [x3, y3] = pt(i + 2);
        cairo_curve_to(cr, x1 + (x2 - x0) / 6, y1 + (y2 - y0) / 6, x2 - (x3 - x1) / 6,
                       y2 - (y3 - y1) / 6, x2, y2);
    }
    cairo_close_path(cr);
}

void ProgressMap(Canvas* sheet) {
    DrawCellOnCourse(sheet, 1, 231, 278, 133, 15, [](cairo_t* cr, int w, int h) {
        RoundedRect(cr, 1, 1, w - 2, h - 2, 8);
        SetColour(cr, kRacingGreen);
        cairo_fill_preserve(cr);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        // The infield inside the course, then the track with a white rail either side.
        CoursePath(cr);
        SetColour(cr, kInfield);
        cairo_fill(cr);
        CoursePath(cr);
        SetColour(cr, kRailWhite);
        cairo_set_line_width(cr, 15);
        cairo_stroke(cr);
        CoursePath(cr);
        SetColour(cr, kDirt);
        cairo_set_line_width(cr, 12);
        cairo_stroke(cr);
        // A small lake and the board in the infield.
        cairo_save(cr);
        cairo_translate(cr, 112, 70);
        cairo_scale(cr, 30, 13);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColour(cr, Rgb8(90, 150, 210));
        cairo_fill(cr);
        FillRect(cr, 160, 60, 40, 8, kDeepGreen);
        // The finish line across the track just short of the start, where the marker waits.
        for (int i = 0; i < 4; ++i) {
            FillRect(cr, 127, 113 + i * 3.5, 3, 3.5, i % 2 == 0 ? kRailWhite : Rgb8(20, 20, 20));
        }
        SetFont(cr, Face::SansBold, 11);
        TextCentred(cr, "FINISH", 128, 97, kRailWhite);
    });
}

void ProgressMarker(Canvas* sheet) {
    DrawCell(sheet, 280, 231, 23, 19, kDirt, [](cairo_t* cr, int, int) {
        cairo_arc(cr, 11.5, 9.5, 7.5, 0, 2 * M_PI);
        SetColour(cr, Rgb8(30, 30, 30));
        cairo_fill(cr);
        cairo_arc(cr, 11.5, 9.5, 6.3, 0, 2 * M_PI);
        SetColour(cr, Rgb8(255, 255, 255));
        cairo_fill(cr);
        cairo_arc(cr, 11.5, 9.5, 4.5, 0, 2 * M_PI);
        SetColour(cr, Rgb8(220, 24, 30));
        cairo_fill(cr);
    });
}

// A board with a dark header strip carrying a title, and a light ruled body.
void Board(cairo_t* cr, int w, int h, double headerHeight, const char* title) {
    RoundedRect(cr, 1, 1, w - 2, h - 2, 6);
    SetColour(cr, kRacingGreen);
    cairo_fill_preserve(cr);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    FillRect(cr, 4, headerHeight, w - 8, h - headerHeight - 4, kParchment);
    SetFont(cr, Face::SerifBold, 14);
    TextAt(cr, title, 9, 3, kGold);
}

void RunnerListPanel(Canvas* sheet) {
    DrawCellOnCourse(sheet, 280, 251, 333, 135, 45, [](cairo_t* cr, int w, int h) {
        Board(cr, w, h, 33, "THE FIELD");
        SetFont(cr, Face::SansBold, 12);
        const struct {
            double x;
            const char* head;
        } columns[] = {{26, "No."}, {60, "Horse"}, {200, "Pos"}, {265, "Odds"}};
        for (const auto& c : columns) {
            TextAt(cr, c.head, c.x, 19, kCream);
        }
        // Every other row tinted, each band under one row's letters.
        for (int i = 0; i < 10; i += 2) {
            FillRect(cr, 4, 37 + 9 * i + 2, w - 8, 9, Mix(kParchment, kParchmentLine, 0.45));
        }
        FillRect(cr, 196, 34, 1, h - 38, kParchmentLine);
        FillRect(cr, 258, 34, 1, h - 38, kParchmentLine);
    });
}

void BetsBoard(Canvas* sheet) {
    DrawCellOnCourse(sheet, 614, 251, 134, 135, 45, [](cairo_t* cr, int w, int h) {
        Board(cr, w, h, 26, "BETS");
        for (int k = 1; k < 4; ++k) {
            FillRect(cr, 8, 27 + 26 * k, w - 16, 1, kParchmentLine);
        }
    });
}

} // namespace

void DrawSceneSheet(Canvas* sheet) {
    ToteBoard(sheet);
    FarTreeLine(sheet);
    ProgressMarker(sheet);
    ProgressMap(sheet);
    RunnerListPanel(sheet);
    BetsBoard(sheet);
}
