// Window events: the platform turns the window system's events into the few messages the
// game's window procedure handles, and carries the quit message to the main loop.
#pragma once

#include <cstdint>

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

// Called once per pass by the main loop (and by nested waits): drains every pending event and
// hands each to the window procedure. Alt+Enter toggles full screen here. While a script
// plays, the real mouse does not move the game's cursor.
void PumpWindowEvents(WindowProcedure procedure);

// Ends the main loop on its next pass; the frame that posts it completes first.
void PostQuitMessage(int exitCode);

// Whether a quit was posted, and its exit code.
bool QuitPosted(int* exitCode);
