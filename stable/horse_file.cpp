// The horse file format: horses/N.txt, one horse's name, ratings and career in nine lines.
#include "stable/horse_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

#include "core/save_file.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/file_bytes.h"
#include "platform/message_box.h"

namespace {

// Reads one line of at most limit characters, keeping its newline; the rest of a longer line
// is skipped so that it cannot shift every later field.
void ReadLimitedLine(FILE* file, char* text, int limit) {
    int length = 0;
    int c = 0;
    while (length < limit && (c = std::fgetc(file)) != EOF) {
        text[length++] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    text[length] = '\0';
    if (length == limit && text[length - 1] != '\n') {
        while ((c = std::fgetc(file)) != EOF && c != '\n') {
        }
    }
}

// Leading blanks and a plus sign are accepted, as the classic conversions accept them.
const char* SkipToNumber(const char* text) {
    while (*text == ' ' || *text == '\t') {
        ++text;
    }
    if (*text == '+') {
        ++text;
    }
    return text;
}

// The decimal number a line starts with, 0 when it starts with none. A number too large for
// a double reads as infinite, one too small as 0.
double ParseRating(const char* text) {
    text = SkipToNumber(text);
    const char* end = text + std::strlen(text);
    double value = 0.0;
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error == std::errc::result_out_of_range) {
        const char* exponent = std::strpbrk(text, "eE");
        const bool tiny = exponent != nullptr && exponent < stop && exponent[1] == '-';
        return tiny ? 0.0 : (*text == '-' ? -HUGE_VAL : HUGE_VAL);
    }
    return error == std::errc{} ? value : 0.0;
}

int32_t ParseCount(const char* text) {
    text = SkipToNumber(text);
    int32_t value = 0;
    const auto result = std::from_chars(text, text + std::strlen(text), value);
    return result.ec == std::errc{} ? value : 0;
}

float CheckedRating(double value, const std::string& path, int index) {
    if (value >= kMinRating && value <= kMaxRating) {
        return static_cast<float>(value);
    }
    const float nearest = value > kMaxRating ? kMaxRating : kMinRating;
    char line[160];
    std::snprintf(line, sizeof line, "%s: %s %g out of range, set to %.1f", path.c_str(),
                  kRatingNames[index], value, nearest);
    bugLog.Write(line);
    return nearest;
}

int32_t CheckedCount(int32_t value, const std::string& path, const char* count) {
    if (value <= kMaxCareerCount) {
        return value;
    }
    char line[160];
    std::snprintf(line, sizeof line, "%s: %s out of range, set to %i", path.c_str(), count,
                  kMaxCareerCount);
    bugLog.Write(line);
    return kMaxCareerCount;
}

void AppendRating(std::string* text, float value) {
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 1);
    text->append(digits, result.ptr);
    text->push_back('\n');
}

void AppendCount(std::string* text, int32_t value, bool newline) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text->append(digits, result.ptr);
    if (newline) {
        text->push_back('\n');
    }
}

// Reads the nine lines and closes the file; path names the horse in the log.
int ReadHorseStream(FILE* file, const std::string& path, HorseRecord* horse) {
    *horse = HorseRecord{};
    char line[kNameLineLimit + 1];
    ReadLimitedLine(file, line, kNameLineLimit);
    if (char* tilde = std::strchr(line, '~')) {
        *tilde = '\0';
    }
    std::snprintf(horse->name, sizeof horse->name, "%s", line);
    for (int index = 0; index < kRatingCount; ++index) {
        ReadLimitedLine(file, line, kValueLineLimit);
        horse->*kRatings[index] = CheckedRating(ParseRating(line), path, index);
    }
    constexpr const char* kCountNames[] = {"races", "wins", "places", "shows"};
    int32_t* const counts[] = {&horse->races, &horse->wins, &horse->places, &horse->shows};
    for (size_t index = 0; index < std::size(counts); ++index) {
        ReadLimitedLine(file, line, kValueLineLimit);
        *counts[index] = CheckedCount(ParseCount(line), path, kCountNames[index]);
    }
    std::fclose(file);
    return 1;
}

} // namespace

std::string HorseFilePath(int number) { return "horses/" + std::to_string(number) + ".txt"; }

int ReadHorseFile(const std::string& path, HorseRecord* horse) {
    // Nine lines never need more; whatever lies beyond is not read, however long the file.
    constexpr size_t kReadLimit = 64 * 1024;
    std::vector<uint8_t> bytes;
    const FileStatus status = ReadFileStart(path.c_str(), kReadLimit, &bytes);
    if (status != FileStatus::Read) {
        if (status == FileStatus::Unreadable) {
            const std::string line = path + " cannot be read: " + std::strerror(errno);
            bugLog.Write(line.c_str());
        }
        return 0;
    }
    return ReadHorseFromMemory(reinterpret_cast<const char*>(bytes.data()), bytes.size(), path,
                               horse);
}

int ReadHorseFromMemory(const char* text, size_t size, const std::string& path,
                        HorseRecord* horse) {
    // A stream over the bytes, so both entry points share one line reader.
    FILE* file = fmemopen(const_cast<char*>(size > 0 ? text : ""), size, "r");
    if (file == nullptr) {
        return 0;
    }
    return ReadHorseStream(file, path, horse);
}

std::string FormatHorseFile(const HorseRecord& horse, bool finalNewline) {
    std::string text(horse.name, strnlen(horse.name, sizeof horse.name));
    text.resize(std::min(text.size(), text.find('\n')));
    text += "~\n";
    for (float HorseRecord::*rating : kRatings) {
        AppendRating(&text, horse.*rating);
    }
    AppendCount(&text, horse.races, true);
    AppendCount(&text, horse.wins, true);
    AppendCount(&text, horse.places, true);
    AppendCount(&text, horse.shows, finalNewline);
    return text;
}

int WriteHorseFile(const std::string& path, const HorseRecord& horse, bool finalNewline) {
    const std::string text = FormatHorseFile(horse, finalNewline);
    return SaveWholeFile(path.c_str(), text.data(), text.size());
}

void ShowHorseFileError(int number) {
    char text[100];
    std::snprintf(text, sizeof text, "Unable to open horse #%i", number);
    ShowGdiSurface();
    ErrorBox("File error", text);
}
