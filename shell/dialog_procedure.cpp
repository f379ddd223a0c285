// The game's dialog procedure: player names, bets, and the end-of-day and championship answers.
#include "shell/dialog_procedure.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/game_sprites.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "resources/dialog_templates.h"
#include "results/top_players.h"

namespace {

constexpr int kMaxNameCharacters = 11;
// A name is saved whole among the top players.
constexpr int kMaxNameBytes = kPlayerNameSize - 1;
static_assert(kTopPlayerNameSize == kPlayerNameSize);

// The players the open name dialog is for.
int namesDialogPlayers = 1;

struct TabCell {
    int width, x;
};
constexpr TabCell kTabCells[kMaxPlayers] = {{21, 235}, {34, 257}, {34, 293}, {36, 328}};
constexpr int kTabHeight = 52, kTabTop = 388;

void MakePlayerTabs(int count) {
    for (int p = 0; p < count; ++p) {
        CreateSprite(&sPlayerTab[p], kTabCells[p].width, kTabHeight, 1, 0, 1);
    }
    if (!LoadBitmapFile(&bitmap, "images/sprites.bmp")) {
        ErrorBox("Error", "Error loading sprites.bmp");
        return;
    }
    PictureCuts cuts{"images/sprites.bmp", false};
    for (int p = 0; p < count; ++p) {
        CutCell(&sPlayerTab[p], 0, kTabCells[p].x, kTabTop, &cuts);
    }
    UnloadBitmapFile(&bitmap);
}

// The name has passed NameFault, so it fits.
void StartPlayer(PlayerRecord& player, const char* name) {
    std::snprintf(player.name, sizeof player.name, "%.*s", kMaxNameBytes, name);
    player.money = kStartingMoney;
    // A new game starts with no bet standing from the last one.
    ClearBet(player);
}

void StartGame(Dialog* dialog) {
    for (int p = 1; p <= namesDialogPlayers; ++p) {
        char name[kMaxEditBytes + 1];
        GetDialogItemText(dialog, kIdPlayerName[p - 1], name, sizeof name);
        if (const std::string fault = NameFault(p, name); !fault.empty()) {
            ShowGdiSurface();
            ErrorBox("Name error", fault.c_str());
            return;
        }
        StartPlayer(Player(p), name);
    }
    if (namesDialogPlayers > 1) {
        MakePlayerTabs(namesDialogPlayers);
    }
    numPlayers = namesDialogPlayers;
    SetCurrentPlayer(1);
    loadedRace = 0;
    SwitchScreen(kStateRaceCard);
    EndDialog(dialog, 1);
}

// The name dialog's procedure.
int NamesDialogProc(Dialog* dialog, DialogMessage message, int id) {
    if (message == DialogMessage::Init) {
        return 1;
    }
    switch (id) {
    case kIdCancel:
        EndDialog(dialog, 1);
        break;
    case kIdStartGame:
        StartGame(dialog);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

std::string NameFault(int player, const char* name) {
    int characters = 0;
    for (const char* c = name; *c != '\0'; ++c) {
        characters += (static_cast<unsigned char>(*c) & 0xC0) != 0x80;
    }
    char text[160];
    if (characters < 1 || characters > kMaxNameCharacters) {
        std::snprintf(text, sizeof text, "Player%i's name must be between 1 and 11 characters.",
                      player);
    } else if (std::strlen(name) > kMaxNameBytes) {
        std::snprintf(text, sizeof text,
                      "Player%i's name is too long to be saved (%i bytes at most; letters such as "
                      "é or 王 take 2 to 4 bytes each).",
                      player, kMaxNameBytes);
    } else if (const char32_t code = UndrawableCharacter(name); code != 0) {
        std::snprintf(text, sizeof text,
                      "Player%i's name has a character that no installed font can show (U+%04X). "
                      "Please leave it out.",
                      player, static_cast<unsigned>(code));
    } else {
        return {};
    }
    return text;
}

void OpenNamesDialog(int players) {
    namesDialogPlayers = players < 1 ? 1 : players > kMaxPlayers ? kMaxPlayers : players;
    RunDialog(NamesDialog(namesDialogPlayers), NamesDialogProc);
}

void ResetDialogProcedure() { namesDialogPlayers = 1; }
