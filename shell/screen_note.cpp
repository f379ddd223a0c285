// A short note over the picture.
#include "shell/screen_note.h"

#include <cstdint>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/text.h"
#include "platform/text_fit.h"

namespace {

constexpr uint32_t kShowMs = 1500;
constexpr int kTop = 10;
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
    const int x = (kScreenWidth - TextWidth(fontComic17, note.text.c_str())) / 2;
    DrawTextOnPlate(note.text.c_str(), x, kTop, 0xEBFAFF, fontComic17, 0x141814, kPadding);
}

void ClearScreenNote() { note.text.clear(); }
