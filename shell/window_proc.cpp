// The game window's procedure: the cursor position, paint requests and the close.
#include "shell/window_proc.h"

#include "platform/input.h"

namespace {

bool windowClosed = false; // whole run; ResetWindowProc puts it back

} // namespace

bool WindowWasClosed() { return windowClosed; }

void ResetWindowProc() { windowClosed = false; }

int WindowProc(const WindowEvent& event) {
    switch (event.message) {
    case WindowMessage::MouseMove:
        MoveCursor(event.x, event.y);
        break;
    case WindowMessage::Destroy:
        windowClosed = true;
        PostQuitMessage(0);
        break;
    case WindowMessage::Paint:
        break;
    }
    return 0;
}
