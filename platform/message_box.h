// Message boxes over the game window.
#pragma once

// Shows a modal box with an OK button and returns 1 when it is closed. In a scripted run the
// box is written to the run's transcript (standard output) and answered OK at once; where no
// box can be shown (no display) it goes to standard error. It never writes to the debug log.
int ErrorBox(const char* caption, const char* text);
