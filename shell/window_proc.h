// The game window's procedure: the cursor position, paint requests and the close.
#pragma once

#include "platform/events.h"

#include <cstdint>

// Set when the player closed the window: the game saves on its way out, as "Save game and
// exit" does. Whole run.
extern int32_t windowClosed;

// Called by the platform's event pump for each window event. A mouse move sets mouseX and
// mouseY; a paint draws nothing (the next frame repaints); a close posts the quit message.
int WindowProc(const WindowEvent& event);
