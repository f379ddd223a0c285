// Window events: the platform turns the window system's events into the few messages the
// game's window procedure handles, and carries the quit message to the main loop.
#pragma once

#include <vector>

#include "platform/ui_events.h"
#include "platform/window_messages.h"

// Called once per pass by the main loop, and by every loop that stands still (dialogs, waits):
// drains every pending event and hands each window event to the window procedure. Alt+Enter
// toggles full screen here. With dialogEvents, key presses, typed text and left-button clicks go
// there too, unless a script plays (it alone is the input then). While a script plays, the real
// mouse does not move the game's cursor.
void PumpWindowEvents(std::vector<UiEvent>* dialogEvents = nullptr);
