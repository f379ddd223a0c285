// Whole files read into memory, for the readers that parse bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The file's bytes; empty when it cannot be opened, is empty or is larger than maxBytes.
std::vector<uint8_t> ReadFileBytes(const char* path, long maxBytes);
