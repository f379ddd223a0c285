// Whole-file saves that never leave a half-written file behind.
#pragma once

#include <cstddef>

// Writes the bytes to path + ".tmp" in the same folder and renames that over path only after
// the write, the flush to disk and the close all succeeded, so a full disk, a killed game or a
// power cut mid-save leaves the old file whole. A killed save may leave its ".tmp" behind; the
// next save of that file writes over it. Returns 1, or 0 with path untouched and the temporary file
// removed. Used by the settings save and the horse-file writes.
int SaveWholeFile(const char* path, const void* data, size_t size);
