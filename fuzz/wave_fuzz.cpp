// libFuzzer target: the WAVE reader.
#include "fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOneInput(CheckWaveInput, data, size);
}
