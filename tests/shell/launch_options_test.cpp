// The command line and the data folder.
#include "shell/launch_options.h"

#include <gtest/gtest.h>

#include "shell/data_folder.h"

namespace {

TEST(LaunchOptions, ReadsEveryOptionWithItsValueAfterASpaceOrAnEqualsSign) {
    const std::vector<std::vector<std::string>> forms = {
        {"--windowed", "--depth", "15", "--seed", "4294967295", "--fixed-fps", "60", "--script",
         "a.txt", "--data", "d=1"},
        {"--windowed", "--depth=15", "--seed=4294967295", "--fixed-fps=60", "--script=a.txt",
         "--data=d=1"},
    };
    for (const auto& args : forms) {
        LaunchOptions options;
        std::string error;
        ASSERT_TRUE(ParseLaunchOptions(args, &options, &error)) << error;
        EXPECT_TRUE(options.windowed);
        EXPECT_EQ(options.bitsPerPixel, 15);
        EXPECT_TRUE(options.seedGiven);
        EXPECT_EQ(options.seed, 4294967295u);
        EXPECT_EQ(options.fixedFps, 60);
        EXPECT_EQ(options.scriptPath, "a.txt");
        EXPECT_EQ(options.dataDir, "d=1");
    }
}

TEST(LaunchOptions, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string>> bad = {
        {"--seed"},           {"--seed", "-1"},        {"--seed", "4294967296"}, {"--seed", "12x"},
        {"--fixed-fps", "0"}, {"--fixed-fps", "1001"}, {"--depth", "24"},        {"--script"},
        {"--data"},           {"--fullscreen"},        {"--windowed=yes"},       {"--seed="},
    };
    for (const auto& args : bad) {
        LaunchOptions options;
        std::string error;
        EXPECT_FALSE(ParseLaunchOptions(args, &options, &error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

TEST(DataFolder, FollowsTheXdgRules) {
    EXPECT_EQ(ChooseDataFolder("here", "/xdg", "/home/p"), "here");
    EXPECT_EQ(ChooseDataFolder("", "/xdg", "/home/p"), "/xdg/stridewell");
    EXPECT_EQ(ChooseDataFolder("", "relative", "/home/p"), "/home/p/.local/share/stridewell");
    EXPECT_EQ(ChooseDataFolder("", nullptr, "/home/p"), "/home/p/.local/share/stridewell");
}

} // namespace
