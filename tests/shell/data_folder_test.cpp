// Where an installed game finds its files: pictures and sounds from the player's folder when it
// holds them, else from the installation; starting horses copied into an empty stable only.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/data_files.h"
#include "shell/data_folder.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

TEST(DataFolder, PicturesAndSoundsComeFromThePlayersFolderWhenItHoldsThem) {
    ScratchFolder player;
    const WorkingDirectory inPlayer(player.path());
    struct Case {
        const char* installed; // the installed data folder, "" for none
        const char* playerHas; // a folder the player's data folder holds, "" for none
        const char* path;
        const char* read;
    };
    const Case cases[] = {
        {"", "", "images/track.bmp", "images/track.bmp"},
        {"/opt/game/share/stridewell", "", "images/track.bmp",
         "/opt/game/share/stridewell/images/track.bmp"},
        {"/opt/game/share/stridewell", "images", "images/track.bmp", "images/track.bmp"},
        {"/opt/game/share/stridewell", "images", "sounds/click1.wav",
         "/opt/game/share/stridewell/sounds/click1.wav"},
        {"/opt/game/share/stridewell", "sounds", "sounds/click1.wav", "sounds/click1.wav"},
        // The player's own files are never looked for in the installation.
        {"/opt/game/share/stridewell", "", "horses/1.txt", "horses/1.txt"},
    };
    for (const Case& c : cases) {
        fs::remove_all("images");
        fs::remove_all("sounds");
        if (c.playerHas[0] != '\0') {
            fs::create_directory(c.playerHas);
        }
        SetInstalledDataFolder(c.installed);
        EXPECT_EQ(DataFilePath(c.path), c.read) << c.installed << " " << c.playerHas;
    }
    SetInstalledDataFolder("");
}

TEST(DataFolder, AnEmptyStableGetsTheStartingHorsesAndNoHorseIsEverReplaced) {
    ScratchFolder installed;
    fs::create_directories(installed.path() / "horses");
    for (const char* name : {"1.txt", "2.txt", "215.txt"}) {
        WriteBytes(installed.File(std::string("horses/") + name), {'s', 't', 'a', 'r', 't'});
    }
    ScratchFolder player;
    const WorkingDirectory inPlayer(player.path());
    std::string error;
    EXPECT_EQ(CopyStartingHorses(installed.path().string(), &error), 3) << error;
    EXPECT_EQ(ReadBytes("horses/215.txt"), ReadBytes(installed.File("horses/215.txt")));
    // A stable with horses of its own, however few, is the player's and is left alone.
    WriteBytes("horses/2.txt", {'m', 'i', 'n', 'e'});
    fs::remove("horses/1.txt");
    EXPECT_EQ(CopyStartingHorses(installed.path().string(), &error), 0);
    EXPECT_FALSE(fs::exists("horses/1.txt"));
    EXPECT_EQ(ReadBytes("horses/2.txt"), (std::vector<uint8_t>{'m', 'i', 'n', 'e'}));
    EXPECT_EQ(error, "");
}

} // namespace
