// sprites.bmp: the title banner, every button and label of the menus, the race card and the
// options, the leader buttons, the finish post and the player tabs.
#include <cmath>
#include <string>

#include "assets/art_kit.h"
#include "assets/art_parts.h"
#include "assets/pictures.h"

namespace {

// Where the screens put these and what they write beside them:
// - menu buttons (new game, settings, credits, exit) sit on the backdrop's dark left column
//   at x 10; the long hint for each is written at the bottom, so the labels stay short;
// - "Post Time" label at (170, 180): the clock is written at +120; "Race" label at (400, 180):
//   the race number at +85; "$" panel at (660, 130): the money at +30 in fontArial30;
// - option labels at x 150: the value is written at x 320 on the same row;
// - leader buttons on the apron at y 530: the runner's name at +55, red;
// - the player tabs at y 105 on the card: the name above, a "^" below.
// Two-frame buttons show frame 1 under the cursor; one-frame buttons move one pixel instead,
// so they carry a drop shadow and read as pressed when shifted.

const Colour kMenuMatte = kRacingGreen; // the backdrop's left column
const Colour kCardMatte = kMenuWhite;   // the light picture under the race card

void Label(cairo_t* cr, const std::string& text, double w, double h, Colour c, Face face,
           double size, double dy = 0) {
    SetFont(cr, face, size);
    TextCentred(cr, text, w / 2, h / 2 + dy, c);
}

// A gold-rimmed menu button; lit, it glows brighter with dark lettering.
void MenuButton(Canvas* sheet, int x0, int x1, int y, int w, int h, const char* text) {
    for (int lit = 0; lit < 2; ++lit) {
        DrawCell(sheet, lit ? x1 : x0, y, w, h, kMenuMatte, [&](cairo_t* cr, int cw, int ch) {
            ButtonFace(cr, cw, ch, lit ? Rgb8(250, 210, 80) : Rgb8(40, 110, 70),
                       lit ? kCream : kGold, 5);
            Label(cr, text, cw, ch, lit ? kDeepGreen : kCream, Face::SansBold, ch * 0.66);
        });
    }
}

// A cream card-style button with a shadow; lit, it turns gold.
void CardButton(Canvas* sheet, int x, int y, int w, int h, bool lit, const std::string& text,
                double size) {
    DrawCell(sheet, x, y, w, h, kCardMatte, [&](cairo_t* cr, int cw, int ch) {
        RoundedRect(cr, 2, 2, cw - 2, ch - 2, 5);
        SetColour(cr, Rgb8(120, 120, 110));
        cairo_fill(cr);
        cairo_save(cr);
        cairo_scale(cr, (cw - 2.0) / cw, (ch - 2.0) / ch);
        ButtonFace(cr, cw, ch, lit ? Rgb8(246, 196, 60) : Rgb8(34, 104, 64),
                   lit ? kGoldDark : kDeepGreen, 5);
        cairo_restore(cr);
        Label(cr, text, cw - 2, ch - 2, lit ? kDeepGreen : kCream, Face::SansBold, size);
    });
}

// A flat label plate for the race card and options: the value is written beside it.
void LabelPlate(Canvas* sheet, int x, int y, int w, int h, const char* text) {
    DrawCell(sheet, x, y, w, h, kCardMatte, [&](cairo_t* cr, int cw, int ch) {
        RoundedRect(cr, 0.5, 0.5, cw - 1, ch - 1, ch / 3.0);
        SetColour(cr, kRacingGreen);
        cairo_fill_preserve(cr);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        Label(cr, text, cw, ch, kCream, Face::SansBold, ch * 0.72);
    });
}

void TitleBanner(Canvas* sheet) {
    DrawCell(sheet, 1, 1, 532, 57, kMenuMatte, [](cairo_t* cr, int w, int h) {
        // A cream plaque with swallow-tailed ends.
        cairo_move_to(cr, 2, 4);
        cairo_line_to(cr, w - 2, 4);
        cairo_line_to(cr, w - 22, h / 2.0);
        cairo_line_to(cr, w - 2, h - 4);
        cairo_line_to(cr, 2, h - 4);
        cairo_line_to(cr, 22, h / 2.0);
        cairo_close_path(cr);
        SetColour(cr, kGoldDark);
        cairo_fill(cr);
        RoundedRect(cr, 30, 1, w - 60, h - 2, 8);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.97, 0.86);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.9, 0.8, 0.55);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetColour(cr, kGoldDark);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        SetFont(cr, Face::SerifBoldItalic, 58);
        TextCentred(cr, "Stridewell", w / 2.0, h / 2.0 + 1, Rgb8(150, 20, 30), 4, kGold);
        // A horseshoe either side of the name.
        for (double cx : {70.0, w - 70.0}) {
            cairo_set_line_width(cr, 5);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_arc(cr, cx, h / 2.0 + 2, 12, M_PI * 0.85, M_PI * 2.15);
            SetColour(cr, Rgb8(120, 120, 128));
            cairo_stroke(cr);
        }
    });
}

void RunnerButtons(Canvas* sheet) {
    const struct {
        int x0, x1, y, w, h;
    } cells[10] = {{336, 354, 109, 17, 26}, {336, 354, 136, 17, 26}, {337, 355, 163, 17, 26},
                   {337, 358, 191, 20, 26}, {338, 358, 218, 19, 26}, {382, 402, 108, 18, 26},
                   {381, 402, 136, 20, 26}, {381, 400, 163, 17, 26}, {381, 400, 190, 18, 27},
                   {380, 415, 219, 32, 26}};
    for (int k = 0; k < 10; ++k) {
        for (int lit = 0; lit < 2; ++lit) {
            const auto& c = cells[k];
            DrawCell(sheet, lit ? c.x1 : c.x0, c.y, c.w, c.h, kCardMatte,
                     [k, lit](cairo_t* cr, int w, int h) {
                         const ClothColours& cloth = kSaddleCloth[k];
                         RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3);
                         SetColour(cr, lit ? Shade(cloth.cloth, 1.25) : cloth.cloth);
                         cairo_fill_preserve(cr);
                         SetColour(cr, lit ? kGold : Shade(cloth.cloth, 0.5));
                         cairo_set_line_width(cr, lit ? 2 : 1);
                         cairo_stroke(cr);
                         if (k == 1) { // white cloth: a grey rim so it stands off white
                             RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3);
                             SetColour(cr, lit ? kGold : Rgb8(120, 120, 120));
                             cairo_stroke(cr);
                         }
                         Label(cr, std::to_string(k + 1), w, h, cloth.number, Face::SansBold, 19);
                     });
        }
    }
}

void LeaderButtons(Canvas* sheet) {
    const struct {
        int x, y, w, h;
        const char* text;
        Colour medal;
    } cells[4] = {{467, 82, 54, 32, "1st", Rgb8(236, 190, 50)},
                  {522, 82, 54, 32, "2nd", Rgb8(200, 204, 212)},
                  {577, 82, 53, 32, "3rd", Rgb8(206, 136, 80)},
                  {541, 115, 53, 33, "4th", Rgb8(120, 180, 130)}};
    for (const auto& c : cells) {
        DrawCell(sheet, c.x, c.y, c.w, c.h, kApron, [&c](cairo_t* cr, int w, int h) {
            RoundedRect(cr, 2, 2, w - 2, h - 2, 7);
            SetColour(cr, Rgb8(90, 110, 80));
            cairo_fill(cr);
            cairo_save(cr);
            cairo_scale(cr, (w - 2.0) / w, (h - 2.0) / h);
            ButtonFace(cr, w, h, c.medal, Shade(c.medal, 0.5), 7);
            cairo_restore(cr);
            Label(cr, c.text, w - 2, h - 2, Rgb8(40, 24, 10), Face::SerifBold, 22);
        });
    }
}

void PlayerTabs(Canvas* sheet) {
    const struct {
        int x, w;
        Colour colour;
    } tabs[4] = {{235, 21, Rgb8(200, 40, 40)},
                 {257, 34, Rgb8(40, 90, 200)},
                 {293, 34, Rgb8(30, 140, 70)},
                 {328, 36, Rgb8(220, 130, 20)}};
    for (int p = 0; p < 4; ++p) {
        DrawCell(sheet, tabs[p].x, 388, tabs[p].w, 52, kCardMatte, [&](cairo_t* cr, int w, int h) {
            RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 5);
            SetColour(cr, tabs[p].colour);
            cairo_fill_preserve(cr);
            SetColour(cr, Shade(tabs[p].colour, 0.5));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            // A jockey's cap over the player's number.
            cairo_arc(cr, w / 2.0, 15, 6, M_PI, 2 * M_PI);
            SetColour(cr, kCream);
            cairo_fill(cr);
            FillRect(cr, w / 2.0, 13, 8, 2, kCream);
            Label(cr, std::to_string(p + 1), w, h, kCream, Face::SansBold, 24, 8);
        });
    }
}

void OptionButtons(Canvas* sheet) {
    const struct {
        int x, y, w, h;
        const char* text;
    } options[] = {{365, 376, 132, 17, "Time between races"},
                   {365, 394, 106, 24, "Announcer"},
                   {365, 419, 133, 23, "Races per day"},
                   {571, 150, 98, 21, "Sim Mode"},
                   {498, 375, 138, 20, "Days to stakes"}};
    for (const auto& o : options) {
        CardButton(sheet, o.x, o.y, o.w, o.h, false, o.text, o.h * 0.72);
    }
}

} // namespace

void DrawGameSheet(Canvas* sheet) {
    TitleBanner(sheet);
    MenuButton(sheet, 11, 86, 64, 74, 21, "New Game");
    MenuButton(sheet, 5, 103, 96, 97, 27, "Settings");
    MenuButton(sheet, 1, 95, 148, 89, 21, "Credits");
    MenuButton(sheet, 6, 60, 125, 53, 22, "Exit");
    CardButton(sheet, 196, 159, 58, 25, false, "OK", 16);
    CardButton(sheet, 266, 159, 58, 25, true, "OK", 16);
    for (int lit = 0; lit < 2; ++lit) {
        DrawCell(sheet, lit ? 114 : 1, 388, 112, 64, kCardMatte, [lit](cairo_t* cr, int w, int h) {
            // The "place your bets" sign that slides onto the card.
            RoundedRect(cr, 1, 1, w - 2, h - 2, 8);
            SetColour(cr, lit ? Rgb8(170, 30, 36) : Rgb8(150, 20, 30));
            cairo_fill_preserve(cr);
            SetColour(cr, kGold);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            SetFont(cr, Face::SerifBold, 17);
            TextCentred(cr, "PLACE", w / 2.0, 17, kCream);
            TextCentred(cr, "YOUR BETS", w / 2.0, 35, kCream);
            SetFont(cr, Face::SansBold, 11);
            TextCentred(cr, "WIN \xc2\xb7 PLACE \xc2\xb7 SHOW", w / 2.0, 52, kGold);
        });
    }
    LabelPlate(sheet, 329, 61, 100, 22, "Post Time");
    DrawCell(sheet, 307, 61, 20, 27, kCardMatte, [](cairo_t* cr, int w, int h) {
        RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
        SetColour(cr, Rgb8(30, 120, 50));
        cairo_fill(cr);
        Label(cr, "$", w, h, kCream, Face::SansBold, 26);
    });
    for (int n = 0; n < 4; ++n) {
        const struct {
            int x0, x1, y, w, h;
        } c[4] = {{1, 123, 453, 118, 37},
                  {1, 144, 491, 140, 37},
                  {1, 143, 531, 141, 38},
                  {244, 390, 453, 143, 37}};
        const std::string text = n == 0 ? "1 Player" : std::to_string(n + 1) + " Players";
        CardButton(sheet, c[n].x0, c[n].y, c[n].w, c[n].h, false, text, 24);
        CardButton(sheet, c[n].x1, c[n].y, c[n].w, c[n].h, true, text, 24);
    }
    CardButton(sheet, 286, 491, 72, 28, false, "Continue", 16);
    DrawCell(sheet, 365, 324, 75, 51, kCardMatte, [](cairo_t* cr, int w, int h) {
        RoundedRect(cr, 2, 2, w - 2, h - 2, 8);
        SetColour(cr, Rgb8(120, 120, 110));
        cairo_fill(cr);
        cairo_save(cr);
        cairo_scale(cr, (w - 2.0) / w, (h - 2.0) / h);
        ButtonFace(cr, w, h, Rgb8(200, 40, 40), Rgb8(110, 10, 16), 8);
        cairo_restore(cr);
        SetFont(cr, Face::SansBold, 24);
        TextCentred(cr, "GO", w / 2.0 - 1, 17, kCream);
        SetFont(cr, Face::SansBold, 13);
        TextCentred(cr, "to the track", w / 2.0 - 1, 37, kCream);
    });
    LabelPlate(sheet, 430, 61, 73, 19, "Race");
    LabelPlate(sheet, 601, 63, 57, 18, "Odds");
    DrawCell(sheet, 273, 61, 33, 21, kCardMatte, [](cairo_t* cr, int w, int h) {
        RoundedRect(cr, 1, 1, w - 2, h - 2, 5);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    });
    RunnerButtons(sheet);
    LeaderButtons(sheet);
    DrawCellOnCourse(sheet, 571, 253, 41, 121, 210, DrawFinishPost);
    DrawCell(sheet, 534, 4, 172, 52, kCardMatte, [](cairo_t* cr, int w, int h) {
        RoundedRect(cr, 1, 1, w - 2, h - 2, 8);
        SetColour(cr, kRacingGreen);
        cairo_fill_preserve(cr);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        SetFont(cr, Face::SerifBold, 24);
        TextCentred(cr, "Game Settings", w / 2.0, h / 2.0 - 5, kGold);
        SetFont(cr, Face::Sans, 11);
        TextCentred(cr, "left click raises, right click lowers", w / 2.0, h - 11, kCream);
    });
    OptionButtons(sheet);
    CardButton(sheet, 365, 539, 152, 37, false, "Stridewell", 22);
    PlayerTabs(sheet);
}
