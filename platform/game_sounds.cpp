// Every sound clip of the game, by the slot it was loaded into (-1 when it is not loaded).
#include "platform/game_sounds.h"

#define GAME_SOUND_DEFINE_ONE(name, ...) int name = -1;
#define GAME_SOUND_DEFINE_MANY(name, count, format) std::array<int, count> name = NoClips<count>();
GAME_SOUNDS(GAME_SOUND_DEFINE_ONE, GAME_SOUND_DEFINE_MANY, GAME_SOUND_DEFINE_MANY,
            GAME_SOUND_DEFINE_ONE)
#undef GAME_SOUND_DEFINE_ONE
#undef GAME_SOUND_DEFINE_MANY

void ResetGameSounds() {
#define GAME_SOUND_RESET_ONE(name, ...) name = -1;
#define GAME_SOUND_RESET_MANY(name, count, format) name.fill(-1);
    GAME_SOUNDS(GAME_SOUND_RESET_ONE, GAME_SOUND_RESET_MANY, GAME_SOUND_RESET_MANY,
                GAME_SOUND_RESET_ONE)
#undef GAME_SOUND_RESET_ONE
#undef GAME_SOUND_RESET_MANY
}
