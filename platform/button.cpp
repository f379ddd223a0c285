// Buttons under the pointer.
#include "platform/button.h"

#include "platform/input.h"

bool PointerOver(const Sprite* sprite) {
    return SpriteHit(sprite, input.mouseX, input.mouseY) != 0;
}

void ShowPointerOver(Sprite* button, ButtonLook look, bool over) {
    if (look.lights) {
        SetSpriteFrame(button, over ? 1 : 0);
    } else {
        SetSpritePosition(button, look.restX + (over ? look.sinkX : 0),
                          look.restY + (over ? look.sinkY : 0));
    }
}
