// Start-up and shutdown: from a bare window to the first frame, and back.
#include "shell/startup.h"

#include <ctime>

#include "platform/asset_manifest.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "shell/debug_log.h"

StartupSeed startupSeed = {false, 0};

namespace {

constexpr ClipRect kScreenRect{0, 0, kScreenWidth, kScreenHeight};

} // namespace

void MakeFonts() {
    fontComic18 = MakeFont(18, "Comic Sans MS", "r");
    fontComic14 = MakeFont(14, "Comic Sans MS", "r");
    fontComic17 = MakeFont(17, "Comic Sans MS", "r");
    fontArial20 = MakeFont(20, "Arial", "i");
    fontArial21 = MakeFont(21, "Arial", "i");
    fontArial22 = MakeFont(22, "Arial", "r");
    fontArial25 = MakeFont(25, "Arial", "i");
    fontArial30 = MakeFont(30, "Arial", "i");
    fontArial40 = MakeFont(40, "Arial", "i");
    fontArial50 = MakeFont(50, "Arial", "i");
}

int Game_Init() {
    bugLog.Write("Starting Buglog...");
    ShowSystemCursor();

    bugLog.Write("Initializing DirectDraw");
    InitDisplay(kScreenWidth, kScreenHeight, DisplayBitsPerPixel());
    bugLog.Write("Initializing DirectDraw -- success");

    bugLog.Write("Attaching DirectDraw Clipper");
    backClipper = AttachClipper(backBuffer, 1, &kScreenRect);
    bugLog.Write("Attaching DirectDraw Clipper -- success");

    // The fonts are not made yet: "Loading..." falls back to the plain face.
    FillBackBuffer(0, 0, 0);
    DrawSurfaceText("Loading...", 350, 290, 0x00FF00, backBuffer, fontArial50);
    PresentFrame();

    InitiateGame();

    bugLog.Write("Done with Game_Init() function...");
    return 1;
}

void InitiateGame() {
    bugLog.Write("Loading game bitmaps");
    LoadGameBitmaps();
    bugLog.Write("Loading game bitmaps -- success");

    bugLog.Write("Initializing DirectSound");
    InitSound();
    bugLog.Write("Initializing DirectSound -- success");
    if (soundEnabled) {
        bugLog.Write("Loading game sounds");
        LoadGameSounds();
        bugLog.Write("Loading game sounds -- success");
    } else {
        bugLog.Write("Skipping loading sounds...");
    }

    bugLog.Write("Initializing DirectInput");
    InitInput();
    bugLog.Write("Initializing DirecInput -- success");
    bugLog.Write("Initializing mouse and keyboard...");
    InitMouse();
    bugLog.Write("Mouse initilization successful...");
    InitKeyboard();
    bugLog.Write("Keyboard initialization successful");

    bugLog.Write("Doing fonts...");
    MakeFonts();

    SeedRand(startupSeed.given ? startupSeed.value : static_cast<uint32_t>(std::time(nullptr)));
    bugLog.Write("Done with InitiateGame");
}

int Game_Shutdown() {
    ReleaseMouse();
    ReleaseKeyboard();
    ReleaseInput();
    ShutdownSound();
    ReleaseFonts();
    ReleaseDisplay();
    return 1;
}
