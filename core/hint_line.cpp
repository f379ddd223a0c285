// The hint line at the foot of the screen, shared by the menu and the race card.
#include "core/hint_line.h"

#include <cstdint>

#include "platform/display.h"
#include "platform/text.h"

namespace {

constexpr uint32_t kHintColour = 0x0000C8;

} // namespace

void DrawHint(const char* text) {
    DrawSurfaceText(text, 150, 575, kHintColour, backBuffer, fontComic17);
}
