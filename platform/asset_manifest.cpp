// The asset manifest: which picture feeds which sprite and which sound fills which slot.
#include "platform/asset_manifest.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/debug_log.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/message_box.h"
#include "platform/sound.h"

namespace {

constexpr uint32_t kSystemMemory = 0x800;
constexpr int kClipFrequency = 8000;
constexpr int kClipCaps = 0xE0;

// A runner's eleven gallop frames lie side by side in its row of horses.bmp.
constexpr std::array<std::array<SpriteCell, 11>, kRunnerCount> kRunnerCells = [] {
    std::array<std::array<SpriteCell, 11>, kRunnerCount> cells{};
    for (int r = 0; r < kRunnerCount; ++r) {
        for (int i = 0; i < 11; ++i) {
            cells[r][i] = {i, 1 + 107 * i, 1 + 57 * r};
        }
    }
    return cells;
}();

constexpr SpriteCell kFullPicture[] = {{0, 1, 1}};
constexpr SpriteCell kTree1[] = {{0, 31, 1}};
constexpr SpriteCell kTree3[] = {{0, 51, 1}};
constexpr SpriteCell kTrackPatch[] = {{0, 0, 209}};
constexpr SpriteCell kOrigin[] = {{0, 0, 0}};
constexpr SpriteCell kToteBoard[] = {{0, 1, 1}};
constexpr SpriteCell kProgressMarker[] = {{0, 280, 231}};
constexpr SpriteCell kProgressMap[] = {{0, 1, 231}};
constexpr SpriteCell kRunnerListPanel[] = {{0, 280, 251}};
constexpr SpriteCell kBetsBoard[] = {{0, 614, 251}};
constexpr SpriteCell kBanner[] = {{0, 1, 1}};
constexpr SpriteCell kGame[] = {{0, 11, 64}, {1, 86, 64}};
constexpr SpriteCell kSettings[] = {{0, 5, 96}, {1, 103, 96}};
constexpr SpriteCell kCredits[] = {{0, 1, 148}, {1, 95, 148}};
constexpr SpriteCell kExit[] = {{0, 6, 125}, {1, 60, 125}};
constexpr SpriteCell kButtonA[] = {{0, 196, 159}, {1, 266, 159}};
constexpr SpriteCell kBet[] = {{0, 1, 388}, {1, 114, 388}};
constexpr SpriteCell kPostTimeText[] = {{0, 329, 61}};
constexpr SpriteCell kMoneyPanel[] = {{0, 307, 61}};
constexpr SpriteCell kPlayers[4][2] = {{{0, 1, 453}, {1, 123, 453}},
                                       {{0, 1, 491}, {1, 144, 491}},
                                       {{0, 1, 531}, {1, 143, 531}},
                                       {{0, 244, 453}, {1, 390, 453}}};
constexpr SpriteCell kBack[] = {{0, 286, 491}};
constexpr SpriteCell kGoButton[] = {{0, 365, 324}};
constexpr SpriteCell kRaceLabel[] = {{0, 430, 61}};
constexpr SpriteCell kLabelB[] = {{0, 601, 63}};
constexpr SpriteCell kHighlight[] = {{0, 273, 61}};
constexpr SpriteCell kRunnerButtons[10][2] = {
    {{0, 336, 109}, {1, 354, 109}}, {{0, 336, 136}, {1, 354, 136}}, {{0, 337, 163}, {1, 355, 163}},
    {{0, 337, 191}, {1, 358, 191}}, {{0, 338, 218}, {1, 358, 218}}, {{0, 382, 108}, {1, 402, 108}},
    {{0, 381, 136}, {1, 402, 136}}, {{0, 381, 163}, {1, 400, 163}}, {{0, 381, 190}, {1, 400, 190}},
    {{0, 380, 219}, {1, 415, 219}}};
constexpr SpriteCell kStartingGate[] = {{0, 1, 1}, {1, 175, 1}};
constexpr SpriteCell kLeaderButtons[4][1] = {
    {{0, 467, 82}}, {{0, 522, 82}}, {{0, 577, 82}}, {{0, 541, 115}}};
constexpr SpriteCell kFinishPost[] = {{0, 571, 253}};
constexpr SpriteCell kOptionsPanel[] = {{0, 534, 4}};
constexpr SpriteCell kPostTimeOption[] = {{0, 365, 376}};
constexpr SpriteCell kAnnouncerOption[] = {{0, 365, 394}};
constexpr SpriteCell kRacesOption[] = {{0, 365, 419}};
constexpr SpriteCell kSpareButton[] = {{0, 365, 539}};
constexpr SpriteCell kSimOption[] = {{0, 571, 150}};
constexpr SpriteCell kStakesDaysOption[] = {{0, 498, 375}};

constexpr SpriteRow Row(Sprite* sprite, const char* picture, int width, int height, int lastFrame,
                        std::span<const SpriteCell> cells, int x, int y) {
    return {sprite, picture, width, height, lastFrame, false, true, cells, x, y};
}

constexpr SpriteRow RunnerRow(int r) {
    return Row(&sHorse[r], "horses.bmp", 106, 56, 11, kRunnerCells[r], 630, 300 + 15 * r);
}

// The ten number buttons differ in size with their numbers.
constexpr int kRunnerButtonWidths[kRunnerCount] = {17, 17, 17, 20, 19, 18, 20, 17, 18, 32};

constexpr SpriteRow RunnerButtonRow(int k) {
    return Row(&sRunnerButton[k], "sprites.bmp", kRunnerButtonWidths[k], k == 8 ? 27 : 26, 2,
               kRunnerButtons[k], k == 9 ? 138 : 152, 245 + 28 * k);
}

const SpriteRow kSprites[] = {
    // Made first; their picture is cut last.
    Row(&sTrackPart1, "track.bmp", 800, 600, 1, kFullPicture, 0, 0),
    Row(&sTrackPart2, "track.bmp", 800, 600, 1, kFullPicture, 800, 0),
    RunnerRow(0),
    RunnerRow(1),
    RunnerRow(2),
    RunnerRow(3),
    RunnerRow(4),
    RunnerRow(5),
    RunnerRow(6),
    RunnerRow(7),
    RunnerRow(8),
    RunnerRow(9),
    Row(&sTree1, "tree1.bmp", 68, 91, 1, kTree1, 680, 130),
    Row(&sTree2, "tree2.bmp", 88, 118, 1, kFullPicture, 25, 133),
    Row(&sTree3, "tree3.bmp", 108, 144, 1, kTree3, 400, 133),
    Row(&sTree4, "tree4.bmp", 129, 170, 1, kFullPicture, 120, 116),
    Row(&sMenuBackground, "mainmenu.bmp", 800, 600, 1, kFullPicture, 0, 0),
    Row(&sMenuHorse, "menu_horse.bmp", 537, 424, 1, kFullPicture, 156, 177),
    {&sChampion, "champion_screen.bmp", 800, 600, 1, true, false, kFullPicture, 1, 1},
    Row(&sTrackPatch1, "sprites2.bmp", 800, 21, 1, kTrackPatch, 0, 181),
    Row(&sTrackPatch2, "sprites2.bmp", 800, 21, 1, kTrackPatch, 800, 181),
    Row(&sToteBoard, "sprites2.bmp", 494, 76, 1, kToteBoard, 230, 220),
    Row(&sProgressMarker, "sprites2.bmp", 23, 19, 1, kProgressMarker, -30, -30),
    Row(&sProgressMap, "sprites2.bmp", 278, 133, 1, kProgressMap, 500, 15),
    Row(&sRunnerListPanel, "sprites2.bmp", 333, 135, 1, kRunnerListPanel, 10, 45),
    Row(&sBetsBoard, "sprites2.bmp", 134, 135, 1, kBetsBoard, 333, 45),
    Row(&titleBanner, "sprites.bmp", 532, 57, 1, kBanner, 1300, 3),
    Row(&sGame, "sprites.bmp", 74, 21, 2, kGame, 10, 200),
    Row(&sSettings, "sprites.bmp", 97, 27, 2, kSettings, 10, 250),
    Row(&sCredits, "sprites.bmp", 89, 21, 2, kCredits, 10, 300),
    Row(&sExit, "sprites.bmp", 53, 22, 2, kExit, 10, 350),
    Row(&sButtonA, "sprites.bmp", 58, 25, 2, kButtonA, 400, 250),
    Row(&sBet, "sprites.bmp", 112, 64, 2, kBet, 580, 275),
    Row(&sPostTimeText, "sprites.bmp", 100, 22, 1, kPostTimeText, 170, 200),
    Row(&sMoneyPanel, "sprites.bmp", 20, 27, 1, kMoneyPanel, 660, 130),
    Row(&sPlayers[0], "sprites.bmp", 118, 37, 1, kPlayers[0], 350, 170),
    Row(&sPlayers[1], "sprites.bmp", 140, 37, 1, kPlayers[1], 347, 270),
    Row(&sPlayers[2], "sprites.bmp", 141, 38, 1, kPlayers[2], 347, 370),
    Row(&sPlayers[3], "sprites.bmp", 143, 37, 1, kPlayers[3], 347, 470),
    Row(&sBack, "sprites.bmp", 72, 28, 1, kBack, 375, 525),
    Row(&sGoButton, "sprites.bmp", 75, 51, 1, kGoButton, 690, 530),
    Row(&sRaceLabel, "sprites.bmp", 73, 19, 1, kRaceLabel, 400, 200),
    Row(&sLabelB, "sprites.bmp", 57, 18, 1, kLabelB, 575, 203),
    Row(&sHighlight, "sprites.bmp", 33, 21, 1, kHighlight, -50, -50),
    RunnerButtonRow(0),
    RunnerButtonRow(1),
    RunnerButtonRow(2),
    RunnerButtonRow(3),
    RunnerButtonRow(4),
    RunnerButtonRow(5),
    RunnerButtonRow(6),
    RunnerButtonRow(7),
    RunnerButtonRow(8),
    RunnerButtonRow(9),
    Row(&sStartingGate, "sprites3.bmp", 173, 327, 2, kStartingGate, 600, 165),
    Row(&sLeaderButton[0], "sprites.bmp", 54, 32, 1, kLeaderButtons[0], 620, 530),
    Row(&sLeaderButton[1], "sprites.bmp", 54, 32, 1, kLeaderButtons[1], 420, 530),
    Row(&sLeaderButton[2], "sprites.bmp", 53, 32, 1, kLeaderButtons[2], 220, 530),
    Row(&sLeaderButton[3], "sprites.bmp", 53, 33, 1, kLeaderButtons[3], 20, 530),
    Row(&sFinishPost, "sprites.bmp", 41, 121, 1, kFinishPost, 801, 210),
    Row(&sOptionsPanel, "sprites.bmp", 172, 52, 1, kOptionsPanel, 350, 130),
    Row(&sPostTimeOption, "sprites.bmp", 132, 17, 1, kPostTimeOption, 150, 250),
    Row(&sAnnouncerOption, "sprites.bmp", 106, 24, 1, kAnnouncerOption, 150, 300),
    Row(&sRacesOption, "sprites.bmp", 133, 23, 1, kRacesOption, 150, 350),
    Row(&sSpareButton, "sprites.bmp", 152, 37, 1, kSpareButton, 0, 0),
    Row(&sSimOption, "sprites.bmp", 98, 21, 2, kSimOption, 150, 400),
    Row(&sStakesDaysOption, "sprites.bmp", 138, 20, 1, kStakesDaysOption, 150, 461),
    Row(&sTodaysChamp, "todayschamp.bmp", 300, 200, 1, kOrigin, 400, 325),
};
constexpr int kSpriteRowCount = 68;
static_assert(sizeof kSprites / sizeof kSprites[0] == kSpriteRowCount);

// Where each group of the loading order starts in the table.
constexpr int kTrackParts = 0, kHorseRows = 2, kTreeRows = 12, kMenuBackgroundRow = 16,
              kMenuHorseRow = 17, kChampionRow = 18, kSprites2Rows = 19, kSpritesRows = 26,
              kTodaysChampRow = 67;

std::span<const SpriteRow> Rows(int first, int count) {
    return std::span<const SpriteRow>(kSprites).subspan(first, count);
}

void Create(std::span<const SpriteRow> rows) {
    for (const SpriteRow& row : rows) {
        CreateSprite(row.sprite, row.width, row.height, row.lastFrame,
                     row.systemMemory ? kSystemMemory : 0, row.colourKeyed ? 1 : 0);
    }
}

// Loads one picture and cuts the cells of every row that takes them from it.
void Cut(const char* picture, std::span<const SpriteRow> rows) {
    const std::string path = std::string("images/") + picture;
    if (!LoadBitmapFile(&bitmap, path.c_str())) {
        ErrorBox("Error", (std::string("Error loading ") + picture).c_str());
        return;
    }
    PictureCuts cuts{path.c_str(), false};
    for (const SpriteRow& row : rows) {
        if (std::string_view(row.picture) != picture) {
            continue;
        }
        for (const SpriteCell& cell : row.cells) {
            CutCell(row.sprite, cell.frame, cell.x, cell.y, &cuts);
        }
    }
    UnloadBitmapFile(&bitmap);
}

void Group(const char* before, const char* after, std::span<const SpriteRow> rows) {
    bugLog.Write(before);
    Create(rows);
    Cut(rows.front().picture, rows);
    bugLog.Write(after);
}

} // namespace

std::span<const SpriteRow> ManifestSprites() { return kSprites; }

void CutCell(Sprite* sprite, int frame, int x, int y, PictureCuts* cuts) {
    if (DDLoadImageBitmap(sprite, frame, &bitmap, x, y, 1) || cuts->reported) {
        return;
    }
    cuts->reported = true;
    bugLog.Write(
        (std::string("Error in DDLoadImageBitmap: ") + cuts->picture + " cannot give every cell")
            .c_str());
    ErrorBox("Error", "Error in DDLoadImageBitmap");
}

void LoadGameBitmaps() {
    bugLog.Write("Setting up trackpart1...");
    Create(Rows(kTrackParts, 1));
    bugLog.Write("Trackpart1 setup. Setting up trackpart2...");
    Create(Rows(kTrackParts + 1, 1));
    bugLog.Write("TrackPart1 and TrackPart2 setup. Setting up TrackPatch(no vert. lines)");

    Group("Loading horse sprites", "Loading horse sprites -- success",
          Rows(kHorseRows, kRunnerCount));
    bugLog.Write("Loading trees");
    for (int tree = 0; tree < 4; ++tree) {
        Create(Rows(kTreeRows + tree, 1));
        Cut(kSprites[kTreeRows + tree].picture, Rows(kTreeRows + tree, 1));
    }
    bugLog.Write("Loading trees -- success");
    Group("Loading MainMenu.bmp", "Loading MainMenu.bmp -- success", Rows(kMenuBackgroundRow, 1));
    Group("Loading MenuHorse.bmp", "Loading MenuHorse.bmp -- success", Rows(kMenuHorseRow, 1));
    Group("Loading champion_screen.bmp", "Loading champion_screen.bmp -- success",
          Rows(kChampionRow, 1));
    Group("Loading railings and track sprites", "Loading track sprites -- success",
          Rows(kSprites2Rows, kSpritesRows - kSprites2Rows));
    Group("Loading game sprites", "Loading game sprites -- success",
          Rows(kSpritesRows, kTodaysChampRow - kSpritesRows));
    Cut("sprites3.bmp", Rows(kSpritesRows, kTodaysChampRow - kSpritesRows));
    Group("Loading todayschamp.bmp", "Loading todayschamp.bmp -- success",
          Rows(kTodaysChampRow, 1));
    bugLog.Write("Loading track.bmp");
    Cut("track.bmp", Rows(kTrackParts, 2));
    bugLog.Write("Loading track.bmp -- success");

    for (const SpriteRow& row : kSprites) {
        SetSpritePosition(row.sprite, row.startX, row.startY);
    }
}

namespace {

struct RunnerFamily {
    std::array<int, kAnnouncedRunners>* slots;
    const char* format; // under sounds/announcer/, with the runner number
};

// For each runner number, its clips in this order.
const RunnerFamily kRunnerFamilies[] = {
    {&stretchSounds, "stretch%i.wav"},          {&genericPhraseSounds, "generic_phrase%i.wav"},
    {&upFrontCalmSounds, "%iUpFront_calm.wav"}, {&upFrontMedSounds, "%iUpFront_med.wav"},
    {&upFrontExSounds, "%iUpFront_ex.wav"},     {&upFrontEx2Sounds, "%iUpFront_ex2.wav"},
    {&upFrontEx3Sounds, "%iUpFront_ex3.wav"},   {&upFrontMed2Sounds, "%iUpFront_med2.wav"},
    {&upFrontMed3Sounds, "%iUpFront_med3.wav"}, {&inCommandCalmSounds, "%iincommand_calm.wav"},
    {&strugglingSounds, "%istruggling.wav"},    {&struggling2Sounds, "%istruggling2.wav"},
    {&goodStartSounds, "%igoodstart.wav"},      {&badStartSounds, "%ibadstart.wav"},
};

std::string Numbered(const char* folder, const char* format, int n) {
    char name[64];
    std::snprintf(name, sizeof name, format, n);
    return std::string(folder) + name;
}

std::vector<SoundRow> BuildSoundTable() {
    std::vector<SoundRow> rows = {
        {&postcallSound, "sounds/postcall.wav"},      {&click1Sound, "sounds/click1.wav"},
        {&click2Sound, "sounds/click2.wav"},          {&crowdSound, "sounds/crowd.wav"},
        {&mainCrowdSound, "sounds/maincrowd.wav"},    {&gallopSound, "sounds/gallop.wav"},
        {&theirOffSound, "sounds/theiroffsound.wav"}, {&cashSound, "sounds/cash.wav"},
        {&horseSounds[0], "sounds/horse1.wav"},       {&horseSounds[1], "sounds/horse2.wav"},
        {&horseSounds[2], "sounds/horse3.wav"},       {&horseSounds[3], "sounds/horse4.wav"},
        {&backgroundSound, "sounds/background.wav"},  {&explodeSound, "sounds/explode.wav"},
    };
    for (int k = 0; k < 3; ++k) {
        rows.push_back({&oneMinuteSounds[k], Numbered("sounds/", "1minute%i.wav", k + 1)});
        rows.push_back({&thirtySecondsSounds[k], Numbered("sounds/", "30seconds%i.wav", k + 1)});
        rows.push_back({&postTimeSounds[k], Numbered("sounds/", "posttime%i.wav", k + 1)});
    }
    for (int n = 1; n <= kAnnouncedRunners; ++n) {
        for (const RunnerFamily& family : kRunnerFamilies) {
            rows.push_back(
                {&(*family.slots)[n - 1], Numbered("sounds/announcer/", family.format, n)});
        }
        if (n <= kTheirOffCalls) {
            rows.push_back(
                {&theirOffCalls[n - 1], Numbered("sounds/announcer/", "theiroff%i.wav", n)});
        }
    }
    for (int n = 1; n <= kGenericLines; ++n) {
        rows.push_back(
            {&genericCalmSounds[n - 1], Numbered("sounds/announcer/", "generic_calm%i.wav", n)});
        rows.push_back(
            {&genericMedSounds[n - 1], Numbered("sounds/announcer/", "generic_med%i.wav", n)});
        rows.push_back(
            {&genericExSounds[n - 1], Numbered("sounds/announcer/", "generic_ex%i.wav", n)});
    }
    rows.push_back({&comeOnSound, "sounds/comeon.wav"});
    rows.push_back({&atFirstQuarterPoleSound, "sounds/announcer/atfirstquarterpole.wav"});
    return rows;
}

} // namespace

std::span<const SoundRow> ManifestSounds() {
    static const std::vector<SoundRow> kSounds = BuildSoundTable();
    return kSounds;
}

void LoadGameSounds() {
    for (const SoundRow& row : ManifestSounds()) {
        *row.slot = LoadSound(row.path.c_str(), kClipFrequency, kClipCaps);
    }
    // The announcer's start calls stand out over the crowd.
    for (int n = 0; n < kAnnouncedRunners; ++n) {
        SetSoundVolume(goodStartSounds[n], 100);
        SetSoundVolume(badStartSounds[n], 100);
    }
    SetSoundVolume(gallopSound, 50);
    SetSoundVolume(cashSound, 100);
    SetSoundVolume(theirOffSound, 70);
    SetSoundVolume(crowdSound, 15);
    SetSoundVolume(mainCrowdSound, 15);
    SetSoundVolume(backgroundSound, 15);
}
