// Saves killed mid-way, and what they leave on disk.
#include "tools/crashtest/crash_checks.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "core/save_file.h"
#include "core/settings_file.h"
#include "platform/file_bytes.h"
#include "stable/horse_file.h"
#include "tools/autoplay/autoplayer.h"
#include "tools/soak/referee.h"

namespace {

namespace fs = std::filesystem;

// A well-mixed step (splitmix), so that every bit of every draw is usable.
uint32_t Next(uint32_t* state) {
    uint64_t z = (*state += 0x9E3779B9u) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 31)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(z >> 32);
}

// Generation g of the saved game: every checked field follows from g, so a file holding
// parts of two generations cannot pass.
SettingsBlock SettingsOf(int32_t g) {
    SettingsBlock block{};
    block.currentDay = 1 + g % 28;
    block.currentMonth = 1;
    block.currentYear = 2002 + g % 1000;
    block.raceOfDay = 1 + g % 10;
    block.daysToStakes = g % 11;
    std::snprintf(block.topPlayers[0].name, sizeof block.topPlayers[0].name, "Gen%i", g);
    block.topPlayers[0].money = g;
    for (int i = 0; i < kHorseCount; ++i) {
        block.stakesRanking[i] = {static_cast<float>(1 + (i + g) % 1000),
                                  1 + (i + g) % kHorseCount};
    }
    block.numPlayers = 1 + g % 4;
    return block;
}

// Generations step the ratings by tenths, within what a horse file is read with.
constexpr int32_t kRatingTenths = 900;
static_assert(kRatingTenths / 10.0f + 1.0f + 3.0f <= kMaxRating);

HorseRecord HorseOf(int number, int32_t g) {
    HorseRecord horse{};
    std::snprintf(horse.name, sizeof horse.name, "Crash %i %i", number, g);
    horse.acceleration = static_cast<float>(1 + g % kRatingTenths) / 10.0f + 1.0f;
    horse.speed = horse.acceleration + 1.0f;
    horse.closing = horse.acceleration + 2.0f;
    horse.endurance = horse.acceleration + 3.0f;
    horse.races = g % 100000000;
    horse.wins = horse.races / 2;
    horse.places = horse.races / 3;
    horse.shows = horse.races / 4;
    return horse;
}

bool SaveGeneration(int32_t g) {
    const std::vector<uint8_t> settings = EncodeSettingsFile(SettingsOf(g));
    if (!SaveWholeFile("settings.stn", settings.data(), settings.size())) {
        return false;
    }
    for (int number = 1; number <= kHorseCount; ++number) {
        if (!WriteHorseFile(HorseFilePath(number), HorseOf(number, g), g % 2 == 0)) {
            return false;
        }
    }
    return true;
}

// The generation a whole settings.stn holds, or -1 for a damaged one.
int32_t SettingsGeneration() {
    const std::vector<uint8_t> bytes = ReadFileBytes("settings.stn", kMaxSettingsFileSize);
    SettingsBlock block{};
    if (DecodeSettingsFile(bytes, &block) != kSettingsBlockSize ||
        EncodeSettingsFile(block) != bytes) {
        return -1;
    }
    const int32_t g = block.topPlayers[0].money;
    return g >= 0 && EncodeSettingsFile(SettingsOf(g)) == bytes ? g : -1;
}

// A horse file the game reads back to what it wrote, the same bytes again.
bool HorseFileWhole(int number, HorseRecord* horse) {
    const std::string path = HorseFilePath(number);
    const std::vector<uint8_t> bytes = ReadFileBytes(path.c_str(), 4096);
    const std::string text(bytes.begin(), bytes.end());
    return !text.empty() && ReadHorseFromMemory(text.data(), text.size(), path, horse) &&
           (text == FormatHorseFile(*horse, true) || text == FormatHorseFile(*horse, false));
}

std::string CheckGeneratedFiles(int32_t* settingsGeneration) {
    *settingsGeneration = SettingsGeneration();
    if (*settingsGeneration < 0) {
        return "settings.stn is not one generation whole";
    }
    for (int number = 1; number <= kHorseCount; ++number) {
        HorseRecord horse{};
        int read = 0;
        int32_t g = -1;
        if (HorseFileWhole(number, &horse) &&
            std::sscanf(horse.name, "Crash %i %i", &read, &g) == 2 && read == number && g >= 0) {
            const HorseRecord expected = HorseOf(number, g);
            if (FormatHorseFile(horse, true) == FormatHorseFile(expected, true)) {
                continue;
            }
        }
        return HorseFilePath(number) + " is not one generation whole";
    }
    return {};
}

bool AnyTemporaryLeft() {
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        if (entry.path().extension() == ".tmp") {
            return true;
        }
    }
    return false;
}

void KillAndReap(pid_t child) {
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
}

// Every file the game keeps, read back as the game reads it: the saved game whole and within
// its limits, every horse file the same bytes when written again.
std::string CheckGameFiles() {
    const std::vector<uint8_t> bytes = ReadFileBytes("settings.stn", kMaxSettingsFileSize);
    SettingsBlock block{};
    if (DecodeSettingsFile(bytes, &block) != kSettingsBlockSize ||
        EncodeSettingsFile(block) != bytes) {
        return "settings.stn is not whole";
    }
    if (ValidateSettingsBlock(&block) != 0) {
        return "settings.stn holds a value outside its limits";
    }
    for (int number = 1; number <= kHorseCount; ++number) {
        HorseRecord horse{};
        if (!HorseFileWhole(number, &horse)) {
            return HorseFilePath(number) + " is not whole";
        }
    }
    return {};
}

// Plays one game in a child process with its output in a file; the child's id.
pid_t StartGame(const std::string& folder, const AutoplayPlan& plan, uint32_t seed,
                const std::string& log, int reportTo) {
    const pid_t child = fork();
    if (child != 0) {
        return child;
    }
    const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (output >= 0) {
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
    }
    StartAutoplay(plan);
    StartReferee();
    const int status = RunAutoplayedGame(folder, seed, 10);
    RefereeGameEnded();
    if (reportTo >= 0) {
        char failure[512];
        std::snprintf(failure, sizeof failure, "%s", RefereeFailure().c_str());
        if (failure[0] == '\0' && status != 0) {
            std::snprintf(failure, sizeof failure, "the game ended with status %i", status);
        }
        const bool sent = write(reportTo, failure, sizeof failure) == sizeof failure;
        _exit(sent ? 0 : 1);
    }
    _exit(status);
}

} // namespace

CrashReport KillSavingChild(const std::string& folder, int kills, uint32_t seed) {
    CrashReport report{};
    const fs::path back = fs::current_path();
    fs::current_path(folder);
    fs::create_directories("horses");
    if (!SaveGeneration(0)) {
        report.failure = "the first generation cannot be saved";
    }
    uint32_t draws = seed;
    int32_t lastSettings = 0;
    for (int kill = 0; kill < kills && report.failure.empty(); ++kill) {
        const int32_t first = (kill + 1) * 100000;
        const pid_t child = fork();
        if (child == 0) {
            for (int32_t g = first;; ++g) {
                if (!SaveGeneration(g)) {
                    _exit(1);
                }
            }
        }
        // Anywhere from before the first write to a few generations in.
        std::this_thread::sleep_for(std::chrono::microseconds(Next(&draws) % 30000));
        KillAndReap(child);
        report.kills += 1;
        report.leftTemporaries += AnyTemporaryLeft() ? 1 : 0;
        int32_t g = -1;
        report.failure = CheckGeneratedFiles(&g);
        report.newerSettings += g > lastSettings ? 1 : 0;
        lastSettings = g;
        if (!report.failure.empty()) {
            report.failure = "after kill " + std::to_string(kill + 1) + ": " + report.failure;
        }
    }
    fs::current_path(back);
    return report;
}

CrashReport KillPlayingGame(const std::string& folder, int kills, uint32_t seed) {
    CrashReport report{};
    const fs::path back = fs::current_path();
    fs::current_path(folder);
    const std::string log = (fs::current_path() / "crash-games.txt").string();
    uint32_t draws = seed;
    for (int kill = 0; kill < kills && report.failure.empty(); ++kill) {
        const std::vector<uint8_t> before = ReadFileBytes("settings.stn", kMaxSettingsFileSize);
        AutoplayPlan plan{.players = 2, .seed = Next(&draws), .races = 20};
        const pid_t child = StartGame(folder, plan, Next(&draws), log, -1);
        // About 1 s a race on the soak's clock: anywhere in the first two days.
        std::this_thread::sleep_for(std::chrono::milliseconds(200 + Next(&draws) % 20000));
        KillAndReap(child);
        report.kills += 1;
        report.leftTemporaries += AnyTemporaryLeft() ? 1 : 0;
        report.failure = CheckGameFiles();
        report.newerSettings +=
            ReadFileBytes("settings.stn", kMaxSettingsFileSize) != before ? 1 : 0;
        if (report.failure.empty()) {
            // The next start takes what the kill left and must race on it.
            int channel[2];
            if (pipe(channel) != 0) {
                report.failure = "no pipe";
                break;
            }
            AutoplayPlan next{.players = 3, .seed = Next(&draws), .races = 1};
            next.resultsShown = RefereeResultsShown;
            next.raceLeft = RefereeRaceLeft;
            const pid_t game = StartGame(folder, next, Next(&draws), log, channel[1]);
            close(channel[1]);
            char failure[512] = "the next start ended without a report";
            const bool heard = read(channel[0], failure, sizeof failure) == sizeof failure;
            close(channel[0]);
            int status = 0;
            waitpid(game, &status, 0);
            report.failure = heard ? failure : "the next start ended without a report";
            if (report.failure.empty()) {
                report.failure = CheckGameFiles();
            }
        }
        if (!report.failure.empty()) {
            report.failure = "after kill " + std::to_string(kill + 1) + ": " + report.failure;
        }
    }
    fs::current_path(back);
    return report;
}
