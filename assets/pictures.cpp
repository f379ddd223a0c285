// Drawing one picture of the list whole.
#include "assets/pictures.h"

Canvas MakePicture(const PictureSpec& spec) {
    Canvas canvas = NewCanvas(spec.width, spec.height);
    spec.draw(&canvas);
    KeepOffKey(&canvas);
    if (spec.dithered) {
        Dither(&canvas);
    }
    return canvas;
}
