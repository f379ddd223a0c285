// Start-up and shutdown: from a bare window to the first frame, and back.
#include "shell/startup.h"

#include <cstdio>
#include <ctime>

#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
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
#include "screens/intro.h"

namespace {

constexpr ClipRect kScreenRect{0, 0, kScreenWidth, kScreenHeight};

void PlayIntro() {
    bugLog.Write("Doing intro...");
    // The intro stands in for the main loop: it hears the window too, and a close ends it.
    while (gameState == kStateIntro && !QuitPosted()) {
        PumpWindowEvents();
        IntroFrame();
    }
    SwitchScreen(kStateMainMenu);
    DestroyIntro();
    bugLog.Write("Finished intro...");
}

} // namespace

void MakeFonts() {
#define GAME_FONT_MAKE(name, height, face, style) name = MakeFont(height, face, style);
    GAME_FONTS(GAME_FONT_MAKE)
#undef GAME_FONT_MAKE
}

int Game_Init(StartupSeed seed) {
    bugLog.Write("Starting Buglog...");
    ShowSystemCursor();

    bugLog.Write("Initializing DirectDraw");
    const int displayUp = InitDisplay(kScreenWidth, kScreenHeight, DisplayBitsPerPixel());
    bugLog.Write("Initializing DirectDraw -- success");
    if (!displayUp) {
        // Nothing can be drawn without a display: the game ends here, once its box says why.
        const DisplayFailure failure = LastDisplayFailure();
        ErrorBox(failure.caption, failure.text);
        return 0;
    }

    bugLog.Write("Attaching DirectDraw Clipper");
    ClipBackBuffer(kScreenRect);
    bugLog.Write("Attaching DirectDraw Clipper -- success");

    // The fonts are not made yet: "Loading..." falls back to the plain face.
    FillBackBuffer(0, 0, 0);
    Text("Loading...", 350, 290, 0x00FF00, fontArial50);
    PresentFrame();

    InitiateGame(seed);

    PrepareIntro();
    if (sound.soundEnabled) {
        introSound = LoadSound("sounds/intro.wav", 8000, 0xE0);
        PlayIntro();
    }
    if (QuitPosted()) {
        return 1;
    }

    // The greeting is drawn even when nothing can play it, so a seeded game never depends on
    // whether there is sound.
    PlaySoundSlot(horseSounds[Rand() % 4], 0);
    stakesRound = 0;
    stakesRace = 1;

    bugLog.Write("Done with Game_Init() function...");
    return 1;
}

void InitiateGame(StartupSeed seed) {
    bugLog.Write("Loading game bitmaps");
    LoadGameBitmaps();
    bugLog.Write("Loading game bitmaps -- success");

    bugLog.Write("Initializing DirectSound");
    InitSound();
    bugLog.Write("Initializing DirectSound -- success");
    if (sound.soundEnabled) {
        bugLog.Write("Loading game sounds");
        LoadGameSounds();
        bugLog.Write("Loading game sounds -- success");
    } else {
        bugLog.Write("Skipping loading sounds...");
    }

    bugLog.Write("Initializing DirectInput");
    if (!InitInput()) {
        ErrorBox("error", "Unable to create DirectINPUT object.");
    }
    bugLog.Write("Initializing DirecInput -- success");
    bugLog.Write("Initializing mouse and keyboard...");
    InitMouse();
    bugLog.Write("Mouse initilization successful...");
    InitKeyboard();
    bugLog.Write("Keyboard initialization successful");

    timeBetweenRaces = 2;
    racesPerDay = 10;
    announcingOn = 1;
    treesOn = 1;

    bugLog.Write("Doing fonts...");
    MakeFonts();

    SeedRand(seed.given ? seed.value : static_cast<uint32_t>(std::time(nullptr)));
    bugLog.Write("Done with InitiateGame");
}

int ReleaseGameSprites() {
    int released = 0;
    // Counted once each while it still holds its frames.
    for (Sprite* sprite : GameSprites()) {
        if (SpriteIsLive(sprite)) {
            DestroySprite(sprite);
            released += 1;
        }
    }
    return released;
}

int Game_Shutdown() {
    char line[100];
    std::snprintf(line, sizeof line, "Total surfaces released: %i", ReleaseGameSprites());
    bugLog.Write(line);
    ReleaseMouse();
    ReleaseKeyboard();
    ReleaseInput();
    ShutdownSound();
    ReleaseFonts();
    ReleaseDisplay();
    return 1;
}
