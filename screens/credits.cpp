// The credits: names scrolling up behind the main menu's backdrop.
#include "screens/credits.h"

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "platform/button.h"
#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "stable/horse_record.h"

float creditsPosition = kCreditsStart;

namespace {

struct CreditLine {
    int offset, x;
    const char* text;
    uint32_t colour; // 0x00BBGGRR
    Font* const* font;
};

constexpr uint32_t kRed = 0x0000C8, kDarkRed = 0x0A0AC8, kBlue = 0xC80A0A, kLinkBlue = 0xC80B0B,
                   kPureBlue = 0xC80000;

const CreditLine kCredits[] = {
    {-75, 225, "Corvane Development:", kRed, &fontArial50},
    {-25, 450, "www.corvane.example.org", kLinkBlue, &fontArial20},
    {0, 300, "Mara Quillfeather", kDarkRed, &fontArial20},
    {25, 300, "Programming/Graphics/Sound Effects", kBlue, &fontArial25},
    {100, 300, "Tobias Renwick", kDarkRed, &fontArial20},
    {125, 300, "Ideas/Marketing/Game Tester/Announcing", kBlue, &fontArial25},
    {200, 300, "Game Testers:", kDarkRed, &fontArial50},
    {250, 300, "Elsie Brannagh", kDarkRed, &fontArial20},
    {275, 300, "Dominic Fairweather", kRed, &fontArial20},
    {300, 300, "Priya Calloway", kRed, &fontArial20},
    {325, 300, "Hugo Stennart", kRed, &fontArial20},
    {350, 300, "Margot Ellery", kRed, &fontArial20},
    {375, 300, "Silas Penhallow", kRed, &fontArial20},
    {400, 300, "Wren Ashdown", kRed, &fontArial20},
    {425, 300, "Jasper Kettleby", kRed, &fontArial20},
    {450, 300, "Odile Marchetti", kRed, &fontArial20},
    {475, 300, "Felix Ravensworth", kRed, &fontArial20},
    {500, 300, "Clementine Howe", kRed, &fontArial20},
    {525, 300, "Ambrose Tully", kRed, &fontArial20},
    {550, 300, "Niamh Coldridge", kRed, &fontArial20},
    {600, 300, "Special Thanks", kPureBlue, &fontArial25},
    {625, 300, "The Tuesday night racing club", kRed, &fontArial20},
    {650, 300, "Beatrix Holloway", kRed, &fontArial20},
    {675, 300, "Everyone at the Stridewell Park paddock", kRed, &fontArial20},
    {700, 300, "And you, for playing", kRed, &fontArial20},
};

void RunBackButton() {
    if (raceField[0].horseNumber == 0) {
        return;
    }
    // The pointer is tested against the button at rest, not where it sank last frame.
    SetSpritePosition(&sBack, 135, 540);
    if (HoverButton(&sBack, Sinks(135, 540)) && input.mouseState.buttons[0] && input.leftWasUp) {
        SwitchScreen(kStateRaceCard);
        PlaySoundSlot(click2Sound, 0);
    }
    DrawSprite(&sBack);
}

} // namespace

void RunCredits() {
    RunBackButton();
    if (creditsPosition <= -kCreditsStart) {
        creditsPosition = kCreditsStart;
    } else {
        creditsPosition -= frameTiming.frameFactor;
    }
    for (const CreditLine& line : kCredits) {
        Text(line.text, line.x, static_cast<int>(creditsPosition + line.offset), line.colour,
             *line.font);
    }
}

void ResetCredits() { creditsPosition = kCreditsStart; }
