// The frame driver: one call draws one frame of whatever screen gameState selects.
#include "shell/frame_driver.h"

#include <algorithm>
#include <cstdio>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "raceday/captions.h"
#include "raceday/post_time.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "raceday/race_view.h"
#include "results/results_screen.h"
#include "screens/help.h"
#include "screens/options.h"
#include "shell/desktop_keys.h"
#include "shell/main_menu.h"
#include "shell/screen_note.h"
#include "stable/calendar.h"
#include "stable/field_draw.h"
#include "stable/odds.h"
#include "stable/stakes.h"

namespace {

char fpsText[32] = ""; // "FPS: %d", refreshed while Ctrl is down; whole run

bool CtrlIsDown() { return input.keyState[kKeyLeftCtrl] || input.keyState[kKeyRightCtrl]; }

// The cursor position and the frame rate, while Ctrl is held; placed clear of each screen, on a
// plate that keeps them readable over whatever lies there.
void DrawDebugOverlay() {
    struct Placement {
        int cursorY, fpsY;
        uint32_t colour, plate;
    };
    constexpr uint32_t kDarkPlate = 0x141E10, kLightPlate = 0xE2F6FC;
    constexpr Placement kMenus{490, 500, 0xC8C8C8, kDarkPlate};
    constexpr Placement kTrack{470, 480, 0x0000C8, kLightPlate};
    constexpr Placement kResults{450, 460, 0x0000C8, kLightPlate};
    const Placement& at = gameState == kStateTrack     ? kTrack
                          : gameState == kStateResults ? kResults
                                                       : kMenus;
    char line[100];
    std::snprintf(line, sizeof line, "%i, %i", input.mouseX, input.mouseY);
    const int width = std::max(TextWidth(fontComic14, line), TextWidth(fontComic14, fpsText));
    const int height = at.fpsY - at.cursorY + FontCellHeight(fontComic14);
    FillBackBufferRect(8, at.cursorY - 1, width + 4, height + 2, at.plate);
    Text(line, 10, at.cursorY, at.colour, fontComic14);
    Text(fpsText, 10, at.fpsY, at.colour, fontComic14);
}

// A stakes notice stands over the frame until S is pressed.
void ShowStakesNotice(const char* picture, const char* failure) {
    CreateSprite(&sStakesNotice, 670, 329, 1, 0, 1);
    if (!LoadBitmapFile(&bitmap, picture)) {
        HoldFrameRate();
        ErrorBox("Error", failure);
    } else {
        if (!DDLoadImageBitmap(&sStakesNotice, 0, &bitmap, 0, 0, 1)) {
            HoldFrameRate();
            ErrorBox("Error", "Error in DDLoadImageBitmap");
        }
        UnloadBitmapFile(&bitmap);
    }
    SetSpritePosition(&sStakesNotice, static_cast<int>(sMenuHorse.x - 28),
                      static_cast<int>(sMenuHorse.y));
    DrawSprite(&sStakesNotice);
    PresentFrame();
    HoldFrameRate();
    WaitForKey(kKeyS);
    DestroySprite(&sStakesNotice);
}

void ShowStakesNotices() {
    struct Notice {
        StakesNotice flag;
        const char* picture;
        const char* failure;
    };
    constexpr Notice kNotices[] = {
        {kNoticeSeriesStart, "images/stakesinfo.bmp", "Error loading stakes_info.bmp"},
        {kNoticeRound4, "images/stakesinfo_rnd4.bmp", "Error loading stakesinfo_rnd4.bmp"},
        {kNoticeRound3, "images/stakesinfo_rnd3.bmp", "Error loading stakesinfo_rnd3.bmp"},
        {kNoticeRound2, "images/stakesinfo_rnd2.bmp", "Error loading stakesinfo_rnd2.bmp"},
    };
    for (const Notice& notice : kNotices) {
        if (StakesNoticeIsDue(notice.flag)) {
            if (notice.flag == kNoticeSeriesStart) {
                SetFastPostTime(false);
            }
            ShowStakesNotice(notice.picture, notice.failure);
            StakesNoticeSeen(notice.flag);
        }
    }
}

// The field waits at the gate under the clock; B goes back to the card before the off.
void RunWaitingTrack() {
    if ((postTimeMinutes != 0 || postTimeSeconds != 0) && !raceState.raceRunning) {
        TickPostTime();
        char line[100];
        FormatPostTime(line, sizeof line, "Post Time: %02d : %02.0f");
        Text(line, 10, 10, 0x323232, fontComic17);
        Text("Press B to return to bet menu.", 10, 26, 0x323264, fontComic14);
        if (input.keyState[kKeyB]) {
            SwitchScreen(kStateRaceCard);
        }
        MillAtGate();
    }
    if (raceState.raceRunning && raceOfDay == 1 && raceState.raceDistance > 700) {
        Text("Press P at any time to pause the game.", 10, 26, 0x323264, fontComic14);
    }
}

// The options can lower the races per day below the race on the card: the day ends at once.
// Bets on the abandoned race go back to their players first.
void CheckRaceOverflow() {
    if (raceOfDay <= racesPerDay) {
        return;
    }
    for (PlayerRecord& player : raceDay.players) {
        if (BetIsOnCurrentRace(player)) {
            player.money += player.betAmount;
            ClearBet(player);
        }
    }
    CheckRaceCountOverflow();
}

void PauseIfAsked() {
    if (input.keyState[kKeyP]) {
        HoldFrameRate();
        ShowGdiSurface();
        ErrorBox("Paused", "Game Paused; Press OK to continue...");
    }
}

} // namespace

int Game_Main() {
    ReadKeyboard();
    ReadMouse();
    SlideTitleBanner();
    // Every screen but the track starts from the menus' white; the track mostly covers it all.
    if (gameState == kStateTrack && !TrackCoversScreen()) {
        FillBackBuffer(0, 0, 0);
    }

    if (gameState != kStateTrack) {
        RunMainMenu();
        if (gameState != kStateResults) {
            DrawMenuFooter();
        }
    }
    if (gameState == kStateOptions) {
        RunOptionsScreen();
    }
    if (gameState == kStateRaceCard) {
        DrawRaceCard();
    }
    ShowStakesNotices();
    if (gameState == kStateRaceCard) {
        ApplyFieldReloadRule();
        StopRaceRunning();
    }
    if (gameState == kStatePlayers) {
        RunPlayersScreen();
    }
    if (gameState == kStateTrack) {
        CopyRatingsForTheRace();
        if (RunRaceFrame()) {
            SwitchScreen(kStateResults);
        }
    }
    if (gameState == kStateTrack || gameState == kStateRaceCard) {
        if (gameState == kStateTrack) {
            RunWaitingTrack();
        }
        // The odds stand still while the race runs.
        if (!raceState.raceRunning) {
            TickOddsTimer();
        }
    }
    if (gameState == kStateTrack || gameState == kStateRaceCard || gameState == kStateResults) {
        PostTimeEvents();
    }
    CheckRaceOverflow();
    if (gameState == kStateResults) {
        FillBackBuffer(0, 0, 0);
        ResultsScreen();
    }
    PauseIfAsked();
    if (gameState != kStateTrack && gameState != kStateResults) {
        RunExitButton();
    }
    ReadCaptionsKey();
    DrawCaptions();
    if (CtrlIsDown()) {
        DrawDebugOverlay();
    }
    DrawScreenNote();
    const bool help = input.keyState[kKeyF1] != 0;
    if (help) {
        DrawHelp();
    }
    PresentFrame();
    RunDesktopKeys();
    if (help) {
        WaitOutHelp();
    }

    ApplyHeldFrameRate();
    NoteButtonsAtFrameEnd();
    MeasureFrameTime(timeGetTime());
    if (CtrlIsDown()) {
        std::snprintf(fpsText, sizeof fpsText, "FPS: %d", frameTiming.framesPerSecond);
    }
    if (gameState == kStateRaceCard) {
        PlaySoundSlot(backgroundSound, 0);
    }
    UpdateFrameFactor();
    return 1;
}

void ResetFrameDriver() {
    SwitchScreen(kStateIntro);
    fpsText[0] = '\0';
    ClearScreenNote();
}
