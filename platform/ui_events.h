// What an open dialog hears: key presses, typed text and mouse buttons, from the player's
// devices or from a script.
#pragma once

#include <string>

enum class UiEventKind {
    Key,       // a key went down: code is its scan code
    Text,      // text was typed (UTF-8)
    MouseDown, // the left button went down at (x, y)
    MouseUp,   // the left button went up at (x, y)
    Press,     // a script pressed the control whose id is code
};

struct UiEvent {
    UiEventKind kind;
    int code;
    int x, y;
    bool shift; // Shift was held with the key
    std::string text;
};
