// The settings file: its layout, the 0x0A encoding, short and damaged files, failed saves, and
// the preparation of a new game.
#include "core/settings_file.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "platform/input.h"
#include "shell/game_reset.h"
#include "stable/stakes.h"
#include "stable/stakes_field.h"
#include "tests/stable/stable_support.h"

namespace {

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void SetGameDate() {
    currentDay = 14;
    currentMonth = 6;
    currentYear = 2003;
    daysToStakes = 4;
    raceOfDay = 3;
    loadedRace = 3;
}

TEST(SettingsFile, FieldsArePackedOneByOneLittleEndianAtTheirOffsets) {
    SettingsBlock block;
    block.currentYear = 2002;
    std::snprintf(block.topPlayers[1].name, kTopPlayerNameSize, "Ann");
    block.topPlayers[1].money = 0x01020304;
    block.stakesEntries1[99].horseNumber = 0x11223344;
    block.stakesRanking[0] = {1.5f, 200};
    block.numPlayers = 3;
    block.racesPerDay = 12;
    const std::vector<uint8_t> file = EncodeSettingsFile(block);
    ASSERT_EQ(file.size(), kSettingsBlockSize);
    EXPECT_EQ(Get32(file, 8), 2002u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[24 + 32])), "Ann");
    EXPECT_EQ(Get32(file, 24 + 32 + 28), 0x01020304u);
    EXPECT_EQ(Get32(file, 960 + 99 * 12 + 4), 0x11223344u);
    EXPECT_EQ(Get32(file, 2164), 1u); // stakesRace
    EXPECT_EQ(Get32(file, 2168), std::bit_cast<uint32_t>(1.5f));
    EXPECT_EQ(Get32(file, 2172), 200u);
    EXPECT_EQ(Get32(file, 3892), 12u);
    EXPECT_EQ(Get32(file, 3912), 3u);
}

TEST(SettingsFile, BytesTenAndTwentySixRoundTripAndEveryTenCostsOneByteMore) {
    StableFolder game;
    SetGameDate();
    currentDay = 26;   // 0x1A: data, not the end of the file
    currentMonth = 10; // each 0x0A is stored as 0x0D 0x0A
    daysToStakes = 10;
    raceOfDay = 10;
    loadedRace = 10;
    racesPerDay = 10;
    // A real 0x0D right before a 0x0A: the rating's top byte, then horse 10's low byte.
    stakesRanking[0] = {std::bit_cast<float>(0x0D000000u), 10};
    ASSERT_EQ(SaveSettings(), 1);
    const std::vector<uint8_t> file = ReadBytes("settings.stn");
    EXPECT_EQ(file.size(), kSettingsBlockSize + 6);
    EXPECT_EQ(file[0], 0x1A);

    const SettingsBlock saved = settingsBlock;
    settingsBlock = SettingsBlock{};
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(EncodeSettingsFile(settingsBlock), EncodeSettingsFile(saved));
}

// Fields out of range take their defaults and the log names each; a short file fills what it
// holds and leaves the rest as it was.
TEST(SettingsFile, ADamagedFileKeepsWhatItCanAndTheLogSaysWhatWentBack) {
    StableFolder game;
    SettingsBlock bad;
    bad.currentDay = 45;
    bad.currentMonth = 11;
    bad.currentYear = 0;
    bad.daysToStakes = -3;
    bad.raceOfDay = 0;
    bad.loadedRace = 99;
    std::memset(bad.topPlayers[2].name, 'x', kTopPlayerNameSize);
    bad.topPlayers[2].money = 5000;
    bad.stakesEntries2[5].horseNumber = 300;
    bad.stakesEntries3[1].eliminated = 7;
    bad.stakesEntries4[0].rating = std::nanf("");
    bad.stakesRound = 9;
    bad.stakesRace = 5;
    bad.stakesRanking[214].horseNumber = -1;
    bad.stakesRanking[3].rating = INFINITY;
    bad.announcingOn = 2;
    bad.racesPerDay = 99;
    bad.treesOn = -1;
    bad.timeBetweenRaces = 0;
    bad.numPlayers = 5;
    WriteBytes("settings.stn", EncodeSettingsFile(bad));
    ASSERT_EQ(LoadSettings(), 1);
    // Beyond the calendar, each field's default is the block's start value.
    SettingsBlock expected;
    expected.currentDay = 1;
    expected.currentMonth = 1;
    expected.currentYear = 2002;
    expected.daysToStakes = 10;
    expected.raceOfDay = 1;
    EXPECT_EQ(EncodeSettingsFile(settingsBlock), EncodeSettingsFile(expected));
    EXPECT_EQ(game.LogCount("out of range"), 19);
    EXPECT_EQ(game.LogCount("settings.stn: racesPerDay out of range, set to 10"), 1);
    EXPECT_EQ(game.LogCount("settings.stn: stakesEntries2[5].horseNumber out of range, set to 0"),
              1);

    bad = SettingsBlock{};
    bad.currentDay = 3;
    bad.currentMonth = 3;
    bad.currentYear = 2009;
    bad.raceOfDay = 1;
    bad.stakesRound = 2;
    bad.stakesRace = 5; // round 2 has four races
    WriteBytes("settings.stn", EncodeSettingsFile(bad));
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(stakesRound, 2);
    EXPECT_EQ(stakesRace, 1);

    std::vector<uint8_t> file = EncodeSettingsFile(bad);
    file.resize(30);
    WriteBytes("settings.stn", file);
    SetGameDate();
    numPlayers = 3;
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(currentDay, 3);
    EXPECT_EQ(currentYear, 2009);
    EXPECT_EQ(loadedRace, 0);
    EXPECT_EQ(numPlayers, 3);
    EXPECT_EQ(game.LogCount("settings.stn is short: 30 of 3916 bytes read"), 1);
    WriteBytes("settings.stn", {});
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(currentDay, 3);
}

// A final naming entrants that are no horse plays with stand-ins; the next save names the
// stand-ins. Control characters in the top players' names go as the file is read.
TEST(SettingsFile, DamagedEntrantsAndNamesAreSavedBackClean) {
    StableFolder game;
    WriteStartingHorses();
    SettingsBlock crafted;
    SetGameDate();
    crafted.currentDay = currentDay;
    crafted.currentMonth = currentMonth;
    crafted.currentYear = currentYear;
    crafted.raceOfDay = 1;
    // The second name is split where a hex escape would otherwise swallow the "2J" after it.
    const char* const names[kTopPlayerCount] = {"Ev\x1b[31mil\x7f",
                                                ("\xc2\xc2\x9b\x9b"
                                                 "2J\tBob\x07"),
                                                "Zo\xc3\xab"};
    for (int i = 0; i < kTopPlayerCount; ++i) {
        std::snprintf(crafted.topPlayers[i].name, kTopPlayerNameSize, "%s", names[i]);
    }
    const int32_t entrants[kRound4Entries] = {0, -1, 216, 99999, 11, 12, 13, 14, 15, 16};
    for (int k = 0; k < kRound4Entries; ++k) {
        crafted.stakesEntries4[k] = {7.0f, entrants[k], k < 4 ? 1 : 0};
    }
    crafted.stakesEntries3[6] = {5.0f, -3, 1}; // a round already run: nobody replaces it
    crafted.stakesRound = 4;
    crafted.stakesRace = 1;
    WriteBytes("settings.stn", EncodeSettingsFile(crafted));

    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(game.LogCount("held control characters"), 2);
    BoxCapture boxes;
    ASSERT_EQ(BuildStakesField(), 1);
    EXPECT_EQ(boxes.Boxes().size(), 4u);
    ASSERT_EQ(SaveSettings(), 1);

    SettingsBlock saved;
    ASSERT_EQ(DecodeSettingsFile(ReadBytes("settings.stn"), &saved), kSettingsBlockSize);
    EXPECT_STREQ(saved.topPlayers[0].name, "Ev[31mil");
    EXPECT_STREQ(saved.topPlayers[1].name, "2JBob");
    EXPECT_STREQ(saved.topPlayers[2].name, "Zo\xc3\xab");
    for (int k = 0; k < kRound4Entries; ++k) {
        const StakesEntry& entry = saved.stakesEntries4[k];
        EXPECT_TRUE(std::any_of(raceField, raceField + kFieldSize, [&](const HorseRecord& runner) {
            return runner.horseNumber == entry.horseNumber;
        })) << k;
        EXPECT_EQ(entry.eliminated, k < 4 ? 1 : 0) << k;
    }
    EXPECT_EQ(saved.stakesEntries4[9].horseNumber, 16);
    EXPECT_EQ(saved.stakesEntries3[6].horseNumber, 0);
    EXPECT_EQ(saved.stakesEntries3[6].rating, 0.0f);
    EXPECT_EQ(saved.stakesEntries3[6].eliminated, 0);
}

// The limits of every field and the odd states a game can be saved in: fewer races per day
// than the race, and a final whose box did not close (round 0, race 0).
TEST(SettingsFile, EveryStateTheGameSavesLoadsBackUnchanged) {
    StableFolder game;
    SetGameDate();
    daysToStakes = 0;
    stakesRound = 4;
    stakesRace = 1;
    stakesEntries1[99] = {30.0f, kHorseCount, 1};
    stakesRanking[214] = {53.5f, kHorseCount};
    stakesEntries4[9] = {17.0f, 10, 1};
    ExpectSaveLoadsBack("the final");

    stakesRound = 0;
    stakesRace = 0;
    racesPerDay = 3;
    raceOfDay = 15;
    loadedRace = 15;
    for (int i = 0; i < kTopPlayerCount; ++i) {
        std::memset(topPlayers[i].name, 'A' + i, kTopPlayerNameSize - 1);
        topPlayers[i].name[kTopPlayerNameSize - 1] = '\0';
    }
    currentDay = 31;
    currentMonth = 13;
    currentYear = 9999;
    daysToStakes = 100;
    announcingOn = 0;
    timeBetweenRaces = 5;
    numPlayers = 4;
    ExpectSaveLoadsBack("the limits of every option");
    EXPECT_EQ(game.LogCount("out of range"), 0);
}

// A save that fails, on a folder in the way or on a full disk, says so and keeps the old file.
TEST(SettingsFile, AFailedSaveKeepsTheOldFileAndSaysSo) {
    for (const bool fullDisk : {false, true}) {
        StableFolder game;
        SetGameDate();
        ASSERT_EQ(SaveSettings(), 1);
        const std::vector<uint8_t> good = ReadBytes("settings.stn");
        rlimit previous{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 2000; // room for the log and the box, not for the settings
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (fullDisk) {
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        } else {
            std::filesystem::create_directory("settings.stn.tmp");
        }
        currentDay = 20;
        BoxCapture boxes;
        const int saved = SaveSettings();
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        EXPECT_EQ(saved, 0) << fullDisk;
        EXPECT_EQ(boxes.Boxes(), std::vector<std::string>{"error: Unable to save game settings."});
        EXPECT_EQ(game.LogCount("UNABLE TO SAVE GAME SETTINGS"), 1) << fullDisk;
        EXPECT_EQ(ReadBytes("settings.stn"), good) << fullDisk;
        EXPECT_EQ(std::filesystem::exists("settings.stn.tmp"), !fullDisk);
    }
}

// A settings.stn that cannot be read holds back every save for the rest of its run only: the
// next run in the same process starts with nothing on record and saves.
TEST(SettingsFile, AnUnreadableSavedGameHoldsBackSavesForItsRunOnly) {
    StableFolder game;
    {
        BoxCapture boxes;
        std::filesystem::create_directory("settings.stn");
        EXPECT_EQ(LoadSettings(), 0);
        std::filesystem::remove("settings.stn");
        SetGameDate();
        EXPECT_EQ(SaveSettings(), 0);
    }
    ResetGameState();
    BoxCapture boxes;
    SetGameDate();
    EXPECT_EQ(SaveSettings(), 1);
    EXPECT_TRUE(std::filesystem::exists("settings.stn"));
}

// Without a file a new game's calendar starts and is saved; with one the saved game goes on. A
// first save that fails is the data-folder failure tests'.
TEST(PrepareNewGame, StartsANewGamesCalendarOrContinuesTheSavedGame) {
    StableFolder game;
    timeBetweenRaces = 3;
    input.mouseX = 400;
    PrepareNewGame();
    EXPECT_EQ(input.mouseX, 10);
    EXPECT_EQ(DateLine(), "January 1, 2002");
    EXPECT_EQ(raceOfDay, 1);
    EXPECT_EQ(daysToStakes, 10);
    EXPECT_EQ(postTimeMinutes, 3);
    EXPECT_EQ(game.LogCount("Success creating settings.stn"), 1);
    SetGameDate();
    ASSERT_EQ(SaveSettings(), 1);
    ResetSettingsBlock();
    PrepareNewGame();
    EXPECT_EQ(currentDay, 14);
}

} // namespace
