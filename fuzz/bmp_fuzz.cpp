// libFuzzer target: the .bmp reader and the copy of its cells into sprite frames.
#include "fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOneInput(CheckBitmapInput, data, size);
}
