// The credits: names scrolling up behind the main menu's backdrop.
#pragma once

// Top of the scrolling list; the credits button starts it from the bottom of the screen.
// Whole run.
extern float creditsPosition;
constexpr float kCreditsStart = 675.0f;

// One frame of the credits (310), drawn before the menu's pictures: the list shows through the
// backdrop's window. The back button comes only once a field has been loaded.
void RunCredits();
// The roll back at its first line.
void ResetCredits();
