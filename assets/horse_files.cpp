// The starting stable: the game's own rules rate 215 horses with the generator's names.
#include "assets/horse_files.h"

#include <vector>

#include "assets/horse_names.h"
#include "platform/random.h"
#include "stable/horse_updates.h"

namespace {

// The same stable on every machine.
constexpr uint32_t kStableSeed = 1897;

} // namespace

int WriteHorseFiles(const std::string& folder, std::string* error) {
    const std::vector<std::string> names = MakeHorseNames(kHorseCount);
    if (static_cast<int>(names.size()) != kHorseCount) {
        *error = "not enough horse names";
        return 0;
    }
    const char* pointers[kHorseCount];
    for (int i = 0; i < kHorseCount; ++i) {
        pointers[i] = names[i].c_str();
    }
    SeedRand(kStableSeed);
    if (WriteStartingHorseFiles(folder.c_str(), pointers) != 1) {
        *error = "cannot write the horse files in " + folder;
        return 0;
    }
    return kHorseCount;
}
