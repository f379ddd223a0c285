// Every picture the generator makes: the sheets of the asset manifest and the pictures single
// screens load, each drawn whole by one function.
#pragma once

#include <cstdint>

#include "assets/canvas.h"

struct PictureSpec {
    const char* file; // under images/
    int width;        // a multiple of 4, at least the manifest's least sheet size
    int height;
    void (*draw)(Canvas* sheet);
    bool dithered; // soft gradients: dithered so they do not band at 16 bits
};

// Each draws the whole sheet onto a transparent canvas of the listed size; transparent
// pixels are written as black, the key.
void DrawTrackSheet(Canvas* sheet); // track.bmp
void DrawSceneSheet(Canvas* sheet); // sprites2.bmp
void DrawTree1(Canvas* sheet);      // tree1.bmp .. tree4.bmp
void DrawTree2(Canvas* sheet);
void DrawTree3(Canvas* sheet);
void DrawTree4(Canvas* sheet);
void DrawGateSheet(Canvas* sheet);      // sprites3.bmp
void DrawRunnerSheet(Canvas* sheet);    // horses.bmp
void DrawGameSheet(Canvas* sheet);      // sprites.bmp
void DrawMenuBackdrop(Canvas* sheet);   // mainmenu.bmp
void DrawMenuHorse(Canvas* sheet);      // menu_horse.bmp
void DrawIntroSheet(Canvas* sheet);     // intro.bmp
void DrawResultsBoard(Canvas* sheet);   // results.bmp
void DrawStakesChampion(Canvas* sheet); // champion_screen.bmp
void DrawTodaysChampion(Canvas* sheet); // todayschamp.bmp
void DrawResetNotice(Canvas* sheet);    // resetgamenotice.bmp
void DrawStakesNotice1(Canvas* sheet);  // stakesinfo.bmp, stakesinfo_rnd2.bmp ..
void DrawStakesNotice2(Canvas* sheet);
void DrawStakesNotice3(Canvas* sheet);
void DrawStakesNotice4(Canvas* sheet);

inline constexpr PictureSpec kPictures[] = {
    {"track.bmp", 804, 601, DrawTrackSheet, true},
    {"sprites2.bmp", 800, 386, DrawSceneSheet, false},
    {"tree1.bmp", 100, 92, DrawTree1, false},
    {"tree2.bmp", 92, 119, DrawTree2, false},
    {"tree3.bmp", 160, 145, DrawTree3, false},
    {"tree4.bmp", 132, 171, DrawTree4, false},
    {"sprites3.bmp", 348, 328, DrawGateSheet, false},
    {"horses.bmp", 1180, 570, DrawRunnerSheet, false},
    {"sprites.bmp", 708, 576, DrawGameSheet, false},
    {"mainmenu.bmp", 804, 601, DrawMenuBackdrop, true},
    {"menu_horse.bmp", 540, 425, DrawMenuHorse, true},
    {"intro.bmp", 796, 528, DrawIntroSheet, true},
    {"results.bmp", 800, 600, DrawResultsBoard, true},
    {"champion_screen.bmp", 804, 601, DrawStakesChampion, true},
    {"todayschamp.bmp", 300, 200, DrawTodaysChampion, false},
    {"resetgamenotice.bmp", 800, 600, DrawResetNotice, true},
    {"stakesinfo.bmp", 672, 329, DrawStakesNotice1, false},
    {"stakesinfo_rnd2.bmp", 672, 329, DrawStakesNotice2, false},
    {"stakesinfo_rnd3.bmp", 672, 329, DrawStakesNotice3, false},
    {"stakesinfo_rnd4.bmp", 672, 329, DrawStakesNotice4, false},
};
static_assert(sizeof(kPictures) / sizeof(kPictures[0]) == 20);

// Draws a picture into a new canvas of its size (the caller frees it).
Canvas MakePicture(const PictureSpec& spec);
