// The entry point's work: the command line, the data folder, the window and the main loop.
#include "shell/main_loop.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/settings_file.h"
#include "platform/clock.h"
#include "platform/data_files.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/script.h"
#include "platform/sound.h"
#include "raceday/captions.h"
#include "shell/data_folder.h"
#include "shell/frame_driver.h"
#include "shell/game_reset.h"
#include "shell/kept_preferences.h"
#include "shell/launch_options.h"
#include "shell/preferences.h"
#include "shell/startup.h"
#include "shell/window_proc.h"

namespace {

constexpr const char* kGameTitle = "Stridewell";

// The game cannot start: said on standard error and, for a player who started it from the
// desktop's menu, in a box.
int CannotStart(const std::string& text, int status, bool box) {
    std::fprintf(stderr, "stridewell: %s\n", text.c_str());
    if (box) {
        StartupErrorBox(kGameTitle, ("Stridewell cannot start: " + text).c_str());
    }
    return status;
}

int MainLoop(FrameHook frameHook) {
    int exitCode = 0;
    for (;;) {
        // Every pending event is handled each pass: the window system does not merge
        // mouse motion, so taking one event a pass would leave the cursor behind.
        PumpWindowEvents();
        if (QuitPosted(&exitCode)) {
            break;
        }
        if (frameHook != nullptr) {
            frameHook();
        }
        Game_Main();
        ReadKeyboard();
        ReadMouse();
        KeepPreferences(false);
    }
    return exitCode;
}

} // namespace

int RunStridewell(int argc, char** argv, FrameHook frameHook) {
    ResetGameState();
    LaunchOptions options;
    std::string error;
    if (!ParseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        // Without a terminal (a desktop's menu) nobody reads standard error.
        return CannotStart(error, 2, isatty(STDERR_FILENO) == 0);
    }
    if (options.showHelp) {
        std::fputs(LaunchUsage(), stdout);
        return 0;
    }
    if (options.showVersion) {
        std::printf("%s %s\n", kGameTitle, STRIDEWELL_VERSION);
        return 0;
    }
    // The script is read before the data folder becomes the working directory, so its
    // paths mean what they say from where the game was started.
    if (!options.scriptPath.empty() && !LoadScript(options.scriptPath.c_str(), &error)) {
        std::fprintf(stderr, "stridewell: script %s\n", error.c_str());
        return 2;
    }
    const bool played = !options.scriptPath.empty() || frameHook != nullptr;
    // A file-size limit (ulimit -f) would otherwise kill the game in the middle of a save;
    // ignored, the write fails, the save says so and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string folder =
        ChooseDataFolder(options.dataDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!EnterDataFolder(folder, options.dataDir.empty(), &error)) {
        return CannotStart(error, 1, !played);
    }
    bugLog.Open();
    // The installed game's data lies beside the program; a stable with no horses gets its
    // starting horses from there.
    SetInstalledDataFolder(FindInstalledDataFolder("/proc/self/exe"));
    if (const int copied = CopyStartingHorses(InstalledDataFolder(), &error); copied > 0) {
        bugLog.Write(("Copied " + std::to_string(copied) + " starting horses from " +
                      InstalledDataFolder() + "/horses")
                         .c_str());
    }
    if (!error.empty()) {
        bugLog.Write(error.c_str());
    }
    const Preferences prefs = ReadPlayersPreferences(options.windowed, played);
    SetMasterVolume(prefs.volume);
    SetSoundMuted(prefs.muted);
    SetCaptionsOn(prefs.captions);

    InitClock(options.fixedFps);
    // A script or a program playing on the virtual clock goes as fast as the machine allows.
    SetFramePacing(!(options.fixedFps > 0 && played));
    SetDisplayDepth(options.bitsPerPixel);
    if (!OpenGameWindow(kGameTitle, !prefs.fullScreen, prefs.windowWidth, prefs.windowHeight)) {
        return CannotStart(std::string("cannot open the game window: ") + PlatformError(), 1,
                           !played);
    }
    SetWindowIcon(DataFilePath(kWindowIconFile).c_str());
    NotePreferencesSeen();

    SetWindowProcedure(WindowProc);
    if (!Game_Init({options.seedGiven, options.seed})) {
        Game_Shutdown();
        ClosePlatform();
        return 1;
    }
    const int exitCode = MainLoop(frameHook);
    // A close is answered like "Save game and exit", once the frame it interrupted has ended.
    if (WindowWasClosed()) {
        SaveSettings();
    }
    KeepPreferences(true);
    Game_Shutdown();
    ClosePlatform();
    return exitCode;
}
