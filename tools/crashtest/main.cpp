// crashtest: kills the game's saves and the game itself with SIGKILL at seeded random moments
// and checks that every file reads back whole after each kill.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "assets/generator.h"
#include "tools/autoplay/autoplayer.h"
#include "tools/command_line.h"
#include "tools/crashtest/crash_checks.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: crashtest [--kills N] [--game-kills N] [--seed S] [--data DIR]\n"
    "  --kills N       kills of a child saving settings.stn and the horse files (500)\n"
    "  --game-kills N  kills of a child playing the game, each followed by a race played\n"
    "                  on what it left (20)\n"
    "  --seed S        the seed of the moments and of the games (1)\n"
    "  --data DIR      a data folder to play a copy of; without it one is generated\n"
    "Exit status: 0 when every file read back whole, 1 when one did not, 2 for a bad command.\n";

std::string MakeFolder() {
    char pattern[] = "/tmp/stridewell-crash-XXXXXX";
    return mkdtemp(pattern) == nullptr ? std::string() : std::string(pattern);
}

// A data folder with a new saved game, the stakes from its second day of three races.
bool PrepareGameFolder(const std::string& data, const std::string& folder) {
    if (!data.empty()) {
        std::error_code fault;
        fs::copy(data, folder, fs::copy_options::recursive, fault);
        if (fault) {
            std::fprintf(stderr, "crashtest: cannot copy %s: %s\n", data.c_str(),
                         fault.message().c_str());
            return false;
        }
    } else if (const GeneratorResult made = GenerateGameData(folder); !made.error.empty()) {
        std::fprintf(stderr, "crashtest: cannot make the game's data: %s\n", made.error.c_str());
        return false;
    }
    return WriteQuickSavedGame(folder, 3, 1);
}

void Print(const char* what, const CrashReport& report) {
    std::printf("%s: %i kills, %i left a cut-short save (.tmp) behind, %i changed the saved "
                "game; %s\n",
                what, report.kills, report.leftTemporaries, report.newerSettings,
                report.failure.empty() ? "every file read back whole" : report.failure.c_str());
}

} // namespace

int main(int argc, char** argv) {
    long kills = 500;
    long gameKills = 20;
    long seed = 1;
    std::string data;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[++i] : "";
        const bool good = (arg == "--kills" && Number(value, 0, 1000000, &kills)) ||
                          (arg == "--game-kills" && Number(value, 0, 100000, &gameKills)) ||
                          (arg == "--seed" && Number(value, 0, 4294967295L, &seed)) ||
                          (arg == "--data" && (data = value, true));
        if (!good) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    const std::string saving = MakeFolder();
    const std::string playing = MakeFolder();
    if (saving.empty() || playing.empty() || !PrepareGameFolder(data, playing)) {
        std::fprintf(stderr, "crashtest: cannot prepare the working folders\n");
        return 1;
    }
    const CrashReport saves =
        KillSavingChild(saving, static_cast<int>(kills), static_cast<uint32_t>(seed));
    Print("saving child", saves);
    std::fflush(stdout);
    const CrashReport games =
        KillPlayingGame(playing, static_cast<int>(gameKills), static_cast<uint32_t>(seed));
    Print("playing game", games);
    const bool whole = saves.failure.empty() && games.failure.empty();
    if (whole) {
        fs::remove_all(saving);
        fs::remove_all(playing);
    } else {
        std::printf("crashtest: the working folders are kept: %s %s\n", saving.c_str(),
                    playing.c_str());
    }
    return whole ? 0 : 1;
}
