// What the pictures share: the course's palette, seeded noise, and the cut of one cell.
#pragma once

#include <cstdint>
#include <functional>

#include "assets/canvas.h"

// The course, as every scene picture paints it, so sprites cut against the colours they are
// drawn on.
inline constexpr Colour kSkyTop = Rgb8(118, 170, 228);
inline constexpr Colour kSkyLow = Rgb8(206, 228, 246);
inline constexpr Colour kInfield = Rgb8(92, 156, 66);
inline constexpr Colour kInfieldDark = Rgb8(70, 128, 50);
inline constexpr Colour kDirt = Rgb8(198, 160, 112);
inline constexpr Colour kDirtDark = Rgb8(176, 136, 92);
inline constexpr Colour kRailWhite = Rgb8(246, 246, 240);
inline constexpr Colour kApron = Rgb8(196, 224, 160);
inline constexpr Colour kMenuWhite = Rgb8(255, 255, 255);

// Boards and buttons.
inline constexpr Colour kParchment = Rgb8(252, 246, 226);
inline constexpr Colour kParchmentLine = Rgb8(228, 214, 176);
inline constexpr Colour kRacingGreen = Rgb8(22, 78, 48);
inline constexpr Colour kDeepGreen = Rgb8(14, 52, 32);
inline constexpr Colour kGold = Rgb8(232, 190, 70);
inline constexpr Colour kGoldDark = Rgb8(150, 108, 28);
inline constexpr Colour kCream = Rgb8(255, 250, 235);
inline constexpr Colour kNavy = Rgb8(24, 36, 74);

// The course's own colour at screen row y behind the scenery sprites: sky, infield, dirt,
// apron. Sprites standing on the course cut their key against it.
Colour CourseColourAt(int screenY);

// Program numbers 1..10 wear the usual saddle-cloth colours, with a number of the second
// colour, so a runner's cloth, tote window and button agree.
struct ClothColours {
    Colour cloth;
    Colour number;
};
inline constexpr ClothColours kSaddleCloth[10] = {
    {Rgb8(214, 30, 36), Rgb8(255, 255, 255)}, {Rgb8(250, 250, 250), Rgb8(20, 20, 20)},
    {Rgb8(30, 80, 200), Rgb8(255, 255, 255)}, {Rgb8(250, 214, 30), Rgb8(20, 20, 20)},
    {Rgb8(30, 140, 60), Rgb8(255, 255, 255)}, {Rgb8(24, 24, 24), Rgb8(250, 214, 30)},
    {Rgb8(244, 128, 20), Rgb8(20, 20, 20)},   {Rgb8(246, 150, 186), Rgb8(20, 20, 20)},
    {Rgb8(50, 196, 196), Rgb8(20, 20, 20)},   {Rgb8(120, 50, 160), Rgb8(255, 255, 255)},
};

// A value in 0..1 fixed by the integers, the same on every machine.
double Hash01(uint32_t a, uint32_t b, uint32_t seed);

// Smooth noise in 0..1 that repeats every `period` units along x (period a whole number).
double PeriodicNoise(double x, double y, int period, uint32_t seed);

// The sprite-sized piece at (x, y) of a sheet, drawn by `draw` on a transparent canvas of the
// cell's size and then cut against matte with CutKey, pasted into the sheet.
void DrawCell(Canvas* sheet, int x, int y, int w, int h, Colour matte,
              const std::function<void(cairo_t*, int w, int h)>& draw);
// The same with the matte taken per row of the piece (screen row = top + row).
void DrawCellOnCourse(Canvas* sheet, int x, int y, int w, int h, int screenTop,
                      const std::function<void(cairo_t*, int w, int h)>& draw);
// The same without the cut: the piece is made opaque over matte.
void DrawOpaqueCell(Canvas* sheet, int x, int y, int w, int h, Colour matte,
                    const std::function<void(cairo_t*, int w, int h)>& draw);

// Sets every pixel of a rectangle of the canvas from a colour function (x, y relative).
void PaintPixels(Canvas* canvas, int x0, int y0, int w, int h,
                 const std::function<Colour(int x, int y)>& colourAt);

// A small plate in saddle-cloth colours with the program number centred on it.
void NumberPlate(cairo_t* cr, double x, double y, double w, double h, int programNumber,
                 double textHeight);

// A raised button face filling the cell: rounded, a gradient from light to base, a dark rim.
void ButtonFace(cairo_t* cr, double w, double h, Colour base, Colour rim, double radius);
