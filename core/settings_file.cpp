// The settings file settings.stn: the saved game, one block of globals written and read whole.
#include "core/settings_file.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/months.h"
#include "core/save_file.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/file_bytes.h"
#include "platform/input.h"
#include "platform/message_box.h"

SettingsBlock settingsBlock;

namespace {

constexpr const char* kSettingsName = "settings.stn";

// The calendar adds a year every 372 days; from a year this far below the int32 limit it can
// never wrap, however long a game runs.
constexpr int32_t kLastSavedYear = 1000000;

// Stores the block's fields one by one, little-endian.
struct BlockWriter {
    uint8_t* at;
    void operator()(int32_t value) {
        const uint32_t bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            *at++ = static_cast<uint8_t>(bits >> shift);
        }
    }
    void operator()(float value) { (*this)(std::bit_cast<int32_t>(value)); }
    void operator()(const char (&text)[kTopPlayerNameSize]) {
        std::memcpy(at, text, sizeof text);
        at += sizeof text;
    }
};

struct BlockReader {
    const uint8_t* at;
    void operator()(int32_t& value) {
        uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            bits |= static_cast<uint32_t>(*at++) << shift;
        }
        value = static_cast<int32_t>(bits);
    }
    void operator()(float& value) {
        int32_t bits = 0;
        (*this)(bits);
        value = std::bit_cast<float>(bits);
    }
    void operator()(char (&text)[kTopPlayerNameSize]) {
        std::memcpy(text, at, sizeof text);
        at += sizeof text;
    }
};

template <typename Block, typename Io> void TransferEntries(Block& entries, Io& io) {
    for (auto& entry : entries) {
        io(entry.rating);
        io(entry.horseNumber);
        io(entry.eliminated);
    }
}

// The one list of the block's fields in file order, for both directions.
template <typename Block, typename Io> void TransferBlock(Block& block, Io& io) {
    io(block.currentDay);
    io(block.currentMonth);
    io(block.currentYear);
    io(block.daysToStakes);
    io(block.raceOfDay);
    io(block.loadedRace);
    for (auto& entry : block.topPlayers) {
        io(entry.name);
        io(entry.money);
    }
    TransferEntries(block.stakesEntries4, io);
    TransferEntries(block.stakesEntries3, io);
    TransferEntries(block.stakesEntries2, io);
    TransferEntries(block.stakesEntries1, io);
    io(block.stakesRound);
    io(block.stakesRace);
    for (auto& entry : block.stakesRanking) {
        io(entry.rating);
        io(entry.horseNumber);
    }
    io(block.announcingOn);
    io(block.racesPerDay);
    io(block.treesOn);
    io(block.postTimeSeconds);
    io(block.postTimeMinutes);
    io(block.timeBetweenRaces);
    io(block.numPlayers);
}

void LogReplaced(const char* field, const char* fallback) {
    char line[160];
    std::snprintf(line, sizeof line, "%s: %s out of range, set to %s", kSettingsName, field,
                  fallback);
    bugLog.Write(line);
}

// A field's name for the log, put together only when a line is written: most loads replace
// nothing, and a table's names would cost more than its checks.
struct FieldName {
    FieldName(const char* name, int index = -1, const char* member = "")
        : name(name), index(index), member(member) {}
    std::string Text() const {
        return index < 0 ? name : std::string(name) + "[" + std::to_string(index) + "]." + member;
    }
    const char* name;
    int index;
    const char* member;
};

// Each check puts one field back to its default when it is out of range and counts it.
struct Checker {
    int replaced = 0;

    void Range(int32_t* value, int32_t low, int32_t high, int32_t fallback,
               const FieldName& field) {
        if (*value < low || *value > high) {
            *value = fallback;
            Replaced(field, std::to_string(fallback).c_str());
        }
    }
    void Finite(float* value, const FieldName& field) {
        if (!std::isfinite(*value)) {
            *value = 0.0f;
            Replaced(field, "0");
        }
    }
    void Replaced(const FieldName& field, const char* fallback) {
        LogReplaced(field.Text().c_str(), fallback);
        replaced += 1;
    }
    void Emptied(const std::string& entry) {
        bugLog.Write(
            (std::string(kSettingsName) + ": " + entry + " holds no horse, emptied").c_str());
        replaced += 1;
    }
    void Cleaned(int index, const char* name) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "%s: topPlayers[%i].name held control characters, now \"%s\"", kSettingsName,
                      index, name);
        bugLog.Write(line);
        replaced += 1;
    }
};

// Control characters in a name would be drawn as they are (an escape sequence, DEL) and saved
// back: the name keeps every other character. The C1 controls are the two bytes C2 80..C2 9F;
// they are matched against what is kept, so no removal can join two bytes into a new one.
bool RemoveControlCharacters(char (&name)[kTopPlayerNameSize]) {
    const size_t length = std::strlen(name);
    size_t kept = 0;
    for (size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20 || byte == 0x7F) {
            continue;
        }
        if (byte >= 0x80 && byte <= 0x9F && kept > 0 &&
            static_cast<unsigned char>(name[kept - 1]) == 0xC2) {
            --kept;
            continue;
        }
        name[kept++] = name[i];
    }
    if (kept == length) {
        return false;
    }
    std::memset(name + kept, 0, sizeof name - kept);
    return true;
}

void CheckEntries(Checker* check, const char* table, StakesEntry* entries, int count) {
    for (int i = 0; i < count; ++i) {
        StakesEntry& entry = entries[i];
        check->Finite(&entry.rating, {table, i, "rating"});
        check->Range(&entry.horseNumber, 0, kHorseCount, 0, {table, i, "horseNumber"});
        check->Range(&entry.eliminated, 0, 1, 0, {table, i, "eliminated"});
        // Without a horse the entry is empty: a rating or a mark left on it would be saved back
        // as horse 0 holding them.
        if (entry.horseNumber == 0 && (entry.rating != 0.0f || entry.eliminated != 0)) {
            entry = StakesEntry{};
            check->Emptied(std::string(table) + "[" + std::to_string(i) + "]");
        }
    }
}

void CheckCalendar(Checker* check, SettingsBlock* block) {
    check->Range(&block->currentDay, 1, kDaysInMonth, 1, "currentDay");
    if (FindMonth(block->currentMonth) == nullptr) {
        block->currentMonth = 1;
        check->Replaced("currentMonth", "1");
    }
    check->Range(&block->currentYear, 1, kLastSavedYear, 2002, "currentYear");
    check->Range(&block->daysToStakes, 0, 100, 10, "daysToStakes");
    // Above racesPerDay is fine: the race-count overflow starts the next day.
    check->Range(&block->raceOfDay, 1, 15, 1, "raceOfDay");
    check->Range(&block->loadedRace, 0, 15, 0, "loadedRace");
}

void CheckTopPlayers(Checker* check, SettingsBlock* block) {
    for (int i = 0; i < kTopPlayerCount; ++i) {
        TopPlayerEntry& entry = block->topPlayers[i];
        if (std::memchr(entry.name, '\0', sizeof entry.name) == nullptr) {
            entry = TopPlayerEntry{};
            check->Replaced("topPlayers name", "an empty entry");
        } else if (RemoveControlCharacters(entry.name)) {
            check->Cleaned(i, entry.name);
        }
    }
}

void CheckStakes(Checker* check, SettingsBlock* block) {
    CheckEntries(check, "stakesEntries4", block->stakesEntries4, kRound4Entries);
    CheckEntries(check, "stakesEntries3", block->stakesEntries3, kRound3Entries);
    CheckEntries(check, "stakesEntries2", block->stakesEntries2, kRound2Entries);
    CheckEntries(check, "stakesEntries1", block->stakesEntries1, kRound1Entries);
    check->Range(&block->stakesRound, 0, kStakesRounds, 0, "stakesRound");
    const int32_t firstRace = block->stakesRound == 0 ? 0 : 1;
    check->Range(&block->stakesRace, firstRace, kStakesRoundRules[block->stakesRound].races, 1,
                 "stakesRace");
    for (int i = 0; i < kHorseCount; ++i) {
        check->Finite(&block->stakesRanking[i].rating, {"stakesRanking", i, "rating"});
        check->Range(&block->stakesRanking[i].horseNumber, 0, kHorseCount, 0,
                     {"stakesRanking", i, "horseNumber"});
    }
}

void CheckOptions(Checker* check, SettingsBlock* block) {
    check->Range(&block->announcingOn, 0, 1, 1, "announcingOn");
    check->Range(&block->racesPerDay, 3, 15, 10, "racesPerDay");
    check->Range(&block->treesOn, 0, 1, 1, "treesOn");
    check->Range(&block->timeBetweenRaces, 1, 5, 2, "timeBetweenRaces");
    check->Range(&block->numPlayers, 1, 4, 1, "numPlayers");
}

// Set while a settings.stn is there that could not be read: it may be a saved game the player
// can still rescue, so nothing is written over it. Whole run; ResetSettingsBlock puts it back.
bool savedGameUnreadable = false;

int WriteSettingsFile() {
    if (savedGameUnreadable) {
        return 0;
    }
    const std::vector<uint8_t> file = EncodeSettingsFile(settingsBlock);
    return SaveWholeFile(kSettingsName, file.data(), file.size());
}

// A new game's calendar and options.
void SetNewGameDefaults() {
    announcingOn = 1;
    currentDay = 1;
    currentMonth = 1;
    currentYear = 2002;
    postTimeMinutes = timeBetweenRaces;
    postTimeSeconds = 0.0f;
    raceOfDay = 1;
    treesOn = 1;
    daysToStakes = 10;
}

} // namespace

std::vector<uint8_t> EncodeSettingsFile(const SettingsBlock& block) {
    uint8_t bytes[kSettingsBlockSize];
    BlockWriter writer{bytes};
    TransferBlock(block, writer);
    std::vector<uint8_t> file;
    file.reserve(kMaxSettingsFileSize);
    for (const uint8_t byte : bytes) {
        if (byte == 0x0A) {
            file.push_back(0x0D);
        }
        file.push_back(byte);
    }
    return file;
}

size_t DecodeSettingsFile(const std::vector<uint8_t>& file, SettingsBlock* block) {
    uint8_t bytes[kSettingsBlockSize];
    BlockWriter writer{bytes};
    TransferBlock(*block, writer);
    size_t filled = 0;
    for (size_t i = 0; i < file.size() && filled < kSettingsBlockSize; ++i) {
        if (file[i] == 0x0D && i + 1 < file.size() && file[i + 1] == 0x0A) {
            ++i;
        }
        bytes[filled++] = file[i];
    }
    BlockReader reader{bytes};
    TransferBlock(*block, reader);
    return filled;
}

int ValidateSettingsBlock(SettingsBlock* block) {
    Checker check;
    CheckCalendar(&check, block);
    CheckTopPlayers(&check, block);
    CheckStakes(&check, block);
    CheckOptions(&check, block);
    return check.replaced;
}

int SaveSettings() {
    // Before a game has been prepared there is nothing to save, which is not a failure.
    if (currentDay < 1 || currentMonth < 1) {
        return 1;
    }
    if (WriteSettingsFile()) {
        return 1;
    }
    bugLog.Write("UNABLE TO SAVE GAME SETTINGS");
    ShowGdiSurface();
    ErrorBox("error", "Unable to save game settings.");
    return 0;
}

int LoadSettings() {
    std::vector<uint8_t> bytes;
    const FileStatus status = ReadFileStart(kSettingsName, kMaxSettingsFileSize, &bytes);
    savedGameUnreadable = status == FileStatus::Unreadable;
    if (savedGameUnreadable) {
        const std::string reason = std::strerror(errno);
        bugLog.Write((std::string(kSettingsName) + " cannot be read: " + reason).c_str());
        ShowGdiSurface();
        ErrorBox("error", ("The saved game settings.stn cannot be read (" + reason +
                           "). It is left as it is, and this game cannot be saved.")
                              .c_str());
    }
    if (status != FileStatus::Read) {
        return 0;
    }
    SettingsBlock loaded = settingsBlock;
    const size_t filled = DecodeSettingsFile(bytes, &loaded);
    if (filled < kSettingsBlockSize) {
        char line[100];
        std::snprintf(line, sizeof line, "%s is short: %zu of %zu bytes read", kSettingsName,
                      filled, kSettingsBlockSize);
        bugLog.Write(line);
    }
    ValidateSettingsBlock(&loaded);
    settingsBlock = loaded;
    postTimeMinutes = timeBetweenRaces;
    postTimeSeconds = 0.0f;
    return 1;
}

void PrepareNewGame() {
    bugLog.Write("Setting gameMode and mouseX=10");
    MoveCursor(10, input.mouseY);
    bugLog.Write("Success");
    if (!LoadSettings()) {
        bugLog.Write("Settings file doesn't exist, attempting to make one");
        SetNewGameDefaults();
        if (WriteSettingsFile()) {
            bugLog.Write("Success creating settings.stn");
        } else {
            ShowGdiSurface();
            ErrorBox("error", "Unable to save the initial settings to disk.");
        }
    }
    bugLog.Write("Done with loading/creating settings.");
}

void ResetSettingsBlock() {
    settingsBlock = SettingsBlock{};
    savedGameUnreadable = false;
}
