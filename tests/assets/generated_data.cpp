// The shared generated data of the asset tests.
#include "tests/assets/generated_data.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/generator.h"

namespace {

std::string Make() {
    const std::filesystem::path folder = STRIDEWELL_ASSET_TEST_DATA;
    std::error_code ec;
    std::filesystem::create_directories(folder.parent_path(), ec);
    // ctest runs test processes side by side: one generates, the others wait and reuse.
    const std::string lockPath = folder.string() + ".lock";
    const int lock = open(lockPath.c_str(), O_CREAT | O_RDWR, 0644);
    if (lock >= 0) {
        flock(lock, LOCK_EX);
    }
    std::ifstream stamp(folder / kStampFile);
    std::stringstream text;
    text << stamp.rdbuf();
    if (text.str() != DataStamp()) {
        // A new generator: start from nothing, horses included.
        std::filesystem::remove_all(folder, ec);
    }
    const GeneratorResult result = GenerateGameData(folder.string());
    if (lock >= 0) {
        flock(lock, LOCK_UN);
        close(lock);
    }
    if (!result.error.empty()) {
        std::fprintf(stderr, "stridewell-data failed: %s\n", result.error.c_str());
        return "";
    }
    return folder.string();
}

} // namespace

const std::string& GeneratedDataFolder() {
    static const std::string folder = Make();
    return folder;
}
