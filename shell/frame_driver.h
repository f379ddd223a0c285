// The frame driver: one call draws one frame of whatever screen gameState selects.
#pragma once

#include <cstdint>

// Whole run; ResetFrameDriver puts them back.
extern int32_t leftWasUp;  // the button was up when the previous frame ended, so that
extern int32_t rightWasUp; // a click fires once per press
extern int32_t middleWasUp;
extern char fpsText[32]; // "FPS: %d", refreshed while Ctrl is down

// Called once per pass of the main loop; returns 1.
int Game_Main();

void ResetFrameDriver();
