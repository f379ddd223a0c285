// Whole-file saves that never leave a half-written file behind.
#include "shell/save_file.h"

#include <cstdio>
#include <string>

int SaveWholeFile(const char* path, const void* data, size_t size) {
    const std::string temporary = std::string(path) + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    const bool written = std::fwrite(data, 1, size, file) == size && std::fflush(file) == 0 &&
                         std::ferror(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return 0;
    }
    return 1;
}
