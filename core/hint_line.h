// The hint line at the foot of the screen, shared by the menu and the race card.
#pragma once

// The hint line for the button under the cursor.
void DrawHint(const char* text);
