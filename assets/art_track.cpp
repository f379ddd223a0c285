// The course: the 800-pixel track tile, the four infield trees, the starting gate and the
// finish post.
#include <cmath>

#include "assets/art_kit.h"
#include "assets/art_parts.h"
#include "assets/pictures.h"

namespace {

constexpr int kTile = 800; // everything on the tile repeats every 800 pixels

// Rows of the tile. The runners' lanes start at y 301 and their feet reach about y 495.
constexpr int kHorizon = 194;
constexpr int kInnerRailTop = 281;
constexpr int kDirtTop = 300;
constexpr int kOuterRailTop = 503;
constexpr int kApronTop = 516;

Colour TileGround(int x, int y) {
    if (y < kHorizon) {
        return CourseColourAt(y);
    }
    if (y < kDirtTop) {
        // Mown infield: soft bands across the view, darker toward the far side.
        const double depth = (y - kHorizon) / double(kDirtTop - kHorizon);
        const double band = PeriodicNoise(x / 8.0, y / 3.0, kTile / 8, 11);
        Colour c = Mix(Mix(kInfieldDark, kSkyLow, 0.25), kInfield, depth);
        return Shade(c, 0.94 + 0.1 * band);
    }
    if (y < kApronTop) {
        const double depth = (y - kDirtTop) / double(kApronTop - kDirtTop);
        Colour c = Mix(Shade(kDirt, 1.06), kDirtDark, depth);
        const double grain = Hash01(static_cast<uint32_t>(x % kTile), static_cast<uint32_t>(y), 3);
        const double clods = PeriodicNoise(x / 4.0, y / 2.0, kTile / 4, 5);
        // Harrow lines: long faint streaks along the track.
        const double streak = PeriodicNoise(x / 50.0, y / 1.5, kTile / 50, 7);
        double f = 0.92 + 0.1 * grain + 0.08 * clods;
        if (streak > 0.72) {
            f -= 0.07;
        }
        return Shade(c, f);
    }
    const double blades = Hash01(static_cast<uint32_t>(x % kTile), static_cast<uint32_t>(y), 9);
    const double patch = PeriodicNoise(x / 16.0, y / 4.0, kTile / 16, 13);
    return Shade(kApron, 0.95 + 0.06 * blades + 0.05 * patch);
}

void Rail(cairo_t* cr, double top, double postSpacing, double postWidth, double postHeight,
          double railHeight) {
    // Shadow on the ground under the rail.
    SetColour(cr, {0, 0, 0}, 0.18);
    cairo_rectangle(cr, 0, top + postHeight - 2, kTile, 3);
    cairo_fill(cr);
    for (double x = postSpacing / 2; x < kTile; x += postSpacing) {
        FillRect(cr, x, top, postWidth, postHeight, kRailWhite);
        FillRect(cr, x + postWidth - 1, top, 1, postHeight, Rgb8(170, 170, 160));
    }
    FillRect(cr, 0, top, kTile, railHeight, kRailWhite);
    FillRect(cr, 0, top + railHeight, kTile, 1, Rgb8(150, 150, 140));
    FillRect(cr, 0, top + railHeight * 2 + 2, kTile, railHeight / 2, kRailWhite);
}

// A red-and-white distance pole on the inner rail, once per tile, so speed shows.
void DistancePole(cairo_t* cr, double x) {
    for (int i = 0; i < 9; ++i) {
        FillRect(cr, x, 246 + i * 6, 4, 6, i % 2 == 0 ? Rgb8(210, 30, 30) : kRailWhite);
    }
    cairo_arc(cr, x + 2, 244, 6, 0, 2 * M_PI);
    SetColour(cr, Rgb8(210, 30, 30));
    cairo_fill_preserve(cr);
    SetColour(cr, kRailWhite);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void DrawTile(Canvas* tile) {
    PaintPixels(tile, 0, 0, kTile, 600, TileGround);
    cairo_t* cr = tile->cr;
    // The near rim of the dirt, and the apron's edge.
    FillRect(cr, 0, kDirtTop, kTile, 2, Shade(kDirt, 0.8));
    DistancePole(cr, 398);
    Rail(cr, kInnerRailTop, 40, 3, 19, 4);
    Rail(cr, kOuterRailTop, 80, 5, 24, 6);
    FillRect(cr, 0, kApronTop + 14, kTile, 1, Shade(kApron, 0.85));
}

// One canopy: clusters of leaf balls in three shades inside an ellipse, lit from the left.
void Canopy(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t seed, Colour leaf) {
    const Colour shades[3] = {Shade(leaf, 0.7), leaf, Shade(leaf, 1.25)};
    for (int layer = 0; layer < 3; ++layer) {
        const int balls = 26 + layer * 6;
        for (int i = 0; i < balls; ++i) {
            const double a = Hash01(i, layer, seed) * 2 * M_PI;
            const double d = std::sqrt(Hash01(i, layer + 7, seed));
            // Lighter layers sit up and to the left, where the light comes from.
            const double shift = (layer - 1) * 0.18;
            const double x = cx + std::cos(a) * d * rx * (1 - 0.15 * layer) - shift * rx;
            const double y = cy + std::sin(a) * d * ry * (1 - 0.15 * layer) - shift * ry;
            const double r = (0.22 + 0.12 * Hash01(i, layer + 3, seed)) * rx * (1 - 0.2 * layer);
            cairo_arc(cr, x, y, r, 0, 2 * M_PI);
            SetColour(cr, shades[layer]);
            cairo_fill(cr);
        }
    }
}

void Trunk(cairo_t* cr, double x, double top, double bottom, double width) {
    const Colour bark = Rgb8(96, 66, 42);
    cairo_move_to(cr, x - width * 0.5, bottom);
    cairo_curve_to(cr, x - width * 0.35, top + (bottom - top) * 0.5, x - width * 0.3, top,
                   x - width * 0.2, top);
    cairo_line_to(cr, x + width * 0.2, top);
    cairo_curve_to(cr, x + width * 0.3, top, x + width * 0.35, top + (bottom - top) * 0.5,
                   x + width * 0.6, bottom);
    cairo_close_path(cr);
    SetColour(cr, bark);
    cairo_fill(cr);
    FillRect(cr, x + width * 0.05, top, width * 0.2, bottom - top, Shade(bark, 0.7));
    // The tree's shadow on the grass.
    cairo_save(cr);
    cairo_translate(cr, x + width * 0.8, bottom - 2);
    cairo_scale(cr, width * 1.8, 2.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, Shade(kInfield, 0.72));
    cairo_fill(cr);
}

struct TreeShape {
    int cellX, w, h;
    double trunkWidth, canopyRy; // canopy height as a share of the tree
    Colour leaf;
    uint32_t seed;
};

void DrawTree(Canvas* sheet, const TreeShape& t) {
    const int screenTop = 120; // where the race view brings every tree back
    DrawCellOnCourse(sheet, t.cellX, 1, t.w, t.h, screenTop, [&](cairo_t* cr, int w, int h) {
        const double ry = h * t.canopyRy / 2;
        Trunk(cr, w * 0.48, ry * 1.2, h - 3, t.trunkWidth);
        Canopy(cr, w * 0.5, ry + 2, w * 0.44, ry, t.seed, t.leaf);
    });
}

void FinishDisc(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 8; ++i) {
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, i * M_PI / 4, (i + 1) * M_PI / 4);
        cairo_close_path(cr);
        SetColour(cr, i % 2 == 0 ? Rgb8(214, 30, 36) : kRailWhite);
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColour(cr, Rgb8(60, 60, 60));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.35, 0, 2 * M_PI);
    SetColour(cr, kGold);
    cairo_fill(cr);
}

} // namespace

void DrawTrackSheet(Canvas* sheet) {
    Canvas tile = NewCanvas(kTile, 600);
    DrawTile(&tile);
    Flatten(&tile, kInfield);
    Paste(sheet, tile, 1, 1);
    FreeCanvas(&tile);
    // The sheet's border rows and column are never cut; keep them the course's colours.
    Flatten(sheet, kInfield);
}

void DrawTree1(Canvas* sheet) { DrawTree(sheet, {31, 68, 91, 7, 0.78, Rgb8(76, 132, 60), 21}); }
void DrawTree2(Canvas* sheet) { DrawTree(sheet, {1, 88, 118, 9, 0.72, Rgb8(62, 124, 54), 22}); }
void DrawTree3(Canvas* sheet) { DrawTree(sheet, {51, 108, 144, 11, 0.7, Rgb8(88, 140, 56), 23}); }
void DrawTree4(Canvas* sheet) { DrawTree(sheet, {1, 129, 170, 13, 0.68, Rgb8(56, 112, 50), 24}); }

void DrawFinishPost(cairo_t* cr, int w, int h) {
    const double cx = w / 2.0;
    // The pole reaches from the disc to below the inner rail, where the line is drawn.
    for (int i = 0; i * 8 < h; ++i) {
        FillRect(cr, cx - 2.5, 36 + i * 8, 5, 8, i % 2 == 0 ? kRailWhite : Rgb8(214, 30, 36));
    }
    FillRect(cr, cx + 1.5, 36, 1, h - 40, Rgb8(150, 150, 150));
    FillRect(cr, cx - 6, h - 5, 12, 5, Rgb8(90, 90, 90));
    FinishDisc(cr, cx, 19, 17.5);
}

void DrawGate(cairo_t* cr, int w, int h, bool open) {
    const Colour frame = Rgb8(36, 128, 74);
    const Colour frameDark = Shade(frame, 0.65);
    const double back = 20, front = 146; // the posts at the tail and nose of every stall
    // Header beam: the stall numbers face the stands.
    RoundedRect(cr, 6, 96, w - 12, 34, 4);
    SetColour(cr, frame);
    cairo_fill_preserve(cr);
    SetColour(cr, frameDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    SetFont(cr, Face::SansBold, 17);
    TextCentred(cr, "STRIDEWELL", w / 2.0, 113, kRailWhite);
    // Uprights from the header to the wheels.
    for (double x : {back, front}) {
        FillRect(cr, x - 4, 96, 8, h - 112, frame);
        FillRect(cr, x + 2, 96, 2, h - 112, frameDark);
        cairo_arc(cr, x, h - 9, 8, 0, 2 * M_PI);
        SetColour(cr, Rgb8(40, 40, 40));
        cairo_fill(cr);
        cairo_arc(cr, x, h - 9, 3, 0, 2 * M_PI);
        SetColour(cr, Rgb8(190, 190, 190));
        cairo_fill(cr);
    }
    // Floor beam at the wheels.
    FillRect(cr, back - 4, h - 22, front - back + 8, 6, frameDark);
    // One pair of front doors per stall (stall i holds lane y 301 + 15 i on screen).
    for (int i = 0; i < 10; ++i) {
        const double top = 135 + 15 * i + 4;
        if (!open) {
            RoundedRect(cr, front + 3, top, 18, 14, 2);
            SetColour(cr, Shade(frame, 1.15));
            cairo_fill_preserve(cr);
            SetColour(cr, frameDark);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            NumberPlate(cr, front + 6, top + 2, 12, 10, i + 1, 8);
        } else {
            // Swung open toward the track: seen edge on, thin and angled.
            cairo_move_to(cr, front + 3, top + 1);
            cairo_line_to(cr, front + 20, top - 5);
            cairo_line_to(cr, front + 20, top + 8);
            cairo_line_to(cr, front + 3, top + 13);
            cairo_close_path(cr);
            SetColour(cr, Shade(frame, 1.15));
            cairo_fill_preserve(cr);
            SetColour(cr, frameDark);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    // Padded tail bars behind each stall.
    for (int i = 0; i < 10; ++i) {
        FillRect(cr, back - 10, 135 + 15 * i + 20, 8, 4, Rgb8(220, 220, 210));
    }
}

void DrawGateSheet(Canvas* sheet) {
    DrawCellOnCourse(sheet, 1, 1, 173, 327, 165,
                     [](cairo_t* cr, int w, int h) { DrawGate(cr, w, h, false); });
    DrawCellOnCourse(sheet, 175, 1, 173, 327, 165,
                     [](cairo_t* cr, int w, int h) { DrawGate(cr, w, h, true); });
}
