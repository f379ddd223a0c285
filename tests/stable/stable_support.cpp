// Helpers the stable's tests share: a game folder with horse files, and the boxes shown.
#include "tests/stable/stable_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

#include "core/settings_file.h"
#include "platform/debug_log.h"
#include "platform/random.h"
#include "platform/script.h"
#include "shell/game_reset.h"
#include "stable/calendar.h"
#include "stable/field_draw.h"
#include "stable/horse_file.h"
#include "stable/horse_updates.h"
#include "stable/odds.h"
#include "stable/stakes.h"

StableFolder::StableFolder() : inFolder(folder.path()) {
    std::filesystem::create_directory(folder.path() / "horses");
    ResetGameState();
    bugLog.Open();
}

StableFolder::~StableFolder() { ResetGameState(); }

int StableFolder::LogCount(const std::string& text) const {
    int count = 0;
    for (const std::string& line : ReadLines(folder.File("buglog.txt"))) {
        count += line.find(text) != std::string::npos;
    }
    return count;
}

std::string DateLine() {
    char text[40];
    FormatDate(text, sizeof text);
    return text;
}

void ExpectSaveLoadsBack(const std::string& state) {
    const SettingsBlock kept = settingsBlock;
    postTimeMinutes = 0;
    postTimeSeconds = 37.5f;
    SettingsBlock expected = settingsBlock;
    expected.postTimeMinutes = expected.timeBetweenRaces;
    expected.postTimeSeconds = 0.0f;
    ASSERT_EQ(SaveSettings(), 1) << state;
    settingsBlock = SettingsBlock{};
    ASSERT_EQ(LoadSettings(), 1) << state;
    EXPECT_EQ(EncodeSettingsFile(settingsBlock), EncodeSettingsFile(expected)) << state;
    settingsBlock = kept;
}

void WriteHorse(int number, const HorseSpec& spec) {
    HorseRecord horse{};
    std::snprintf(horse.name, sizeof horse.name, "%s", spec.name);
    for (int i = 0; i < kRatingCount; ++i) {
        horse.*kRatings[i] = spec.ratings[i];
    }
    horse.races = spec.races;
    horse.wins = spec.wins;
    horse.places = spec.places;
    horse.shows = spec.shows;
    ASSERT_EQ(WriteHorseFile(HorseFilePath(number), horse, false), 1);
}

void WriteStartingHorses() {
    std::string names[kHorseCount];
    const char* pointers[kHorseCount];
    for (int i = 0; i < kHorseCount; ++i) {
        names[i] = "Horse " + std::to_string(i + 1);
        pointers[i] = names[i].c_str();
    }
    ASSERT_EQ(WriteStartingHorseFiles("horses", pointers), 1);
}

void WriteHorseOfClass(int number, int32_t horseClass) {
    const std::string name = "Class " + std::to_string(horseClass);
    WriteHorse(
        number,
        {name.c_str(), {10, 10, 10, 10}, 3 * horseClass, horseClass, horseClass, horseClass});
}

BoxCapture::BoxCapture() {
    // A script that never ends makes every box go to the transcript on standard output.
    StartScript({{int64_t{1} << 40, ScriptAction::Quit, 0, 0, ""}});
    testing::internal::CaptureStdout();
}

BoxCapture::~BoxCapture() {
    Boxes();
    StopScript();
}

std::vector<std::string> BoxCapture::Boxes() {
    if (capturing) {
        capturing = false;
        std::istringstream lines(testing::internal::GetCapturedStdout());
        for (std::string line; std::getline(lines, line);) {
            const size_t at = line.find("box \"");
            if (at == std::string::npos) {
                continue;
            }
            const size_t close = line.find("\": ", at + 5);
            boxes.push_back(line.substr(at + 5, close - at - 5) + ": " + line.substr(close + 3));
        }
    }
    return boxes;
}
