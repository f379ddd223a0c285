// Screen mock-ups for the contact sheet.
#pragma once

#include <string>
#include <vector>

#include "assets/canvas.h"

// Writes a page of six screens (the waiting and racing track, the race card, the results,
// the options and the player buttons) put together from `pictures` (in the order of
// kPictures) with sample lines where the screens write theirs.
bool WriteMockups(const std::vector<Canvas>& pictures, const std::string& path);
