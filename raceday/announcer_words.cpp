// What the announcer and the track's loudspeakers say, clip by clip.
#include "raceday/announcer_words.h"

#include <cstdio>

namespace {

constexpr int kProgramNumbers = 10;

// A family's file for the nth clip: "%i" in the pattern stands for n.
std::string Numbered(const char* pattern, int n) {
    char name[64];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

// The line with every "%d" standing for the runner's number (a line may name it twice).
std::string WithNumber(std::string_view line, int n) {
    std::string out;
    size_t from = 0;
    for (size_t at = line.find("%d"); at != std::string_view::npos; at = line.find("%d", from)) {
        out.append(line.substr(from, at - from)).append(std::to_string(n));
        from = at + 2;
    }
    return out.append(line.substr(from));
}

std::string AnnouncerWords(std::string_view file) {
    for (const RunnerWords& family : kRunnerWords) {
        for (int n = 1; n <= kProgramNumbers; ++n) {
            if (file == Numbered(family.file, n)) {
                return WithNumber(family.line, n);
            }
        }
    }
    for (const LineWords& family : kLineWords) {
        for (int n = 1; n <= family.count; ++n) {
            if (file == Numbered(family.file, n)) {
                return family.lines[n - 1];
            }
        }
    }
    return file == kQuarterPoleFile ? kQuarterPole : "";
}

} // namespace

std::string ClipWords(std::string_view path) {
    constexpr std::string_view kAnnouncer = "sounds/announcer/", kSounds = "sounds/";
    if (path.starts_with(kAnnouncer)) {
        return AnnouncerWords(path.substr(kAnnouncer.size()));
    }
    if (path.starts_with(kSounds)) {
        for (const PostTimeCall& call : kPostTimeCalls) {
            if (path.substr(kSounds.size()) == call.file) {
                return call.line;
            }
        }
    }
    return "";
}
