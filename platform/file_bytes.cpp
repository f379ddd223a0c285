// Whole files read into memory, for the readers that parse bytes.
#include "platform/file_bytes.h"

#include <cstdio>

std::vector<uint8_t> ReadFileBytes(const char* path, long maxBytes) {
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return bytes;
    }
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    if (size > 0 && size <= maxBytes && std::fseek(file, 0, SEEK_SET) == 0) {
        bytes.resize(static_cast<size_t>(size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    std::fclose(file);
    return bytes;
}
