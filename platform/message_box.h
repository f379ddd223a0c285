// Message boxes over the game window.
#pragma once

// Shows a modal box with an OK button over the last frame and returns 1 when it is closed.
// In a scripted run the box is also written to the run's transcript (standard output); with
// no display to show it on, it goes to standard error. It never writes to the debug log.
int ErrorBox(const char* caption, const char* text);

// Before the game window is up, or when it cannot be made: the desktop's own message box, so a
// game started from a menu can say why it did not start. Shown only when a display is there
// (not under SDL's dummy driver); returns whether it was shown.
bool StartupErrorBox(const char* title, const char* text);
