// Every sprite of the game: made at start-up from the asset manifest or by the screen that
// shows it, released at shutdown. Each lives for the whole run.
#pragma once

#include <span>

#include "platform/sprite.h"

constexpr int kRunnerCount = 10;

// The one list of sprites, in the order start-up makes them and shutdown releases them. Each
// line is one of:
//   ROW(name, picture, width, height, lastFrame, x, y, cells...): a colour-keyed sprite the
//       manifest cuts from images/<picture>; each cell {frame, left, top} of the picture fills a
//       frame; (x, y) is its start position.
//   BACKDROP(...): the same for a full-screen picture kept in main memory, with no key.
//   ROWS(name, count, rowOf): an array whose k-th row the manifest's rowOf(&name[k], k) gives.
//   NO_ROW(name), NO_ROWS(name, count): no manifest row; the screen that shows it makes it.
#define GAME_SPRITES(ROW, BACKDROP, ROWS, NO_ROW, NO_ROWS)                                         \
    ROW(sTrackPart1, "track.bmp", 800, 600, 1, 0, 0, {0, 1, 1})                                    \
    ROW(sTrackPart2, "track.bmp", 800, 600, 1, 800, 0, {0, 1, 1})                                  \
    ROWS(sHorse, kRunnerCount, RunnerRow)                                                          \
    ROW(sTree1, "tree1.bmp", 68, 91, 1, 680, 130, {0, 31, 1})                                      \
    ROW(sTree2, "tree2.bmp", 88, 118, 1, 25, 133, {0, 1, 1})                                       \
    ROW(sTree3, "tree3.bmp", 108, 144, 1, 400, 133, {0, 51, 1})                                    \
    ROW(sTree4, "tree4.bmp", 129, 170, 1, 120, 116, {0, 1, 1})                                     \
    ROW(sMenuBackground, "mainmenu.bmp", 800, 600, 1, 0, 0, {0, 1, 1})                             \
    ROW(sMenuHorse, "menu_horse.bmp", 537, 424, 1, 156, 177, {0, 1, 1})                            \
    BACKDROP(sChampion, "champion_screen.bmp", 800, 600, 1, 1, 1, {0, 1, 1})                       \
    ROW(sTrackPatch1, "sprites2.bmp", 800, 21, 1, 0, 181, {0, 0, 209})                             \
    ROW(sTrackPatch2, "sprites2.bmp", 800, 21, 1, 800, 181, {0, 0, 209})                           \
    ROW(sToteBoard, "sprites2.bmp", 494, 76, 1, 230, 220, {0, 1, 1})                               \
    ROW(sProgressMarker, "sprites2.bmp", 23, 19, 1, -30, -30, {0, 280, 231})                       \
    ROW(sProgressMap, "sprites2.bmp", 278, 133, 1, 500, 15, {0, 1, 231})                           \
    ROW(sRunnerListPanel, "sprites2.bmp", 333, 135, 1, 10, 45, {0, 280, 251})                      \
    ROW(sBetsBoard, "sprites2.bmp", 134, 135, 1, 333, 45, {0, 614, 251})                           \
    ROW(titleBanner, "sprites.bmp", 532, 57, 1, 1300, 3, {0, 1, 1})                                \
    ROW(sGame, "sprites.bmp", 74, 21, 2, 10, 200, {0, 11, 64}, {1, 86, 64})                        \
    ROW(sSettings, "sprites.bmp", 97, 27, 2, 10, 250, {0, 5, 96}, {1, 103, 96})                    \
    ROW(sCredits, "sprites.bmp", 89, 21, 2, 10, 300, {0, 1, 148}, {1, 95, 148})                    \
    ROW(sExit, "sprites.bmp", 53, 22, 2, 10, 350, {0, 6, 125}, {1, 60, 125})                       \
    ROW(sButtonA, "sprites.bmp", 58, 25, 2, 400, 250, {0, 196, 159}, {1, 266, 159})                \
    ROW(sBet, "sprites.bmp", 112, 64, 2, 580, 275, {0, 1, 388}, {1, 114, 388})                     \
    ROW(sPostTimeText, "sprites.bmp", 100, 22, 1, 170, 200, {0, 329, 61})                          \
    ROW(sMoneyPanel, "sprites.bmp", 20, 27, 1, 660, 130, {0, 307, 61})                             \
    ROWS(sPlayers, 4, PlayersRow)                                                                  \
    ROW(sBack, "sprites.bmp", 72, 28, 1, 375, 525, {0, 286, 491})                                  \
    ROW(sGoButton, "sprites.bmp", 75, 51, 1, 690, 530, {0, 365, 324})                              \
    ROW(sRaceLabel, "sprites.bmp", 73, 19, 1, 400, 200, {0, 430, 61})                              \
    ROW(sLabelB, "sprites.bmp", 57, 18, 1, 575, 203, {0, 601, 63})                                 \
    ROW(sHighlight, "sprites.bmp", 33, 21, 1, -50, -50, {0, 273, 61})                              \
    ROWS(sRunnerButton, kRunnerCount, RunnerButtonRow)                                             \
    ROW(sStartingGate, "sprites3.bmp", 173, 327, 2, 600, 165, {0, 1, 1}, {1, 175, 1})              \
    ROWS(sLeaderButton, 4, LeaderButtonRow)                                                        \
    ROW(sFinishPost, "sprites.bmp", 41, 121, 1, 801, 210, {0, 571, 253})                           \
    ROW(sOptionsPanel, "sprites.bmp", 172, 52, 1, 350, 130, {0, 534, 4})                           \
    ROW(sPostTimeOption, "sprites.bmp", 132, 17, 1, 150, 250, {0, 365, 376})                       \
    ROW(sAnnouncerOption, "sprites.bmp", 106, 24, 1, 150, 300, {0, 365, 394})                      \
    ROW(sRacesOption, "sprites.bmp", 133, 23, 1, 150, 350, {0, 365, 419})                          \
    ROW(sSpareButton, "sprites.bmp", 152, 37, 1, 0, 0, {0, 365, 539})                              \
    ROW(sSimOption, "sprites.bmp", 98, 21, 2, 150, 400, {0, 571, 150})                             \
    ROW(sStakesDaysOption, "sprites.bmp", 138, 20, 1, 150, 461, {0, 498, 375})                     \
    ROW(sTodaysChamp, "todayschamp.bmp", 300, 200, 1, 400, 325, {0, 0, 0})                         \
    NO_ROW(sIntroA)                                                                                \
    NO_ROW(sIntroB)                                                                                \
    NO_ROW(sIntroC)                                                                                \
    NO_ROW(sIntroD)                                                                                \
    NO_ROW(sResults)                                                                               \
    NO_ROW(sResetNotice)                                                                           \
    NO_ROW(sStakesNotice) /* the stakes notices, made while one shows */                           \
    NO_ROWS(sPlayerTab, 4)                                                                         \
    NO_ROW(sTrack) /* placed by a new game, never made: drawing it draws nothing */

#define GAME_SPRITE_DECLARE_ONE(name, ...) extern Sprite name;
#define GAME_SPRITE_DECLARE_MANY(name, count, ...) extern Sprite name[count];
GAME_SPRITES(GAME_SPRITE_DECLARE_ONE, GAME_SPRITE_DECLARE_ONE, GAME_SPRITE_DECLARE_MANY,
             GAME_SPRITE_DECLARE_ONE, GAME_SPRITE_DECLARE_MANY)
#undef GAME_SPRITE_DECLARE_ONE
#undef GAME_SPRITE_DECLARE_MANY

// Every sprite of the list, each element of an array on its own, in the list's order.
std::span<Sprite* const> GameSprites();
