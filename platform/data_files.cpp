// Where the game reads its pictures and sounds.
#include "platform/data_files.h"

#include <filesystem>

namespace {

std::string installedData; // whole run

} // namespace

void SetInstalledDataFolder(const std::string& folder) { installedData = folder; }

const std::string& InstalledDataFolder() { return installedData; }

std::string DataFilePath(const std::string& path) {
    if (installedData.empty()) {
        return path;
    }
    const size_t slash = path.find('/');
    if (slash == std::string::npos) {
        return path;
    }
    const std::string top = path.substr(0, slash);
    if ((top != "images" && top != "sounds") || std::filesystem::is_directory(top)) {
        return path;
    }
    return installedData + "/" + path;
}
