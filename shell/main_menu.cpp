// The main menu, drawn behind every screen but the track, and the number-of-players screen.
#include "shell/main_menu.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/hint_line.h"
#include "core/settings_file.h"
#include "platform/button.h"
#include "platform/debug_log.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/text_fit.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "resources/dialog_templates.h"
#include "results/results_screen.h"
#include "screens/credits.h"
#include "shell/dialog_procedure.h"
#include "stable/horse_record.h"

namespace {

constexpr int kBannerRestX = 220;
constexpr int kBannerStep = 12;
constexpr const char* kVersionFormat = "Version %.2f";
constexpr double kVersion = 1.05;
constexpr int kTopPlayersWidth = 140; // the dark column left of the window

bool Clicked() { return input.mouseState.buttons[0] && input.leftWasUp; }

bool FieldLoaded() { return raceField[0].horseNumber != 0; }

// The menu's buttons still answer under the results, where they are hidden: the results are
// left first (paid and reset), with no question asked. True when they were left.
bool LeaveResultsIfShown() {
    if (gameState != kStateResults) {
        return false;
    }
    LeaveResults();
    return true;
}

void StartNewGame() {
    PlaySoundSlot(click1Sound, 0);
    bugLog.Write("\nUSER HAS PRESSED sGame SPRITE!");
    bugLog.Write("Saving game settings...");
    if (SaveSettings() != 0) {
        bugLog.Write("Settings saved");
    }
    if (!LeaveResultsIfShown() && gameState == kStateRaceCard) {
        HoldFrameRate();
        ShowGdiSurface();
        if (YesNoBox("Are you sure?", "This will save your game, but will interupt the current "
                                      "race. Are you sure you want to do this?") != kIdYes) {
            return;
        }
    }
    SwitchScreen(kStatePlayers);
    PrepareNewGame();
    PlaceRaceCardSprites();
}

} // namespace

void SlideTitleBanner() {
    if (titleBanner.x > kBannerRestX) {
        titleBanner.x -= kBannerStep;
        if (titleBanner.x - kBannerStep <= kBannerRestX) {
            PlaySoundSlot(explodeSound, 0);
        }
    }
}

void RunMainMenu() {
    // The credits roll between the white and the backdrop.
    if (gameState == kStateCredits) {
        FillBackBufferValue(0xFFFFFF);
        RunCredits();
        DrawSprite(&sMenuBackground);
    } else {
        FillAndDrawSprite(&sMenuBackground, 0xFFFFFF);
    }
    if (gameState != kStateCredits) {
        DrawSprite(&sMenuHorse);
    }
    DrawSprite(&titleBanner);
    if (titleBanner.x <= kBannerRestX) {
        DrawSprite(&sGame);
    }
    const bool settingsOpen = FieldLoaded() && raceState.postTimeHold == 0;
    if (gameState != kStateMainMenu && gameState != kStatePlayers && gameState != kStateOptions &&
        settingsOpen) {
        DrawSprite(&sSettings);
    }
    DrawSprite(&sCredits);
    DrawSprite(&sExit);

    // "Game settings" reacts to the button held down, not only to a fresh click.
    if (FieldLoaded() && HoverButton(&sSettings, kLights, [] {
            if (input.mouseState.buttons[0] && gameState != kStateOptions &&
                raceState.postTimeHold == 0) {
                PlaySoundSlot(click2Sound, 0);
                LeaveResultsIfShown();
                SwitchScreen(kStateOptions);
            }
        })) {
        DrawHint("Game settings");
    }
    if (HoverButton(&sCredits, kLights, [] {
            if (Clicked()) {
                PlaySoundSlot(click2Sound, 0);
                ResetCredits();
                LeaveResultsIfShown();
                SwitchScreen(kStateCredits);
            }
        })) {
        DrawHint("Corvane developers and other credits");
    }
    if (HoverButton(&sGame, kLights, [] {
            if (Clicked()) {
                StartNewGame();
            }
        })) {
        DrawHint("Start a new game");
    }
}

void DrawMenuFooter() {
    char line[100];
    if (topPlayers[0].money != 0) {
        Text("TOP PLAYERS", 2, 85, 0x00FFFF, fontArial20);
        std::vector<LineParts> lines;
        for (int i = 0; i < kTopPlayerCount; ++i) {
            char rank[8], money[24];
            std::snprintf(rank, sizeof rank, "%i) ", i + 1);
            std::snprintf(money, sizeof money, " - $%i", topPlayers[i].money);
            // A name read from the saved game is printed only up to its field's end.
            const TopPlayerEntry& entry = topPlayers[i];
            lines.push_back({rank, std::string(entry.name, strnlen(entry.name, kTopPlayerNameSize)),
                             money, kTopPlayersWidth});
        }
        const std::vector<FittedLine> fitted = FitLines({fontComic14, fontComic11}, lines);
        for (int i = 0; i < kTopPlayerCount; ++i) {
            DrawFittedLine(fitted[i], 2, 103 + 15 * i, 0x00FF00);
        }
    }
    // The Comic face's full stop is too faint to read "1.05" at this size: Arial's is not.
    std::snprintf(line, sizeof line, kVersionFormat, kVersion);
    Text(line, 26, 572, 0x0000C8, fontArial18);
}

void RunExitButton() {
    if (HoverButton(&sExit, kLights, [] {
            if (Clicked()) {
                PlaySoundSlot(click2Sound, 0);
                SaveSettings();
                PostQuitMessage(0);
            }
        })) {
        DrawHint("Save game and exit Stridewell");
    }
}

void RunPlayersScreen() {
    for (int n = 1; n <= kMaxPlayers; ++n) {
        HoverButton(&sPlayers[n - 1], kLights, [n] {
            if (Clicked()) {
                PlaySoundSlot(n % 2 == 1 ? click1Sound : click2Sound, 0);
                HoldFrameRate();
                ShowGdiSurface();
                OpenNamesDialog(n);
            }
        });
    }
    for (Sprite& button : sPlayers) {
        DrawSprite(&button);
    }
}
