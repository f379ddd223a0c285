// The ten runners: a horse and jockey in their own silks, galloping right in an 11-frame
// stride cycle (horses.bmp: frame i of runner r at (1 + 107 i, 1 + 57 r), 106 x 56).
#include <cmath>

#include "assets/art_kit.h"
#include "assets/art_parts.h"
#include "assets/pictures.h"

namespace {

constexpr int kFrameW = 106, kFrameH = 56, kFrames = 11;

struct Point {
    double x, y;
};

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Radians(double degrees) { return degrees * M_PI / 180; }

// One leg's swing at a moment of the stride: angle from vertical (forward positive) and how
// far it is folded (0 straight, 1 tucked).
struct LegPose {
    double angle, fold;
};

// Legs land one after another (a rotary gallop); each spends about a third of the stride on
// the ground sweeping back, the rest folded and swinging forward.
LegPose PoseAt(double phase, double footfall) {
    constexpr double kStance = 0.34, kReach = 30, kPush = -32;
    double u = phase - footfall;
    u -= std::floor(u);
    if (u < kStance) {
        return {kReach + (kPush - kReach) * (u / kStance), 0};
    }
    const double s = (u - kStance) / (1 - kStance);
    return {kPush + (kReach - kPush) * Smooth(s), std::pow(std::sin(M_PI * s), 0.8)};
}

Point Step(Point from, double angleDegrees, double length) {
    return {from.x + std::sin(Radians(angleDegrees)) * length,
            from.y + std::cos(Radians(angleDegrees)) * length};
}

void Segment(cairo_t* cr, Point a, Point b, double width, Colour c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    SetColour(cr, c);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_stroke(cr);
}

void Leg(cairo_t* cr, Point top, LegPose pose, bool fore, Colour upper, Colour lower) {
    Point joint, foot;
    if (fore) {
        // The knee lifts forward and the cannon folds back under the chest.
        joint = Step(top, pose.angle + pose.fold * 40, 11.5);
        foot = Step(joint, pose.angle - pose.fold * 115, 11);
    } else {
        // The hock sits behind the hip and the cannon folds forward under the belly.
        joint = Step(top, pose.angle - 22 + pose.fold * 25, 12.5);
        foot = Step(joint, pose.angle + 8 + pose.fold * 75, 11);
    }
    Segment(cr, top, joint, 5.2, upper);
    Segment(cr, joint, foot, 2.8, lower);
    const Point hoof = Step(foot, pose.angle - (fore ? pose.fold * 115 : -pose.fold * 75), 2.2);
    Segment(cr, foot, hoof, 3.2, Rgb8(40, 34, 30));
}

void BodyPath(cairo_t* cr) {
    cairo_move_to(cr, 77, 22);                    // chest
    cairo_curve_to(cr, 79, 30, 74, 35, 68, 35);   // brisket
    cairo_curve_to(cr, 58, 37, 46, 37, 39, 34);   // belly to the stifle
    cairo_curve_to(cr, 31, 33, 26, 28, 27, 23);   // buttock
    cairo_curve_to(cr, 28, 18, 33, 16, 40, 17);   // croup
    cairo_curve_to(cr, 50, 19, 58, 18, 64, 15);   // back to the withers
    cairo_curve_to(cr, 72, 11, 79, 6, 86, 3);     // crest of the neck
    cairo_curve_to(cr, 88, 2, 90, 3, 92, 5);      // poll
    cairo_curve_to(cr, 96, 8, 100, 12, 102, 15);  // face
    cairo_curve_to(cr, 103, 17, 101, 19, 98, 18); // muzzle and chin
    cairo_curve_to(cr, 95, 17, 92, 16, 89, 13);   // jaw
    cairo_curve_to(cr, 86, 15, 82, 18, 77, 22);   // throat to chest
    cairo_close_path(cr);
}

void Tail(cairo_t* cr, double phase, Colour c) {
    const double wave = std::sin(phase * 2 * M_PI) * 2;
    cairo_move_to(cr, 29, 19);
    cairo_curve_to(cr, 22, 17 + wave, 15, 20 + wave, 8, 25 + wave);
    cairo_curve_to(cr, 13, 26 + wave, 20, 25, 28, 24);
    cairo_close_path(cr);
    SetColour(cr, c);
    cairo_fill(cr);
}

void Silks(cairo_t* cr, const RunnerLook& look, Point hip, Point shoulder) {
    // The torso, leaning far forward over the withers.
    cairo_save(cr);
    const double angle = std::atan2(shoulder.y - hip.y, shoulder.x - hip.x);
    const double length = std::hypot(shoulder.x - hip.x, shoulder.y - hip.y);
    cairo_translate(cr, hip.x, hip.y);
    cairo_rotate(cr, angle);
    RoundedRect(cr, -3, -4.5, length + 4, 9, 4);
    SetColour(cr, look.silks);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    switch (look.pattern) {
    case 1: // hoops
        for (double x = 1; x < length; x += 5) {
            FillRect(cr, x, -5, 2.2, 10, look.sleeves);
        }
        break;
    case 2: // sash
        cairo_move_to(cr, 2, -5);
        cairo_line_to(cr, 6, -5);
        cairo_line_to(cr, length - 2, 5);
        cairo_line_to(cr, length - 6, 5);
        SetColour(cr, look.sleeves);
        cairo_fill(cr);
        break;
    case 3: // halves
        FillRect(cr, length / 2, -5, length, 10, look.sleeves);
        break;
    case 4: // stars
        for (double x : {length * 0.3, length * 0.7}) {
            cairo_arc(cr, x, 0, 1.6, 0, 2 * M_PI);
            SetColour(cr, look.sleeves);
            cairo_fill(cr);
        }
        break;
    default:
        break;
    }
    cairo_restore(cr);
}

} // namespace

const RunnerLook kRunnerLooks[10] = {
    {Rgb8(136, 76, 38), Rgb8(30, 22, 18), Rgb8(206, 28, 40), Rgb8(250, 250, 250), Rgb8(206, 28, 40),
     0, 1},
    {Rgb8(176, 92, 40), Rgb8(150, 74, 32), Rgb8(24, 70, 176), Rgb8(250, 210, 30),
     Rgb8(250, 210, 30), 1, 2},
    {Rgb8(196, 196, 190), Rgb8(96, 96, 100), Rgb8(250, 200, 20), Rgb8(30, 30, 30), Rgb8(30, 30, 30),
     2, 3},
    {Rgb8(92, 56, 34), Rgb8(26, 20, 16), Rgb8(30, 140, 64), Rgb8(250, 250, 250),
     Rgb8(250, 250, 250), 4, 4},
    {Rgb8(52, 46, 46), Rgb8(26, 22, 22), Rgb8(250, 250, 250), Rgb8(214, 30, 36), Rgb8(214, 30, 36),
     3, 5},
    {Rgb8(214, 172, 100), Rgb8(240, 228, 200), Rgb8(120, 50, 160), Rgb8(250, 250, 250),
     Rgb8(232, 190, 70), 1, 6},
    {Rgb8(150, 88, 48), Rgb8(32, 24, 20), Rgb8(244, 128, 20), Rgb8(30, 30, 30), Rgb8(30, 30, 30), 2,
     7},
    {Rgb8(192, 108, 56), Rgb8(170, 92, 44), Rgb8(244, 118, 168), Rgb8(30, 130, 70),
     Rgb8(244, 118, 168), 3, 8},
    {Rgb8(156, 158, 164), Rgb8(60, 60, 66), Rgb8(40, 182, 192), Rgb8(24, 36, 90), Rgb8(24, 36, 90),
     4, 9},
    {Rgb8(118, 58, 34), Rgb8(96, 44, 24), Rgb8(128, 20, 44), Rgb8(120, 190, 240),
     Rgb8(120, 190, 240), 1, 10},
};

void DrawRunner(cairo_t* cr, const RunnerLook& look, double phase, double scale) {
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    // The body rises in the moment all four legs are off the ground.
    const double bob = -1.6 * std::cos(2 * M_PI * (phase - 0.7));
    // Right lead: left hind, right hind, left fore, right fore; the right side faces the stands.
    const LegPose leftHind = PoseAt(phase, 0.0), rightHind = PoseAt(phase, 0.1);
    const LegPose leftFore = PoseAt(phase, 0.26), rightFore = PoseAt(phase, 0.36);
    const Colour farCoat = Shade(look.coat, 0.72), farPoints = Shade(look.points, 0.72);
    const Colour outline = Shade(look.coat, 0.5);

    cairo_translate(cr, 0, bob + 1);
    // Far side first, darker.
    Leg(cr, {38, 28}, leftHind, false, farCoat, farPoints);
    Leg(cr, {69, 28}, leftFore, true, farCoat, farPoints);
    Tail(cr, phase, look.points);

    BodyPath(cr);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 4, 0, 37);
    const Colour top = Shade(look.coat, 1.18), belly = Shade(look.coat, 0.78);
    cairo_pattern_add_color_stop_rgb(sheen, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(sheen, 0.5, look.coat.r, look.coat.g, look.coat.b);
    cairo_pattern_add_color_stop_rgb(sheen, 1, belly.r, belly.g, belly.b);
    cairo_set_source(cr, sheen);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sheen);
    SetColour(cr, outline);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);

    // Mane along the crest, eye and nostril.
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, look.points);
    cairo_move_to(cr, 66, 14);
    cairo_curve_to(cr, 73, 10, 79, 6, 86, 3);
    cairo_stroke(cr);
    cairo_arc(cr, 91.5, 8, 1.1, 0, 2 * M_PI);
    SetColour(cr, Rgb8(20, 16, 14));
    cairo_fill(cr);
    cairo_move_to(cr, 87.5, 1);
    cairo_line_to(cr, 86, 4);
    cairo_line_to(cr, 89.5, 4);
    cairo_close_path(cr);
    SetColour(cr, Shade(look.coat, 0.8));
    cairo_fill(cr);

    // Near side legs over the body.
    Leg(cr, {36, 28}, rightHind, false, look.coat, look.points);
    Leg(cr, {67, 28}, rightFore, true, look.coat, look.points);

    // Saddle cloth with the program number, and the saddle.
    if (look.programNumber > 0) {
        const ClothColours& cloth = kSaddleCloth[look.programNumber - 1];
        RoundedRect(cr, 43, 18, 15, 11, 1.5);
        SetColour(cr, cloth.cloth);
        cairo_fill_preserve(cr);
        SetColour(cr, Shade(cloth.cloth, 0.55));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        SetFont(cr, Face::SansBold, look.programNumber == 10 ? 10 : 11);
        TextCentred(cr, std::to_string(look.programNumber), 50.5, 23.7, cloth.number);
    }
    FillRect(cr, 46, 16.5, 12, 2.5, Rgb8(60, 36, 24));

    // The jockey stands in short stirrups, steadier than the horse under him.
    cairo_translate(cr, 0, -bob * 0.5);
    const Point foot{60, 23}, knee{63, 14.5}, hip{53.5, 11}, shoulder{68, 6.5}, hand{78, 12};
    Segment(cr, foot, knee, 3.4, Rgb8(30, 24, 22));   // boot
    Segment(cr, knee, hip, 4.6, Rgb8(246, 244, 236)); // breeches
    Silks(cr, look, hip, shoulder);
    Segment(cr, shoulder, hand, 2.6, look.sleeves);
    Segment(cr, hand, {98, 16}, 0.7, Rgb8(40, 30, 24)); // reins
    // Head and cap with its peak.
    cairo_arc(cr, 72.5, 4.2, 3, 0, 2 * M_PI);
    SetColour(cr, Rgb8(232, 190, 160));
    cairo_fill(cr);
    cairo_arc(cr, 72.2, 3.4, 3.1, M_PI, 2 * M_PI);
    SetColour(cr, look.cap);
    cairo_fill(cr);
    Segment(cr, {74.5, 3.2}, {77.5, 3.8}, 1.2, look.cap);
    cairo_restore(cr);
}

void DrawRunnerSheet(Canvas* sheet) {
    for (int r = 0; r < 10; ++r) {
        for (int i = 0; i < kFrames; ++i) {
            DrawCell(sheet, 1 + 107 * i, 1 + 57 * r, kFrameW, kFrameH, kDirt,
                     [r, i](cairo_t* cr, int, int) {
                         DrawRunner(cr, kRunnerLooks[r], double(i) / kFrames, 1.0);
                     });
        }
    }
}
