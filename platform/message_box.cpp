// Message boxes over the game window.
#include "platform/message_box.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/dialog.h"

int ErrorBox(const char* caption, const char* text) {
    OkBox(caption, text);
    return 1;
}

bool StartupErrorBox(const char* title, const char* text) {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool display =
        (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
    if (!display || (driver != nullptr && (std::strcmp(driver, "dummy") == 0 ||
                                           std::strcmp(driver, "offscreen") == 0))) {
        return false;
    }
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr) == 0;
}
