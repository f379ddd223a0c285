// Contact sheets: every picture on one page, and the runners' frames large, for looking over
// the art.
#pragma once

#include <string>

// Writes `path` (every picture, the key shown as a checkerboard) and, beside it, the same
// name with "-runners" before the extension (the ten runners' eleven frames, twice size) and
// with "-screens" (six screens put together with sample lines where the game writes).
// Returns false when a file cannot be written.
bool WriteContactSheets(const std::string& path);
