// Every sound clip of the game, by the slot it was loaded into (-1 when it is not loaded).
// Filled by start-up from the asset manifest; each lives for the whole run.
#pragma once

#include <array>
#include <cstddef>

constexpr int kAnnouncedRunners = 10;
constexpr int kGenericLines = 30;
constexpr int kTheirOffCalls = 7;

// Under sounds/.
extern int postcallSound, click1Sound, click2Sound, crowdSound, mainCrowdSound, gallopSound;
extern int theirOffSound, cashSound, backgroundSound, explodeSound, comeOnSound, introSound;
extern std::array<int, 4> horseSounds;
extern std::array<int, 3> oneMinuteSounds, thirtySecondsSounds, postTimeSounds;

// Under sounds/announcer/: families with one clip per runner number (index number - 1).
extern std::array<int, kAnnouncedRunners> stretchSounds;
extern std::array<int, kAnnouncedRunners> genericPhraseSounds;
extern std::array<int, kAnnouncedRunners> upFrontCalmSounds;
extern std::array<int, kAnnouncedRunners> upFrontMedSounds;
extern std::array<int, kAnnouncedRunners> upFrontExSounds;
extern std::array<int, kAnnouncedRunners> upFrontEx2Sounds;
extern std::array<int, kAnnouncedRunners> upFrontEx3Sounds;
extern std::array<int, kAnnouncedRunners> upFrontMed2Sounds;
extern std::array<int, kAnnouncedRunners> upFrontMed3Sounds;
extern std::array<int, kAnnouncedRunners> inCommandCalmSounds;
extern std::array<int, kAnnouncedRunners> strugglingSounds;
extern std::array<int, kAnnouncedRunners> struggling2Sounds;
extern std::array<int, kAnnouncedRunners> goodStartSounds;
extern std::array<int, kAnnouncedRunners> badStartSounds;
extern std::array<int, kTheirOffCalls> theirOffCalls;
extern std::array<int, kGenericLines> genericCalmSounds;
extern std::array<int, kGenericLines> genericMedSounds;
extern std::array<int, kGenericLines> genericExSounds;
extern int atFirstQuarterPoleSound;

// No clip: what every slot holds before start-up loads it.
template <std::size_t N> constexpr std::array<int, N> NoClips() {
    std::array<int, N> slots{};
    slots.fill(-1);
    return slots;
}

// Puts every slot back to -1 (nothing loaded).
void ResetGameSounds();
