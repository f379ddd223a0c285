// The game's window messages and the quit message: the window procedure that hears them, and
// the quit the main loop ends on.
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

// Called once at start-up by the entry point.
void SetWindowProcedure(WindowProcedure procedure);

// Hands a window message to the window procedure, when there is one.
void SendWindowEvent(const WindowEvent& event);

// Closes the window as the player would (a script's quit): the window procedure hears it.
void CloseGameWindow();

// Ends the main loop on its next pass; the frame that posts it completes first.
void PostQuitMessage(int exitCode);

// Whether a quit was posted, and its exit code.
bool QuitPosted(int* exitCode = nullptr);

// Forgets a quit posted earlier in the process, so that a new run of the game can start.
void ClearQuitMessage();
