// The settings file settings.stn: the saved game, one block of globals written and read whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/stakes_entry.h"
#include "core/top_player_entry.h"

// Every saved global, in file order: the calendar, the top players, the stakes series, the
// ranking and the options. Lives for the whole run; ResetSettingsBlock puts back these start
// values (the options at their start-up defaults, no game prepared: day 0 saves nothing).
struct SettingsBlock {
    int32_t currentDay = 0;
    int32_t currentMonth = 0;
    int32_t currentYear = 0;
    int32_t daysToStakes = 0;
    int32_t raceOfDay = 0;
    int32_t loadedRace = 0;
    TopPlayerEntry topPlayers[kTopPlayerCount] = {};
    StakesEntry stakesEntries4[kRound4Entries] = {};
    StakesEntry stakesEntries3[kRound3Entries] = {};
    StakesEntry stakesEntries2[kRound2Entries] = {};
    StakesEntry stakesEntries1[kRound1Entries] = {};
    int32_t stakesRound = 0;
    int32_t stakesRace = 1;
    RankingEntry stakesRanking[kHorseCount] = {};
    int32_t announcingOn = 1;
    int32_t racesPerDay = 10;
    int32_t treesOn = 1;
    float postTimeSeconds = 0.0f;
    int32_t postTimeMinutes = 2;
    int32_t timeBetweenRaces = 2;
    int32_t numPlayers = 1;
};

constexpr size_t kSettingsBlockSize = 3916;
static_assert(sizeof(SettingsBlock) == kSettingsBlockSize);
static_assert(offsetof(SettingsBlock, currentMonth) == 4);
static_assert(offsetof(SettingsBlock, currentYear) == 8);
static_assert(offsetof(SettingsBlock, daysToStakes) == 12);
static_assert(offsetof(SettingsBlock, raceOfDay) == 16);
static_assert(offsetof(SettingsBlock, loadedRace) == 20);
static_assert(offsetof(SettingsBlock, topPlayers) == 24);
static_assert(offsetof(SettingsBlock, stakesEntries4) == 120);
static_assert(offsetof(SettingsBlock, stakesEntries3) == 240);
static_assert(offsetof(SettingsBlock, stakesEntries2) == 480);
static_assert(offsetof(SettingsBlock, stakesEntries1) == 960);
static_assert(offsetof(SettingsBlock, stakesRound) == 2160);
static_assert(offsetof(SettingsBlock, stakesRace) == 2164);
static_assert(offsetof(SettingsBlock, stakesRanking) == 2168);
static_assert(offsetof(SettingsBlock, announcingOn) == 3888);
static_assert(offsetof(SettingsBlock, racesPerDay) == 3892);
static_assert(offsetof(SettingsBlock, treesOn) == 3896);
static_assert(offsetof(SettingsBlock, postTimeSeconds) == 3900);
static_assert(offsetof(SettingsBlock, postTimeMinutes) == 3904);
static_assert(offsetof(SettingsBlock, timeBetweenRaces) == 3908);
static_assert(offsetof(SettingsBlock, numPlayers) == 3912);

extern SettingsBlock settingsBlock;

// The saved globals by their own names; each is the field of settingsBlock of that name.
inline constinit int32_t& currentDay = settingsBlock.currentDay;     // 1..31
inline constinit int32_t& currentMonth = settingsBlock.currentMonth; // a month code
inline constinit int32_t& currentYear = settingsBlock.currentYear;   // 2002 in a new game
inline constinit int32_t& daysToStakes = settingsBlock.daysToStakes; // 0 = stakes days
inline constinit int32_t& raceOfDay = settingsBlock.raceOfDay;       // race within the day
inline constinit int32_t& loadedRace = settingsBlock.loadedRace;     // 0 forces a new field
inline constinit TopPlayerEntry (&topPlayers)[kTopPlayerCount] = settingsBlock.topPlayers;
inline constinit StakesEntry (&stakesEntries4)[kRound4Entries] = settingsBlock.stakesEntries4;
inline constinit StakesEntry (&stakesEntries3)[kRound3Entries] = settingsBlock.stakesEntries3;
inline constinit StakesEntry (&stakesEntries2)[kRound2Entries] = settingsBlock.stakesEntries2;
inline constinit StakesEntry (&stakesEntries1)[kRound1Entries] = settingsBlock.stakesEntries1;
inline constinit int32_t& stakesRound = settingsBlock.stakesRound; // 0 = no series, 1..4
inline constinit int32_t& stakesRace = settingsBlock.stakesRace;   // race within the round
inline constinit RankingEntry (&stakesRanking)[kHorseCount] = settingsBlock.stakesRanking;
inline constinit int32_t& announcingOn = settingsBlock.announcingOn;
inline constinit int32_t& racesPerDay = settingsBlock.racesPerDay;
inline constinit int32_t& treesOn = settingsBlock.treesOn;
inline constinit float& postTimeSeconds = settingsBlock.postTimeSeconds;
inline constinit int32_t& postTimeMinutes = settingsBlock.postTimeMinutes;
inline constinit int32_t& timeBetweenRaces = settingsBlock.timeBetweenRaces; // minutes, 1..5
inline constinit int32_t& numPlayers = settingsBlock.numPlayers;             // 1..4

// The file's bytes: the block packed field by field, little-endian, with every byte 0x0A
// stored as 0x0D 0x0A and nothing else changed (so the file is longer than 3916 bytes by the
// number of 0x0A bytes).
std::vector<uint8_t> EncodeSettingsFile(const SettingsBlock& block);
constexpr size_t kMaxSettingsFileSize = 2 * kSettingsBlockSize;

// Turns each 0x0D 0x0A back into 0x0A and takes every other byte as it is (0x1A included) until
// the block is full or the bytes run out; fields the bytes do not reach keep their values.
// Returns how many of the block's 3916 bytes were filled.
size_t DecodeSettingsFile(const std::vector<uint8_t>& file, SettingsBlock* block);

// Puts every field outside its valid range back to its default, logging a line for each.
// Returns how many fields were replaced.
int ValidateSettingsBlock(SettingsBlock* block);

// Called by "Save game and exit", "Start a new game", the options screen and the end-of-day
// dialog. Saves only once a game has been prepared (day and month at least 1). On failure logs
// "UNABLE TO SAVE GAME SETTINGS" and shows "Unable to save game settings." under "error"; the
// old file is then left whole. 0 only when the file could not be written.
int SaveSettings();

// Reads settings.stn over the block: 1 loaded, 0 no file. A short file is read as far as it
// goes; a field out of its valid range takes its default, with a line in the debug log. The
// post-time clock then restarts at timeBetweenRaces minutes. A settings.stn that is there but
// cannot be read (a folder, no permission) gives 0 with a box saying why, and is never written
// over until a later load reads it or finds it gone.
int LoadSettings();

// Called by "Start a new game" (which then places the race card's sprites): loads settings.stn
// or creates it with a new game's calendar. The defaults are set even when the file cannot be
// created (the box "Unable to save the initial settings to disk." says so), so a game can
// always be played.
void PrepareNewGame();

// The block at its start values, and no unreadable settings.stn on record.
void ResetSettingsBlock();
