// The frame driver: one call draws one frame of whatever screen gameState selects.
#include "shell/frame_driver.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "shell/frame_timing.h"
#include "shell/game_state.h"

int32_t gameState = kStateIntro;
int32_t leftWasUp = 1;
int32_t rightWasUp = 1;
int32_t middleWasUp = 1;
char fpsText[32] = "";

namespace {

bool CtrlIsDown() { return keyState[kKeyLeftCtrl] || keyState[kKeyRightCtrl]; }

// The cursor position and the frame rate, while Ctrl is held; placed clear of each screen.
void DrawDebugOverlay() {
    struct Placement {
        int cursorY, fpsY;
        uint32_t colour;
    };
    constexpr Placement kMenus{490, 500, 0xC8C8C8};
    constexpr Placement kTrack{470, 480, 0x0000C8};
    constexpr Placement kResults{450, 460, 0x0000C8};
    const Placement& at = gameState == kStateTrack     ? kTrack
                          : gameState == kStateResults ? kResults
                                                       : kMenus;
    char line[100];
    std::snprintf(line, sizeof line, "%i, %i", mouseX, mouseY);
    DrawSurfaceText(line, 10, at.cursorY, at.colour, backBuffer, fontComic14);
    DrawSurfaceText(fpsText, 10, at.fpsY, at.colour, backBuffer, fontComic14);
}

// The screens each state runs between clearing the frame and the pause check. They are empty
// until their screens are built; the intro, when start-up skipped it, draws as the main menu.
void RunScreen(int32_t screen) {
    switch (screen) {
    case kStateMainMenu:
    case kStateTrack:
    case kStateRaceCard:
    case kStatePlayers:
    case kStateOptions:
    case kStateResults:
    case kStateCredits:
    default:
        break;
    }
}

void PauseIfAsked() {
    if (keyState[kKeyP]) {
        HoldFrameRate();
        ShowGdiSurface();
        ErrorBox("Paused", "Game Paused; Press OK to continue...");
    }
}

} // namespace

int32_t ScreenToDraw(int32_t state) { return state == kStateIntro ? kStateMainMenu : state; }

int Game_Main() {
    ReadKeyboard();
    ReadMouse();
    FillBackBuffer(0, 0, 0);
    RunScreen(ScreenToDraw(gameState));
    PauseIfAsked();
    if (CtrlIsDown()) {
        DrawDebugOverlay();
    }
    PresentFrame();

    ApplyHeldFrameRate();
    leftWasUp = mouseState.buttons[0] == 0;
    rightWasUp = mouseState.buttons[1] == 0;
    middleWasUp = mouseState.buttons[2] == 0;
    MeasureFrameTime(timeGetTime());
    if (CtrlIsDown()) {
        std::snprintf(fpsText, sizeof fpsText, "FPS: %d", framesPerSecond);
    }
    UpdateFrameFactor();
    return 1;
}

void ResetFrameDriver() {
    gameState = kStateIntro;
    leftWasUp = rightWasUp = middleWasUp = 1;
    fpsText[0] = '\0';
}
