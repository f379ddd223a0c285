// The entry point's work: the command line, the data folder, the window and the main loop.
#include "shell/main_loop.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/data_files.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/script.h"
#include "shell/data_folder.h"
#include "shell/debug_log.h"
#include "shell/frame_driver.h"
#include "shell/launch_options.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/window_proc.h"

namespace {

constexpr const char* kGameTitle = "Stridewell";

FrameHook frameHook = nullptr; // whole run

int MainLoop() {
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
    }
    return exitCode;
}

} // namespace

void SetFrameHook(FrameHook hook) { frameHook = hook; }

int RunStridewell(int argc, char** argv) {
    LaunchOptions options;
    std::string error;
    if (!ParseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), &options, &error)) {
        std::fprintf(stderr, "stridewell: %s\n", error.c_str());
        return 2;
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
    // A file-size limit (ulimit -f) would otherwise kill the game in the middle of a save;
    // ignored, the write fails, the save says so and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string folder =
        ChooseDataFolder(options.dataDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!EnterDataFolder(folder, options.dataDir.empty(), &error)) {
        std::fprintf(stderr, "stridewell: %s\n", error.c_str());
        return 1;
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

    InitClock(options.fixedFps);
    // A script or a program playing on the virtual clock goes as fast as the machine allows.
    const bool played = !options.scriptPath.empty() || frameHook != nullptr;
    SetFramePacing(!(options.fixedFps > 0 && played));
    SetDisplayDepth(options.bitsPerPixel);
    startupSeed = {options.seedGiven, options.seed};
    if (!OpenGameWindow(kGameTitle, options.windowed)) {
        std::fprintf(stderr, "stridewell: cannot open the game window: %s\n", PlatformError());
        return 1;
    }
    SetWindowIcon(DataFilePath(kWindowIconFile).c_str());

    // A run starts with no close or quit left over from an earlier run in this process.
    ClearQuitMessage();
    windowClosed = 0;
    SetWindowProcedure(WindowProc);
    if (!Game_Init()) {
        Game_Shutdown();
        ClosePlatform();
        return 1;
    }
    const int exitCode = MainLoop();
    // A close is answered like "Save game and exit", once the frame it interrupted has ended.
    if (windowClosed) {
        SaveSettings();
    }
    Game_Shutdown();
    ClosePlatform();
    return exitCode;
}
