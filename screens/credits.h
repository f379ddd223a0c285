// The credits: names scrolling up behind the main menu's backdrop.
#pragma once

// Top of the scrolling list; the credits button starts it from the bottom of the screen.
extern float creditsPosition;
constexpr float kCreditsStart = 675.0f;
