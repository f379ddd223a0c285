// The data folder: where the player's saved game, horses and log live, and the installed
// game's read-only pictures, sounds and starting horses beside the program.
#pragma once

#include <string>

// The folder to use: dataDir when given, else $XDG_DATA_HOME/stridewell, else
// ~/.local/share/stridewell.
std::string ChooseDataFolder(const std::string& dataDir, const char* xdgDataHome, const char* home);

// Makes folder the working directory; the XDG folder is created when missing, a folder named
// with --data must exist. On failure returns false with a message for the player.
bool EnterDataFolder(const std::string& folder, bool create, std::string* error);

// The installed data of the program at programPath: STRIDEWELL_DATA_FROM_BIN from the
// program's folder (../share/stridewell), as an absolute path; empty when it is not there.
std::string FindInstalledDataFolder(const std::string& programPath);

// Gives a stable with no horse files (horses/ in the working directory) the installed
// starting horses. A horse file already there is never replaced. Returns how many were copied;
// on failure sets error.
int CopyStartingHorses(const std::string& installedData, std::string* error);
