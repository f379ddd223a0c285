// The game's window messages and the quit message.
#include "platform/window_messages.h"

namespace {

struct {
    WindowProcedure procedure = nullptr;
    bool quitPosted = false;
    int exitCode = 0;
} events; // whole run

} // namespace

void SetWindowProcedure(WindowProcedure procedure) { events.procedure = procedure; }

void SendWindowEvent(const WindowEvent& event) {
    if (events.procedure != nullptr) {
        events.procedure(event);
    }
}

void CloseGameWindow() {
    if (events.procedure == nullptr) {
        PostQuitMessage(0);
    }
    SendWindowEvent({WindowMessage::Destroy, 0, 0});
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
