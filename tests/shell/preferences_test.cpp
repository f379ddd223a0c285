// The player's preferences file: read line by line with what cannot be used left out, written
// whole, and the command line's choices for one run kept out of it.
#include "shell/preferences.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/sound.h"
#include "raceday/captions.h"
#include "shell/game_reset.h"
#include "shell/kept_preferences.h"
#include "tests/test_support.h"

namespace {

TEST(Preferences, LinesAreReadOverTheDefaultsAndWhatCannotBeUsedIsSaidAndLeftOut) {
    const struct {
        const char* line;
        Preferences read; // from the defaults
        bool complaint;
    } table[] = {
        {"fullscreen = no", {.fullScreen = false}, false},
        {"  window=1024x768  ", {.windowWidth = 1024, .windowHeight = 768}, false},
        {"volume = 35", {.volume = 35}, false},
        {"muted = yes", {.muted = true}, false},
        {"captions = on", {.captions = true}, false},
        {"# a comment", {}, false},
        {"", {}, false},
        {"volume = 101", {}, true},
        {"volume = loud", {}, true},
        {"window = 80x60", {}, true},
        {"window = 1024", {}, true},
        {"muted = maybe", {}, true},
        {"fullscreen", {}, true},
        {"colour = green", {}, true},
    };
    for (const auto& row : table) {
        Preferences prefs;
        std::vector<std::string> complaints;
        ParsePreferences(row.line, &prefs, &complaints);
        EXPECT_EQ(prefs, row.read) << row.line;
        EXPECT_EQ(complaints.size(), row.complaint ? 1u : 0u) << row.line;
    }
}

TEST(Preferences, TheFileLivesWhereXdgSays) {
    EXPECT_EQ(PreferencesFile("/xdg", "/home/p"), "/xdg/stridewell/stridewell.conf");
    EXPECT_EQ(PreferencesFile(nullptr, "/home/p"), "/home/p/.config/stridewell/stridewell.conf");
    EXPECT_EQ(PreferencesFile("relative", "/home/p"), "/home/p/.config/stridewell/stridewell.conf");
}

TEST(Preferences, OnlyWhatThePlayerChangesDuringARunIsKept) {
    // The file says full screen at 1024 x 768; the run was started with --windowed.
    const Preferences file{true, 1024, 768, 80, false, false};
    const Preferences start{false, 1024, 768, 80, false, false};
    Preferences kept = file;
    TakeChanges(start, Preferences{false, 900, 700, 80, false, false}, &kept); // a resize
    EXPECT_EQ(kept, (Preferences{true, 900, 700, 80, false, false}));
    TakeChanges(Preferences{true, 1024, 768, 80, false, false}, start, &kept); // Alt+Enter
    EXPECT_FALSE(kept.fullScreen);
}

// A run at the keyboard keeps in the file what the player changed, once the game ends.
TEST(KeptPreferences, WhatARunChangesReachesTheFileAsItEnds) {
    ScratchFolder folder;
    ResetGameState();
    const char* was = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = was != nullptr ? was : "";
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    const std::string file = PreferencesFile(folder.path().c_str(), "/home/p");
    Preferences read;
    std::vector<std::string> complaints;
    ReadPreferences(file, &read, &complaints); // a first start: no file, nothing to say
    EXPECT_TRUE(complaints.empty());
    ASSERT_TRUE(WritePreferences(file, {false, 1280, 720, 80, false, false}));
    ReadPlayersPreferences(false, false);
    NotePreferencesSeen();
    SetMasterVolume(40);
    SetSoundMuted(true);
    SetCaptionsOn(true);
    KeepPreferences(true);
    ReadPreferences(file, &read, &complaints);
    EXPECT_EQ(read, (Preferences{false, 1280, 720, 40, true, true}));
    EXPECT_TRUE(complaints.empty());
    was != nullptr ? setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    ResetGameState();
}

} // namespace
