// libFuzzer target: the play-script parser.
#include "fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOneInput(CheckScriptInput, data, size);
}
