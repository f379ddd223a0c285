// The frame driver: one call draws one frame of whatever screen gameState selects.
#pragma once

#include <cstdint>

// Whole run; ResetFrameDriver puts it back.
extern char fpsText[32]; // "FPS: %d", refreshed while Ctrl is down

// Called once per pass of the main loop; returns 1.
int Game_Main();

void ResetFrameDriver();
