// Whole files read into memory, for the readers that parse bytes.
#include "platform/file_bytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileStatus ReadFileStart(const char* path, size_t maxBytes, std::vector<uint8_t>* bytes) {
    bytes->clear();
    // Opening a pipe without O_NONBLOCK waits for a writer that may never come.
    const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        return errno == ENOENT ? FileStatus::Missing : FileStatus::Unreadable;
    }
    struct stat facts {};
    if (fstat(file, &facts) != 0 || !S_ISREG(facts.st_mode)) {
        close(file);
        errno = S_ISDIR(facts.st_mode) ? EISDIR : EINVAL;
        return FileStatus::Unreadable;
    }
    // The size on record is only a first guess: some files grow, and some report none.
    const size_t guess = static_cast<size_t>(facts.st_size) + 1;
    bytes->resize(guess < maxBytes ? guess : maxBytes);
    size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == bytes->size()) {
            bytes->resize(bytes->size() < maxBytes / 2 ? bytes->size() * 2 + 1 : maxBytes);
        }
        const ssize_t got = read(file, bytes->data() + filled, bytes->size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int fault = errno;
            close(file);
            bytes->clear();
            errno = fault;
            return FileStatus::Unreadable;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<size_t>(got);
    }
    close(file);
    bytes->resize(filled);
    return FileStatus::Read;
}

std::vector<uint8_t> ReadFileBytes(const char* path, size_t maxBytes) {
    std::vector<uint8_t> bytes;
    // One byte more than allowed tells a file that is too large from one that just fits.
    if (ReadFileStart(path, maxBytes + 1, &bytes) != FileStatus::Read || bytes.size() > maxBytes) {
        bytes.clear();
    }
    return bytes;
}
