// The main menu, drawn behind every screen but the track: backdrop, title banner and its
// buttons, the top players and the version; and the number-of-players screen.
#pragma once

// Called by the frame driver every frame except on the track: draws the menu and runs its
// buttons (their hit tests run even while a button is not drawn).
void RunMainMenu();

// The top players and the version line, on every screen but the track and the results.
void DrawMenuFooter();

// The title banner slides in from the right once after start-up.
void SlideTitleBanner();

// The exit button, on every screen but the track and the results.
void RunExitButton();

// The number-of-players screen (307): a click opens the name dialog for that many players.
void RunPlayersScreen();
