// The game window's procedure: the cursor position, paint requests and the close.
#include "shell/window_proc.h"

#include "platform/input.h"

int32_t windowClosed = 0;

int WindowProc(const WindowEvent& event) {
    switch (event.message) {
    case WindowMessage::MouseMove:
        mouseX = event.x;
        mouseY = event.y;
        break;
    case WindowMessage::Destroy:
        windowClosed = 1;
        PostQuitMessage(0);
        break;
    case WindowMessage::Paint:
        break;
    }
    return 0;
}
