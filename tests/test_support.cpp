// Helpers the tests share: scratch folders, .bmp files built byte by byte, the generated data
// and runs of the game's own program.
#include "tests/test_support.h"

#include "platform/display.h"
#include "platform/script.h"
#include "shell/main_loop.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

ScratchFolder::ScratchFolder() {
    std::random_device seed;
    folder = std::filesystem::temp_directory_path() /
             ("stridewell-test-" + std::to_string(getpid()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(folder);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& folder)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

WorkingDirectory::~WorkingDirectory() { std::filesystem::current_path(previous); }

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    Put16(bytes, at, static_cast<uint16_t>(value));
    Put16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

std::vector<uint8_t> MakeBmp(int width, int height, const std::vector<Rgb>& pixels, bool bottomUp) {
    const size_t stride = (3 * static_cast<size_t>(width) + 3) & ~size_t{3};
    const size_t imageSize = stride * height;
    std::vector<uint8_t> bytes(54 + imageSize, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    Put32(bytes, 10, 54);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<uint32_t>(width));
    Put32(bytes, 22, static_cast<uint32_t>(bottomUp ? height : -height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, 24);
    Put32(bytes, 34, static_cast<uint32_t>(imageSize));
    for (int row = 0; row < height; ++row) {
        const int fileRow = bottomUp ? height - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<size_t>(row) * width + x];
            uint8_t* out = &bytes[54 + fileRow * stride + 3 * x];
            out[0] = p.b;
            out[1] = p.g;
            out[2] = p.r;
        }
    }
    return bytes;
}

void StartScriptFromNextFrame(const std::string& lines) {
    std::istringstream in(lines);
    std::string text;
    for (std::string line; std::getline(in, line);) {
        const size_t space = line.find(' ');
        text += std::to_string(std::stol(line.substr(0, space)) + PresentedFrameCount()) +
                line.substr(space) + "\n";
    }
    std::vector<ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(ParseScript(text, "/tmp", &commands, &error)) << error;
    StartScript(commands);
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

const std::filesystem::path& GeneratedGameData() {
    static const std::filesystem::path folder = STRIDEWELL_BUILD_DATA;
    return folder;
}

void PrepareGameDataFolder(const std::filesystem::path& folder) {
    const std::filesystem::path& data = GeneratedGameData();
    std::filesystem::create_directories(folder);
    std::filesystem::create_directory_symlink(data / "images", folder / "images");
    std::filesystem::create_directory_symlink(data / "sounds", folder / "sounds");
    std::filesystem::copy(data / "horses", folder / "horses");
}

GameRun RunGameBinary(const std::string& arguments, const char* audioDriver,
                      const std::string& prefix) {
    const std::string command = prefix +
                                " env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=" + audioDriver + " " +
                                STRIDEWELL_BINARY + " " + arguments + " 2>&1";
    GameRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        run.output += buffer;
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

GameRun PlayScript(const std::filesystem::path& data, const std::string& script,
                   const std::string& options, const char* audioDriver, const std::string& prefix) {
    const std::string path = (data / "play.txt").string();
    WriteBytes(path, std::vector<uint8_t>(script.begin(), script.end()));
    return RunGameBinary("--windowed " + options + " --data " + data.string() + " --script " + path,
                         audioDriver, prefix);
}

int PlayInProcess(const std::filesystem::path& data, const std::string& script, int seed,
                  void (*frameHook)()) {
    const std::string path = (data / "script.txt").string();
    WriteBytes(path, std::vector<uint8_t>(script.begin(), script.end()));
    std::vector<std::string> args = {"stridewell",  "--windowed", "--seed", std::to_string(seed),
                                     "--fixed-fps", "60",         "--data", data.string(),
                                     "--script",    path};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    // The game moves into its data folder.
    const WorkingDirectory comeBack(std::filesystem::current_path());
    return RunStridewell(static_cast<int>(argv.size()), argv.data(), frameHook);
}
