// The hint line at the foot of the screen, shared by the menu, the race card and the options.
#pragma once

#include <cstdint>

constexpr uint32_t kHintColour = 0x0000C8;

// The hint line for the button under the cursor.
void DrawHint(const char* text);
