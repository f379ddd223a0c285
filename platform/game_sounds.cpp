// Every sound clip of the game, by the slot it was loaded into (-1 when it is not loaded).
#include "platform/game_sounds.h"

int postcallSound = -1, click1Sound = -1, click2Sound = -1, crowdSound = -1, mainCrowdSound = -1,
    gallopSound = -1;
int theirOffSound = -1, cashSound = -1, backgroundSound = -1, explodeSound = -1, comeOnSound = -1,
    introSound = -1;
std::array<int, 4> horseSounds = NoClips<4>();
std::array<int, 3> oneMinuteSounds = NoClips<3>();
std::array<int, 3> thirtySecondsSounds = NoClips<3>();
std::array<int, 3> postTimeSounds = NoClips<3>();

std::array<int, kAnnouncedRunners> stretchSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> genericPhraseSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontCalmSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontMedSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontExSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontEx2Sounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontEx3Sounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontMed2Sounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> upFrontMed3Sounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> inCommandCalmSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> strugglingSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> struggling2Sounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> goodStartSounds = NoClips<kAnnouncedRunners>();
std::array<int, kAnnouncedRunners> badStartSounds = NoClips<kAnnouncedRunners>();
std::array<int, kTheirOffCalls> theirOffCalls = NoClips<kTheirOffCalls>();
std::array<int, kGenericLines> genericCalmSounds = NoClips<kGenericLines>();
std::array<int, kGenericLines> genericMedSounds = NoClips<kGenericLines>();
std::array<int, kGenericLines> genericExSounds = NoClips<kGenericLines>();
int atFirstQuarterPoleSound = -1;

void ResetGameSounds() {
    for (int* slot : {&postcallSound, &click1Sound, &click2Sound, &crowdSound, &mainCrowdSound,
                      &gallopSound, &theirOffSound, &cashSound, &backgroundSound, &explodeSound,
                      &comeOnSound, &introSound, &atFirstQuarterPoleSound}) {
        *slot = -1;
    }
    horseSounds.fill(-1);
    for (auto* family : {&oneMinuteSounds, &thirtySecondsSounds, &postTimeSounds}) {
        family->fill(-1);
    }
    for (auto* family :
         {&stretchSounds, &genericPhraseSounds, &upFrontCalmSounds, &upFrontMedSounds,
          &upFrontExSounds, &upFrontEx2Sounds, &upFrontEx3Sounds, &upFrontMed2Sounds,
          &upFrontMed3Sounds, &inCommandCalmSounds, &strugglingSounds, &struggling2Sounds,
          &goodStartSounds, &badStartSounds}) {
        family->fill(-1);
    }
    theirOffCalls.fill(-1);
    for (auto* family : {&genericCalmSounds, &genericMedSounds, &genericExSounds}) {
        family->fill(-1);
    }
}
