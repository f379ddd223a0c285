// The game window's procedure: the cursor position, paint requests and the close.
#pragma once

#include "platform/events.h"

#include <cstdint>

// The player closed the window: the game saves on its way out, as "Save game and exit" does.
bool WindowWasClosed();
// Forgets a close from an earlier run in this process.
void ResetWindowProc();

// Called by the platform's event pump for each window event. A mouse move sets mouseX and
// mouseY; a paint draws nothing (the next frame repaints); a close posts the quit message.
int WindowProc(const WindowEvent& event);
