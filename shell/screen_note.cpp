// A short note over the picture.
#include "shell/screen_note.h"

#include <cstdint>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/text.h"

namespace {

constexpr uint32_t kShowMs = 1500;
constexpr int kTop = 8;
constexpr int kPadding = 6;

struct {
    std::string text;
    uint32_t shownAt = 0;
} note; // whole run

} // namespace

void ShowScreenNote(const std::string& text) {
    note.text = text;
    note.shownAt = timeGetTime();
}

void DrawScreenNote() {
    if (note.text.empty()) {
        return;
    }
    if (timeGetTime() - note.shownAt >= kShowMs) {
        note.text.clear();
        return;
    }
    // Cream on a near-black plate, clear on every screen (about 16:1).
    const int width = TextWidth(fontComic17, note.text.c_str());
    const int height = FontCellHeight(fontComic17);
    const int x = (kScreenWidth - width) / 2;
    FillBackBufferRect(x - kPadding, kTop, width + 2 * kPadding, height + kPadding, 20, 24, 20);
    DrawSurfaceText(note.text.c_str(), x, kTop + kPadding / 2, 0xEBFAFF, backBuffer, fontComic17);
}

void ClearScreenNote() { note.text.clear(); }
