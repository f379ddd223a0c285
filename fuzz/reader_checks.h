// The checks run over one input by every fuzz target and by the replay test: the reader must
// stay inside its bytes, and whatever it accepts must keep the rules its callers rely on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

// Each check returns 1 when every rule held, or 0 after naming the broken rule on standard
// error; *accepted says whether the reader took the input as its format.
using ReaderCheckFunction = int (*)(const uint8_t* data, size_t size, int* accepted);

// A .bmp sheet, then its cells copied into the frames of sprites as start-up copies them.
int CheckBitmapInput(const uint8_t* data, size_t size, int* accepted);
// A WAVE clip.
int CheckWaveInput(const uint8_t* data, size_t size, int* accepted);
// A horse file, then the file it is saved as read back.
int CheckHorseInput(const uint8_t* data, size_t size, int* accepted);
// A settings.stn file, checked field by field, then saved and read back.
int CheckSettingsInput(const uint8_t* data, size_t size, int* accepted);
// A play script.
int CheckScriptInput(const uint8_t* data, size_t size, int* accepted);

struct ReaderCheck {
    const char* name; // the target bmp_fuzz .. script_fuzz, its dictionary and corpus folders
    ReaderCheckFunction run;
};

inline constexpr ReaderCheck kReaderChecks[] = {
    {"bmp", CheckBitmapInput},        {"wave", CheckWaveInput},     {"horse", CheckHorseInput},
    {"settings", CheckSettingsInput}, {"script", CheckScriptInput},
};
static_assert(std::size(kReaderChecks) == 5, "one fuzz target per reader of outside data");

// A fuzz target's whole body: a broken rule aborts, which libFuzzer reports as a crash.
int FuzzOneInput(ReaderCheckFunction check, const uint8_t* data, size_t size);
