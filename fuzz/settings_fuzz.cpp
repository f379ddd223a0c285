// libFuzzer target: the settings.stn reader with its field checks.
#include "fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOneInput(CheckSettingsInput, data, size);
}
