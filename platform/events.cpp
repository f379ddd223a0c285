// Window events on SDL2.
#include "platform/events.h"

#include "platform/display.h"
#include "platform/input.h"
#include "platform/script.h"
#include "platform/sdl_private.h"

namespace {

bool IsAltEnter(const SDL_KeyboardEvent& key) {
    return key.keysym.scancode == SDL_SCANCODE_RETURN && (key.keysym.mod & KMOD_ALT) != 0;
}

// Key presses, typed text and left clicks for an open dialog.
void TellDialog(const SDL_Event& event, std::vector<UiEvent>* dialog) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        const int code = ScanCodeForUsbUsage(event.key.keysym.scancode);
        if (code >= 0) {
            const bool shift = (event.key.keysym.mod & KMOD_SHIFT) != 0;
            dialog->push_back({UiEventKind::Key, code, 0, 0, shift, {}});
        }
        break;
    }
    case SDL_TEXTINPUT:
        dialog->push_back({UiEventKind::Text, 0, 0, 0, false, event.text.text});
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) {
            const auto kind =
                event.type == SDL_MOUSEBUTTONDOWN ? UiEventKind::MouseDown : UiEventKind::MouseUp;
            int x = 0, y = 0;
            WindowPointToScreen(event.button.x, event.button.y, &x, &y);
            dialog->push_back({kind, 0, x, y, false, {}});
        }
        break;
    default:
        break;
    }
}

} // namespace

void PumpWindowEvents(std::vector<UiEvent>* dialogEvents) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            SendWindowEvent({WindowMessage::Destroy, 0, 0});
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                ShowPictureAgain();
                SendWindowEvent({WindowMessage::Paint, 0, 0});
            } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                FitPictureToWindow();
                ShowPictureAgain();
            }
            break;
        case SDL_MOUSEMOTION:
            if (!ScriptIsRunning()) {
                int x = 0, y = 0;
                WindowPointToScreen(event.motion.x, event.motion.y, &x, &y);
                SendWindowEvent({WindowMessage::MouseMove, x, y});
            }
            break;
        case SDL_KEYDOWN:
            if (IsAltEnter(event.key)) {
                if (event.key.repeat == 0) {
                    ToggleFullscreen();
                }
                break;
            }
            [[fallthrough]];
        default:
            if (dialogEvents != nullptr && !ScriptIsRunning()) {
                TellDialog(event, dialogEvents);
            }
            break;
        }
    }
}
