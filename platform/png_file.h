// A small PNG writer for screenshots: 24-bit colour, stored or compressed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a PNG of width x height pixels given as rows of red, green, blue bytes; stored
// without compression unless asked.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb,
                               bool compressed = false);

// Writes bytes to path; returns false when the file could not be written whole.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
