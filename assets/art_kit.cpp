// What the pictures share: seeded noise, cell cutting and the button face.
#include "assets/art_kit.h"

#include <algorithm>
#include <cmath>
#include <string>

double Hash01(uint32_t a, uint32_t b, uint32_t seed) {
    uint64_t h = (static_cast<uint64_t>(a) * 0x9E3779B97F4A7C15ull) ^
                 (static_cast<uint64_t>(b) * 0xC2B2AE3D27D4EB4Full) ^
                 (static_cast<uint64_t>(seed) * 0x165667B19E3779F9ull);
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 32;
    return static_cast<double>(h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double PeriodicNoise(double x, double y, int period, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto corner = [&](double cx, double cy) {
        const int wrapped = ((static_cast<int>(cx) % period) + period) % period;
        return Hash01(static_cast<uint32_t>(wrapped), static_cast<uint32_t>(cy + 100000), seed);
    };
    const double top = corner(fx, fy) + (corner(fx + 1, fy) - corner(fx, fy)) * sx;
    const double bottom = corner(fx, fy + 1) + (corner(fx + 1, fy + 1) - corner(fx, fy + 1)) * sx;
    return top + (bottom - top) * sy;
}

void DrawCell(Canvas* sheet, int x, int y, int w, int h, Colour matte,
              const std::function<void(cairo_t*, int, int)>& draw) {
    Canvas piece = NewCanvas(w, h);
    draw(piece.cr, w, h);
    CutKey(&piece, matte);
    Paste(sheet, piece, x, y);
    FreeCanvas(&piece);
}

void DrawOpaqueCell(Canvas* sheet, int x, int y, int w, int h, Colour matte,
                    const std::function<void(cairo_t*, int, int)>& draw) {
    Canvas piece = NewCanvas(w, h);
    draw(piece.cr, w, h);
    Flatten(&piece, matte);
    Paste(sheet, piece, x, y);
    FreeCanvas(&piece);
}

void ButtonFace(cairo_t* cr, double w, double h, Colour base, Colour rim, double radius) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, radius);
    SetColour(cr, rim);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1.5, 0, h - 1.5);
    const Colour light = Shade(base, 1.45);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, base.r, base.g, base.b);
    const Colour dark = Shade(base, 0.8);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, std::max(0.0, radius - 1));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

Colour CourseColourAt(int screenY) {
    if (screenY < 194) {
        return Mix(kSkyTop, kSkyLow, std::clamp(screenY / 194.0, 0.0, 1.0));
    }
    if (screenY < 300) {
        return kInfield;
    }
    if (screenY < 507) {
        return Mix(kDirt, kDirtDark, (screenY - 300) / 207.0);
    }
    return kApron;
}

void DrawCellOnCourse(Canvas* sheet, int x, int y, int w, int h, int screenTop,
                      const std::function<void(cairo_t*, int, int)>& draw) {
    Canvas piece = NewCanvas(w, h);
    draw(piece.cr, w, h);
    CutKeyRows(&piece, [screenTop](int row) { return CourseColourAt(screenTop + row); });
    Paste(sheet, piece, x, y);
    FreeCanvas(&piece);
}

void PaintPixels(Canvas* canvas, int x0, int y0, int w, int h,
                 const std::function<Colour(int, int)>& colourAt) {
    cairo_surface_flush(canvas->surface);
    unsigned char* data = cairo_image_surface_get_data(canvas->surface);
    const int stride = cairo_image_surface_get_stride(canvas->surface);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + (y0 + y) * stride);
        for (int x = 0; x < w; ++x) {
            const Colour c = colourAt(x, y);
            auto channel = [](double v) {
                return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5);
            };
            row[x0 + x] = 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
        }
    }
    cairo_surface_mark_dirty(canvas->surface);
}

void NumberPlate(cairo_t* cr, double x, double y, double w, double h, int programNumber,
                 double textHeight) {
    const ClothColours& c = kSaddleCloth[programNumber - 1];
    RoundedRect(cr, x, y, w, h, 2);
    SetColour(cr, c.cloth);
    cairo_fill_preserve(cr);
    SetColour(cr, Shade(c.cloth, 0.55));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SetFont(cr, Face::SansBold, textHeight);
    TextCentred(cr, std::to_string(programNumber), x + w / 2, y + h / 2, c.number);
}
