// racesim: N seeded races run headless with the game's own code, and what they add up to.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/command_line.h"
#include "tools/racesim/clip_clock.h"
#include "tools/racesim/headless_race.h"
#include "tools/racesim/race_stats.h"

namespace {

constexpr const char* kUsage =
    "usage: racesim [--races N] [--seed S] [--fps F] [--follow P|all] [--jobs J] [--data DIR]\n"
    "               [--announce]\n"
    "  --races N     races to run (1000)\n"
    "  --seed S      seed of the first race; each race has its own seed from it (1)\n"
    "  --fps F       frames a second the races run at, 1..1000 (60)\n"
    "  --follow P    the place the camera follows, 1..10, or all: each in turn (1)\n"
    "  --jobs J      worker processes, 1..64 (1)\n"
    "  --data DIR    the folder holding horses/ (the current folder); nothing is written\n"
    "  --announce    the announcer calls every race on a clip clock, its rules checked\n"
    "Exit status: 0 when every race kept every rule, 1 when one did not, 2 for a bad command.\n";

struct Options {
    long races = 1000;
    uint32_t seed = 1;
    int fps = 60;
    int follow = 1; // 0: each place in turn
    int jobs = 1;
    std::string data = ".";
    bool announce = false;
};

bool Parse(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--announce") {
            options->announce = true;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const char* value = argv[++i];
        long number = 0;
        if (arg == "--races" && Number(value, 1, 100000000, &number)) {
            options->races = number;
        } else if (arg == "--seed" && Number(value, 0, 4294967295L, &number)) {
            options->seed = static_cast<uint32_t>(number);
        } else if (arg == "--fps" && Number(value, 1, 1000, &number)) {
            options->fps = static_cast<int>(number);
        } else if (arg == "--follow" && std::strcmp(value, "all") == 0) {
            options->follow = 0;
        } else if (arg == "--follow" && Number(value, 1, 10, &number)) {
            options->follow = static_cast<int>(number);
        } else if (arg == "--jobs" && Number(value, 1, 64, &number)) {
            options->jobs = static_cast<int>(number);
        } else if (arg == "--data") {
            options->data = value;
        } else {
            return false;
        }
    }
    return true;
}

// Each race's own seed, well mixed from the run's seed and the race's number, so that races
// stand alone whichever worker runs them.
uint32_t RaceSeed(uint32_t seed, long race) {
    uint64_t z =
        (static_cast<uint64_t>(seed) << 32 | static_cast<uint32_t>(race)) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(z ^ (z >> 31));
}

RaceStats RunShare(const Options& options, int job) {
    RaceStats stats{};
    PrepareHeadlessRaces();
    if (options.announce) {
        InstallClipClock(options.fps);
    }
    HeadlessRace how;
    how.fps = options.fps;
    how.announce = options.announce;
    for (long race = job; race < options.races; race += options.jobs) {
        how.follow = options.follow != 0 ? options.follow : static_cast<int>(race % 10) + 1;
        AddRace(&stats, RunHeadlessRace(RaceSeed(options.seed, race), how));
    }
    if (options.announce) {
        const ClipClockReport& report = ClipClockResult();
        stats.announcerClips = report.clips;
        stats.announcerViolations = report.violations;
        if (stats.firstProblem[0] == '\0' && !report.first.empty()) {
            std::snprintf(stats.firstProblem, sizeof stats.firstProblem, "announcer: %s",
                          report.first.front().c_str());
        }
    }
    return stats;
}

bool ReadAll(int fd, void* bytes, size_t size) {
    auto* at = static_cast<char*>(bytes);
    while (size > 0) {
        const ssize_t got = read(fd, at, size);
        if (got <= 0) {
            return false;
        }
        at += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

// The game's state is global, so each worker is a process of its own; it hands its share of
// the numbers back through a pipe.
bool RunWorkers(const Options& options, RaceStats* total) {
    if (options.jobs == 1) {
        *total = RunShare(options, 0);
        return true;
    }
    std::vector<int> pipes;
    std::vector<pid_t> workers;
    for (int job = 0; job < options.jobs; ++job) {
        int ends[2];
        if (pipe(ends) != 0) {
            return false;
        }
        const pid_t pid = fork();
        if (pid < 0) {
            return false;
        }
        if (pid == 0) {
            close(ends[0]);
            const RaceStats share = RunShare(options, job);
            const bool sent = write(ends[1], &share, sizeof share) == sizeof share;
            _exit(sent ? 0 : 1);
        }
        close(ends[1]);
        pipes.push_back(ends[0]);
        workers.push_back(pid);
    }
    bool ok = true;
    for (size_t k = 0; k < pipes.size(); ++k) {
        RaceStats share{};
        ok = ReadAll(pipes[k], &share, sizeof share) && ok;
        close(pipes[k]);
        int status = 0;
        waitpid(workers[k], &status, 0);
        MergeStats(total, share);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::error_code error;
    std::filesystem::current_path(options.data, error);
    if (error || !std::filesystem::exists("horses/1.txt")) {
        std::fprintf(stderr, "racesim: no horses/ in %s\n", options.data.c_str());
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    RaceStats total{};
    if (!RunWorkers(options, &total)) {
        std::fprintf(stderr, "racesim: a worker failed\n");
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    PrintStats(stdout, total, options.fps, seconds, options.jobs);
    return Problems(total) == 0 ? 0 : 1;
}
