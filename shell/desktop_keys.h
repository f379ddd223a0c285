// The keys every desktop game has besides the game's own: M mutes and unmutes every sound, F12
// saves a screenshot into the player's pictures. Each says what it did in a short note.
#pragma once

#include <string>

// Called by the frame driver once the frame is presented, so F12 saves the picture just shown.
void RunDesktopKeys();
void ResetDesktopKeys();

// Where screenshots go: $XDG_PICTURES_DIR/Stridewell when that folder exists (from the
// environment or the desktop's user-dirs.dirs), else ~/Pictures/Stridewell.
std::string ScreenshotFolder(const char* xdgPicturesDir, const char* xdgConfigHome,
                             const char* home);
