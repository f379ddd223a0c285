// Drawing surfaces of the data generator: cairo pictures, the colour-key cut and the 24-bit
// .bmp and .png writers.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

// A picture being drawn: an ARGB cairo surface and its context. Lives for one picture.
struct Canvas {
    cairo_surface_t* surface;
    cairo_t* cr;
    int width;
    int height;
};

struct Colour {
    double r, g, b; // 0..1
};

constexpr Colour Rgb8(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// A transparent canvas; release it with FreeCanvas.
Canvas NewCanvas(int width, int height);
void FreeCanvas(Canvas* canvas);

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);
Colour Mix(Colour a, Colour b, double t); // t 0 gives a, 1 gives b
Colour Shade(Colour c, double factor);    // below 1 darker, above 1 toward white

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Colour c);
// A vertical gradient over the rectangle, top colour to bottom colour.
void FillGradient(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom);

enum class Face { Sans, SansBold, Serif, SerifBold, SerifBoldItalic, Comic, ComicBold };

// Sets the face at the size whose ascent plus descent is cellHeight pixels, as the game
// sizes its fonts.
void SetFont(cairo_t* cr, Face face, double cellHeight);
double TextWidthAt(cairo_t* cr, const std::string& text);
// Text whose cell's top-left corner is (x, y), the way the game places its lines.
void TextAt(cairo_t* cr, const std::string& text, double x, double y, Colour c);
// Text centred in a box; outline > 0 strokes a border of that width in outlineColour first.
void TextCentred(cairo_t* cr, const std::string& text, double cx, double cy, Colour c,
                 double outline = 0, Colour outlineColour = {0, 0, 0});

// Turns the canvas into what a colour-keyed sprite needs: every pixel at least half covered
// is blended over matte (the colour the sprite will mostly be drawn on) and made opaque;
// the rest becomes black, the key. Opaque pixels never pack to black.
void CutKey(Canvas* canvas, Colour matte);
// The same with a matte chosen per row, for sprites that stand across the horizon.
void CutKeyRows(Canvas* canvas, const std::function<Colour(int y)>& matteAt);
// Makes every pixel opaque over matte (pictures without transparency).
void Flatten(Canvas* canvas, Colour matte);
// Lifts opaque pixels that would pack to 0 in 5-6-5 or 5-5-5 (the key) to the darkest
// colour that does not; transparent pixels become exact black.
void KeepOffKey(Canvas* canvas);

// Ordered dithering of opaque pixels before the game drops each channel's lowest three bits,
// so soft gradients do not band on the 16-bit display.
void Dither(Canvas* canvas);

// Copies a finished picture into a sheet with its top-left pixel at (x, y).
void Paste(Canvas* sheet, const Canvas& piece, int x, int y);

// A 24-bit, bottom-up, uncompressed .bmp with an image-size field of 3 x w x h; the width
// must be a multiple of 4 so rows need no padding. Returns false when it cannot be written.
bool WriteBmp(const Canvas& canvas, const std::string& path);
// A 32-bit .bmp that keeps the alpha channel (for the window icon).
bool WriteBmpWithAlpha(const Canvas& canvas, const std::string& path);
bool WritePng(const Canvas& canvas, const std::string& path);

// Reads back one pixel as 0xRRGGBB (alpha ignored) and its alpha.
uint32_t PixelAt(const Canvas& canvas, int x, int y);
int AlphaAt(const Canvas& canvas, int x, int y);
