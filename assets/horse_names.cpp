// Racehorse names from word lists: "Silver Comet", "Captain's Pride", "Sir Galloway".
#include "assets/horse_names.h"

#include <cstdint>
#include <set>

#include "assets/canvas.h"

namespace {

constexpr const char* kAdjectives[] = {
    "Silver",   "Golden",   "Midnight", "Lucky",    "Royal",   "Wild",    "Bold",    "Swift",
    "Northern", "Southern", "Crimson",  "Copper",   "Misty",   "Dancing", "Flying",  "Gentle",
    "Proud",    "Rapid",    "Quiet",    "Scarlet",  "Velvet",  "Winter",  "Summer",  "Autumn",
    "Rising",   "Brave",    "Secret",   "Noble",    "Distant", "Amber",   "Ivory",   "Emerald",
    "Stormy",   "Sunny",    "Merry",    "Restless", "Humble",  "Daring",  "Gallant", "Hidden",
    "Blazing",  "Shining",  "Roaring",  "Jolly",    "Lonely",  "Silent",  "Thunder", "Cosmic",
};

constexpr const char* kNouns[] = {
    "Comet",    "Arrow",   "Express", "Meadow",  "Legend",  "Rebel",   "Spirit",  "Dancer",
    "Echo",     "Harbour", "Lantern", "Monarch", "Voyager", "Whisper", "Thunder", "Tempest",
    "Falcon",   "Sparrow", "Breeze",  "Ember",   "Dream",   "Charm",   "Fortune", "Promise",
    "Rascal",   "Rogue",   "Sonnet",  "Ballad",  "Canyon",  "Glacier", "Horizon", "Rocket",
    "Banner",   "Beacon",  "Harvest", "Journey", "Mirage",  "Orchard", "Pilgrim", "Ranger",
    "Sentinel", "Signal",  "Summit",  "Trail",   "Valley",  "Warrior", "Wonder",  "Zephyr",
};

constexpr const char* kOwners[] = {"Captain's", "Duke's",    "Lady's",   "Miller's",
                                   "Baron's",   "Admiral's", "Sailor's", "Farmer's",
                                   "Parson's",  "Doctor's",  "Mother's", "Grandpa's"};
constexpr const char* kOwned[] = {"Pride",  "Choice",   "Delight", "Folly", "Fancy", "Gamble",
                                  "Secret", "Treasure", "Wish",    "Joy",   "Luck",  "Legacy"};

constexpr const char* kSirs[] = {"Sir", "Mister", "Lord", "Captain", "Major"};
constexpr const char* kSirNames[] = {"Galloway",    "Barnaby", "Tumbleweed", "Pemberton",
                                     "Cobblestone", "Bramble", "Winslow",    "Fitzroy",
                                     "Beaumont",    "Buttons"};
constexpr const char* kLadies[] = {"Lady", "Miss", "Madam"};
constexpr const char* kLadyNames[] = {"Marigold", "Rosalind", "Dorothea", "Clementine",
                                      "Hazelnut", "Primrose", "Juniper",  "Buttons"};

constexpr const char* kMovers[] = {"Wind", "Storm", "Cloud", "Star", "Sky",
                                   "Fire", "Wave",  "Dust",  "Moon", "Sun"};
constexpr const char* kMoving[] = {"chaser", "runner", "dancer",  "catcher",
                                   "rider",  "seeker", "breaker", "glider"};

template <size_t N> const char* Pick(const char* const (&words)[N], uint64_t& state) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return words[(state >> 33) % N];
}

std::string Candidate(uint64_t& state) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    switch ((state >> 40) % 8) {
    case 0:
    case 1:
    case 2:
        return std::string(Pick(kAdjectives, state)) + " " + Pick(kNouns, state);
    case 3:
    case 4:
        return std::string(Pick(kOwners, state)) + " " + Pick(kOwned, state);
    case 5:
        if ((state >> 20) % 2 == 0) {
            return std::string(Pick(kSirs, state)) + " " + Pick(kSirNames, state);
        }
        return std::string(Pick(kLadies, state)) + " " + Pick(kLadyNames, state);
    case 6:
        return std::string(Pick(kMovers, state)) + Pick(kMoving, state);
    default:
        return std::string(Pick(kAdjectives, state)) + " " + Pick(kMovers, state);
    }
}

} // namespace

std::vector<std::string> MakeHorseNames(int count) {
    Canvas measure = NewCanvas(4, 4);
    SetFont(measure.cr, Face::Comic, 17);
    std::vector<std::string> names;
    std::set<std::string> taken;
    uint64_t state = 1897;
    // The lists hold thousands of names; a bounded number of draws always finds enough.
    for (int tries = 0; static_cast<int>(names.size()) < count && tries < 100000; ++tries) {
        const std::string name = Candidate(state);
        // A margin below the budget, for the game's font measuring a little wider.
        if (name.size() > static_cast<size_t>(kMaxNameLength) || taken.count(name) != 0 ||
            TextWidthAt(measure.cr, name) > kNameWidthBudget - 8) {
            continue;
        }
        taken.insert(name);
        names.push_back(name);
    }
    FreeCanvas(&measure);
    return names;
}
