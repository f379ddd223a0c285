// Where the game reads its pictures and sounds: from the player's data folder (the working
// directory) when it holds them, else from the installed game's read-only data.
#pragma once

#include <string>

// The installed data folder (images/, sounds/, horses/) to fall back on; empty for none.
void SetInstalledDataFolder(const std::string& folder);
const std::string& InstalledDataFolder();

// The file to read for a path inside the data folder such as "images/track.bmp". A picture or
// clip is read from the data folder when that holds the top folder (images/ or sounds/), so a
// folder of its own is used whole, as it always was; else from the installed data. Messages
// keep naming the path as given.
std::string DataFilePath(const std::string& path);

// The window icon, a .bmp with alpha that the data generator draws beside the pictures.
inline constexpr const char* kWindowIconFile = "images/icon.bmp";
