// Window events on SDL2.
#include "platform/events.h"

#include "platform/display.h"
#include "platform/input.h"
#include "platform/script.h"
#include "platform/sdl_private.h"

namespace {

struct {
    WindowProcedure procedure = nullptr;
    bool quitPosted = false;
    int exitCode = 0;
} events; // whole run

void Send(const WindowEvent& event) {
    if (events.procedure != nullptr) {
        events.procedure(event);
    }
}

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

void SetWindowProcedure(WindowProcedure procedure) { events.procedure = procedure; }

void PumpWindowEvents(std::vector<UiEvent>* dialogEvents) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            Send({WindowMessage::Destroy, 0, 0});
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                ShowPictureAgain();
                Send({WindowMessage::Paint, 0, 0});
            } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                FitPictureToWindow();
                ShowPictureAgain();
            }
            break;
        case SDL_MOUSEMOTION:
            if (!ScriptIsRunning()) {
                int x = 0, y = 0;
                WindowPointToScreen(event.motion.x, event.motion.y, &x, &y);
                Send({WindowMessage::MouseMove, x, y});
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

void CloseGameWindow() {
    if (events.procedure == nullptr) {
        PostQuitMessage(0);
    }
    Send({WindowMessage::Destroy, 0, 0});
}

void PostQuitMessage(int exitCode) {
    if (!events.quitPosted) {
        events.quitPosted = true;
        events.exitCode = exitCode;
    }
}

void ClearQuitMessage() {
    events.quitPosted = false;
    events.exitCode = 0;
}

bool QuitPosted(int* exitCode) {
    if (events.quitPosted && exitCode != nullptr) {
        *exitCode = events.exitCode;
    }
    return events.quitPosted;
}
