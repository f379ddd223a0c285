// A short note over the picture ("Sound off", where a screenshot went), shown for a second and
// a half of the frame clock and then gone.
#pragma once

#include <string>

void ShowScreenNote(const std::string& text);

// Called by the frame driver last before the frame is presented.
void DrawScreenNote();

// Forgets the note (a new run of the game starts without one).
void ClearScreenNote();
