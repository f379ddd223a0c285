// Reading files whole, never more than asked. Folders, endless devices and pipes refused at once
// are the data-folder failure tests' (tests/shell/data_folder_failures_test.cpp).
#include "platform/file_bytes.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

TEST(FileBytes, ReadsARegularFileUpToItsLimit) {
    ScratchFolder folder;
    WriteBytes(folder.File("five"), {1, 2, 3, 4, 5});
    std::vector<uint8_t> bytes;
    EXPECT_EQ(ReadFileStart(folder.File("five").c_str(), 3, &bytes), FileStatus::Read);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(ReadFileStart(folder.File("five").c_str(), 100, &bytes), FileStatus::Read);
    EXPECT_EQ(bytes.size(), 5u);
    // Whole reads refuse a file one byte over the limit and take one that just fits.
    EXPECT_EQ(ReadFileBytes(folder.File("five").c_str(), 5).size(), 5u);
    EXPECT_TRUE(ReadFileBytes(folder.File("five").c_str(), 4).empty());
    WriteBytes(folder.File("empty"), {});
    EXPECT_EQ(ReadFileStart(folder.File("empty").c_str(), 10, &bytes), FileStatus::Read);
    EXPECT_TRUE(bytes.empty());
}

} // namespace
