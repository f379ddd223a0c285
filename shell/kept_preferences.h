// The player's preferences through a run: read as it starts, written when they change.
#pragma once

#include "shell/preferences.h"

// Reads the player's preferences for a run at the keyboard; --windowed wins for the run. A run
// played by a script or a program reads and keeps nothing: it replays the same whatever the
// player chose, and leaves the file alone.
Preferences ReadPlayersPreferences(bool windowed, bool played);

// Takes the live settings as they are once the window is open, so only later changes count.
void NotePreferencesSeen();

// Called every pass and once more at the end: what the player changed goes to the file once it
// has settled (at once when the game ends).
void KeepPreferences(bool ending);

void ResetKeptPreferences();
