// The checks every fuzz target and the replay test run over one input.
#include "fuzz/reader_checks.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_file.h"
#include "platform/bitmap.h"
#include "platform/display.h"
#include "platform/script.h"
#include "platform/sprite.h"
#include "platform/wave_file.h"
#include "stable/calendar.h"
#include "stable/horse_file.h"
#include "stable/stakes.h"

namespace {

bool Holds(bool condition, const char* rule) {
    if (!condition) {
        std::fprintf(stderr, "broken rule: %s\n", rule);
    }
    return condition;
}

uint16_t SheetPixel(const BitmapFile& sheet, int64_t x, int64_t y) {
    uint16_t value;
    std::memcpy(&value, sheet.pixels.data() + (y * sheet.infoHeader.width + x) * 2, sizeof value);
    return value;
}

// DDLoadImageBitmap's result for one cell, and whether the frame then shows that cell.
struct CellCopy {
    int result;
    bool same;
};

CellCopy CopyCell(const BitmapFile& sheet, int x, int y, int width, int height, int frame) {
    Sprite sprite{};
    CreateSprite(&sprite, width, height, 0, 0, 1);
    CellCopy copy{DDLoadImageBitmap(&sprite, frame, &sheet, x, y, 1), false};
    copy.same = copy.result == 1;
    for (int row = 0; copy.same && row < height; ++row) {
        for (int column = 0; copy.same && column < width; ++column) {
            copy.same = ReadSurfacePixel(sprite.frames[0], column, row) ==
                        SheetPixel(sheet, int64_t{x} + column, int64_t{y} + row);
        }
    }
    DestroySprite(&sprite);
    return copy;
}

bool CellCopied(const BitmapFile& sheet, int x, int y, int width, int height) {
    return CopyCell(sheet, x, y, width, height, 0).same;
}

bool CellRefused(const BitmapFile& sheet, int x, int y, int width, int height, int frame = 0) {
    return CopyCell(sheet, x, y, width, height, frame).result == 0;
}

// Cells inside the sheet copy exactly; cells reaching past any edge, and missing frames, copy
// nothing. The grid is laid out as the game's sheets are: cells behind one-pixel borders.
bool CellsKeepRules(const BitmapFile& sheet) {
    const int width = sheet.infoHeader.width;
    const int height = static_cast<int>(sheet.pixels.size() / (2 * static_cast<size_t>(width)));
    if (!Holds(CellCopied(sheet, 0, 0, width, height), "the whole sheet copies into one frame")) {
        return false;
    }
    const int cellWidth = (width - 3) / 2;
    const int cellHeight = (height - 3) / 2;
    for (int cell = 0; cellWidth > 0 && cellHeight > 0 && cell < 4; ++cell) {
        const int x = 1 + (cellWidth + 1) * (cell % 2);
        const int y = 1 + (cellHeight + 1) * (cell / 2);
        if (!Holds(CellCopied(sheet, x, y, cellWidth, cellHeight), "every bordered cell copies")) {
            return false;
        }
    }
    return Holds(
        CellRefused(sheet, 0, 0, width + 1, height) &&
            CellRefused(sheet, 0, 0, width, height + 1) &&
            CellRefused(sheet, 1, 0, width, height) && CellRefused(sheet, 0, 1, width, height) &&
            CellRefused(sheet, -1, 0, 1, 1) && CellRefused(sheet, 0, -1, 1, 1) &&
            CellRefused(sheet, INT_MAX, INT_MAX, 1, 1) && CellRefused(sheet, 0, 0, 1, 1, 1),
        "a cell past the sheet's edges or a missing frame copies nothing");
}

// The saved game as the game moves it on race after race, a day change included: the calendar
// and the stakes series must keep a date the race card can show.
bool SavedGameMovesOn(const SettingsBlock& block) {
    constexpr int kRacesToPlay = 16;
    settingsBlock = block;
    bool dated = true;
    for (int race = 0; dated && race < kRacesToPlay; ++race) {
        StartStakesIfDue();
        NextRace();
        AdvanceStakes();
        char date[100];
        dated = FormatDate(date, sizeof date) == 1 && currentDay >= 1 &&
                currentDay <= kDaysInMonth && currentYear >= 1;
    }
    ResetSettingsBlock();
    ResetStakesNotices();
    return Holds(dated, "the calendar keeps a date it can show as the saved game moves on");
}

bool HorseKeepsRules(const HorseRecord& horse) {
    bool ratings = true;
    for (float HorseRecord::*rating : kRatings) {
        ratings = ratings && horse.*rating >= kMinRating && horse.*rating <= kMaxRating;
    }
    return Holds(std::memchr(horse.name, '\0', sizeof horse.name) != nullptr &&
                     std::strlen(horse.name) <= kNameLineLimit,
                 "the name ends within the name line's limit") &&
           Holds(ratings, "every rating lies within its range");
}

// A race adds at most one to each career count (UpdateHorseFiles): the saved file must still
// hold every count whole, read back as saved or held at the reader's bound.
bool CountsSurviveARace(const HorseRecord& horse) {
    constexpr int32_t HorseRecord::*kCounts[] = {&HorseRecord::races, &HorseRecord::wins,
                                                 &HorseRecord::places, &HorseRecord::shows};
    HorseRecord raced = horse;
    for (int32_t HorseRecord::*count : kCounts) {
        raced.*count += 1;
    }
    const std::string saved = FormatHorseFile(raced, false);
    HorseRecord again{};
    ReadHorseFromMemory(saved.data(), saved.size(), "fuzz", &again);
    bool kept = true;
    for (int32_t HorseRecord::*count : kCounts) {
        kept = kept && again.*count == std::min(raced.*count, kMaxCareerCount);
    }
    return Holds(kept, "every count grown by a race reads back as saved, or at its bound");
}

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() > suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The input layer indexes its button and key tables with these values.
bool CommandKeepsRules(const ScriptCommand& command) {
    if (command.frame < 1) {
        return false;
    }
    switch (command.action) {
    case ScriptAction::ButtonDown:
    case ScriptAction::ButtonUp:
        return command.a >= 0 && command.a < 3;
    case ScriptAction::KeyDown:
    case ScriptAction::KeyUp:
        return command.a >= 0 && command.a < 256;
    case ScriptAction::Type:
        return !command.path.empty() && command.path.find('\n') == std::string::npos;
    case ScriptAction::DialogButton:
        return command.a >= 0 && command.a <= 0xFFFF;
    case ScriptAction::Screenshot:
        return command.path[0] == '/' &&
               (EndsWith(command.path, ".png") || EndsWith(command.path, ".bmp"));
    case ScriptAction::Move:
    case ScriptAction::Quit:
        return true;
    }
    return false;
}

} // namespace

int CheckBitmapInput(const uint8_t* data, size_t size, int* accepted) {
    BitmapFile sheet{};
    sheet.pixels.assign(8, 0xFF); // what the previous picture left
    *accepted = LoadBitmapFromMemory(&sheet, data, size);
    if (*accepted != 1) {
        return Holds(sheet.pixels.empty(), "a refused picture holds no pixels");
    }
    const BitmapInfoHeader& info = sheet.infoHeader;
    const int64_t width = info.width;
    const int64_t height = info.height < 0 ? -int64_t{info.height} : info.height;
    if (!Holds(width > 0 && width <= kMaxBitmapSide && height > 0 && height <= kMaxBitmapSide,
               "a loaded picture's sides lie within the reader's limit") ||
        !Holds(info.bitCount == 8 || info.bitCount == 16, "a loaded picture has 8 or 16 bits") ||
        !Holds(sheet.pixels.size() == static_cast<size_t>(width * height * (info.bitCount / 8)),
               "the pixels fill the picture exactly")) {
        return 0;
    }
    if (info.bitCount != 16) {
        return Holds(CellRefused(sheet, 0, 0, 1, 1), "only 16-bit pixels copy into frames");
    }
    return CellsKeepRules(sheet);
}

int CheckWaveInput(const uint8_t* data, size_t size, int* accepted) {
    WaveClip clip;
    clip.format.formatTag = 0xFFFF; // what the previous clip left
    clip.samples.assign(3, 0x80);
    *accepted = ReadWaveFromMemory(data, size, &clip);
    if (*accepted != 1) {
        return Holds(clip.samples.empty(), "a refused clip holds no samples");
    }
    // The RIFF header with its form type, the format chunk and the data chunk's header.
    constexpr size_t kLeastHeaderBytes = 12 + 8 + 16 + 8;
    return Holds(clip.format.formatTag == kWaveFormatPcm, "only PCM clips are read") &&
           Holds(!clip.samples.empty() && size >= kLeastHeaderBytes &&
                     clip.samples.size() <= size - kLeastHeaderBytes,
                 "the samples lie inside the file, after its headers");
}

int CheckHorseInput(const uint8_t* data, size_t size, int* accepted) {
    HorseRecord horse{};
    *accepted = ReadHorseFromMemory(reinterpret_cast<const char*>(data), size, "fuzz", &horse);
    if (!Holds(*accepted == 1, "a horse is read from any bytes") || !HorseKeepsRules(horse)) {
        return 0;
    }
    const std::string saved = FormatHorseFile(horse, false);
    HorseRecord again{};
    return Holds(ReadHorseFromMemory(saved.data(), saved.size(), "fuzz", &again) == 1,
                 "a saved horse is read") &&
           HorseKeepsRules(again) &&
           Holds(FormatHorseFile(again, false) == saved, "a saved horse reads back as saved") &&
           CountsSurviveARace(horse);
}

int CheckSettingsInput(const uint8_t* data, size_t size, int* accepted) {
    const std::vector<uint8_t> file(data, data + size);
    SettingsBlock block;
    const size_t filled = DecodeSettingsFile(file, &block);
    *accepted = filled == kSettingsBlockSize ? 1 : 0;
    ValidateSettingsBlock(&block);
    const std::vector<uint8_t> saved = EncodeSettingsFile(block);
    SettingsBlock again;
    const size_t readBack = DecodeSettingsFile(saved, &again);
    return Holds(filled <= std::min(size, kSettingsBlockSize),
                 "no more of the block is filled than the file holds") &&
           Holds(ValidateSettingsBlock(&block) == 0, "a checked block passes its check again") &&
           Holds(saved.size() <= kMaxSettingsFileSize,
                 "a saved block fits in what the loader reads") &&
           Holds(readBack == kSettingsBlockSize && EncodeSettingsFile(again) == saved,
                 "a saved block reads back whole and the same") &&
           SavedGameMovesOn(block);
}

int CheckScriptInput(const uint8_t* data, size_t size, int* accepted) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ScriptCommand> commands{{1, ScriptAction::Quit, 0, 0, "kept"}};
    std::string error;
    *accepted = ParseScript(text, "/fuzz", &commands, &error) ? 1 : 0;
    if (*accepted != 1) {
        return Holds(commands.size() == 1 && commands[0].path == "kept",
                     "a refused script leaves the commands as they were") &&
               Holds(error.rfind("line ", 0) == 0, "a refused script names its line");
    }
    const auto byFrame = [](const ScriptCommand& l, const ScriptCommand& r) {
        return l.frame < r.frame;
    };
    return Holds(std::is_sorted(commands.begin(), commands.end(), byFrame),
                 "commands play in frame order") &&
           Holds(std::all_of(commands.begin(), commands.end(), CommandKeepsRules),
                 "every command holds values the input layer can take");
}

int FuzzOneInput(ReaderCheckFunction check, const uint8_t* data, size_t size) {
    int accepted = 0;
    if (check(data, size, &accepted) != 1) {
        std::abort();
    }
    return 0;
}
