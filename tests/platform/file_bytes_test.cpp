// Reading files whole: only regular files, never more than asked, never a wait.
#include "platform/file_bytes.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(FileBytes, FoldersDevicesAndPipesAreRefusedAtOnce) {
    ScratchFolder folder;
    std::vector<uint8_t> bytes{9};
    EXPECT_EQ(ReadFileStart(folder.File("none").c_str(), 10, &bytes), FileStatus::Missing);
    EXPECT_TRUE(bytes.empty());

    std::filesystem::create_directory(folder.File("folder"));
    EXPECT_EQ(ReadFileStart(folder.File("folder").c_str(), 10, &bytes), FileStatus::Unreadable);
    EXPECT_EQ(errno, EISDIR);

    // An endless device behind a link, and a pipe nobody writes to: neither may hang.
    std::filesystem::create_symlink("/dev/zero", folder.File("zero"));
    EXPECT_EQ(ReadFileStart(folder.File("zero").c_str(), 10, &bytes), FileStatus::Unreadable);
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadFileStart(folder.File("pipe").c_str(), 10, &bytes), FileStatus::Unreadable);
    EXPECT_TRUE(ReadFileBytes(folder.File("pipe").c_str(), 10).empty());
    EXPECT_TRUE(bytes.empty());
}

} // namespace
