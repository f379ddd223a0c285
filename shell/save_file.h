// Whole-file saves that never leave a half-written file behind.
#pragma once

#include <cstddef>

// Writes the bytes to path + ".tmp" in the same folder and renames that over path only after
// the write, the flush and the close all succeeded, so a full disk or a crash mid-save leaves
// the old file whole. Returns 1, or 0 with path untouched and the temporary file removed.
// Used by the settings save and the horse-file writes.
int SaveWholeFile(const char* path, const void* data, size_t size);
