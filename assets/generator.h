// The data generator: writes the game's pictures, sounds and starting horse files into a
// data folder.
#pragma once

#include <string>

struct GeneratorResult {
    int pictures;      // pictures written this run (0 when they were up to date)
    int sounds;        // clips written this run
    int horses;        // horse files written this run (0 when the stable already had files)
    std::string error; // empty on success
};

// Makes DIR/images, DIR/sounds, DIR/sounds/announcer and DIR/horses. Pictures and sounds are
// written again whenever this generator differs from the one that wrote them; horse files
// only into an empty horses folder, and settings.stn is never touched: those are the
// player's saved game.
GeneratorResult GenerateGameData(const std::string& dir);

// The key the stamp file holds: what the pictures and sounds were made by.
std::string DataStamp();

// The stamp file's name inside the data folder.
inline constexpr const char* kStampFile = ".stridewell-data";
