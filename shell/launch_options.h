// The command line: how the game is started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LaunchOptions {
    bool windowed = false;
    int bitsPerPixel = 16; // 15 packs pictures 5-5-5
    bool seedGiven = false;
    uint32_t seed = 0;
    int fixedFps = 0;       // 0: real time
    std::string scriptPath; // empty: no script
    std::string dataDir;    // empty: the XDG data folder
    bool showHelp = false;
    bool showVersion = false;
};

// Parses argv[1..]. On a bad argument returns false with a message for the player.
bool ParseLaunchOptions(const std::vector<std::string>& args, LaunchOptions* options,
                        std::string* error);

// The --help text.
const char* LaunchUsage();
