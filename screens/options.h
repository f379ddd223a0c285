// The options screen ("Game settings", 308): each option is a button, the left mouse button
// raises or switches it, the right one lowers or switches it; leaving saves.
#pragma once

// One frame of the options screen, over the main menu.
void RunOptionsScreen();
