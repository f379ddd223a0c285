// The main menu's backdrop, the light menu horse under the race card, and the four intro
// pictures.
#include <algorithm>
#include <cmath>

#include "assets/art_kit.h"
#include "assets/art_parts.h"
#include "assets/pictures.h"

namespace {

// mainmenu.bmp is drawn over a white fill on every screen but the track. Its window (x 148
// to 794, y 64 to 566) is the key: the menu horse, the race card, the options, the player
// buttons and the credits (drawn before the backdrop) all show through it. Around it:
// - the left column holds the menu buttons at x 10, y 200..372, and "TOP PLAYERS" at (2, 85)
//   in yellow with three lines in bright green under it (y 103 to about 150), on a plain dark
//   board: over the pinstripes the thin green letters flicker;
// - the bottom band carries the hint line at (150, 575) and "Version 1.05" at (26, 570),
//   both red, so it is light;
// - the title banner settles on the top band at (220, 3).
constexpr int kColumn = 146, kTop = 62, kBottom = 566, kRight = 794;
constexpr int kBoardTop = 81, kBoardBottom = 153;
// The credits' back button: 72 x 28 at (135, 540), hovered (136, 541).
constexpr int kNotchX = 134, kNotchY = 539, kNotchRight = 209, kNotchBottom = 569;

void Pinstripes(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    SetColour(cr, Shade(kRacingGreen, 0.85));
    cairo_set_line_width(cr, 2);
    for (double d = -h; d < w + h; d += 9) {
        cairo_move_to(cr, x + d, y);
        cairo_line_to(cr, x + d + h, y + h);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Horseshoe(cairo_t* cr, double cx, double cy, double r, Colour c) {
    cairo_set_line_width(cr, r * 0.42);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, c);
    cairo_arc(cr, cx, cy, r, M_PI * 0.8, M_PI * 2.2);
    cairo_stroke(cr);
    SetColour(cr, Shade(c, 0.6));
    for (int i = 0; i < 6; ++i) {
        const double a = M_PI * (0.95 + 0.22 * i);
        cairo_arc(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, r * 0.07, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void DrawBackdrop(cairo_t* cr) {
    FillRect(cr, 0, 0, 800, kTop, kRacingGreen);
    FillRect(cr, 0, 0, kColumn, kBottom, kRacingGreen);
    FillRect(cr, kRight, 0, 800 - kRight, kBottom, kRacingGreen);
    Pinstripes(cr, 0, 0, 800, kTop);
    Pinstripes(cr, 0, kTop, kColumn, kBoardTop - kTop);
    Pinstripes(cr, 0, kBoardBottom, kColumn, kBottom - kBoardBottom);
    // The top players' board, plain and a shade darker, between two gold rules.
    FillRect(cr, 0, kBoardTop, kColumn, kBoardBottom - kBoardTop, Shade(kRacingGreen, 0.7));
    FillRect(cr, 0, kBoardTop - 1, kColumn - 3, 1, kGold);
    FillRect(cr, 0, kBoardBottom, kColumn - 3, 1, kGold);
    // Gold rims round the window.
    FillRect(cr, kColumn - 3, kTop - 3, kRight - kColumn + 6, 3, kGold);
    FillRect(cr, kColumn - 3, kTop, 3, kBottom - kTop, kGold);
    FillRect(cr, kRight, kTop, 3, kBottom - kTop, kGold);
    FillGradient(cr, 0, kBottom, 800, 600 - kBottom, kParchment, Mix(kParchment, kGold, 0.25));
    FillRect(cr, 0, kBottom, 800, 3, kGold);
    // The club's crest in the column, under the buttons.
    Horseshoe(cr, kColumn / 2.0, 470, 34, kGold);
    SetFont(cr, Face::SerifBold, 15);
    TextCentred(cr, "STRIDEWELL", kColumn / 2.0, 520, kGold);
    TextCentred(cr, "PARK", kColumn / 2.0, 538, kGold);
    Horseshoe(cr, 60, 31, 15, kGold);
    SetFont(cr, Face::SerifBold, 13);
    TextCentred(cr, "EST. 1897", 130, 31, kGold);
    // The credits' back button shows through a notch in the column's corner that reaches
    // below the window's lower rim, rimmed like the window, so the button sits whole inside
    // the frame.
    FillRect(cr, kNotchX - 3, kNotchY - 3, kNotchRight - kNotchX + 6, kNotchBottom - kNotchY + 6,
             kGold);
    // The window itself stays clear.
    cairo_rectangle(cr, kColumn, kTop, kRight - kColumn, kBottom - kTop);
    cairo_rectangle(cr, kNotchX, kNotchY, kNotchRight - kNotchX, kNotchBottom - kNotchY);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// Turns a piece into a faded sepia print, keeping its alpha, so dark text reads on it.
void FadedPrint(Canvas* piece) {
    cairo_surface_flush(piece->surface);
    unsigned char* data = cairo_image_surface_get_data(piece->surface);
    const int stride = cairo_image_surface_get_stride(piece->surface);
    const Colour ink = Rgb8(110, 86, 60);
    for (int y = 0; y < piece->height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < piece->width; ++x) {
            const uint32_t p = row[x];
            const double a = (p >> 24) / 255.0;
            if (a == 0) {
                continue;
            }
            // Pre-multiplied channels: the lightness of the colour itself.
            const double light =
                (0.3 * ((p >> 16) & 0xFF) + 0.59 * ((p >> 8) & 0xFF) + 0.11 * (p & 0xFF)) /
                (255.0 * a);
            const Colour c = Mix(Mix(ink, kMenuWhite, light), kMenuWhite, 0.68);
            auto channel = [a](double v) { return static_cast<uint32_t>(v * a * 255 + 0.5); };
            row[x] = (p & 0xFF000000u) | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
        }
    }
    cairo_surface_mark_dirty(piece->surface);
}

void DrawLightHorse(Canvas* cell) {
    cairo_t* cr = cell->cr;
    // A soft meadow vignette fading into the white around it.
    cairo_pattern_t* glow = cairo_pattern_create_radial(268, 250, 20, 268, 250, 260);
    cairo_pattern_add_color_stop_rgba(glow, 0, 0.86, 0.93, 0.80, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0.7, 0.93, 0.97, 0.90, 1);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 1);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    Canvas horse = NewCanvas(cell->width, cell->height);
    cairo_translate(horse.cr, 30, 60);
    RunnerLook look = kRunnerLooks[0];
    look.programNumber = 0; // no number on the card's picture, where the odds are written
    DrawRunner(horse.cr, look, 0.62, 4.4);
    FadedPrint(&horse);
    cairo_set_source_surface(cr, horse.surface, 0, 0);
    cairo_paint(cr);
    FreeCanvas(&horse);
    // White shows the game's own white fill instead: a packed picture's white is a shade off.
    cairo_surface_flush(cell->surface);
    unsigned char* data = cairo_image_surface_get_data(cell->surface);
    for (int y = 0; y < cell->height; ++y) {
        auto* row =
            reinterpret_cast<uint32_t*>(data + y * cairo_image_surface_get_stride(cell->surface));
        for (int x = 0; x < cell->width; ++x) {
            const uint32_t p = row[x];
            if (((p >> 16) & 0xFF) >= 250 && ((p >> 8) & 0xFF) >= 250 && (p & 0xFF) >= 250) {
                row[x] = 0;
            }
        }
    }
    cairo_surface_mark_dirty(cell->surface);
    // Beyond the bottom band the backdrop's hint line must show.
    cairo_rectangle(cr, 0, kBottom - 177, cell->width, cell->height);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
}

void IntroTitle(cairo_t* cr, double w, double h) {
    SetFont(cr, Face::SerifBoldItalic, 120);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 20, 0, h - 20);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.92, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.55, 0.12);
    cairo_text_extents_t t;
    cairo_text_extents(cr, "Stridewell", &t);
    cairo_move_to(cr, w / 2 - t.x_advance / 2, h / 2 - (t.y_bearing + t.height / 2) - 8);
    cairo_text_path(cr, "Stridewell");
    SetColour(cr, Rgb8(150, 20, 30));
    cairo_set_line_width(cr, 8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    SetFont(cr, Face::SansBold, 20);
    TextCentred(cr, "A  DAY  AT  THE  RACES", w / 2, h - 14, Rgb8(230, 230, 230));
}

void IntroField(cairo_t* cr, double w, double h) {
    // A strip of track with the field in full cry.
    FillRect(cr, 0, h - 34, w, 30, kDirt);
    FillRect(cr, 0, h - 38, w, 4, kRailWhite);
    FillRect(cr, 0, h - 6, w, 4, kRailWhite);
    // The far runners first, higher up and a little smaller.
    const struct {
        double x, y, scale;
        int runner;
        double phase;
    } field[] = {{120, 0, 2.0, 4, 0.2},
                 {420, 2, 2.0, 7, 0.55},
                 {-10, 18, 2.3, 2, 0.8},
                 {270, 20, 2.3, 0, 0.1},
                 {540, 16, 2.3, 8, 0.45}};
    for (const auto& f : field) {
        cairo_save(cr);
        cairo_translate(cr, f.x, f.y);
        DrawRunner(cr, kRunnerLooks[f.runner], f.phase, f.scale);
        cairo_restore(cr);
    }
}

} // namespace

void DrawMenuBackdrop(Canvas* sheet) {
    Canvas cell = NewCanvas(800, 600);
    DrawBackdrop(cell.cr);
    KeepOffKey(&cell);
    Paste(sheet, cell, 1, 1);
    FreeCanvas(&cell);
}

void DrawMenuHorse(Canvas* sheet) {
    Canvas cell = NewCanvas(537, 424);
    DrawLightHorse(&cell);
    KeepOffKey(&cell);
    Paste(sheet, cell, 1, 1);
    FreeCanvas(&cell);
}

void DrawIntroSheet(Canvas* sheet) {
    const Colour night{0, 0, 0}; // the intro plays on black
    DrawCell(sheet, 166, 386, 481, 105, night, [](cairo_t* cr, int w, int) {
        SetFont(cr, Face::SerifBold, 56);
        TextCentred(cr, "CORVANE", w / 2.0, 34, kGold, 3, Rgb8(110, 70, 10));
        SetFont(cr, Face::Sans, 26);
        TextCentred(cr, "D E V E L O P M E N T", w / 2.0, 82, Rgb8(220, 220, 220));
    });
    DrawCell(sheet, 313, 497, 153, 31, night, [](cairo_t* cr, int w, int h) {
        SetFont(cr, Face::SerifBoldItalic, 28);
        TextCentred(cr, "presents", w / 2.0, h / 2.0, Rgb8(230, 230, 230));
    });
    DrawCell(sheet, 150, 5, 545, 155, night,
             [](cairo_t* cr, int w, int h) { IntroTitle(cr, w, h); });
    DrawCell(sheet, 5, 190, 790, 156, night,
             [](cairo_t* cr, int w, int h) { IntroField(cr, w, h); });
}
