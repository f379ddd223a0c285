// libFuzzer target: the horse-file reader and the file it saves.
#include "fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOneInput(CheckHorseInput, data, size);
}
