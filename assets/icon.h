// The game's icon: a gold horseshoe on a racing-green badge, for the desktop's menus and the
// window's title bar.
#pragma once

#include <string>

// The sizes of the hicolor theme the icon is drawn at, besides its scalable form.
inline constexpr int kIconSizes[] = {48, 64, 128, 256};

// Writes DIR/NxN/apps/ID.png for every size and DIR/scalable/apps/ID.svg, the layout of an
// icon theme's folder (ID is the application id). Returns the files written; on failure sets
// error.
int WriteIconTheme(const std::string& dir, std::string* error);

// The window icon, a 64 x 64 .bmp with its alpha channel.
bool WriteWindowIcon(const std::string& path);
