// Drawing surfaces of the data generator: cairo pictures, the colour-key cut and the writers.
#include "assets/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Pre-multiplied ARGB of one pixel.
uint32_t* Row(const Canvas& canvas, int y) {
    unsigned char* data = cairo_image_surface_get_data(canvas.surface);
    return reinterpret_cast<uint32_t*>(data + y * cairo_image_surface_get_stride(canvas.surface));
}

// The game packs 8-bit channels by dropping three bits (and a fourth of green at 15 bits):
// a pixel is the key when every channel is below 8.
bool PacksToKey(int r, int g, int b) { return r < 8 && g < 8 && b < 8; }

uint32_t Opaque(int r, int g, int b) {
    if (PacksToKey(r, g, b)) {
        r = g = b = 8;
    }
    return 0xFF000000u | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
           static_cast<uint32_t>(b);
}

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    Put16(out, at, v & 0xFFFF);
    Put16(out, at + 2, v >> 16);
}

bool WriteFile(const std::vector<uint8_t>& bytes, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

const char* FaceName(Face face) {
    switch (face) {
    case Face::Sans:
    case Face::SansBold:
        return "Liberation Sans";
    case Face::Serif:
    case Face::SerifBold:
    case Face::SerifBoldItalic:
        return "Liberation Serif";
    case Face::Comic:
    case Face::ComicBold:
        return "Comic Neue";
    }
    return "Liberation Sans";
}

void CutRows(Canvas* canvas, const std::function<Colour(int)>& matteAt) {
    cairo_surface_flush(canvas->surface);
    for (int y = 0; y < canvas->height; ++y) {
        const Colour matte = matteAt(y);
        const int mr = static_cast<int>(matte.r * 255), mg = static_cast<int>(matte.g * 255),
                  mb = static_cast<int>(matte.b * 255);
        uint32_t* row = Row(*canvas, y);
        for (int x = 0; x < canvas->width; ++x) {
            const uint32_t p = row[x];
            const int a = static_cast<int>(p >> 24);
            if (a < 128) {
                row[x] = 0;
                continue;
            }
            // Pre-multiplied: colour + (1 - alpha) x matte.
            const int r = static_cast<int>((p >> 16) & 0xFF) + (255 - a) * mr / 255;
            const int g = static_cast<int>((p >> 8) & 0xFF) + (255 - a) * mg / 255;
            const int b = static_cast<int>(p & 0xFF) + (255 - a) * mb / 255;
            row[x] = Opaque(std::min(r, 255), std::min(g, 255), std::min(b, 255));
        }
    }
    cairo_surface_mark_dirty(canvas->surface);
}

} // namespace

Canvas NewCanvas(int width, int height) {
    Canvas canvas{};
    canvas.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    canvas.cr = cairo_create(canvas.surface);
    canvas.width = width;
    canvas.height = height;
    return canvas;
}

void FreeCanvas(Canvas* canvas) {
    if (canvas->cr != nullptr) {
        cairo_destroy(canvas->cr);
    }
    if (canvas->surface != nullptr) {
        cairo_surface_destroy(canvas->surface);
    }
    *canvas = Canvas{};
}

void SetColour(cairo_t* cr, Colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Shade(Colour c, double factor) {
    if (factor <= 1.0) {
        return {c.r * factor, c.g * factor, c.b * factor};
    }
    return Mix(c, {1, 1, 1}, std::min(1.0, factor - 1.0));
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Colour c) {
    SetColour(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void FillGradient(cairo_t* cr, double x, double y, double w, double h, Colour top, Colour bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void SetFont(cairo_t* cr, Face face, double cellHeight) {
    const bool bold = face == Face::SansBold || face == Face::SerifBold ||
                      face == Face::SerifBoldItalic || face == Face::ComicBold;
    const bool italic = face == Face::SerifBoldItalic;
    cairo_select_font_face(cr, FaceName(face),
                           italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 100);
    cairo_font_extents_t e;
    cairo_font_extents(cr, &e);
    cairo_set_font_size(cr, 100 * cellHeight / (e.ascent + e.descent));
}

double TextWidthAt(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void TextAt(cairo_t* cr, const std::string& text, double x, double y, Colour c) {
    cairo_font_extents_t e;
    cairo_font_extents(cr, &e);
    SetColour(cr, c);
    cairo_move_to(cr, x, y + e.ascent);
    cairo_show_text(cr, text.c_str());
}

void TextCentred(cairo_t* cr, const std::string& text, double cx, double cy, Colour c,
                 double outline, Colour outlineColour) {
    cairo_text_extents_t t;
    cairo_text_extents(cr, text.c_str(), &t);
    const double x = cx - t.x_advance / 2;
    const double y = cy - (t.y_bearing + t.height / 2);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    if (outline > 0) {
        SetColour(cr, outlineColour);
        cairo_set_line_width(cr, outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, c);
    cairo_fill(cr);
}

void CutKey(Canvas* canvas, Colour matte) {
    CutRows(canvas, [matte](int) { return matte; });
}

void CutKeyRows(Canvas* canvas, const std::function<Colour(int)>& matteAt) {
    CutRows(canvas, matteAt);
}

void Flatten(Canvas* canvas, Colour matte) {
    cairo_surface_flush(canvas->surface);
    for (int y = 0; y < canvas->height; ++y) {
        uint32_t* row = Row(*canvas, y);
        for (int x = 0; x < canvas->width; ++x) {
            const uint32_t p = row[x];
            const int a = static_cast<int>(p >> 24);
            const int r =
                static_cast<int>((p >> 16) & 0xFF) + static_cast<int>((255 - a) * matte.r);
            const int g = static_cast<int>((p >> 8) & 0xFF) + static_cast<int>((255 - a) * matte.g);
            const int b = static_cast<int>(p & 0xFF) + static_cast<int>((255 - a) * matte.b);
            row[x] = Opaque(std::min(r, 255), std::min(g, 255), std::min(b, 255));
        }
    }
    cairo_surface_mark_dirty(canvas->surface);
}

void KeepOffKey(Canvas* canvas) {
    cairo_surface_flush(canvas->surface);
    for (int y = 0; y < canvas->height; ++y) {
        uint32_t* row = Row(*canvas, y);
        for (int x = 0; x < canvas->width; ++x) {
            const uint32_t p = row[x];
            if ((p >> 24) < 128) {
                row[x] = 0;
                continue;
            }
            const int a = static_cast<int>(p >> 24);
            // Undo the pre-multiplication of nearly opaque pixels.
            auto channel = [&](int shift) {
                return std::min(255, static_cast<int>((p >> shift) & 0xFF) * 255 / a);
            };
            row[x] = Opaque(channel(16), channel(8), channel(0));
        }
    }
    cairo_surface_mark_dirty(canvas->surface);
}

void Dither(Canvas* canvas) {
    // A 4 x 4 Bayer matrix scaled to the 8 steps the packing drops.
    constexpr int kBayer[4][4] = {{0, 4, 1, 5}, {6, 2, 7, 3}, {1, 5, 0, 4}, {7, 3, 6, 2}};
    cairo_surface_flush(canvas->surface);
    for (int y = 0; y < canvas->height; ++y) {
        uint32_t* row = Row(*canvas, y);
        for (int x = 0; x < canvas->width; ++x) {
            const uint32_t p = row[x];
            if ((p >> 24) != 0xFF) {
                continue;
            }
            const int t = kBayer[y % 4][x % 4];
            auto up = [t](uint32_t v) { return static_cast<uint32_t>(std::min(255, int(v) + t)); };
            row[x] =
                0xFF000000u | up((p >> 16) & 0xFF) << 16 | up((p >> 8) & 0xFF) << 8 | up(p & 0xFF);
        }
    }
    cairo_surface_mark_dirty(canvas->surface);
}

void Paste(Canvas* sheet, const Canvas& piece, int x, int y) {
    cairo_save(sheet->cr);
    cairo_set_operator(sheet->cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(sheet->cr, piece.surface, x, y);
    cairo_rectangle(sheet->cr, x, y, piece.width, piece.height);
    cairo_fill(sheet->cr);
    cairo_restore(sheet->cr);
}

bool WriteBmp(const Canvas& canvas, const std::string& path) {
    if (canvas.width % 4 != 0) {
        return false;
    }
    cairo_surface_flush(canvas.surface);
    const uint32_t imageSize = 3u * canvas.width * canvas.height;
    std::vector<uint8_t> out(54 + imageSize);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, 54);
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<uint32_t>(canvas.width));
    Put32(out, 22, static_cast<uint32_t>(canvas.height));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 34, imageSize);
    Put32(out, 38, 2835);
    Put32(out, 42, 2835);
    size_t at = 54;
    for (int y = canvas.height - 1; y >= 0; --y) {
        const uint32_t* row = Row(canvas, y);
        for (int x = 0; x < canvas.width; ++x) {
            // Half-covered pixels were cut already; what is left transparent is the key.
            const uint32_t p = (row[x] >> 24) < 128 ? 0 : row[x];
            out[at++] = static_cast<uint8_t>(p);
            out[at++] = static_cast<uint8_t>(p >> 8);
            out[at++] = static_cast<uint8_t>(p >> 16);
        }
    }
    return WriteFile(out, path);
}

bool WriteBmpWithAlpha(const Canvas& canvas, const std::string& path) {
    cairo_surface_flush(canvas.surface);
    // A version 4 header, whose bit fields name the alpha channel.
    constexpr uint32_t kHeaderSize = 14 + 108;
    const uint32_t imageSize = 4u * canvas.width * canvas.height;
    std::vector<uint8_t> out(kHeaderSize + imageSize);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, kHeaderSize);
    Put32(out, 14, 108);
    Put32(out, 18, static_cast<uint32_t>(canvas.width));
    Put32(out, 22, static_cast<uint32_t>(canvas.height));
    Put16(out, 26, 1);
    Put16(out, 28, 32);
    Put32(out, 30, 3); // bit fields
    Put32(out, 34, imageSize);
    Put32(out, 38, 2835);
    Put32(out, 42, 2835);
    Put32(out, 54, 0x00FF0000);
    Put32(out, 58, 0x0000FF00);
    Put32(out, 62, 0x000000FF);
    Put32(out, 66, 0xFF000000);
    Put32(out, 70, 0x73524742); // sRGB
    size_t at = kHeaderSize;
    for (int y = canvas.height - 1; y >= 0; --y) {
        const uint32_t* row = Row(canvas, y);
        for (int x = 0; x < canvas.width; ++x) {
            // Cairo keeps colours multiplied by alpha; the file keeps them straight.
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            for (int shift : {0, 8, 16}) {
                const uint32_t c = (p >> shift) & 0xFF;
                out[at++] =
                    static_cast<uint8_t>(a == 0 ? 0 : std::min(255u, (c * 255 + a / 2) / a));
            }
            out[at++] = static_cast<uint8_t>(a);
        }
    }
    return WriteFile(out, path);
}

bool WritePng(const Canvas& canvas, const std::string& path) {
    return cairo_surface_write_to_png(canvas.surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

uint32_t PixelAt(const Canvas& canvas, int x, int y) {
    cairo_surface_flush(canvas.surface);
    return Row(canvas, y)[x] & 0xFFFFFF;
}

int AlphaAt(const Canvas& canvas, int x, int y) {
    cairo_surface_flush(canvas.surface);
    return static_cast<int>(Row(canvas, y)[x] >> 24);
}
