// The asset manifest: which picture feeds which sprite and which sound fills which slot.
#include "platform/asset_manifest.h"

#include <algorithm>
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

constexpr SpriteRow Row(Sprite* sprite, const char* picture, int width, int height, int lastFrame,
                        std::span<const SpriteCell> cells, int x, int y) {
    return {sprite, picture, width, height, lastFrame, false, true, cells, x, y};
}

constexpr SpriteRow RunnerRow(Sprite* sprite, int r) {
    return Row(sprite, "horses.bmp", 106, 56, 11, kRunnerCells[r], 630, 300 + 15 * r);
}

constexpr SpriteCell kPlayersCells[4][2] = {{{0, 1, 453}, {1, 123, 453}},
                                            {{0, 1, 491}, {1, 144, 491}},
                                            {{0, 1, 531}, {1, 143, 531}},
                                            {{0, 244, 453}, {1, 390, 453}}};
constexpr int kPlayersWidths[4] = {118, 140, 141, 143};

constexpr SpriteRow PlayersRow(Sprite* sprite, int k) {
    return Row(sprite, "sprites.bmp", kPlayersWidths[k], k == 2 ? 38 : 37, 1, kPlayersCells[k],
               k == 0 ? 350 : 347, 170 + 100 * k);
}

// The ten number buttons differ in size with their numbers.
constexpr int kRunnerButtonWidths[kRunnerCount] = {17, 17, 17, 20, 19, 18, 20, 17, 18, 32};
constexpr SpriteCell kRunnerButtonCells[kRunnerCount][2] = {
    {{0, 336, 109}, {1, 354, 109}}, {{0, 336, 136}, {1, 354, 136}}, {{0, 337, 163}, {1, 355, 163}},
    {{0, 337, 191}, {1, 358, 191}}, {{0, 338, 218}, {1, 358, 218}}, {{0, 382, 108}, {1, 402, 108}},
    {{0, 381, 136}, {1, 402, 136}}, {{0, 381, 163}, {1, 400, 163}}, {{0, 381, 190}, {1, 400, 190}},
    {{0, 380, 219}, {1, 415, 219}}};

constexpr SpriteRow RunnerButtonRow(Sprite* sprite, int k) {
    return Row(sprite, "sprites.bmp", kRunnerButtonWidths[k], k == 8 ? 27 : 26, 2,
               kRunnerButtonCells[k], k == 9 ? 138 : 152, 245 + 28 * k);
}

constexpr SpriteCell kLeaderButtonCells[4][1] = {
    {{0, 467, 82}}, {{0, 522, 82}}, {{0, 577, 82}}, {{0, 541, 115}}};

constexpr SpriteRow LeaderButtonRow(Sprite* sprite, int k) {
    return Row(sprite, "sprites.bmp", k < 2 ? 54 : 53, k == 3 ? 33 : 32, 1, kLeaderButtonCells[k],
               620 - 200 * k, 530);
}

// The cells of each single sprite of the list, named after it.
#define CELLS_OF(name, picture, width, height, lastFrame, x, y, ...)                               \
    constexpr SpriteCell kCellsOf_##name[] = {__VA_ARGS__};
#define NO_CELLS(...)
GAME_SPRITES(CELLS_OF, CELLS_OF, NO_CELLS, NO_CELLS, NO_CELLS)
#undef CELLS_OF
#undef NO_CELLS

// Every row of the list, in its order.
std::vector<SpriteRow> BuildSpriteTable() {
    std::vector<SpriteRow> rows;
#define KEYED_ROW(name, picture, width, height, lastFrame, x, y, ...)                              \
    rows.push_back(Row(&name, picture, width, height, lastFrame, kCellsOf_##name, x, y));
#define BACKDROP_ROW(name, picture, width, height, lastFrame, x, y, ...)                           \
    rows.push_back({&name, picture, width, height, lastFrame, true, false, kCellsOf_##name, x, y});
#define ARRAY_ROWS(name, count, rowOf)                                                             \
    for (int k = 0; k < (count); ++k) {                                                            \
        rows.push_back(rowOf(&name[k], k));                                                        \
    }
#define NO_ROWS(...)
    GAME_SPRITES(KEYED_ROW, BACKDROP_ROW, ARRAY_ROWS, NO_ROWS, NO_ROWS)
#undef KEYED_ROW
#undef BACKDROP_ROW
#undef ARRAY_ROWS
#undef NO_ROWS
    return rows;
}

const std::vector<SpriteRow>& SpriteTable() {
    static const std::vector<SpriteRow> kSprites = BuildSpriteTable();
    return kSprites;
}

// Where the sprite's row lies: the loading order goes by runs of the table.
size_t RowOf(const Sprite* sprite) {
    const std::vector<SpriteRow>& table = SpriteTable();
    size_t at = 0;
    while (table[at].sprite != sprite) {
        ++at;
    }
    return at;
}

std::span<const SpriteRow> Rows(const Sprite* first, size_t count) {
    return std::span<const SpriteRow>(SpriteTable()).subspan(RowOf(first), count);
}

// The rows from first's up to (not including) end's.
std::span<const SpriteRow> RowsUpTo(const Sprite* first, const Sprite* end) {
    return Rows(first, RowOf(end) - RowOf(first));
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

std::span<const SpriteRow> ManifestSprites() { return SpriteTable(); }

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
    Create(Rows(&sTrackPart1, 1));
    bugLog.Write("Trackpart1 setup. Setting up trackpart2...");
    Create(Rows(&sTrackPart2, 1));
    bugLog.Write("TrackPart1 and TrackPart2 setup. Setting up TrackPatch(no vert. lines)");

    Group("Loading horse sprites", "Loading horse sprites -- success",
          Rows(&sHorse[0], kRunnerCount));
    bugLog.Write("Loading trees");
    for (const SpriteRow& tree : Rows(&sTree1, 4)) {
        Create({&tree, 1});
        Cut(tree.picture, {&tree, 1});
    }
    bugLog.Write("Loading trees -- success");
    Group("Loading MainMenu.bmp", "Loading MainMenu.bmp -- success", Rows(&sMenuBackground, 1));
    Group("Loading MenuHorse.bmp", "Loading MenuHorse.bmp -- success", Rows(&sMenuHorse, 1));
    Group("Loading champion_screen.bmp", "Loading champion_screen.bmp -- success",
          Rows(&sChampion, 1));
    Group("Loading railings and track sprites", "Loading track sprites -- success",
          RowsUpTo(&sTrackPatch1, &titleBanner));
    Group("Loading game sprites", "Loading game sprites -- success",
          RowsUpTo(&titleBanner, &sTodaysChamp));
    Cut("sprites3.bmp", RowsUpTo(&titleBanner, &sTodaysChamp));
    Group("Loading todayschamp.bmp", "Loading todayschamp.bmp -- success", Rows(&sTodaysChamp, 1));
    bugLog.Write("Loading track.bmp");
    Cut("track.bmp", Rows(&sTrackPart1, 2));
    bugLog.Write("Loading track.bmp -- success");

    for (const SpriteRow& row : SpriteTable()) {
        SetSpritePosition(row.sprite, row.startX, row.startY);
    }
}

namespace {

// A family of the sound list; a CLIPS line and its ALONGSIDE lines make one round, loaded turn
// about by number.
struct Family {
    int* slots;
    int count;
    const char* format; // with the number, or the one clip's path
    bool numbered;
};

std::vector<std::vector<Family>> SoundRounds() {
    std::vector<std::vector<Family>> rounds;
#define CLIP(name, path) rounds.push_back({{&name, 1, path, false}});
#define CLIPS(name, count, format) rounds.push_back({{name.data(), count, format, true}});
#define ALONGSIDE(name, count, format) rounds.back().push_back({name.data(), count, format, true});
#define UNLISTED(name)
    GAME_SOUNDS(CLIP, CLIPS, ALONGSIDE, UNLISTED)
#undef CLIP
#undef CLIPS
#undef ALONGSIDE
#undef UNLISTED
    return rounds;
}

std::string Numbered(const char* format, int n) {
    char path[64];
    std::snprintf(path, sizeof path, format, n);
    return path;
}

std::vector<SoundRow> BuildSoundTable() {
    std::vector<SoundRow> rows;
    for (const std::vector<Family>& round : SoundRounds()) {
        int longest = 0;
        for (const Family& family : round) {
            longest = std::max(longest, family.count);
        }
        for (int n = 1; n <= longest; ++n) {
            for (const Family& family : round) {
                if (n > family.count) {
                    continue;
                }
                rows.push_back({&family.slots[n - 1],
                                family.numbered ? Numbered(family.format, n) : family.format});
            }
        }
    }
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
