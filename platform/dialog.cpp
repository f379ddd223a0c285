// Modal dialogs and message boxes drawn in the game window over the last frame, each with its
// own event loop: classic grey boxes with a caption bar, buttons, edits and radio buttons.
#include "platform/dialog.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/script.h"
#include "platform/sdl_private.h"
#include "platform/text.h"

struct DialogItem {
    int id;
    ControlKind kind;
    std::string text;
    SDL_Rect rect;     // screen pixels
    std::string value; // an edit's text
    bool checked;      // a radio button's state
};

struct Dialog {
    std::string caption;
    SDL_Rect frame; // the whole box, caption bar included
    std::vector<DialogItem> items;
    int focus = -1;   // index of the item with the focus
    int pressed = -1; // index of the button the mouse holds down
    size_t caret = 0; // byte offset of the caret in the focused edit
    DialogProcedure procedure = nullptr;
    bool ended = false;
    int result = 0;
};

namespace {

constexpr int kCaptionHeight = 20;
constexpr int kBorder = 3;
constexpr int kLineHeight = kDialogLineHeight;
constexpr int kMessageWidth = 440; // widest line of a message box before it wraps

struct Rgb {
    uint8_t r, g, b;
};
constexpr Rgb kFace{212, 208, 200};
constexpr Rgb kLight{255, 255, 255};
constexpr Rgb kShadow{128, 128, 128};
constexpr Rgb kDark{64, 64, 64};
constexpr Rgb kInk{8, 8, 8};
constexpr Rgb kCaptionLeft{10, 36, 106};
constexpr Rgb kCaptionRight{166, 202, 240};
constexpr uint32_t kInkText = 0x080808;
constexpr uint32_t kWhiteText = 0xFFFFFF;

int depth = 0; // dialogs open now, nested boxes included

void Fill(SDL_Surface* s, SDL_Rect r, const Rgb& c) {
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
}

// A classic 3D edge: light on the top and left, dark on the bottom and right (or the reverse).
void Bevel(SDL_Surface* s, SDL_Rect r, bool raised, bool doubled) {
    const Rgb& topLeft = raised ? kLight : kShadow;
    const Rgb& bottomRight = raised ? kDark : kLight;
    Fill(s, {r.x, r.y, r.w, 1}, topLeft);
    Fill(s, {r.x, r.y, 1, r.h}, topLeft);
    Fill(s, {r.x, r.y + r.h - 1, r.w, 1}, bottomRight);
    Fill(s, {r.x + r.w - 1, r.y, 1, r.h}, bottomRight);
    if (doubled) {
        const Rgb& innerBottomRight = raised ? kShadow : kFace;
        Fill(s, {r.x + 1, r.y + r.h - 2, r.w - 2, 1}, innerBottomRight);
        Fill(s, {r.x + r.w - 2, r.y + 1, 1, r.h - 2}, innerBottomRight);
        if (!raised) {
            Fill(s, {r.x + 1, r.y + 1, r.w - 2, 1}, kDark);
            Fill(s, {r.x + 1, r.y + 1, 1, r.h - 2}, kDark);
        }
    }
}

void Outline(SDL_Surface* s, SDL_Rect r, const Rgb& c) {
    Fill(s, {r.x, r.y, r.w, 1}, c);
    Fill(s, {r.x, r.y + r.h - 1, r.w, 1}, c);
    Fill(s, {r.x, r.y, 1, r.h}, c);
    Fill(s, {r.x + r.w - 1, r.y, 1, r.h}, c);
}

void DottedOutline(SDL_Surface* s, SDL_Rect r) {
    for (int x = r.x; x < r.x + r.w; x += 2) {
        Fill(s, {x, r.y, 1, 1}, kInk);
        Fill(s, {x, r.y + r.h - 1, 1, 1}, kInk);
    }
    for (int y = r.y; y < r.y + r.h; y += 2) {
        Fill(s, {r.x, y, 1, 1}, kInk);
        Fill(s, {r.x + r.w - 1, y, 1, 1}, kInk);
    }
}

void Letter(SDL_Surface* s, const std::string& line, int x, int y, uint32_t colour,
            bool bold = false) {
    Surface target{s};
    DrawSurfaceText(line.c_str(), x, y, colour, &target, DialogFont(bold));
}

int Width(const std::string& line, bool bold = false) {
    return TextWidth(DialogFont(bold), line.c_str());
}

// Breaks text into lines no wider than width, at spaces where it can and at its own "\n".
std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string rest = text.substr(start, end - start);
        while (Width(rest) > width) {
            size_t cut = rest.size();
            while (cut > 0 && Width(rest.substr(0, cut)) > width) {
                const size_t space = rest.rfind(' ', cut - 1);
                cut = space == std::string::npos || space == 0 ? cut - 1 : space;
            }
            cut = std::max<size_t>(cut, 1);
            lines.push_back(rest.substr(0, cut));
            rest = rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
        }
        lines.push_back(rest);
        start = end + 1;
    }
    return lines;
}

bool Focusable(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::Button ||
           kind == ControlKind::DefaultButton || kind == ControlKind::Radio;
}

bool IsButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton;
}

// Dialog units to pixels for the dialog face: 4 units across and 8 down per character cell.
int UnitsAcross(int units) { return (units * 3 + 1) / 2; }
int UnitsDown(int units) { return (units * 13 + 4) / 8; }

SDL_Rect CentredFrame(int clientWidth, int clientHeight, int left = -1, int top = -1) {
    const int width = clientWidth + 2 * kBorder;
    const int height = clientHeight + 2 * kBorder + kCaptionHeight;
    return {left >= 0 ? left : (kScreenWidth - width) / 2,
            top >= 0 ? top : (kScreenHeight - height) / 2, width, height};
}

SDL_Rect TemplateFrame(const DialogTemplate& dialogTemplate) {
    return CentredFrame(UnitsAcross(dialogTemplate.width), UnitsDown(dialogTemplate.height),
                        dialogTemplate.left, dialogTemplate.top);
}

SDL_Point ClientOrigin(const SDL_Rect& frame) {
    return {frame.x + kBorder, frame.y + kBorder + kCaptionHeight};
}

SDL_Rect ItemRect(const SDL_Point& origin, const DialogControl& control) {
    return {origin.x + UnitsAcross(control.x), origin.y + UnitsDown(control.y),
            UnitsAcross(control.width), UnitsDown(control.height)};
}

int IndexOf(const Dialog* dialog, int id) {
    for (size_t i = 0; i < dialog->items.size(); ++i) {
        if (dialog->items[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

DialogItem* Focused(Dialog* dialog) {
    return dialog->focus >= 0 ? &dialog->items[dialog->focus] : nullptr;
}

void SetFocus(Dialog* dialog, int index) {
    dialog->focus = index;
    if (DialogItem* item = Focused(dialog); item != nullptr && item->kind == ControlKind::Edit) {
        dialog->caret = item->value.size();
    }
}

void MoveFocus(Dialog* dialog, bool backwards) {
    const int count = static_cast<int>(dialog->items.size());
    for (int step = 1; step <= count; ++step) {
        const int index = ((dialog->focus + (backwards ? -step : step)) % count + count) % count;
        if (Focusable(dialog->items[index].kind)) {
            SetFocus(dialog, index);
            return;
        }
    }
}

void Command(Dialog* dialog, int id) {
    if (!dialog->ended) {
        dialog->procedure(dialog, DialogMessage::Command, id);
    }
}

// The id Enter sends: the default button's, else the focused push button's, else OK.
int EnterId(Dialog* dialog) {
    for (const DialogItem& item : dialog->items) {
        if (item.kind == ControlKind::DefaultButton) {
            return item.id;
        }
    }
    const DialogItem* focused = Focused(dialog);
    return focused != nullptr && IsButton(focused->kind) ? focused->id : kIdOk;
}

size_t PreviousCharacter(const std::string& text, size_t at) {
    do {
        --at;
    } while (at > 0 && (static_cast<uint8_t>(text[at]) & 0xC0) == 0x80);
    return at;
}

size_t NextCharacter(const std::string& text, size_t at) {
    do {
        ++at;
    } while (at < text.size() && (static_cast<uint8_t>(text[at]) & 0xC0) == 0x80);
    return at;
}

void EditKey(Dialog* dialog, DialogItem& edit, int code) {
    size_t& caret = dialog->caret;
    caret = std::min(caret, edit.value.size());
    if (code == kKeyBackspace && caret > 0) {
        const size_t from = PreviousCharacter(edit.value, caret);
        edit.value.erase(from, caret - from);
        caret = from;
    } else if (code == kKeyDelete && caret < edit.value.size()) {
        edit.value.erase(caret, NextCharacter(edit.value, caret) - caret);
    } else if (code == kKeyLeftArrow && caret > 0) {
        caret = PreviousCharacter(edit.value, caret);
    } else if (code == kKeyRightArrow && caret < edit.value.size()) {
        caret = NextCharacter(edit.value, caret);
    } else if (code == kKeyHome) {
        caret = 0;
    } else if (code == kKeyEnd) {
        caret = edit.value.size();
    }
}

void TypeText(Dialog* dialog, const std::string& typed) {
    DialogItem* edit = Focused(dialog);
    if (edit == nullptr || edit->kind != ControlKind::Edit) {
        return;
    }
    for (size_t at = 0; at < typed.size();) {
        const size_t next = NextCharacter(typed, at);
        if (edit->value.size() + (next - at) > static_cast<size_t>(kMaxEditBytes)) {
            break;
        }
        const auto byte = static_cast<uint8_t>(typed[at]);
        if (byte >= 0x20 && byte != 0x7F) {
            edit->value.insert(dialog->caret, typed, at, next - at);
            dialog->caret += next - at;
        }
        at = next;
    }
}

int ItemAt(const Dialog* dialog, int x, int y) {
    const SDL_Point point{x, y};
    for (size_t i = 0; i < dialog->items.size(); ++i) {
        if (Focusable(dialog->items[i].kind) && SDL_PointInRect(&point, &dialog->items[i].rect)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Handle(Dialog* dialog, const UiEvent& event) {
    DialogItem* focused = Focused(dialog);
    switch (event.kind) {
    case UiEventKind::Key:
        if (event.code == kKeyTab) {
            MoveFocus(dialog, event.shift);
        } else if (event.code == kKeyEnter || event.code == kKeyKeypadEnter) {
            Command(dialog, EnterId(dialog));
        } else if (event.code == kKeyEscape) {
            Command(dialog, kIdCancel);
        } else if (event.code == kKeySpace && focused != nullptr &&
                   focused->kind != ControlKind::Edit) {
            Command(dialog, focused->id);
        } else if (focused != nullptr && focused->kind == ControlKind::Edit) {
            EditKey(dialog, *focused, event.code);
        }
        break;
    case UiEventKind::Text:
        TypeText(dialog, event.text);
        break;
    case UiEventKind::MouseDown: {
        const int index = ItemAt(dialog, event.x, event.y);
        if (index >= 0) {
            SetFocus(dialog, index);
            const DialogItem& item = dialog->items[index];
            if (IsButton(item.kind)) {
                dialog->pressed = index;
            } else if (item.kind == ControlKind::Radio) {
                Command(dialog, item.id);
            }
        }
        break;
    }
    case UiEventKind::MouseUp:
        if (dialog->pressed >= 0 && ItemAt(dialog, event.x, event.y) == dialog->pressed) {
            Command(dialog, dialog->items[dialog->pressed].id);
        }
        dialog->pressed = -1;
        break;
    case UiEventKind::Press:
        // Only a control the dialog has can be pressed.
        if (IndexOf(dialog, event.code) >= 0 || event.code == kIdCancel) {
            Command(dialog, event.code);
        }
        break;
    }
}

void DrawRadio(SDL_Surface* s, const DialogItem& item) {
    constexpr int kSize = 12;
    const int top = item.rect.y + (item.rect.h - kSize) / 2;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = x - 5.5f, dy = y - 5.5f;
            const float d = dx * dx + dy * dy;
            if (d > 36.0f) {
                continue;
            }
            const bool upperLeft = dx + dy < 0;
            const Rgb& c = d > 25.0f                   ? (upperLeft ? kShadow : kLight)
                           : d > 16.0f                 ? (upperLeft ? kDark : kFace)
                           : item.checked && d <= 4.5f ? kInk
                                                       : kLight;
            Fill(s, {item.rect.x + x, top + y, 1, 1}, c);
        }
    }
    Letter(s, item.text, item.rect.x + kSize + 5, item.rect.y + (item.rect.h - kLineHeight) / 2 + 1,
           kInkText);
}

void DrawEdit(SDL_Surface* s, const Dialog* dialog, const DialogItem& item, bool focused) {
    const SDL_Rect& r = item.rect;
    Fill(s, r, kLight);
    Bevel(s, r, false, true);
    const SDL_Rect inner{r.x + 3, r.y + 2, r.w - 6, r.h - 4};
    // Scroll the text so the caret stays in view.
    const size_t caret = focused ? std::min(dialog->caret, item.value.size()) : 0;
    const int caretX = Width(item.value.substr(0, caret));
    const int shift = std::max(0, caretX - (inner.w - 2));
    SDL_SetClipRect(s, &inner);
    Letter(s, item.value, inner.x - shift, inner.y + (inner.h - kLineHeight) / 2, kInkText);
    if (focused && (PresentedFrameCount() / 30) % 2 == 0) {
        Fill(s, {inner.x + caretX - shift, inner.y + 1, 1, inner.h - 2}, kInk);
    }
    SDL_SetClipRect(s, nullptr);
}

void DrawButton(SDL_Surface* s, const Dialog* dialog, const DialogItem& item, int index) {
    SDL_Rect r = item.rect;
    const bool sunk = dialog->pressed == index;
    Fill(s, r, kFace);
    if (item.kind == ControlKind::DefaultButton || dialog->focus == index) {
        Outline(s, r, kInk);
        r = {r.x + 1, r.y + 1, r.w - 2, r.h - 2};
    }
    if (sunk) {
        Outline(s, r, kShadow);
    } else {
        Bevel(s, r, true, true);
    }
    const int push = sunk ? 1 : 0;
    Letter(s, item.text, r.x + (r.w - Width(item.text)) / 2 + push,
           r.y + (r.h - kLineHeight) / 2 + push, kInkText);
    if (dialog->focus == index) {
        DottedOutline(s, {r.x + 3, r.y + 3, r.w - 6, r.h - 6});
    }
}

void DrawGroupBox(SDL_Surface* s, const DialogItem& item) {
    const SDL_Rect& r = item.rect;
    const int top = r.y + kLineHeight / 2;
    Outline(s, {r.x, top, r.w - 1, r.h - (top - r.y) - 1}, kShadow);
    Outline(s, {r.x + 1, top + 1, r.w - 1, r.h - (top - r.y) - 1}, kLight);
    const int labelWidth = Width(item.text);
    Fill(s, {r.x + 6, r.y, labelWidth + 6, kLineHeight}, kFace);
    Letter(s, item.text, r.x + 9, r.y, kInkText);
}

void DrawStatic(SDL_Surface* s, const DialogItem& item) {
    int y = item.rect.y;
    for (const std::string& line : Wrap(item.text, item.rect.w)) {
        Letter(s, line, item.rect.x, y, kInkText);
        y += kLineHeight;
    }
}

void DrawDialog(SDL_Surface* s, const Dialog* dialog) {
    const SDL_Rect& f = dialog->frame;
    Fill(s, f, kFace);
    Outline(s, {f.x - 1, f.y - 1, f.w + 2, f.h + 2}, kDark);
    Bevel(s, f, true, true);
    const SDL_Rect bar{f.x + kBorder, f.y + kBorder, f.w - 2 * kBorder, kCaptionHeight - 2};
    for (int x = 0; x < bar.w; ++x) {
        const float t = bar.w > 1 ? static_cast<float>(x) / (bar.w - 1) : 0.0f;
        const Rgb c{static_cast<uint8_t>(kCaptionLeft.r + t * (kCaptionRight.r - kCaptionLeft.r)),
                    static_cast<uint8_t>(kCaptionLeft.g + t * (kCaptionRight.g - kCaptionLeft.g)),
                    static_cast<uint8_t>(kCaptionLeft.b + t * (kCaptionRight.b - kCaptionLeft.b))};
        Fill(s, {bar.x + x, bar.y, 1, bar.h}, c);
    }
    Letter(s, dialog->caption, bar.x + 5, bar.y + (bar.h - kLineHeight) / 2, kWhiteText, true);

    for (size_t i = 0; i < dialog->items.size(); ++i) {
        const DialogItem& item = dialog->items[i];
        const int index = static_cast<int>(i);
        switch (item.kind) {
        case ControlKind::Static:
            DrawStatic(s, item);
            break;
        case ControlKind::GroupBox:
            DrawGroupBox(s, item);
            break;
        case ControlKind::Edit:
            DrawEdit(s, dialog, item, dialog->focus == index);
            break;
        case ControlKind::Radio:
            DrawRadio(s, item);
            if (dialog->focus == index) {
                DottedOutline(s,
                              {item.rect.x + 15, item.rect.y, Width(item.text) + 4, item.rect.h});
            }
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            DrawButton(s, dialog, item, index);
            break;
        }
    }
}

// Runs a laid-out dialog over the last picture until it ends or the window closes.
int Run(Dialog& dialog) {
    if (QuitPosted() || primarySurface == nullptr) {
        return 0;
    }
    SDL_Surface* screen = primarySurface->sdl;
    SDL_Surface* under = SDL_DuplicateSurface(screen);
    if (under == nullptr) {
        return 0;
    }
    std::vector<UiEvent> events;
    ++depth;
    dialog.procedure(&dialog, DialogMessage::Init, 0);
    while (!dialog.ended && !QuitPosted()) {
        ListenForScriptUiEvents(&events);
        PumpWindowEvents(&events);
        if (ScriptIsRunning()) {
            ApplyScriptInput();
        }
        ListenForScriptUiEvents(nullptr);
        if (events.empty() && ScriptHasEnded() && DisplayIsHeadless()) {
            // Nobody is left to answer a headless run: cancel rather than wait for ever.
            ScriptTranscript("the script has ended with \"%s\" open: Escape",
                             dialog.caption.c_str());
            events.push_back({UiEventKind::Key, kKeyEscape, 0, 0, false, {}});
        }
        for (size_t i = 0; i < events.size() && !dialog.ended; ++i) {
            Handle(&dialog, events[i]);
        }
        events.clear();
        if (dialog.ended) {
            break;
        }
        SDL_BlitSurface(under, nullptr, screen, nullptr);
        DrawDialog(screen, &dialog);
        PresentPrimary();
    }
    // Show the game again as it was under the box until the next frame is drawn.
    SDL_BlitSurface(under, nullptr, screen, nullptr);
    SDL_FreeSurface(under);
    --depth;
    return dialog.ended ? dialog.result : 0;
}

void AddButtons(Dialog& dialog, std::initializer_list<std::pair<int, const char*>> buttons,
                int clientWidth, int top) {
    constexpr int kButtonWidth = 80, kButtonHeight = 25, kGap = 10;
    const int count = static_cast<int>(buttons.size());
    const SDL_Point origin = ClientOrigin(dialog.frame);
    int x = origin.x + (clientWidth - count * kButtonWidth - (count - 1) * kGap) / 2;
    for (const auto& [id, label] : buttons) {
        const ControlKind kind =
            dialog.items.size() == 1 ? ControlKind::DefaultButton : ControlKind::Button;
        dialog.items.push_back(
            {id, kind, label, {x, origin.y + top, kButtonWidth, kButtonHeight}, {}, false});
        x += kButtonWidth + kGap;
    }
}

int MessageProcedure(Dialog* dialog, DialogMessage message, int id) {
    if (message != DialogMessage::Command) {
        return 0;
    }
    const bool yesNo = IndexOf(dialog, kIdYes) >= 0;
    if (id == kIdCancel) {
        EndDialog(dialog, yesNo ? kIdNo : kIdOk);
    } else if (IndexOf(dialog, id) >= 0 && id != -1) {
        EndDialog(dialog, id);
    }
    return 0;
}

int ShowMessageBox(const char* caption, const char* text,
                   std::initializer_list<std::pair<int, const char*>> buttons) {
    if (ScriptIsRunning()) {
        ScriptTranscript("box \"%s\": %s", caption, text);
    }
    const int fallback = buttons.begin()->first;
    if (QuitPosted()) {
        return fallback;
    }
    if (primarySurface == nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
        return fallback;
    }
    constexpr int kMargin = 16;
    const std::vector<std::string> lines = Wrap(text, kMessageWidth);
    int textWidth = 0;
    for (const std::string& line : lines) {
        textWidth = std::max(textWidth, Width(line));
    }
    const int buttonsWidth = static_cast<int>(buttons.size()) * 90;
    const int clientWidth = std::max(
        {textWidth + 2 * kMargin, buttonsWidth + 2 * kMargin, Width(caption, true) + 40, 180});
    const int textHeight = static_cast<int>(lines.size()) * kLineHeight;
    const int clientHeight = kMargin + textHeight + 14 + 25 + 12;

    Dialog dialog;
    dialog.caption = caption;
    dialog.frame = CentredFrame(clientWidth, clientHeight);
    dialog.procedure = MessageProcedure;
    const SDL_Point origin = ClientOrigin(dialog.frame);
    dialog.items.push_back({-1,
                            ControlKind::Static,
                            text,
                            {origin.x + kMargin, origin.y + kMargin, kMessageWidth, textHeight},
                            {},
                            false});
    AddButtons(dialog, buttons, clientWidth, kMargin + textHeight + 14);
    dialog.focus = 1;
    const int answer = Run(dialog);
    return answer != 0 ? answer : fallback;
}

} // namespace

int RunDialog(const DialogTemplate& dialogTemplate, DialogProcedure procedure) {
    Dialog dialog;
    dialog.caption = dialogTemplate.caption;
    dialog.frame = TemplateFrame(dialogTemplate);
    dialog.procedure = procedure;
    for (size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const DialogControl& control = dialogTemplate.controls[i];
        const DialogRect r = DialogControlRect(dialogTemplate, static_cast<int>(i));
        dialog.items.push_back(
            {control.id, control.kind, control.text, {r.x, r.y, r.width, r.height}, {}, false});
    }
    SetFocus(&dialog, IndexOf(&dialog, dialogTemplate.initialFocus));
    return Run(dialog);
}

DialogRect DialogControlRect(const DialogTemplate& dialogTemplate, int controlIndex) {
    const SDL_Rect frame = TemplateFrame(dialogTemplate);
    const SDL_Rect r = ItemRect(ClientOrigin(frame), dialogTemplate.controls[controlIndex]);
    return {r.x, r.y, r.w, r.h};
}

int GetDialogItemText(Dialog* dialog, int id, char* buffer, int size) {
    const int index = IndexOf(dialog, id);
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    if (index < 0) {
        return 0;
    }
    const std::string& value = dialog->items[index].value;
    size_t length = std::min(value.size(), static_cast<size_t>(size - 1));
    // Never cut a character in half.
    while (length > 0 && length < value.size() &&
           (static_cast<uint8_t>(value[length]) & 0xC0) == 0x80) {
        --length;
    }
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int GetDialogItemInt(Dialog* dialog, int id, bool* translated) {
    const int index = IndexOf(dialog, id);
    *translated = false;
    if (index < 0) {
        return 0;
    }
    std::string text = dialog->items[index].value;
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return 0;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // A plus sign may stand where a minus may.
    const bool plus = text.size() > 1 && text[0] == '+' && text[1] >= '0' && text[1] <= '9';
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data() + (plus ? 1 : 0), end, value);
    if (stop != end || (fault != std::errc() && fault != std::errc::result_out_of_range)) {
        return 0;
    }
    if (fault == std::errc::result_out_of_range) {
        // Too large for an int is still a whole number: it reads as the nearest one there is.
        value = text[0] == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    *translated = true;
    return value;
}

int CheckRadioButton(Dialog* dialog, int firstId, int lastId, int checkId) {
    for (DialogItem& item : dialog->items) {
        if (item.kind == ControlKind::Radio && item.id >= firstId && item.id <= lastId) {
            item.checked = item.id == checkId;
        }
    }
    return 1;
}

bool IsRadioChecked(const Dialog* dialog, int id) {
    const int index = IndexOf(dialog, id);
    return index >= 0 && dialog->items[index].checked;
}

int EndDialog(Dialog* dialog, int result) {
    dialog->ended = true;
    dialog->result = result;
    return 1;
}

int YesNoBox(const char* caption, const char* text) {
    return ShowMessageBox(caption, text, {{kIdYes, "Yes"}, {kIdNo, "No"}});
}

int OkBox(const char* caption, const char* text) {
    return ShowMessageBox(caption, text, {{kIdOk, "OK"}});
}

int WaitForKey(int scanCode) {
    while (!QuitPosted()) {
        if (ScriptHasEnded() && DisplayIsHeadless()) {
            ScriptTranscript("the script has ended during a wait for a key: the game quits");
            PostQuitMessage(0);
            return 0;
        }
        PumpWindowEvents();
        ReadKeyboard();
        if (input.keyState[scanCode & 0xFF]) {
            return 1;
        }
        PresentPrimary();
    }
    return 0;
}

int WaitForAnyPress() {
    uint8_t before[256];
    std::memcpy(before, input.keyState, sizeof before);
    uint8_t buttonsBefore[3] = {input.mouseState.buttons[0], input.mouseState.buttons[1],
                                input.mouseState.buttons[2]};
    constexpr uint8_t kModifiers[] = {kKeyLeftCtrl,   kKeyRightCtrl, kKeyLeftShift,
                                      kKeyRightShift, kKeyLeftAlt,   kKeyRightAlt};
    int pressed = -1; // the key (or 256 + the button) that went down, until it comes up
    while (!QuitPosted()) {
        if (ScriptHasEnded() && DisplayIsHeadless()) {
            ScriptTranscript("the script has ended during a wait for any key: the wait ends");
            return 1;
        }
        PumpWindowEvents();
        ReadKeyboard();
        ReadMouse();
        const bool alt = input.keyState[kKeyLeftAlt] || input.keyState[kKeyRightAlt];
        for (int code = 0; code < 256 && pressed < 0; ++code) {
            const bool modifier = std::find(std::begin(kModifiers), std::end(kModifiers), code) !=
                                  std::end(kModifiers);
            if (input.keyState[code] && !before[code] && !modifier && !alt) {
                pressed = code;
            }
        }
        for (int b = 0; b < 3 && pressed < 0; ++b) {
            if (input.mouseState.buttons[b] && !buttonsBefore[b]) {
                pressed = 256 + b;
            }
        }
        if (pressed >= 0 && (pressed < 256 ? input.keyState[pressed]
                                           : input.mouseState.buttons[pressed - 256]) == 0) {
            return 1;
        }
        std::memcpy(before, input.keyState, sizeof before);
        for (int b = 0; b < 3; ++b) {
            buttonsBefore[b] = input.mouseState.buttons[b];
        }
        PresentPrimary();
    }
    return 0;
}

bool DialogIsOpen() { return depth > 0; }

void ResetDialogs() { depth = 0; }

std::vector<std::string> WrapDialogText(const std::string& text, int width) {
    return Wrap(text, width);
}
