// Pieces one picture borrows from another.
#pragma once

#include <cairo.h>

#include "assets/canvas.h"

// The finish post of the race view, filling a w x h cell.
void DrawFinishPost(cairo_t* cr, int w, int h);

// The starting gate, closed or open, filling a w x h cell.
void DrawGate(cairo_t* cr, int w, int h, bool open);

// How a horse looks: coat, points (mane, tail, lower legs) and the jockey's silks.
struct RunnerLook {
    Colour coat;
    Colour points;
    Colour silks;
    Colour sleeves;
    Colour cap;
    int pattern;       // 0 plain, 1 hoops, 2 sash, 3 halves, 4 stars
    int programNumber; // on the saddle cloth; 0 for none
};

extern const RunnerLook kRunnerLooks[10];

// One horse and jockey at gallop phase 0..1 (one stride), facing right, drawn in a box whose
// origin is the horse's top-left at the runner sprite's scale times `scale`.
void DrawRunner(cairo_t* cr, const RunnerLook& look, double phase, double scale);
