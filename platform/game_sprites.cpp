// Every sprite of the game: made at start-up from the asset manifest or by the screen that
// shows it, released at shutdown.
#include "platform/game_sprites.h"

#include <vector>

#define GAME_SPRITE_DEFINE_ONE(name, ...) Sprite name;
#define GAME_SPRITE_DEFINE_MANY(name, count, ...) Sprite name[count];
GAME_SPRITES(GAME_SPRITE_DEFINE_ONE, GAME_SPRITE_DEFINE_ONE, GAME_SPRITE_DEFINE_MANY,
             GAME_SPRITE_DEFINE_ONE, GAME_SPRITE_DEFINE_MANY)
#undef GAME_SPRITE_DEFINE_ONE
#undef GAME_SPRITE_DEFINE_MANY

std::span<Sprite* const> GameSprites() {
    static const std::vector<Sprite*> kAll = [] {
        std::vector<Sprite*> all;
#define GAME_SPRITE_LIST_ONE(name, ...) all.push_back(&name);
#define GAME_SPRITE_LIST_MANY(name, count, ...)                                                    \
    for (Sprite & element : name) {                                                                \
        all.push_back(&element);                                                                   \
    }
        GAME_SPRITES(GAME_SPRITE_LIST_ONE, GAME_SPRITE_LIST_ONE, GAME_SPRITE_LIST_MANY,
                     GAME_SPRITE_LIST_ONE, GAME_SPRITE_LIST_MANY)
#undef GAME_SPRITE_LIST_ONE
#undef GAME_SPRITE_LIST_MANY
        return all;
    }();
    return kAll;
}
