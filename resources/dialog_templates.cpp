// The game's dialog templates: names, captions, controls and their layout, as data.
#include "resources/dialog_templates.h"

namespace {

using enum ControlKind;

// The name dialogs share one layout: a row per player, then the two buttons.
constexpr int kNameRow = 20;
constexpr int NamesHeight(int players) { return 18 + players * kNameRow + 26; }
constexpr int ButtonsY(int players) { return 14 + players * kNameRow + 4; }

constexpr DialogControl NameLabel(int player) {
    constexpr const char* kLabels[4] = {"Player 1:", "Player 2:", "Player 3:", "Player 4:"};
    return {player == 0 ? kIdPlayer1Label : -1,
            Static,
            kLabels[player],
            10,
            14 + player * kNameRow,
            40,
            10};
}
constexpr DialogControl NameEdit(int player) {
    return {kIdPlayerName[player], Edit, "", 52, 11 + player * kNameRow, 118, 14};
}
constexpr DialogControl StartButton(int players) {
    return {kIdStartGame, DefaultButton, "Start Game", 34, ButtonsY(players), 56, 16};
}
constexpr DialogControl CancelButton(int players) {
    return {kIdCancel, Button, "Cancel", 100, ButtonsY(players), 56, 16};
}

constexpr DialogControl kOneName[] = {NameLabel(0), NameEdit(0), StartButton(1), CancelButton(1)};
constexpr DialogControl kTwoNames[] = {NameLabel(0), NameEdit(0),    NameLabel(1),
                                       NameEdit(1),  StartButton(2), CancelButton(2)};
constexpr DialogControl kThreeNames[] = {NameLabel(0),   NameEdit(0),    NameLabel(1),
                                         NameEdit(1),    NameLabel(2),   NameEdit(2),
                                         StartButton(3), CancelButton(3)};
constexpr DialogControl kFourNames[] = {NameLabel(0),   NameEdit(0),    NameLabel(1), NameEdit(1),
                                        NameLabel(2),   NameEdit(2),    NameLabel(3), NameEdit(3),
                                        StartButton(4), CancelButton(4)};

// The amount comes first in the tab order, so a player can type the stake at once.
constexpr DialogControl kPlaceBet[] = {
    {-1, GroupBox, "Type", 8, 4, 70, 64},
    {-1, GroupBox, "Amount", 86, 4, 86, 64},
    {-1, Static, "$:", 96, 31, 10, 10},
    {kIdBetAmount, Edit, "", 108, 28, 54, 14},
    {kIdWin, Radio, "Win", 18, 18, 50, 12},
    {kIdPlace, Radio, "Place", 18, 33, 50, 12},
    {kIdShow, Radio, "Show", 18, 48, 50, 12},
    {kIdPlaceBet, DefaultButton, "Place Bet", 30, 76, 56, 16},
    {kIdCancel, Button, "Cancel", 94, 76, 56, 16},
};

constexpr DialogControl kEndOfDay[] = {
    {kIdEndOfDayText, Static,
     "This race day has ended. You have two options:\n \n-Save any high scores and continue game "
     "with current profits. \n-Restart profits and continue to next day.",
     10, 8, 244, 44},
    {kIdSaveContinue, Button, "Save/Continue", 52, 58, 70, 16},
    {kIdRestart, Button, "Restart", 142, 58, 70, 16},
    {-1, Static,
     "*In case you want to let races run while away from your computer, turn on 'Sim Mode' in "
     "the options menu to remove this menu.",
     10, 82, 244, 32},
};

constexpr DialogControl kGameEndOk[] = {
    {kIdCongratsOk, DefaultButton, "OK", 40, 14, 50, 16},
};

} // namespace

const DialogTemplate kGet1NameDialog{"GET_1_NAME_DIALOG", "Enter Player Names", 180,
                                     NamesHeight(1),      kIdPlayerName[0],     kOneName};
const DialogTemplate kGet2NamesDialog{"GET_2_NAMES_DIALOG", "Enter Player Names", 180,
                                      NamesHeight(2),       kIdPlayerName[0],     kTwoNames};
const DialogTemplate kGet3NamesDialog{"GET_3_NAMES_DIALOG", "Enter Player Names", 180,
                                      NamesHeight(3),       kIdPlayerName[0],     kThreeNames};
const DialogTemplate kGet4NamesDialog{"GET_4_NAMES_DIALOG", "Enter Player Names", 180,
                                      NamesHeight(4),       kIdPlayerName[0],     kFourNames};
const DialogTemplate kPlaceBetDialog{"PLACE_BET_DIALOG", "Place Bet", 180, 100,
                                     kIdBetAmount,       kPlaceBet};
const DialogTemplate kEndOfDayDialog{"C_R_E_DIALOG",  "End of Day", 264, 118,
                                     kIdSaveContinue, kEndOfDay};
// Off to the side, so the champion's name and picture stay in view.
const DialogTemplate kGameEndOkDialog{"GAME_END_OK", "Congrats!", 130, 40,
                                      kIdCongratsOk, kGameEndOk,  580, 380};

const DialogTemplate* const kDialogTemplates[7] = {
    &kGet1NameDialog, &kGet2NamesDialog, &kGet3NamesDialog, &kGet4NamesDialog,
    &kPlaceBetDialog, &kEndOfDayDialog,  &kGameEndOkDialog,
};

const DialogTemplate* FindDialogTemplate(std::string_view name) {
    for (const DialogTemplate* dialog : kDialogTemplates) {
        if (name == dialog->name) {
            return dialog;
        }
    }
    return nullptr;
}

const DialogTemplate& NamesDialog(int players) {
    return *kDialogTemplates[players >= 1 && players <= 4 ? players - 1 : 0];
}
