// The end of a race day and of a stakes series.
#include "results/end_of_day.h"

#include <cstdint>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/game_sprites.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "raceday/race_day.h"
#include "resources/dialog_templates.h"
#include "results/payouts.h"
#include "stable/horse_record.h"
#include "stable/stakes.h"

namespace {

constexpr uint32_t kChampionHoldMs = 3000;

// Money as it will stand once the race on the results is paid.
int64_t MoneyAfterPayout(int p) {
    const PlayerRecord& player = Player(p);
    const int64_t due = BetIsOnCurrentRace(player) ? PayoutFor(player) : 0;
    return player.money + due;
}

// Loads a full-screen picture into a sprite, with its box when it cannot.
void LoadPicture(Sprite* sprite, const char* path, const char* failure, int cellX, int cellY) {
    if (!LoadBitmapFile(&bitmap, path)) {
        ErrorBox("Error", failure);
        return;
    }
    PictureCuts cuts{path, false};
    CutCell(sprite, 0, cellX, cellY, &cuts);
    UnloadBitmapFile(&bitmap);
}

// Holds the picture on screen for a while without spinning, the window still heard.
void HoldPicture(uint32_t milliseconds) {
    HoldFrameRate();
    const uint32_t start = timeGetTime();
    while (!QuitPosted() && timeGetTime() - start < milliseconds) {
        PumpWindowEvents();
        PresentPrimary();
    }
}

// The "Congrats!" box's procedure.
int CongratsDialogProc(Dialog* dialog, DialogMessage message, int id) {
    if (message == DialogMessage::Init) {
        return 1;
    }
    switch (id) {
    case kIdCancel:
        EndDialog(dialog, 1);
        break;
    case kIdCongratsOk:
        CloseSeriesWithNotice();
        EndDialog(dialog, 1);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

void TodaysChampionScreen() {
    bugLog.Write("Loading todayschamp.bmp -- success");
    if (numPlayers < 2) {
        return;
    }
    int champion = 0;
    for (int p = 1; p <= numPlayers && p <= kMaxPlayers; ++p) {
        bool richest = true;
        for (int other = 1; other <= numPlayers && other <= kMaxPlayers; ++other) {
            richest &= other == p || MoneyAfterPayout(p) > MoneyAfterPayout(other);
        }
        if (richest) {
            champion = p;
        }
    }
    if (champion == 0) {
        return;
    }
    DrawSprite(&sTodaysChamp);
    Text(Player(champion).name, 540, 400, 0x0000C8, fontArial30);
    PresentFrame();
    HoldPicture(kChampionHoldMs);
}

void ShowStakesChampion() {
    bugLog.Write("Loading champion_screen.bmp");
    CreateSprite(&sChampion, kScreenWidth, kScreenHeight, 1, 0, 1);
    LoadPicture(&sChampion, "images/champion_screen.bmp", "Error loading champion_screen.bmp", 1,
                1);
    SetSpritePosition(&sChampion, 1, 1);
    bugLog.Write("Loading champion_screen.bmp -- success");
    FillBackBuffer(0, 0, 0);
    DrawSprite(&sChampion);
    for (const HorseRecord& runner : raceField) {
        if (runner.finishPlace == 1) {
            Text(runner.name, 150, 265, 0xFFFFFF, fontArial50);
        }
    }
    PresentFrame();
    HoldFrameRate();
    ShowGdiSurface();
    RunDialog(kGameEndOkDialog, CongratsDialogProc);
    // However the box was closed (Escape, the window), the series ends as its OK ends it.
    if (stakesRound == 4) {
        CloseSeriesWithNotice();
    }
    DestroySprite(&sChampion);
}

void CloseSeriesWithNotice() {
    CloseStakesSeries();
    CreateSprite(&sResetNotice, kScreenWidth, kScreenHeight, 1, 0, 1);
    LoadPicture(&sResetNotice, "images/resetgamenotice.bmp", "Error loading resetgamenotice.bmp", 0,
                0);
    SetSpritePosition(&sResetNotice, 0, 0);
    DrawSprite(&sResetNotice);
    PresentFrame();
    HoldFrameRate();
    WaitForKey(kKeyC);
    DestroySprite(&sResetNotice);
}
