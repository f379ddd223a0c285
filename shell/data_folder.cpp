// The data folder: where the saved game, horses and log live, and the installed data.
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

std::string FindInstalledDataFolder(const std::string& programPath) {
    std::error_code fault;
    const std::filesystem::path program = std::filesystem::canonical(programPath, fault);
    if (fault) {
        return "";
    }
    const std::filesystem::path data =
        (program.parent_path() / STRIDEWELL_DATA_FROM_BIN).lexically_normal();
    return std::filesystem::is_directory(data, fault) ? data.string() : "";
}

int CopyStartingHorses(const std::string& installedData, std::string* error) {
    namespace fs = std::filesystem;
    const fs::path stable = "horses";
    const fs::path starting = fs::path(installedData) / "horses";
    std::error_code fault;
    if (installedData.empty() || !fs::is_directory(starting, fault)) {
        return 0;
    }
    std::error_code none;
    for (const fs::directory_entry& entry : fs::directory_iterator(stable, none)) {
        if (entry.path().extension() == ".txt") {
            return 0;
        }
    }
    int copied = 0;
    auto failed = [&](const std::error_code& fault) {
        *error =
            "cannot copy the starting horses from " + starting.string() + ": " + fault.message();
        return copied;
    };
    if (fs::create_directories(stable, fault); fault) {
        return failed(fault);
    }
    fs::directory_iterator entry(starting, fault);
    for (; !fault && entry != fs::directory_iterator(); entry.increment(fault)) {
        if (!entry->is_regular_file() || entry->path().extension() != ".txt") {
            continue;
        }
        const fs::path copy = stable / entry->path().filename();
        std::error_code copyFault;
        if (fs::copy_file(entry->path(), copy, fs::copy_options::skip_existing, copyFault)) {
            // The installed files are read-only; the player's copies are the game's to rewrite.
            fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, copyFault);
            copied += copyFault ? 0 : 1;
        }
        if (copyFault) {
            return failed(copyFault);
        }
    }
    return fault ? failed(fault) : copied;
}
