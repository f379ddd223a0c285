// The hint line at the foot of the screen, shared by the menu, the race card and the options.
#include "core/hint_line.h"

#include "platform/text.h"

void DrawHint(const char* text) { Text(text, 150, 575, kHintColour, fontComic17); }
