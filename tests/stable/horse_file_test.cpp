// The horse file format: the fields, the read limits, the "~" rule and out-of-range ratings.
// Files that lead nowhere are played through by DataFolderFailuresTest, a failed write by
// UpdateHorseFiles.
#include "stable/horse_file.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "tests/stable/stable_support.h"

namespace {

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

HorseRecord Read(const std::string& text) {
    WriteText("horses/1.txt", text);
    HorseRecord horse;
    EXPECT_EQ(ReadHorseFile("horses/1.txt", &horse), 1);
    return horse;
}

// Files the game wrote, with or without the last newline, are read back by the soak's referee.
TEST(HorseFile, EachLineIsReadIntoItsOwnField) {
    StableFolder game;
    const std::string afterRace = "Silver Dancer~\n12.5\n8.0\n10.2\n9.3\n7\n2\n1\n3";
    const HorseRecord horse = Read(afterRace);
    EXPECT_STREQ(horse.name, "Silver Dancer");
    const float ratings[] = {12.5f, 8.0f, 10.2f, 9.3f};
    for (int i = 0; i < kRatingCount; ++i) {
        EXPECT_FLOAT_EQ(horse.*kRatings[i], ratings[i]) << i;
    }
    EXPECT_EQ((std::array{horse.races, horse.wins, horse.places, horse.shows}),
              (std::array<int32_t, 4>{7, 2, 1, 3}));
    EXPECT_EQ(FormatHorseFile(horse, false), afterRace);
}

// Each file as read and written back: long lines are cut, not read as the next field; ratings
// out of range take the nearest valid value (100000 once froze the race); numbers take blanks
// and plus signs as the classic conversions do.
TEST(HorseFile, WhatIsReadIsWhatIsWrittenBack) {
    StableFolder game;
    const std::string longName(40, 'N');
    const struct {
        std::string file, writtenBack;
    } kFiles[] = {
        {"Plain Name\n10.0\n10.0\n10.0\n10.0\n1\n0\n0\n0\n",
         "Plain Name~\n10.0\n10.0\n10.0\n10.0\n1\n0\n0\n0"}, // no tilde
        {longName + "~\n12.50000000000001\n8.0\n10.0\n9.0\n123456789012\n2\n1\n3",
         std::string(kNameLineLimit, 'N') + "~\n12.5\n8.0\n10.0\n9.0\n123456789\n2\n1\n3"},
        {"Broken~\n100000\nnan\n1e30\n-inf\n1\n0\n0\n0",
         "Broken~\n100.0\n1.0\n100.0\n1.0\n1\n0\n0\n0"},
        {"", "~\n1.0\n1.0\n1.0\n1.0\n0\n0\n0\n0"},
        {"Spaced~\n  7.5\n+8\n9.5xyz\n10\n +4\n-2\n1\n0",
         "Spaced~\n7.5\n8.0\n9.5\n10.0\n4\n-2\n1\n0"},
    };
    for (const auto& file : kFiles) {
        EXPECT_EQ(FormatHorseFile(Read(file.file), false), file.writtenBack) << file.file;
    }
    EXPECT_STREQ(Read(kFiles[0].file).name, "Plain Name\n"); // its newline kept
    // A name of exactly the limit still reads the same after being written back.
    EXPECT_STREQ(Read(kFiles[1].writtenBack).name, Read(kFiles[1].file).name);
    EXPECT_EQ(game.LogCount("horses/1.txt: acceleration 100000 out of range, set to 100.0"), 1);
    EXPECT_EQ(game.LogCount("horses/1.txt: speed nan out of range, set to 1.0"), 1);
}

TEST(HorseFile, OneDecimalRoundsTiesToEven) {
    HorseRecord horse{};
    std::snprintf(horse.name, sizeof horse.name, "Ties");
    horse.acceleration = 10.25f;
    horse.speed = 10.75f;
    horse.closing = 9.125f;
    horse.endurance = 1000000.0f;
    EXPECT_EQ(FormatHorseFile(horse, false), "Ties~\n10.2\n10.8\n9.1\n1000000.0\n0\n0\n0\n0");
}

} // namespace
