// The horse file format: horses/N.txt, one horse's name, ratings and career in nine lines.
#pragma once

#include <cstddef>
#include <string>

#include "stable/horse_record.h"

// Line 1 is the name followed by "~"; lines 2..5 the ratings as "%.1f"; lines 6..9 races,
// wins, places and shows as "%i". Numbers are written and read in the C locale whatever the
// player's locale. Reading takes at most 25 characters of line 1 and 9 of every other line;
// the rest of a longer line is skipped, never read as the next field.
constexpr int kNameLineLimit = 25;
constexpr int kValueLineLimit = 9;

// Ratings below 1 would stall the race, and one far above the field's sends every other runner
// off the back of the screen for longer than a race can wait, so a rating read outside this
// range (NaN included) takes the nearest valid value. A re-rating gives under 65 in practice
// (29 at most in a generated stable) and a start adds at most 1.0, so 100 leaves room for a
// long season, while a field with a horse at 100 still runs in about two minutes.
constexpr float kMinRating = 1.0f;
constexpr float kMaxRating = 100.0f;

// A race adds one to a career count, so a count read above this bound takes the bound: the
// count after the race still fits the 9-character read limit.
constexpr int32_t kMaxCareerCount = 999999998;

// "horses/N.txt", the file of horse number N in the working directory.
std::string HorseFilePath(int number);

// Reads a horse file into a zeroed record: name, ratings and career counts. The name is the
// text of line 1 before its first "~", or the whole line (newline included) when it has none.
// An out-of-range rating or count is replaced and a line written to the debug log. 0 when the
// file does not open.
int ReadHorseFile(const std::string& path, HorseRecord* horse);

// The same from a file's bytes in memory, through the same line reader; path only names the
// horse in the debug log. 0 only when no stream can be made over the bytes.
int ReadHorseFromMemory(const char* text, size_t size, const std::string& path, HorseRecord* horse);

// The file's text: the name up to its first newline, then "~" and the values. After a race
// the last line has no newline (finalNewline false); after a re-rating it has one.
std::string FormatHorseFile(const HorseRecord& horse, bool finalNewline);

// Saves FormatHorseFile's text whole (through a temporary file). 1 written, 0 not.
int WriteHorseFile(const std::string& path, const HorseRecord& horse, bool finalNewline);

// The "File error" box for a horse file that does not open (also used by the stakes field).
void ShowHorseFileError(int number);
