// Window events on SDL2.
#include "platform/events.h"

#include "platform/display.h"
#include "platform/script.h"
#include "platform/sdl_private.h"

namespace {
struct {
    bool posted = false;
    int exitCode = 0;
} quit; // whole run

bool IsAltEnter(const SDL_KeyboardEvent& key) {
    return key.keysym.scancode == SDL_SCANCODE_RETURN && (key.keysym.mod & KMOD_ALT) != 0 &&
           key.repeat == 0;
}
} // namespace

void PumpWindowEvents(WindowProcedure procedure) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            procedure({WindowMessage::Destroy, 0, 0});
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                procedure({WindowMessage::Paint, 0, 0});
            }
            break;
        case SDL_MOUSEMOTION:
            // With a logical size set, SDL already reports motion in 800 x 600 coordinates.
            if (!ScriptIsRunning()) {
                procedure({WindowMessage::MouseMove, event.motion.x, event.motion.y});
            }
            break;
        case SDL_KEYDOWN:
            if (IsAltEnter(event.key)) {
                ToggleFullscreen();
            }
            break;
        default:
            break;
        }
    }
}

void PostQuitMessage(int exitCode) {
    if (!quit.posted) {
        quit.posted = true;
        quit.exitCode = exitCode;
    }
}

bool QuitPosted(int* exitCode) {
    if (quit.posted && exitCode != nullptr) {
        *exitCode = quit.exitCode;
    }
    return quit.posted;
}
