// Screenshots of what the player sees: the last presented 800 x 600 picture.
#pragma once

#include <cstdint>
#include <vector>

// Writes the picture as PNG (compressed when asked), or as 24-bit BMP when the path ends in
// ".bmp". Returns false when there is no picture yet or the file cannot be written.
bool SaveScreenshot(const char* path, bool compressed = false);

// The last presented picture as rows of red, green, blue bytes (empty before the first).
std::vector<uint8_t> PresentedRgb();
