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
    {"track.bmp", 804, 601, DrawTrackSheet},
    {"sprites2.bmp", 800, 386, DrawSceneSheet},
    {"tree1.bmp", 100, 92, DrawTree1},
    {"tree2.bmp", 92, 119, DrawTree2},
    {"tree3.bmp", 160, 145, DrawTree3},
    {"tree4.bmp", 132, 171, DrawTree4},
    {"sprites3.bmp", 348, 328, DrawGateSheet},
    {"horses.bmp", 1180, 570, DrawRunnerSheet},
    {"sprites.bmp", 708, 576, DrawGameSheet},
    {"mainmenu.bmp", 804, 601, DrawMenuBackdrop},
    {"menu_horse.bmp", 540, 425, DrawMenuHorse},
    {"intro.bmp", 796, 528, DrawIntroSheet},
    {"results.bmp", 800, 600, DrawResultsBoard},
    {"champion_screen.bmp", 804, 601, DrawStakesChampion},
    {"todayschamp.bmp", 300, 200, DrawTodaysChampion},
    {"resetgamenotice.bmp", 800, 600, DrawResetNotice},
    {"stakesinfo.bmp", 672, 329, DrawStakesNotice1},
    {"stakesinfo_rnd2.bmp", 672, 329, DrawStakesNotice2},
    {"stakesinfo_rnd3.bmp", 672, 329, DrawStakesNotice3},
    {"stakesinfo_rnd4.bmp", 672, 329, DrawStakesNotice4},
};
static_assert(sizeof(kPictures) / sizeof(kPictures[0]) == 20);

// Draws a picture into a new canvas of its size (the caller frees it).
Canvas MakePicture(const PictureSpec& spec);
