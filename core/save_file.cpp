// Whole-file saves that never leave a half-written file behind.
#include "core/save_file.h"

#include <cstdio>
#include <string>
#include <unistd.h>

int SaveWholeFile(const char* path, const void* data, size_t size) {
    const std::string temporary = std::string(path) + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    // The bytes reach the disk before the new name points at them: after a power cut the file
    // is the old one or the new one, never an empty one.
    const bool written = std::fwrite(data, 1, size, file) == size && std::fflush(file) == 0 &&
                         std::ferror(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return 0;
    }
    return 1;
}
