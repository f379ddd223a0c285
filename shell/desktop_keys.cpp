// M for mute, F12 for a screenshot.
#include "shell/desktop_keys.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "platform/debug_log.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/screenshot.h"
#include "platform/sound.h"
#include "shell/screen_note.h"

namespace {

namespace fs = std::filesystem;

struct {
    bool muteWasDown = false;
    bool screenshotWasDown = false;
} keys; // whole run; ResetDesktopKeys puts it back

// A key that went down since the last frame.
bool Pressed(uint8_t code, bool* wasDown) {
    const bool down = input.keyState[code] != 0;
    const bool pressed = down && !*wasDown;
    *wasDown = down;
    return pressed;
}

// XDG_PICTURES_DIR="$HOME/Pictures" in the desktop's user-dirs.dirs, with $HOME put in.
std::string PicturesInUserDirs(const std::string& file, const std::string& home) {
    std::ifstream dirs(file);
    const std::string key = "XDG_PICTURES_DIR=";
    for (std::string line; std::getline(dirs, line);) {
        if (line.rfind(key, 0) != 0) {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        }
        return value;
    }
    return "";
}

std::string Stamp() {
    const std::time_t now = std::time(nullptr);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H-%M-%S", std::localtime(&now));
    return text;
}

void SaveScreenshotForThePlayer() {
    const char* home = std::getenv("HOME");
    const fs::path folder =
        ScreenshotFolder(std::getenv("XDG_PICTURES_DIR"), std::getenv("XDG_CONFIG_HOME"), home);
    std::error_code fault;
    fs::create_directories(folder, fault);
    const std::string stamp = Stamp();
    fs::path file = folder / ("Stridewell " + stamp + ".png");
    for (int n = 2; fs::exists(file, fault); ++n) {
        file = folder / ("Stridewell " + stamp + " (" + std::to_string(n) + ").png");
    }
    if (!SaveScreenshot(file.c_str(), true)) {
        const std::string text = "Screenshot could not be saved in " + folder.string();
        bugLog.Write(text.c_str());
        ShowScreenNote(text);
        return;
    }
    // Said from the home folder as the player knows it: ~/Pictures/Stridewell/...
    const fs::path fromHome = home != nullptr ? file.lexically_relative(home) : fs::path();
    const bool inHome = !fromHome.empty() && *fromHome.begin() != "..";
    ShowScreenNote("Screenshot saved: " + (inHome ? fs::path("~") / fromHome : file).string());
}

} // namespace

std::string ScreenshotFolder(const char* xdgPicturesDir, const char* xdgConfigHome,
                             const char* home) {
    const std::string homeFolder = home != nullptr && home[0] != '\0' ? home : ".";
    std::string pictures = xdgPicturesDir != nullptr ? xdgPicturesDir : "";
    if (pictures.empty()) {
        const std::string config = xdgConfigHome != nullptr && xdgConfigHome[0] == '/'
                                       ? xdgConfigHome
                                       : homeFolder + "/.config";
        pictures = PicturesInUserDirs(config + "/user-dirs.dirs", homeFolder);
    }
    std::error_code fault;
    if (pictures.empty() || pictures[0] != '/' || !fs::is_directory(pictures, fault)) {
        pictures = homeFolder + "/Pictures";
    }
    return pictures + "/Stridewell";
}

void RunDesktopKeys() {
    if (Pressed(kKeyM, &keys.muteWasDown)) {
        SetSoundMuted(!SoundMuted());
        ShowScreenNote(SoundMuted() ? "Sound off" : "Sound on");
    }
    if (Pressed(kKeyF12, &keys.screenshotWasDown)) {
        SaveScreenshotForThePlayer();
    }
}

void ResetDesktopKeys() { keys = {}; }
