// Replays the fuzz targets' seed corpus and every input that ever crashed a reader through the
// same checks the targets run, so the regular suite keeps every mended reader mended.
#include "fuzz/reader_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFuzzFolder = STRIDEWELL_FUZZ_DATA;

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Runs a reader's check over a file: 1 when every rule held; *accepted as the check says.
int Replay(const ReaderCheck& reader, const fs::path& file, int* accepted) {
    const std::vector<uint8_t> bytes = ReadBytes(file.string());
    // An empty file still has to reach the check with a valid pointer, as libFuzzer gives it.
    static const uint8_t kNothing = 0;
    return reader.run(bytes.empty() ? &kNothing : bytes.data(), bytes.size(), accepted);
}

} // namespace

// Seeds are whole files of their format that the reader takes; regressions need only keep the
// rules. Every regression folder belongs to a reader, so none is left out of the replay.
TEST(FuzzReplay, EverySeedAndEveryInputThatEverCrashedAReaderKeepsEveryRule) {
    size_t regressions = 0;
    for (const ReaderCheck& reader : kReaderChecks) {
        const std::vector<fs::path> seeds = FilesIn(kFuzzFolder / "corpus" / reader.name);
        EXPECT_FALSE(seeds.empty()) << reader.name << " has no seed corpus";
        for (const fs::path& seed : seeds) {
            int accepted = 0;
            EXPECT_EQ(Replay(reader, seed, &accepted), 1) << seed;
            EXPECT_EQ(accepted, 1) << seed << " is not taken by its reader";
        }
        for (const fs::path& input : FilesIn(kFuzzFolder / "regressions" / reader.name)) {
            int accepted = 0;
            EXPECT_EQ(Replay(reader, input, &accepted), 1) << input;
            regressions += 1;
        }
    }
    for (const fs::directory_entry& folder : fs::directory_iterator(kFuzzFolder / "regressions")) {
        const std::string name = folder.path().filename().string();
        const bool known = std::any_of(std::begin(kReaderChecks), std::end(kReaderChecks),
                                       [&](const ReaderCheck& r) { return name == r.name; });
        EXPECT_TRUE(known) << folder.path() << " is no reader's regression folder";
    }
    EXPECT_GT(regressions, 0u);
}
