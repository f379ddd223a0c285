// Window events: the platform turns the window system's events into the few messages the
// game's window procedure handles, and carries the quit message to the main loop.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui_events.h"

enum class WindowMessage {
    Paint,     // the window needs its picture again
    Destroy,   // the player closed the window
    MouseMove, // the cursor moved; x, y in 800 x 600 screen coordinates
};

struct WindowEvent {
    WindowMessage message;
    int32_t x, y;
};

using WindowProcedure = int (*)(const WindowEvent& event);

// Called once at start-up by the entry point.
void SetWindowProcedure(WindowProcedure procedure);

// Called once per pass by the main loop, and by every loop that stands still (dialogs, waits):
// drains every pending event and hands each window event to the window procedure. Alt+Enter
// toggles full screen here. With dialogEvents, key presses, typed text and left-button clicks go
// there too, unless a script plays (it alone is the input then). While a script plays, the real
// mouse does not move the game's cursor.
void PumpWindowEvents(std::vector<UiEvent>* dialogEvents = nullptr);

// Closes the window as the player would (a script's quit): the window procedure hears it.
void CloseGameWindow();

// Ends the main loop on its next pass; the frame that posts it completes first.
void PostQuitMessage(int exitCode);

// Whether a quit was posted, and its exit code.
bool QuitPosted(int* exitCode = nullptr);

// Forgets a quit posted earlier in the process, so that a new run of the game can start.
void ClearQuitMessage();
