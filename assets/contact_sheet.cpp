// Contact sheets of the generated pictures.
#include "assets/contact_sheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "assets/art_kit.h"
#include "assets/mockups.h"
#include "assets/pictures.h"

namespace {

constexpr int kPageWidth = 2440;
constexpr int kGap = 24;
constexpr int kLabel = 20;

// Where the picture's key is, a checkerboard shows.
void Checker(cairo_t* cr, double x, double y, double w, double h) {
    FillRect(cr, x, y, w, h, Rgb8(200, 120, 200));
    SetColour(cr, Rgb8(150, 90, 150));
    for (int cy = 0; cy * 8 < h; ++cy) {
        for (int cx = (cy % 2); cx * 8 < w; cx += 2) {
            cairo_rectangle(cr, x + cx * 8, y + cy * 8, std::min(8.0, w - cx * 8),
                            std::min(8.0, h - cy * 8));
        }
    }
    cairo_fill(cr);
}

// The picture with its key made see-through again.
Canvas Unkeyed(const Canvas& picture) {
    Canvas out = NewCanvas(picture.width, picture.height);
    cairo_surface_flush(picture.surface);
    cairo_surface_flush(out.surface);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t p = PixelAt(picture, x, y);
            auto* row =
                reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(out.surface) +
                                            y * cairo_image_surface_get_stride(out.surface));
            row[x] = p == 0 ? 0 : 0xFF000000u | p;
        }
    }
    cairo_surface_mark_dirty(out.surface);
    return out;
}

void Place(cairo_t* cr, const Canvas& picture, const char* name, double x, double y, double scale) {
    SetFont(cr, Face::SansBold, 16);
    TextAt(cr, name, x, y, Rgb8(20, 20, 20));
    Checker(cr, x, y + kLabel, picture.width * scale, picture.height * scale);
    Canvas clear = Unkeyed(picture);
    cairo_save(cr);
    cairo_translate(cr, x, y + kLabel);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, clear.surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    FreeCanvas(&clear);
}

// The path with a suffix before its extension: "sheet.png" gives "sheet-runners.png".
std::string Beside(const std::string& path, const std::string& suffix) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return path + suffix;
    }
    return path.substr(0, dot) + suffix + path.substr(dot);
}

std::string RunnersPath(const std::string& path) { return Beside(path, "-runners"); }
std::string ScenesPath(const std::string& path) { return Beside(path, "-screens"); }

} // namespace

bool WriteContactSheets(const std::string& path) {
    std::vector<Canvas> pictures;
    for (const PictureSpec& spec : kPictures) {
        pictures.push_back(MakePicture(spec));
    }
    // Shelf packing, in list order.
    struct Slot {
        double x, y;
    };
    std::vector<Slot> slots;
    double x = kGap, y = kGap, shelf = 0;
    for (const Canvas& p : pictures) {
        if (x + p.width + kGap > kPageWidth) {
            x = kGap;
            y += shelf + kGap + kLabel;
            shelf = 0;
        }
        slots.push_back({x, y});
        x += p.width + kGap;
        shelf = std::max(shelf, double(p.height));
    }
    Canvas page = NewCanvas(kPageWidth, static_cast<int>(y + shelf + kGap + kLabel));
    FillRect(page.cr, 0, 0, page.width, page.height, Rgb8(236, 236, 236));
    for (size_t i = 0; i < pictures.size(); ++i) {
        Place(page.cr, pictures[i], kPictures[i].file, slots[i].x, slots[i].y, 1.0);
    }
    bool ok = WritePng(page, path);
    FreeCanvas(&page);

    // The runners at twice size, with the runner sheet's borders left out.
    size_t runnerIndex = 0;
    while (std::string(kPictures[runnerIndex].file) != "horses.bmp") {
        ++runnerIndex;
    }
    const Canvas& runners = pictures[runnerIndex];
    Canvas big = NewCanvas(11 * 2 * 108 + kGap * 2, 10 * 2 * 58 + kGap * 2);
    FillRect(big.cr, 0, 0, big.width, big.height, kDirt);
    cairo_save(big.cr);
    cairo_translate(big.cr, kGap, kGap);
    cairo_scale(big.cr, 2, 2);
    Canvas clear = Unkeyed(runners);
    cairo_set_source_surface(big.cr, clear.surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(big.cr), CAIRO_FILTER_NEAREST);
    cairo_paint(big.cr);
    cairo_restore(big.cr);
    FreeCanvas(&clear);
    ok = WritePng(big, RunnersPath(path)) && ok;
    ok = WriteMockups(pictures, ScenesPath(path)) && ok;
    FreeCanvas(&big);
    for (Canvas& p : pictures) {
        FreeCanvas(&p);
    }
    return ok;
}
