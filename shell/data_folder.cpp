// The data folder: where the pictures, sounds, horses, saved game and log live.
#include "shell/data_folder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

std::string ChooseDataFolder(const std::string& dataDir, const char* xdgDataHome,
                             const char* home) {
    if (!dataDir.empty()) {
        return dataDir;
    }
    // An XDG path that is not absolute is to be ignored.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return std::string(xdgDataHome) + "/stridewell";
    }
    return std::string(home != nullptr && home[0] != '\0' ? home : ".") +
           "/.local/share/stridewell";
}

bool EnterDataFolder(const std::string& folder, bool create, std::string* error) {
    if (create) {
        std::error_code fault;
        std::filesystem::create_directories(folder, fault);
        if (fault) {
            *error = "cannot create the data folder " + folder + ": " + fault.message();
            return false;
        }
    }
    if (chdir(folder.c_str()) != 0) {
        *error = "cannot use the data folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
