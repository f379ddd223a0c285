// The options screen ("Game settings", 308): each option is a button, the left mouse button
// raises or switches it, the right one lowers or switches it; leaving saves.
#include "screens/options.h"

#include <cstdio>

#include "core/game_state.h"
#include "core/hint_line.h"
#include "core/settings_file.h"
#include "platform/button.h"
#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "raceday/post_time.h"
#include "raceday/race_day.h"

namespace {

constexpr uint32_t kClockColour = 0x646464;
constexpr uint32_t kValueColour = 0x643264;
constexpr int kValueX = 320;

// What a press of each mouse button does to an option's value.
using OptionRule = void (*)(bool left, bool right);

struct Option {
    Sprite* button;
    int restX, restY;
    bool onlyOutsideSeries; // hidden while a stakes series runs
    const char* hint;
    const char* secondHint; // the fast mode's hint takes two lines
    OptionRule rule;
    void (*format)(char* text, int size);
};

void FormatOnOff(char* text, int size, int32_t value) {
    std::snprintf(text, static_cast<size_t>(size), "%s", value ? "On" : "Off");
}

const Option kOptions[] = {
    {&sAnnouncerOption, 150, 300, false, "Turn race announcing on/off", nullptr,
     [](bool left, bool right) {
         if (left || right) {
             announcingOn = !announcingOn;
         }
     },
     [](char* text, int size) { FormatOnOff(text, size, announcingOn); }},
    {&sPostTimeOption, 150, 250, false, "Set the time between races", nullptr,
     [](bool left, bool right) {
         if (left && timeBetweenRaces < 5) {
             timeBetweenRaces += 1;
         }
         if (right && timeBetweenRaces > 1) {
             timeBetweenRaces -= 1;
         }
     },
     [](char* text, int size) {
         std::snprintf(text, static_cast<size_t>(size),
                       timeBetweenRaces == 1 ? "%i minute" : "%i minutes", timeBetweenRaces);
     }},
    {&sRacesOption, 150, 350, true, "Set the number of races you want to have per day", nullptr,
     [](bool left, bool right) {
         if (left && racesPerDay < 15) {
             racesPerDay += 1;
         }
         if (right && racesPerDay > 3) {
             racesPerDay -= 1;
         }
     },
     [](char* text, int size) {
         std::snprintf(text, static_cast<size_t>(size), "%i", racesPerDay);
     }},
    {&sSimOption, 150, 400, true,
     "Speeds up post-time and allows game to play without interruptions at the end of each day",
     "(turn this ON only if you want to speed up the process of getting to the stakes races)",
     [](bool left, bool right) {
         // Each button toggles, so both in one frame cancel out.
         if (left) {
             SetFastPostTime(!raceDay.fastPostTime);
         }
         if (right) {
             SetFastPostTime(!raceDay.fastPostTime);
         }
     },
     [](char* text, int size) { FormatOnOff(text, size, raceDay.fastPostTime); }},
    {&sStakesDaysOption, 150, 461, true,
     "Set days until stakes races (Left mouse will increase/Right mouse will decrease).", nullptr,
     [](bool left, bool right) {
         if (left) {
             daysToStakes = daysToStakes >= 100 ? 1 : daysToStakes + 1;
         }
         if (right) {
             daysToStakes = daysToStakes <= 1 ? 100 : daysToStakes - 1;
         }
     },
     [](char* text, int size) {
         std::snprintf(text, static_cast<size_t>(size), "%i / 100", daysToStakes);
     }},
};

bool Offered(const Option& option) { return !option.onlyOutsideSeries || stakesRound == 0; }

void DrawButtons() {
    DrawSprite(&sOptionsPanel);
    DrawSprite(&sAnnouncerOption);
    DrawSprite(&sPostTimeOption);
    if (stakesRound == 0) {
        DrawSprite(&sRacesOption);
        DrawSprite(&sSimOption);
        DrawSprite(&sStakesDaysOption);
    }
    DrawSprite(&sBack);
}

void SlideLabels() {
    if (sPostTimeText.y > 200) {
        sPostTimeText.y -= 5;
    }
    if (sRaceLabel.y > 200) {
        sRaceLabel.y -= 5;
    }
    if (sRaceLabel.x > 400) {
        sRaceLabel.x -= 5;
    }
}

// The clock runs here too, and the race starts from here when it runs out.
void RunClock() {
    char text[100];
    DrawSprite(&sPostTimeText);
    FormatPostTime(text, sizeof text, "%02d : %02.0f");
    Text(text, static_cast<int>(sPostTimeText.x + 120), static_cast<int>(sPostTimeText.y),
         kClockColour, fontArial20);
    TickPostTime();
    if (postTimeMinutes == 0 && postTimeSeconds <= 0) {
        postTimeSeconds = 1.0f;
        StartRace();
    }
    DrawSprite(&sRaceLabel);
    std::snprintf(text, sizeof text, "%i", raceOfDay);
    Text(text, static_cast<int>(sRaceLabel.x + 85), static_cast<int>(sRaceLabel.y), kClockColour,
         fontArial20);
}

void RunOption(const Option& option) {
    char text[100];
    option.format(text, sizeof text);
    Text(text, kValueX, static_cast<int>(option.button->y), kValueColour, fontArial20);
    if (!HoverButton(option.button, Sinks(option.restX, option.restY), [&option] {
            option.rule(input.mouseState.buttons[0] && input.leftWasUp,
                        input.mouseState.buttons[1] && input.rightWasUp);
        })) {
        return;
    }
    if (option.secondHint == nullptr) {
        DrawHint(option.hint);
    } else {
        // Two lines of the 17-pixel face overlap 10 pixels apart: the band below the window
        // holds two of the 14-pixel face.
        Text(option.hint, 150, 572, kHintColour, fontComic14);
        Text(option.secondHint, 150, 586, kHintColour, fontComic14);
    }
}

void RunBackButton() {
    if (HoverButton(&sBack, Sinks(525, 540)) && input.mouseState.buttons[0] && input.leftWasUp) {
        PlaySoundSlot(click1Sound, 0);
        SaveSettings();
        SwitchScreen(kStateRaceCard);
    }
}

} // namespace

void RunOptionsScreen() {
    DrawButtons();
    SlideLabels();
    RunClock();
    for (const Option& option : kOptions) {
        if (Offered(option)) {
            RunOption(option);
        }
    }
    RunBackButton();
}
