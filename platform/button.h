// Buttons under the pointer: the one way every screen shows that the pointer is over a button.
#pragma once

#include "platform/sprite.h"

// How a button shows the pointer over it: it lights (frame 1 under the pointer, frame 0
// elsewhere) or it sinks (right and down from its rest place while the pointer is over it).
struct ButtonLook {
    bool lights;
    int restX, restY;
    int sinkX, sinkY;
};

constexpr ButtonLook kLights{true, 0, 0, 0, 0};

constexpr ButtonLook Sinks(int restX, int restY, int sinkX = 1, int sinkY = 1) {
    return {false, restX, restY, sinkX, sinkY};
}

// Whether the pointer is over the sprite, as its last position has it.
bool PointerOver(const Sprite* sprite);

// Shows the button lit or sunk when over, at rest otherwise.
void ShowPointerOver(Sprite* button, ButtonLook look, bool over);

// Answers the pointer: when it is over the button, whileOver runs first (to answer a click),
// then the button shows it. Returns whether it was over the button.
template <typename WhileOver>
bool HoverButton(Sprite* button, ButtonLook look, WhileOver whileOver) {
    const bool over = PointerOver(button);
    if (over) {
        whileOver();
    }
    ShowPointerOver(button, look, over);
    return over;
}

inline bool HoverButton(Sprite* button, ButtonLook look) {
    return HoverButton(button, look, [] {});
}
