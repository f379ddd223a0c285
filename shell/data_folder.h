// The data folder: where the pictures, sounds, horses, saved game and log live.
#pragma once

#include <string>

// The folder to use: dataDir when given, else $XDG_DATA_HOME/stridewell, else
// ~/.local/share/stridewell.
std::string ChooseDataFolder(const std::string& dataDir, const char* xdgDataHome, const char* home);

// Makes folder the working directory; the XDG folder is created when missing, a folder named
// with --data must exist. On failure returns false with a message for the player.
bool EnterDataFolder(const std::string& folder, bool create, std::string* error);
