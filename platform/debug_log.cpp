// The debug log: buglog.txt in the data folder, one line appended per call.
#include "platform/debug_log.h"

#include <cstdio>

BugLog bugLog;

namespace {
constexpr const char* kLogName = "buglog.txt";
constexpr const char* kPreviousLogName = "buglog.1.txt"; // the run before's, kept for a report
} // namespace

void BugLog::Open() {
    std::rename(kLogName, kPreviousLogName);
    if (FILE* file = std::fopen(kLogName, "w")) {
        std::fclose(file);
    }
    opened = true;
    Write("Opening BugLog\n");
}

int BugLog::Write(const char* text) {
    if (!opened) {
        return EOF;
    }
    FILE* file = std::fopen(kLogName, "a");
    if (file == nullptr) {
        return EOF;
    }
    std::fprintf(file, "%s\n", text);
    return std::fclose(file);
}

void BugLog::Close() { opened = false; }
