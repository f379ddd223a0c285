// Helpers the tests share: scratch folders, .bmp files built byte by byte, the generated data
// and runs of the game's own program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& path() const { return folder; }
    std::string File(const std::string& name) const { return (folder / name).string(); }

  private:
    std::filesystem::path folder;
};

// Runs the test body with the working directory set to a folder, then goes back.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::filesystem::path& folder);
    ~WorkingDirectory();

  private:
    std::filesystem::path previous;
};

struct Rgb {
    uint8_t r, g, b;
};

// A .bmp file of the given depth (24 unless said) from rows given top to bottom. Rows are
// padded to four bytes as the format wants; bottomUp false writes a negative height.
std::vector<uint8_t> MakeBmp(int width, int height, const std::vector<Rgb>& topDownPixels,
                             bool bottomUp = true);

// Little-endian stores into a byte buffer, for damaging headers on purpose.
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);

// The game's generated pictures, sounds and starting horses, as the build made them (its
// share/stridewell folder); the one place every test finds the generated data.
const std::filesystem::path& GeneratedGameData();

// Fills a data folder for one game: the generated pictures and sounds, and a fresh copy of the
// starting horses (a game writes to them).
void PrepareGameDataFolder(const std::filesystem::path& folder);

// Runs the game's own executable headless with these arguments; its exit status and all it
// printed.
struct GameRun {
    int status;
    std::string output;
};
// A shell prefix (a ulimit, a user switch) may stand before the game in the command.
GameRun RunGameBinary(const std::string& arguments, const char* audioDriver = "dummy",
                      const std::string& prefix = "");

// Writes a script into a data folder and plays it there with the game's own executable; the
// options (a seed, a frame rate) follow --windowed.
GameRun PlayScript(const std::filesystem::path& data, const std::string& script,
                   const std::string& options, const char* audioDriver = "dummy",
                   const std::string& prefix = "");

// Plays the game inside the test's own process (so its state can be read afterwards) on a data
// folder, by a script written into it, at 60 frames a second; the working directory is put back.
int PlayInProcess(const std::filesystem::path& data, const std::string& script, int seed,
                  void (*frameHook)() = nullptr);

// Starts a script whose frame numbers count from the next picture presented on; a line that
// does not parse fails the test.
void StartScriptFromNextFrame(const std::string& lines);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<std::string> ReadLines(const std::string& path);
