// The player's preferences file.
#include "shell/preferences.h"

#include <charconv>
#include <filesystem>
#include <sstream>

#include "core/save_file.h"
#include "platform/file_bytes.h"

namespace {

// A preferences file is a few lines; anything larger is not one.
constexpr size_t kMaxFileBytes = 64 * 1024;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

bool ReadFlag(const std::string& text, bool* value) {
    if (text == "yes" || text == "true" || text == "on" || text == "1") {
        *value = true;
    } else if (text == "no" || text == "false" || text == "off" || text == "0") {
        *value = false;
    } else {
        return false;
    }
    return true;
}

bool ReadNumber(const std::string& text, int low, int high, int* value) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, number);
    if (text.empty() || fault != std::errc() || stop != end || number < low || number > high) {
        return false;
    }
    *value = number;
    return true;
}

// "WIDTHxHEIGHT", each from the game's own 800 x 600 picture up to a very large desktop.
bool ReadSize(const std::string& text, int* width, int* height) {
    const size_t x = text.find('x');
    int w = 0, h = 0;
    if (x == std::string::npos || !ReadNumber(text.substr(0, x), 320, 16384, &w) ||
        !ReadNumber(text.substr(x + 1), 240, 16384, &h)) {
        return false;
    }
    *width = w;
    *height = h;
    return true;
}

} // namespace

bool operator==(const Preferences& a, const Preferences& b) {
    return a.fullScreen == b.fullScreen && a.windowWidth == b.windowWidth &&
           a.windowHeight == b.windowHeight && a.volume == b.volume && a.muted == b.muted &&
           a.captions == b.captions;
}

std::string PreferencesFile(const char* xdgConfigHome, const char* home) {
    // An XDG path that is not absolute is to be ignored.
    const std::string config =
        xdgConfigHome != nullptr && xdgConfigHome[0] == '/'
            ? std::string(xdgConfigHome)
            : std::string(home != nullptr && home[0] != '\0' ? home : ".") + "/.config";
    return config + "/stridewell/stridewell.conf";
}

void ParsePreferences(const std::string& text, Preferences* prefs,
                      std::vector<std::string>* complaints) {
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line); ++number) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const size_t equals = line.find('=');
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? "" : Trim(line.substr(equals + 1));
        bool known = true;
        bool read = equals != std::string::npos;
        if (key == "fullscreen") {
            read = read && ReadFlag(value, &prefs->fullScreen);
        } else if (key == "window") {
            read = read && ReadSize(value, &prefs->windowWidth, &prefs->windowHeight);
        } else if (key == "volume") {
            read = read && ReadNumber(value, 0, 100, &prefs->volume);
        } else if (key == "muted") {
            read = read && ReadFlag(value, &prefs->muted);
        } else if (key == "captions") {
            read = read && ReadFlag(value, &prefs->captions);
        } else {
            known = false;
        }
        if (!known || !read) {
            complaints->push_back("Preferences line " + std::to_string(number + 1) +
                                  (known ? " has a value that cannot be used" : " is not known") +
                                  ", left out: " + line);
        }
    }
}

std::string FormatPreferences(const Preferences& prefs) {
    auto flag = [](bool on) { return on ? "yes" : "no"; };
    return std::string(
               "# Stridewell's preferences; the game rewrites this file when they change.\n") +
           "fullscreen = " + flag(prefs.fullScreen) + "\n" +
           "window = " + std::to_string(prefs.windowWidth) + "x" +
           std::to_string(prefs.windowHeight) + "\n" + "volume = " + std::to_string(prefs.volume) +
           "\n" + "muted = " + flag(prefs.muted) + "\n" + "captions = " + flag(prefs.captions) +
           "\n";
}

void TakeChanges(const Preferences& before, const Preferences& after, Preferences* into) {
    if (after.fullScreen != before.fullScreen) {
        into->fullScreen = after.fullScreen;
    }
    if (after.windowWidth != before.windowWidth || after.windowHeight != before.windowHeight) {
        into->windowWidth = after.windowWidth;
        into->windowHeight = after.windowHeight;
    }
    if (after.volume != before.volume) {
        into->volume = after.volume;
    }
    if (after.muted != before.muted) {
        into->muted = after.muted;
    }
    if (after.captions != before.captions) {
        into->captions = after.captions;
    }
}

void ReadPreferences(const std::string& path, Preferences* prefs,
                     std::vector<std::string>* complaints) {
    std::vector<uint8_t> bytes;
    const FileStatus status = ReadFileStart(path.c_str(), kMaxFileBytes, &bytes);
    if (status == FileStatus::Unreadable) {
        complaints->push_back("Preferences file " + path + " cannot be read, left alone");
    }
    if (status == FileStatus::Read) {
        ParsePreferences(std::string(bytes.begin(), bytes.end()), prefs, complaints);
    }
}

bool WritePreferences(const std::string& path, const Preferences& prefs) {
    std::error_code fault;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), fault);
    const std::string text = FormatPreferences(prefs);
    return SaveWholeFile(path.c_str(), text.data(), text.size()) == 1;
}
