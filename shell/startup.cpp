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

StartupSeed startupSeed = {false, 0};

namespace {

constexpr ClipRect kScreenRect{0, 0, kScreenWidth, kScreenHeight};

// Every sprite shutdown releases, counted once each while it still holds its frames.
Sprite* const kShutdownSprites[] = {
    &sTrackPart1,
    &sTrackPart2,
    &sHorse[0],
    &sHorse[1],
    &sHorse[2],
    &sHorse[3],
    &sHorse[4],
    &sHorse[5],
    &sHorse[6],
    &sHorse[7],
    &sHorse[8],
    &sHorse[9],
    &sTree1,
    &sTree2,
    &sTree3,
    &sTree4,
    &sMenuBackground,
    &sMenuHorse,
    &sChampion,
    &sTrackPatch1,
    &sTrackPatch2,
    &sToteBoard,
    &sProgressMarker,
    &sProgressMap,
    &sRunnerListPanel,
    &sBetsBoard,
    &titleBanner,
    &sGame,
    &sSettings,
    &sCredits,
    &sExit,
    &sButtonA,
    &sBet,
    &sPostTimeText,
    &sMoneyPanel,
    &sPlayers[0],
    &sPlayers[1],
    &sPlayers[2],
    &sPlayers[3],
    &sBack,
    &sGoButton,
    &sRaceLabel,
    &sLabelB,
    &sHighlight,
    &sRunnerButton[0],
    &sRunnerButton[1],
    &sRunnerButton[2],
    &sRunnerButton[3],
    &sRunnerButton[4],
    &sRunnerButton[5],
    &sRunnerButton[6],
    &sRunnerButton[7],
    &sRunnerButton[8],
    &sRunnerButton[9],
    &sStartingGate,
    &sLeaderButton[0],
    &sLeaderButton[1],
    &sLeaderButton[2],
    &sLeaderButton[3],
    &sFinishPost,
    &sOptionsPanel,
    &sPostTimeOption,
    &sAnnouncerOption,
    &sRacesOption,
    &sSpareButton,
    &sSimOption,
    &sStakesDaysOption,
    &sTodaysChamp,
    &sIntroA,
    &sIntroB,
    &sIntroC,
    &sIntroD,
    &sResults,
    &sResetNotice,
    &sStakesNotice,
    &sPlayerTab[0],
    &sPlayerTab[1],
    &sPlayerTab[2],
    &sPlayerTab[3],
};

void PlayIntro() {
    bugLog.Write("Doing intro...");
    // The intro stands in for the main loop: it hears the window too, and a close ends it.
    while (gameState == kStateIntro && !QuitPosted()) {
        PumpWindowEvents();
        IntroFrame();
    }
    gameState = kStateMainMenu;
    DestroyIntro();
    bugLog.Write("Finished intro...");
}

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
    fontArialBold9 = MakeFont(9, "Arial", "b");
    fontArial18 = MakeFont(18, "Arial", "r");
    fontComic11 = MakeFont(11, "Comic Sans MS", "r");
}

int Game_Init() {
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
    backClipper = AttachClipper(backBuffer, 1, &kScreenRect);
    bugLog.Write("Attaching DirectDraw Clipper -- success");

    // The fonts are not made yet: "Loading..." falls back to the plain face.
    FillBackBuffer(0, 0, 0);
    DrawSurfaceText("Loading...", 350, 290, 0x00FF00, backBuffer, fontArial50);
    PresentFrame();

    InitiateGame();

    PrepareIntro();
    if (soundEnabled) {
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

    SeedRand(startupSeed.given ? startupSeed.value : static_cast<uint32_t>(std::time(nullptr)));
    bugLog.Write("Done with InitiateGame");
}

int ReleaseGameSprites() {
    int released = 0;
    for (Sprite* sprite : kShutdownSprites) {
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
