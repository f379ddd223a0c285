// Helpers the stable's tests share: a game folder with horse files, and the boxes shown.
#pragma once

#include <string>
#include <vector>

#include "stable/horse_record.h"
#include "tests/test_support.h"

// A scratch folder made the working directory, with an empty horses/ folder and the debug log
// open in it; every global of the stable, the settings and the odds starts afresh, and the
// generator is seeded with 1. Everything is put back at the end.
class StableFolder {
  public:
    StableFolder();
    ~StableFolder();
    // How many lines of the debug log hold the text.
    int LogCount(const std::string& text) const;

  private:
    ScratchFolder folder;
    WorkingDirectory inFolder;
};

// The game's date line for the current day, as the screens write it.
std::string DateLine();

// Saves and loads the game: everything comes back as it was but the post-time clock, which a
// load restarts at the time between races whatever it showed. The game is then put back.
void ExpectSaveLoadsBack(const std::string& state);

struct HorseSpec {
    const char* name;
    float ratings[kRatingCount]; // acceleration, speed, closing, endurance
    int32_t races, wins, places, shows;
};

// Writes horses/N.txt as the game writes it after a race.
void WriteHorse(int number, const HorseSpec& horse);

// The 215 starting horses, named "Horse 1" .. "Horse 215".
void WriteStartingHorses();

// A horse of the given class (wins = places = shows = class) with ratings of 10.
void WriteHorseOfClass(int number, int32_t horseClass);

// While alive, every box shown is recorded (as "caption: text") instead of waiting for a player.
class BoxCapture {
  public:
    BoxCapture();
    ~BoxCapture();
    std::vector<std::string> Boxes();

  private:
    bool capturing = true;
    std::vector<std::string> boxes;
};
