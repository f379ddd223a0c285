// The frame driver: one call draws one frame of whatever screen gameState selects.
#pragma once

#include <cstdint>

// Called once per pass of the main loop; returns 1.
int Game_Main();

// The screen back at the intro, no frame rate read out and no note on show.
void ResetFrameDriver();
