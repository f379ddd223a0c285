// Whole files read into memory, for the readers that parse bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum class FileStatus {
    Read,       // the bytes are in
    Missing,    // nothing by that name
    Unreadable, // a folder, a device or pipe, no permission, or a read that failed: errno says
};

// The first maxBytes bytes (or fewer) of a regular file. Only regular files are read, so a
// name that leads to a folder, a pipe or an endless device can neither block nor run forever.
FileStatus ReadFileStart(const char* path, size_t maxBytes, std::vector<uint8_t>* bytes);

// The file's bytes; empty when it cannot be read, is empty or is larger than maxBytes.
std::vector<uint8_t> ReadFileBytes(const char* path, size_t maxBytes);
