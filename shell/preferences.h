// The player's preferences: how the game looks and sounds on this desktop, kept apart from the
// saved game in $XDG_CONFIG_HOME/stridewell/stridewell.conf as key = value lines.
#pragma once

#include <string>
#include <vector>

struct Preferences {
    bool fullScreen = true;
    int windowWidth = 800; // the window's size when it is not full screen
    int windowHeight = 600;
    int volume = 100; // the master volume, 0..100
    bool muted = false;
    bool captions = false;
};

bool operator==(const Preferences& a, const Preferences& b);

// $XDG_CONFIG_HOME/stridewell/stridewell.conf, else ~/.config/stridewell/stridewell.conf.
std::string PreferencesFile(const char* xdgConfigHome, const char* home);

// The lines of a preferences file laid over prefs. A line that is not a known key with a
// sensible value is left out, and said in complaints (for the log; the player needs no box).
void ParsePreferences(const std::string& text, Preferences* prefs,
                      std::vector<std::string>* complaints);
std::string FormatPreferences(const Preferences& prefs);

// What changed from before to after, laid over into: what the player changes during a run is
// kept, while what the command line chose for the run alone (a window) stays out of the file.
void TakeChanges(const Preferences& before, const Preferences& after, Preferences* into);

// Reads the file over prefs; a missing file is no complaint.
void ReadPreferences(const std::string& path, Preferences* prefs,
                     std::vector<std::string>* complaints);
// Writes the file whole (its folder made when missing), never leaving half a file. Returns
// false when it cannot.
bool WritePreferences(const std::string& path, const Preferences& prefs);
