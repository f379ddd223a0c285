// Message boxes over the game window.
#include "platform/message_box.h"

#include <cstdio>

#include "platform/script.h"
#include "platform/sdl_private.h"

int ErrorBox(const char* caption, const char* text) {
    if (ScriptIsRunning()) {
        ScriptTranscript("box \"%s\": %s", caption, text);
        return 1;
    }
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, GameWindow()) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
    return 1;
}
