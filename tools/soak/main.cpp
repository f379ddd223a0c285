// soak: plays the game unattended for a thousand races and more, one to four players betting
// at random, and stops at the first broken invariant.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "assets/generator.h"
#include "tools/autoplay/autoplayer.h"
#include "tools/command_line.h"
#include "tools/soak/referee.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: soak [--races N] [--days N] [--seed S] [--players P] [--data DIR] [--fps F]\n"
    "            [--keep]\n"
    "  --races N    races to play (1000)\n"
    "  --days N     race days to play instead, when given\n"
    "  --seed S     the seed of the game's draws and of the players' choices (1)\n"
    "  --players P  players in every game, 1..4; 0: each game draws its own (0)\n"
    "  --data DIR   a data folder to play a copy of (its saved game too, if it has one);\n"
    "               without it the game's data is generated afresh\n"
    "  --fps F      frames a second on the game's virtual clock, 5..60 (20)\n"
    "  --keep       keep the working folder (it is always kept after a broken invariant)\n"
    "The soak plays games of 40 to 160 races, each a new game continuing the saved one with\n"
    "its own players, through the game's own screens. After every race it checks every\n"
    "player's money against the stakes and payouts, the ten runners and the stakes tables,\n"
    "every horse file and the saved game.\n"
    "Exit status: 0 when nothing broke, 1 at the first broken invariant, 2 for a bad command.\n";

struct Options {
    long races = 1000;
    long days = 0;
    uint32_t seed = 1;
    int players = 0;
    std::string data;
    int fps = 20;
    bool keep = false;
};

bool Parse(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--keep") {
            options->keep = true;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const char* value = argv[++i];
        long number = 0;
        if (arg == "--races" && Number(value, 1, 10000000, &number)) {
            options->races = number;
        } else if (arg == "--days" && Number(value, 1, 1000000, &number)) {
            options->days = number;
            options->races = 0;
        } else if (arg == "--seed" && Number(value, 0, 4294967295L, &number)) {
            options->seed = static_cast<uint32_t>(number);
        } else if (arg == "--players" && Number(value, 0, 4, &number)) {
            options->players = static_cast<int>(number);
        } else if (arg == "--fps" && Number(value, 5, 60, &number)) {
            options->fps = static_cast<int>(number);
        } else if (arg == "--data") {
            options->data = value;
        } else {
            return false;
        }
    }
    return true;
}

// The soak's own draws (game lengths, players, seeds), apart from the game's: a well-mixed
// step (splitmix), so that every bit of every draw is usable.
uint32_t Next(uint32_t* state) {
    uint64_t z = (*state += 0x9E3779B9u) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 31)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(z >> 32);
}

// A copy of the data folder, or freshly generated data; a new saved game with a minute
// between races when there is none, so the soak spends its time racing.
bool PrepareFolder(const Options& options, const fs::path& folder) {
    if (!options.data.empty()) {
        std::error_code fault;
        fs::copy(options.data, folder, fs::copy_options::recursive, fault);
        if (fault) {
            std::fprintf(stderr, "soak: cannot copy %s: %s\n", options.data.c_str(),
                         fault.message().c_str());
            return false;
        }
    } else {
        const GeneratorResult made = GenerateGameData(folder.string());
        if (!made.error.empty()) {
            std::fprintf(stderr, "soak: cannot make the game's data: %s\n", made.error.c_str());
            return false;
        }
    }
    if (!fs::exists(folder / "settings.stn") && !WriteQuickSavedGame(folder.string(), 10, 10)) {
        std::fprintf(stderr, "soak: cannot write a saved game into %s\n", folder.c_str());
        return false;
    }
    return true;
}

// What one game gives the soak.
struct GameReport {
    SoakCount count;
    std::string failure;
};

// One game, in this process like every other: the game starts each run from its start-of-run
// state. Its output goes to a file in the working folder.
GameReport PlayGame(const fs::path& folder, int number, const AutoplayPlan& plan, uint32_t gameSeed,
                    int fps, long dayLimit) {
    const std::string log = folder / ("soak-game-" + std::to_string(number) + ".txt");
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(STDOUT_FILENO);
    const int savedErr = dup(STDERR_FILENO);
    const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (output >= 0) {
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        close(output);
    }
    StartAutoplay(plan);
    StartReferee();
    SetRefereeDayLimit(static_cast<int>(dayLimit));
    const int status = RunAutoplayedGame(folder.string(), gameSeed, fps);
    RefereeGameEnded();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);

    GameReport report{RefereeCount(), RefereeFailure()};
    if (report.failure.empty() && status != 0) {
        report.failure = "the game ended with status " + std::to_string(status) + "; see " +
                         fs::path(log).filename().string();
    }
    return report;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    char pattern[] = "/tmp/stridewell-soak-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("soak: cannot make a working folder");
        return 1;
    }
    const fs::path folder = pattern;
    if (!PrepareFolder(options, folder)) {
        return 1;
    }
    std::printf("soak: seed %u, working folder %s\n", options.seed, folder.c_str());
    std::fflush(stdout);

    uint32_t draws = options.seed ^ 0x5EEDu;
    SoakCount total{};
    const auto start = std::chrono::steady_clock::now();
    std::string failure;
    for (int game = 1; failure.empty(); ++game) {
        const long racesLeft = options.races > 0 ? options.races - total.races : 1000000;
        const long daysLeft = options.days > 0 ? options.days - total.days : 0;
        if (racesLeft <= 0 || (options.days > 0 && daysLeft <= 0)) {
            break;
        }
        AutoplayPlan plan;
        plan.players =
            options.players > 0 ? options.players : 1 + static_cast<int>(Next(&draws) % 4);
        plan.seed = Next(&draws);
        plan.races = static_cast<int>(std::min<long>(racesLeft, 40 + Next(&draws) % 121));
        plan.sometimesRestart = true;
        plan.resultsShown = RefereeResultsShown;
        plan.raceLeft = RefereeRaceLeft;
        const GameReport report = PlayGame(folder, game, plan, Next(&draws), options.fps, daysLeft);
        total.races += report.count.races;
        total.days += report.count.days;
        total.series += report.count.series;
        total.bets += report.count.bets;
        failure = report.failure;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("game %i: %i player%s, %i races, %i days, %i stakes series; in all %i races, "
                    "%.2f races/s\n",
                    game, plan.players, plan.players == 1 ? "" : "s", report.count.races,
                    report.count.days, report.count.series, total.races,
                    total.races / std::max(seconds, 1e-3));
        std::fflush(stdout);
        if (!failure.empty()) {
            std::printf("soak: BROKEN at seed %u, game %i, %s\n", options.seed, game,
                        failure.c_str());
            std::printf("soak: the working folder is kept: %s\n", folder.c_str());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %i races, %i days, %i stakes series, %i bets: no broken invariant; "
                "%.2f races/s\n",
                total.races, total.days, total.series, total.bets,
                total.races / std::max(seconds, 1e-3));
    if (options.keep) {
        std::printf("soak: the working folder is kept: %s\n", folder.c_str());
    } else {
        fs::remove_all(folder);
    }
    return 0;
}
