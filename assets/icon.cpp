// The game's icon: drawn once as paths, so the scalable icon and every size agree.
#include "assets/icon.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <filesystem>

#include "assets/art_kit.h"

namespace {

// The icon on a unit square: the badge, then the shoe hung open end up, as a lucky one is.
void DrawIcon(cairo_t* cr, double size) {
    cairo_save(cr);
    cairo_scale(cr, size, size);
    RoundedRect(cr, 0.04, 0.04, 0.92, 0.92, 0.2);
    cairo_pattern_t* badge = cairo_pattern_create_linear(0, 0.04, 0, 0.96);
    cairo_pattern_add_color_stop_rgb(badge, 0, kRacingGreen.r, kRacingGreen.g, kRacingGreen.b);
    cairo_pattern_add_color_stop_rgb(badge, 1, kDeepGreen.r, kDeepGreen.g, kDeepGreen.b);
    cairo_set_source(cr, badge);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(badge);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 0.035);
    cairo_stroke(cr);

    // The shoe: wider at the toe than at the heels, with the groove the nails sit in.
    constexpr double cx = 0.5, cy = 0.5, outer = 0.31, inner = 0.165, top = 0.2;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - outer + 0.035, top);
    cairo_line_to(cr, cx - outer, cy);
    cairo_arc_negative(cr, cx, cy, outer, M_PI, 0);
    cairo_line_to(cr, cx + outer - 0.035, top);
    cairo_line_to(cr, cx + inner, top);
    cairo_line_to(cr, cx + inner, cy + 0.05);
    cairo_arc(cr, cx, cy + 0.05, inner, 0, M_PI);
    cairo_line_to(cr, cx - inner, top);
    cairo_close_path(cr);
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, top, 0, cy + outer);
    cairo_pattern_add_color_stop_rgb(metal, 0, 1.0, 0.87, 0.45);
    cairo_pattern_add_color_stop_rgb(metal, 1, kGold.r, kGold.g, kGold.b);
    cairo_set_source(cr, metal);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(metal);
    SetColour(cr, kGoldDark);
    cairo_set_line_width(cr, 0.02);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);

    constexpr double groove = 0.245;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - groove + 0.02, top + 0.05);
    cairo_line_to(cr, cx - groove, cy + 0.02);
    cairo_arc_negative(cr, cx, cy + 0.02, groove, M_PI, 0);
    cairo_line_to(cr, cx + groove - 0.02, top + 0.05);
    cairo_set_line_width(cr, 0.03);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);

    // Four nail holes a side along the groove.
    SetColour(cr, kDeepGreen);
    for (const double side : {-1.0, 1.0}) {
        for (const double angle : {-0.35, 0.05, 0.42, 0.8}) {
            const double a = angle * M_PI / 2;
            const double y = angle < 0 ? cy + 0.02 + groove * std::sin(a) * 0.75
                                       : cy + 0.02 + groove * std::sin(a);
            const double x = cx + side * (angle < 0 ? groove - 0.01 : groove * std::cos(a));
            cairo_new_path(cr);
            cairo_rectangle(cr, x - 0.018, y - 0.024, 0.036, 0.048);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

bool WritePngIcon(int size, const std::filesystem::path& file) {
    Canvas icon = NewCanvas(size, size);
    DrawIcon(icon.cr, size);
    const bool written = WritePng(icon, file.string());
    FreeCanvas(&icon);
    return written;
}

bool WriteSvgIcon(const std::filesystem::path& file) {
    cairo_surface_t* surface = cairo_svg_surface_create(file.c_str(), 256, 256);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    DrawIcon(cr, 256);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

} // namespace

int WriteIconTheme(const std::string& dir, std::string* error) {
    namespace fs = std::filesystem;
    const std::string name = std::string(STRIDEWELL_APP_ID);
    int written = 0;
    auto write = [&](const fs::path& folder, const std::string& file, auto&& make) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec || !make(folder / file)) {
            *error = "cannot write " + (folder / file).string();
            return false;
        }
        ++written;
        return true;
    };
    for (const int size : kIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        if (!write(fs::path(dir) / folder / "apps", name + ".png",
                   [size](const fs::path& file) { return WritePngIcon(size, file); })) {
            return written;
        }
    }
    write(fs::path(dir) / "scalable" / "apps", name + ".svg", WriteSvgIcon);
    return written;
}

bool WriteWindowIcon(const std::string& path) {
    Canvas icon = NewCanvas(64, 64);
    DrawIcon(icon.cr, 64);
    const bool written = WriteBmpWithAlpha(icon, path);
    FreeCanvas(&icon);
    return written;
}
