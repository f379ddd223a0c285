// The race view: the track screen of the post parade and the race, and the race frame that
// runs the simulation, the commentary and the scenery in their order.
#include "raceday/race_view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

#include "core/frame_timing.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
#include "platform/bitmap.h"
#include "platform/button.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/text_fit.h"
#include "raceday/announcer.h"
#include "raceday/post_time.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "stable/odds.h"

RaceView raceView = {.crowdVolume = 30, .leaderNames = {}, .drawOrder = {}};

namespace {

constexpr uint32_t kRed = 200; // 0x0000C8
constexpr uint32_t kNameBlue = 0xC80000;
constexpr uint32_t kPlaceGreen = 0x6400;
constexpr uint32_t kPhotoLineRed = 200;
constexpr int32_t kWaitingCrowd = 16;
constexpr int32_t kStretchCrowd = 60, kStretchGallop = 85, kGallopVolume = 50;
constexpr int32_t kStretchFrom = 500, kStretchTo = 1000;
constexpr int32_t kComeOnDistance = 400;
constexpr int32_t kLeaderPanelAbove = 1000;
constexpr int32_t kPlacesShownAbove = 50;
constexpr int32_t kToteScrollsAbove = 500, kToteParkedAbove = 4700;
constexpr float kToteParkedX = 811.0f;
constexpr double kTrackScroll = 5.0, kRailScroll = 1.0, kToteScroll = 4.0, kGateScroll = 5.0;
constexpr double kRailApproach = 0.1, kToteApproach = 25.0;
constexpr int kTileWidth = 800;
constexpr float kTreeRespawnY = 120.0f;
constexpr uint32_t kPhotoPauseMs = 1500;

// The four trees at their depths: how fast each scrolls, how far beyond the right edge it
// comes back, and its extra step on each of the final approach's ten passes.
struct Tree {
    Sprite* sprite;
    double scroll;
    int respawnRange;
    double approach;
};
const Tree kTrees[] = {{&sTree1, 1.8, 200, 0.25},
                       {&sTree2, 3.0, 300, 0.5},
                       {&sTree3, 4.0, 400, 1.0},
                       {&sTree4, 4.5, 500, 2.0}};

// The progress marker by distance, both ends included.
struct MarkerRange {
    int32_t from, to;
    int x, y;
};
constexpr MarkerRange kMarkerRanges[] = {
    {4688, 5000, 626, 126}, {4377, 4687, 665, 125},   {4065, 4375, 703, 115},
    {3753, 4063, 727, 101}, {3441, 3751, 749, 76},    {3129, 3439, 738, 46},
    {2817, 3127, 708, 29},  {2505, 2815, 660, 16},    {2193, 2503, 632, 14},
    {1881, 2191, 595, 17},  {1569, 1879, 562, 23},    {1257, 1567, 532, 37},
    {945, 1255, 508, 67},   {633, 943, 517, 92},      {321, 631, 540, 109},
    {16, 319, 581, 124},    {INT32_MIN, 15, 626, 126}};
static_assert(std::size(kMarkerRanges) == 17);
static_assert(kMarkerRanges[0].to == kRaceDistance);

struct Point {
    int x, y;
};
constexpr Point kLeaderRest[kLeaderPlaces] = {{620, 530}, {420, 530}, {220, 530}, {20, 530}};
// A leader's name runs from its button to the next button, or to the screen's edge.
constexpr int kLeaderNameRoom[kLeaderPlaces] = {120, 140, 140, 140};
// The captions under the race are written on light plates: the lawn is too light and too
// busy for red letters.
constexpr uint32_t kCaptionPlate = 0xE2F6FC;
constexpr int kFieldNameWidth = 140; // up to the places at x 215

// The sprites of the track that a reset puts back where the manifest first placed them.
Sprite* const kTrackSprites[] = {
    &sTrackPart1,      &sTrackPart2,      &sTrackPatch1,     &sTrackPatch2,    &sTree1,
    &sTree2,           &sTree3,           &sTree4,           &sToteBoard,      &sRunnerListPanel,
    &sBetsBoard,       &sFinishPost,      &sStartingGate,    &sProgressMap,    &sProgressMarker,
    &sLeaderButton[0], &sLeaderButton[1], &sLeaderButton[2], &sLeaderButton[3]};

void Move(Sprite* sprite, double dx) { sprite->x = static_cast<float>(sprite->x + dx); }

double FrameFactor() { return frameTiming.frameFactor; }

// THE FIELD's rows are 9 pixels apart: lettered in a face of that height, one row to a band.
void DrawRunnerList() {
    char line[100];
    std::vector<LineParts> names;
    for (const HorseRecord& runner : raceField) {
        names.push_back({"", runner.name, "", kFieldNameWidth});
    }
    const std::vector<FittedLine> fitted = FitLines({fontArialBold9}, names);
    for (int i = 0; i < kFieldSize; ++i) {
        const int y = 82 + 9 * i;
        std::snprintf(line, sizeof line, "%i", i + 1);
        Text(line, i == 9 ? 38 : 40, y, kRed, fontArialBold9);
        DrawFittedLine(fitted[i], 70, y, kNameBlue);
        if (raceField[i].finishPlace > 0 && raceState.raceDistance > kPlacesShownAbove) {
            std::snprintf(line, sizeof line, "%i", raceField[i].finishPlace);
            Text(line, 215, y, kPlaceGreen, fontArialBold9);
        }
        DrawRunnerOdds(i, OddsPlace::RunnerList);
    }
}

void KeepCrowdWaiting() {
    if (raceView.crowdVolume != kWaitingCrowd) {
        raceView.crowdVolume = kWaitingCrowd;
        SetSoundVolume(crowdSound, kWaitingCrowd);
        SetSoundVolume(mainCrowdSound, kWaitingCrowd);
    }
    PlaySoundSlot(crowdSound, 0);
    PlaySoundSlot(mainCrowdSound, 0);
}

// The crowd swells and the gallop comes up as the field turns for home.
void PlayAmbience() {
    if (raceState.raceDistance > kStretchFrom && raceState.raceDistance < kStretchTo) {
        raceView.crowdVolume = kStretchCrowd;
        SetSoundVolume(crowdSound, kStretchCrowd);
        SetSoundVolume(mainCrowdSound, kStretchCrowd);
        SetSoundVolume(gallopSound, kStretchGallop);
        raceView.crowdVolume = kStretchGallop;
    }
    PlaySoundSlot(crowdSound, 0);
    PlaySoundSlot(mainCrowdSound, 0);
    PlaySoundSlot(gallopSound, 0);
    if (DistanceReached(kComeOnDistance)) {
        PlaySoundSlot(comeOnSound, 0);
    }
}

void RespawnTrees() {
    if (!treesOn) {
        return;
    }
    for (const Tree& tree : kTrees) {
        if (tree.sprite->x < -tree.sprite->width) {
            tree.sprite->x = static_cast<float>(kTileWidth + SceneRand() % tree.respawnRange);
            tree.sprite->y = kTreeRespawnY;
        }
    }
}

void PlaceProgressMarker() {
    int x = 0, y = 0;
    if (ProgressMarkerAt(raceState.raceDistance, &x, &y)) {
        SetSpritePosition(&sProgressMarker, x, y);
    }
}

bool Clicked() { return input.mouseState.buttons[0] && input.leftWasUp; }

void RunLeaderPanel() {
    if (raceState.raceDistance <= kLeaderPanelAbove || !raceState.boardVisible) {
        return;
    }
    for (const Sprite& button : sLeaderButton) {
        DrawSprite(&button);
    }
    DrawTextOnPlate("Press the LEFT/RIGHT arrow keys to move between horses.", 150, 570, kRed,
                    fontArial20, kCaptionPlate);
    for (int slot = 0; slot < kFieldSize; ++slot) {
        const int32_t place = raceField[slot].finishPlace;
        if (place < 1 || place > kLeaderPlaces) {
            continue;
        }
        char* name = raceView.leaderNames[place - 1];
        std::memcpy(name, raceField[slot].name, kHorseNameSize);
        name[kHorseNameSize - 1] = '\0';
        if (raceSim.runnersLevel[slot] != 0) {
            continue;
        }
        Sprite& button = sLeaderButton[place - 1];
        const Point rest = kLeaderRest[place - 1];
        const int room = kLeaderNameRoom[place - 1];
        DrawFittedLine(FitLine({fontComic17, fontComic14}, {"", name, "", room}),
                       static_cast<int>(button.x) + 55, 535, kRed, kCaptionPlate);
        if (HoverButton(&button, Sinks(rest.x, rest.y)) && Clicked()) {
            raceState.followedPlace = place;
        }
    }
}

// The scenery's share of the final approach: one pass per runner, as the runners fall back.
void MoveSceneryOnApproach() {
    if (raceState.raceDistance <= 0 || raceState.raceDistance >= kFinalApproachDistance) {
        return;
    }
    const double ff = FrameFactor();
    for (int pass = 0; pass < kFieldSize; ++pass) {
        for (const Tree& tree : kTrees) {
            Move(tree.sprite, -tree.approach * ff);
        }
        Move(&sTrackPatch1, -kRailApproach * ff);
        Move(&sTrackPatch2, -kRailApproach * ff);
    }
    Move(&sToteBoard, -kToteApproach * ff);
}

void ScrollScenery() {
    if (raceState.raceDistance <= 0) {
        return;
    }
    const double ff = FrameFactor();
    Move(&sTrackPart1, -kTrackScroll * ff);
    Move(&sTrackPart2, -kTrackScroll * ff);
    AlignTiles();
    for (const Tree& tree : kTrees) {
        Move(tree.sprite, -tree.scroll * ff);
    }
    Move(&sTrackPatch1, -kRailScroll * ff);
    Move(&sTrackPatch2, -kRailScroll * ff);
    const bool onScreen = sToteBoard.x > -sToteBoard.width && sToteBoard.x < kTileWidth;
    if (onScreen && raceState.raceDistance > kToteScrollsAbove) {
        Move(&sToteBoard, -kToteScroll * ff);
    } else if (raceState.raceDistance > kToteParkedAbove) {
        sToteBoard.x = kToteParkedX;
    }
}

void AnimateRunners() {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        AnimateSprite(&sHorse[slot], GallopTicks(frameTiming.framesPerSecond, slot));
    }
}

void SlideGate() {
    if (sStartingGate.x > -sStartingGate.width) {
        Move(&sStartingGate, -kGateScroll * FrameFactor());
    }
}

// The line below the post stays up for the rest of the frame; the race's one pause shows it
// for a second and a half, with the window still answering, and is left out of the frame rate.
void ShowPhotoFinish(PhotoFinishCall call) {
    if (call == PhotoFinishCall::None) {
        return;
    }
    const int x = static_cast<int>(sFinishPost.x + 7);
    for (int k = 0; k < 10; ++k) {
        Text("|", x, static_cast<int>(sFinishPost.y + sFinishPost.height + 15 * k), kPhotoLineRed,
             fontComic17);
    }
    if (call != PhotoFinishCall::LineAndPause) {
        return;
    }
    PresentFrame();
    const uint32_t start = timeGetTime();
    while (!QuitPosted() && timeGetTime() - start < kPhotoPauseMs) {
        PumpWindowEvents();
        PresentPrimary();
    }
    HoldFrameRate();
}

void LoadResultsPicture() {
    bugLog.Write("\nLoading results.bmp");
    CreateSprite(&sResults, kScreenWidth, kScreenHeight, 1, 0, 1);
    if (!LoadBitmapFile(&bitmap, "images/results.bmp")) {
        ErrorBox("Error", "Error loading results.bmp");
    } else {
        bugLog.Write("Loading Image Bitmap for results.bmp");
        if (!DDLoadImageBitmap(&sResults, 0, &bitmap, 0, 0, 1)) {
            ErrorBox("Error", "Error in DDLoadImageBitmap");
        }
        bugLog.Write("Loading Image Bitmap for results.bmp -- success");
        UnloadBitmapFile(&bitmap);
    }
    SetSpritePosition(&sResults, 1, 1);
    bugLog.Write("Loading results.bmp -- success");
}

// The runners and the post are drawn where the race has them.
void PlaceRaceSprites() {
    for (int slot = 0; slot < kFieldSize; ++slot) {
        sHorse[slot].x = raceSim.runnerX[slot];
        sHorse[slot].y = raceSim.runnerY[slot];
    }
    sFinishPost.x = raceSim.postX;
}

void PutBackAtStart(Sprite* sprite) {
    for (const SpriteRow& row : ManifestSprites()) {
        if (row.sprite == sprite) {
            SetSpritePosition(sprite, row.startX, row.startY);
            return;
        }
    }
}

} // namespace

bool RunRaceFrame() {
    const bool racing = raceState.raceRunning != 0;
    if (racing) {
        TakeTrackPositions();
    }
    // The runner list goes over the scene only: a first copy under the opaque track would
    // never show.
    WrapTiles();
    DrawRaceScene();
    DrawRunnerList();
    DrawBetsPanel();
    if (!racing) {
        KeepCrowdWaiting();
        return false;
    }
    ShowPhotoFinish(TestPhotoFinish());
    UpdateAllLanes();
    AnnounceRaceFrame();
    PlayAmbience();
    RespawnTrees();
    PlaceProgressMarker();
    StepRaceDistance();
    const bool finished = StepBoardCycle() != 0;
    const bool stopped = !finished && StepRaceClock() != 0;
    if (stopped) {
        bugLog.Write("The race has run five minutes without finishing: stopped with the runners "
                     "in their running order");
    }
    if (finished || stopped) {
        SetPostTimeForNextRace();
        LoadResultsPicture();
    }
    UpdatePlaces();
    RunLeaderPanel();
    SteerCamera();
    FinalApproach();
    MoveScenery();
    ChangePhase();
    MoveRunners();
    RunOut();
    LeaderBonus();
    AnimateRunners();
    SlideGate();
    return finished || stopped;
}

void DrawRaceScene() {
    PlaceRaceSprites();
    DrawSprite(&sTrackPart1);
    DrawSprite(&sTrackPart2);
    DrawSprite(&sTrackPatch1);
    DrawSprite(&sTrackPatch2);
    if (treesOn) {
        for (const Tree& tree : kTrees) {
            DrawSprite(tree.sprite);
        }
    }
    DrawSprite(&sToteBoard);
    for (int slot = 0; slot < kFieldSize; ++slot) {
        DrawRunnerOdds(slot, OddsPlace::ToteBoard);
    }
    DrawSprite(&sRunnerListPanel);
    DrawSprite(&sBetsBoard);
    DrawSprite(&sFinishPost);
    // Runners higher on screen are further from the stand: they go behind. Level runners
    // share a depth and are drawn in slot order.
    for (int i = 0; i < kFieldSize; ++i) {
        raceView.drawOrder[i] = 1;
        for (int j = 0; j < kFieldSize; ++j) {
            raceView.drawOrder[i] += j != i && sHorse[j].y <= sHorse[i].y;
        }
    }
    for (int depth = 1; depth <= kFieldSize; ++depth) {
        for (int i = 0; i < kFieldSize; ++i) {
            if (raceView.drawOrder[i] == depth) {
                DrawSprite(&sHorse[i]);
            }
        }
    }
    DrawSprite(&sStartingGate);
    DrawSprite(&sProgressMap);
    DrawSprite(&sProgressMarker);
}

void WrapTiles() {
    Sprite* const pairs[2][2] = {{&sTrackPart1, &sTrackPart2}, {&sTrackPatch1, &sTrackPatch2}};
    for (Sprite* const* pair : pairs) {
        for (int t = 0; t < 2; ++t) {
            if (pair[t]->x <= -kTileWidth) {
                pair[t]->x = pair[1 - t]->x + kTileWidth;
            }
        }
    }
}

bool TrackCoversScreen() {
    if (!SpriteIsOpaque(&sTrackPart1) || !SpriteIsOpaque(&sTrackPart2) ||
        sTrackPart1.width != kTileWidth || sTrackPart2.width != kTileWidth) {
        return false;
    }
    // Where WrapTiles will put them, and where DrawSprite's truncation puts their pixels.
    float x1 = sTrackPart1.x, x2 = sTrackPart2.x;
    if (x1 <= -kTileWidth) {
        x1 = x2 + kTileWidth;
    }
    if (x2 <= -kTileWidth) {
        x2 = x1 + kTileWidth;
    }
    constexpr float kFar = 1.0e6f;
    if (!(std::fabs(x1) < kFar && std::fabs(x2) < kFar)) {
        return false;
    }
    const int left = static_cast<int>(std::min(x1, x2));
    const int right = static_cast<int>(std::max(x1, x2));
    for (const Sprite* tile : {&sTrackPart1, &sTrackPart2}) {
        const int y = static_cast<int>(tile->y);
        if (!(tile->y > -kFar && tile->y < kFar) || y > 0 || y + tile->height < kScreenHeight) {
            return false;
        }
    }
    return left <= 0 && left + kTileWidth >= right && right + kTileWidth >= kScreenWidth;
}

void MoveScenery() {
    MoveSceneryOnApproach();
    ScrollScenery();
}

void AlignTiles() {
    Sprite* const pairs[2][2] = {{&sTrackPart1, &sTrackPart2}, {&sTrackPatch1, &sTrackPatch2}};
    for (Sprite* const* pair : pairs) {
        if (pair[0]->x < pair[1]->x) {
            pair[1]->x = pair[0]->x + kTileWidth;
        } else {
            pair[0]->x = pair[1]->x + kTileWidth;
        }
    }
}

bool ProgressMarkerAt(int32_t distance, int* x, int* y) {
    for (const MarkerRange& range : kMarkerRanges) {
        if (distance >= range.from && distance <= range.to) {
            *x = range.x;
            *y = range.y;
            return true;
        }
    }
    return false;
}

// Above 80 frames a second the gallop keeps the pace it has at 60: a picture every three
// frames' worth of time for the even slots and four for the odd.
int GallopTicks(int rate, int slot) {
    const bool odd = slot % 2 != 0;
    if (rate <= 50) {
        return odd ? 2 : 1;
    }
    if (rate <= 80) {
        return odd ? 3 : 2;
    }
    const double sixtieths = rate / 60.0;
    return static_cast<int>(std::lround((odd ? 4 : 3) * sixtieths)) - 1;
}

void ResetRaceForNextRace() {
    for (Sprite* sprite : kTrackSprites) {
        PutBackAtStart(sprite);
    }
    SetSpritePosition(&sTrackPatch1, 0, 180);
    SetSpritePosition(&sTrackPatch2, kTileWidth, 180);
    SetSpritePosition(&sTree4, 120, 120);
    sToteBoard.x = 230;
    SetSpritePosition(&sBetsBoard, 378, 45);
    SetSpriteFrame(&sStartingGate, 0);
    raceState.raceDistance = kRaceDistance;
    raceState.racePhase = 1;
    raceState.followedPlace = 1;
    raceState.boardRefreshCounter = 0;
    raceState.boardVisible = 0;
    ResetRaceSim();
    PlaceRaceSprites();
    // The stretch raised the gallop; the next field parades at its usual volume.
    SetSoundVolume(gallopSound, kGallopVolume);
    raceState.postTimeHold = kPostTimeHold;
    RestartOddsTimer();
}

void ResetRaceView() { raceView = {.crowdVolume = 30, .leaderNames = {}, .drawOrder = {}}; }

void KeepCrowdQuiet() {
    if (raceView.crowdVolume != 5) {
        raceView.crowdVolume = 5;
        SetSoundVolume(crowdSound, 5);
        SetSoundVolume(mainCrowdSound, 5);
    }
    PlaySoundSlot(crowdSound, 0);
    PlaySoundSlot(mainCrowdSound, 0);
}
