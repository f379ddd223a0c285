// The intro: four title pictures slide in to a fanfare while start-up waits; S skips it.
#include "screens/intro.h"

#include "core/game_state.h"
#include "platform/asset_manifest.h"
#include "platform/bitmap.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/text.h"

namespace {

struct IntroPicture {
    Sprite* sprite;
    int width, height;
    int cellX, cellY;
    int startX, startY;
};
const IntroPicture kPictures[] = {
    {&sIntroA, 481, 105, 166, 386, -1000, 285},
    {&sIntroB, 153, 31, 313, 497, 1300, 400},
    {&sIntroC, 545, 155, 150, 5, 125, -400},
    {&sIntroD, 790, 156, 5, 190, 5, 1000},
};

constexpr float kArrivalX = 125;

void EndIntroSound() {
    StopSoundSlot(introSound);
    DeleteSound(introSound);
    introSound = -1; // deleted once; nothing plays it again
}

// The first picture slides in from the left, rises slowly, then leaves upward; once it has
// gone the two big pictures settle.
void MovePictureA() {
    if (sIntroA.x < kArrivalX) {
        sIntroA.x += 10;
        if (sIntroA.x + 10 >= kArrivalX) {
            bugLog.Write("point3");
            PlaySoundSlot(explodeSound, 0);
            PlaySoundSlot(introSound, 0);
            bugLog.Write("point4");
        }
    } else if (sIntroA.y > 170) {
        sIntroA.y -= 1;
    } else if (sIntroA.y >= -300) {
        sIntroA.y -= 15;
    } else {
        sIntroC.y += sIntroC.y < 145 ? 5.0f : -0.3f;
        sIntroD.y += sIntroD.y > 300 ? -6.0f : 0.5f;
    }
}

void MovePictureB() {
    if (sIntroB.x > 400) {
        sIntroB.x -= 6;
        if (sIntroB.x - 6 <= 400) {
            bugLog.Write("point6");
            PlaySoundSlot(explodeSound, 0);
        }
    } else if (sIntroB.x > 280) {
        sIntroB.x -= 1;
    } else if (sIntroB.x > -300) {
        sIntroB.x -= 15;
    }
}

} // namespace

void PrepareIntro() {
    for (const IntroPicture& picture : kPictures) {
        CreateSprite(picture.sprite, picture.width, picture.height, 1, 0, 1);
    }
    if (!LoadBitmapFile(&bitmap, "images/intro.bmp")) {
        ErrorBox("Error", "Error loading intro.bmp");
    } else {
        PictureCuts cuts{"images/intro.bmp", false};
        for (const IntroPicture& picture : kPictures) {
            CutCell(picture.sprite, 0, picture.cellX, picture.cellY, &cuts);
        }
        UnloadBitmapFile(&bitmap);
    }
    for (const IntroPicture& picture : kPictures) {
        SetSpritePosition(picture.sprite, picture.startX, picture.startY);
    }
}

void IntroFrame() {
    FillBackBuffer(0, 0, 0);
    for (const IntroPicture& picture : kPictures) {
        DrawSprite(picture.sprite);
    }
    Text("Press S to skip intro...", 275, 560, 0x0000C8, fontArial20);
    PresentFrame();
    bugLog.Write("point1");

    if (sIntroA.x + 10 >= kArrivalX && SoundStatus(introSound) != 1) {
        bugLog.Write("getting out");
        SwitchScreen(kStateMainMenu);
        EndIntroSound();
    }
    ReadKeyboard();
    if (input.keyState[kKeyS]) {
        SwitchScreen(kStateMainMenu);
        bugLog.Write("point2");
        EndIntroSound();
    }
    MovePictureA();
    bugLog.Write("point5");
    MovePictureB();
    bugLog.Write("point7");
    PlaySoundSlot(gallopSound, 0);
    bugLog.Write("point8");
}

void DestroyIntro() {
    for (const IntroPicture& picture : kPictures) {
        DestroySprite(picture.sprite);
    }
}
