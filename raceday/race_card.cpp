// The race card: the betting screen between races and its bet dialog, the odds in their two
// written forms, and the bets panel.
#include "raceday/race_card.h"

#include <cstdio>
#include <vector>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/hint_line.h"
#include "core/settings_file.h"
#include "platform/button.h"
#include "platform/debug_log.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/text_fit.h"
#include "raceday/post_time.h"
#include "raceday/race_day.h"
#include "resources/dialog_templates.h"
#include "stable/calendar.h"
#include "stable/odds.h"

RaceCard raceCard;

namespace {

constexpr int32_t kFirstOddsCode = 399, kLastOddsCode = 447;

struct Column {
    const char* title;
    int x;
    uint32_t colour;
};
constexpr Column kColumns[] = {{"name", 220, 0x910A0A}, {"odds", 380, 0xA78705},
                               {"bets", 450, 0x0A960A}, {"races", 535, 0x0A0AAF},
                               {"wins", 605, 0xE49859}, {"places", 665, 0xE49859},
                               {"shows", 735, 0xE49859}};
constexpr int kCareerX[4] = {550, 620, 685, 750};
constexpr int kCardNameWidth = 162; // up to the odds at x 385

// The bets panel's lines stay on its board, clear of the date beside it on the card.
constexpr int kBetsPanelWidth = 118;

// The current player's name sits above the window's lower rim (y 566), its baseline here.
constexpr int kPlayerNameBaseline = 563;

struct Tab {
    int restX, restY, markerOffset;
};
constexpr Tab kTabs[kMaxPlayers] = {{180, 105, 5}, {215, 105, 7}, {260, 105, 8}, {300, 105, 10}};

// The round lines of a stakes day, by round.
constexpr const char* kRoundLines[4] = {"Round %i/4   Race %i/10", "Round %i/4   Race %i/4",
                                        "Round %i/4   Race %i/2", "Round %i/4   Race %i/1"};

bool Clicked() { return input.mouseState.buttons[0] && input.leftWasUp; }

void DrawRows() {
    char line[100];
    std::vector<LineParts> names;
    for (const HorseRecord& runner : raceField) {
        names.push_back({"", runner.name, "", kCardNameWidth});
    }
    const std::vector<FittedLine> fitted = FitLines({fontComic17, fontComic14}, names);
    for (int i = 0; i < kFieldSize; ++i) {
        const HorseRecord& runner = raceField[i];
        const int y = kListTop + kRowHeight * i;
        DrawFittedLine(fitted[i], 215, y, 0x324B32);
        if (FormatOdds(fieldOdds.oddsCode[i], OddsForm::Card, line, sizeof line)) {
            Text(line, 385, y, 0x640064, fontComic17);
        }
        const int32_t career[4] = {runner.races, runner.wins, runner.places, runner.shows};
        for (int c = 0; c < 4; ++c) {
            std::snprintf(line, sizeof line, "%i", career[c]);
            Text(line, kCareerX[c], y, 0x0A0AAF, fontComic17);
        }
    }
    if (FormatDate(line, sizeof line)) {
        Text(line, 650, 90, 0, fontArial20);
    }
    std::snprintf(line, sizeof line, "Days until stakes: %i", daysToStakes);
    Text(line, 650, 108, 200, fontComic17);
}

void DrawMoney() {
    char line[100];
    SetSpriteFrame(&sBet, 0);
    DrawSprite(&sBet);
    if (sBetsBoard.x != 500.0f) {
        SetSpritePosition(&sBetsBoard, 515, 65);
    }
    DrawBetsPanel();
    DrawSprite(&sMoneyPanel);
    std::snprintf(line, sizeof line, "%i", Player(raceDay.currentPlayer).money);
    Text(line, static_cast<int>(sMoneyPanel.x) + 30, static_cast<int>(sMoneyPanel.y), 200,
         fontArial30);
}

void DrawColumnHeads() {
    Text("#", 152, 210, 0x006F00, fontArial30);
    for (const Column& column : kColumns) {
        Text(column.title, column.x, 210, column.colour, fontArial20);
    }
}

void RunGoButton() {
    if (!HoverButton(&sGoButton, Sinks(690, 530))) {
        return;
    }
    DrawHint("Go out to the track!");
    if (Clicked()) {
        PlaySoundSlot(click1Sound, 0);
        SwitchScreen(kStateTrack);
        SetSpritePosition(&sBetsBoard, 343, 45);
        raceState.raceRunning = 0;
        raceState.boardVisible = 0;
    }
}

void RunPlayerTabs() {
    const int count = numPlayers >= 2 && numPlayers <= kMaxPlayers ? numPlayers : 0;
    for (int p = 0; p < count; ++p) {
        Sprite& tab = sPlayerTab[p];
        const bool hovered = HoverButton(&tab, Sinks(kTabs[p].restX, kTabs[p].restY, 2, 4));
        DrawSprite(&tab);
        if (hovered) {
            Text(Player(p + 1).name, static_cast<int>(tab.x), static_cast<int>(tab.y) - 15,
                 0x0A960A, fontComic14);
            if (Clicked()) {
                SetCurrentPlayer(p + 1);
            }
        }
    }
}

void DrawCurrentPlayer() {
    const int p = raceDay.currentPlayer - 1;
    if (numPlayers > 1 && p >= 0 && p < kMaxPlayers) {
        const Sprite& tab = sPlayerTab[p];
        Text("^", static_cast<int>(tab.x) + kTabs[p].markerOffset, static_cast<int>(tab.y) + 50,
             0x3264C8, fontArial40);
    }
    Text(Player(raceDay.currentPlayer).name, 155, kPlayerNameBaseline - FontAscent(fontArial20),
         0x0000AF, fontArial20);
}

// The labels slide in once after a reset, by whole pixels a frame.
void SlideLabels() {
    if (sBet.x > 370) {
        sBet.x -= 15;
        if (sBet.x - 15 <= 370) {
            PlaySoundSlot(cashSound, 0);
        }
    }
    if (sBet.y > 115) {
        sBet.y -= 15;
    }
    if (sPostTimeText.y > 180) {
        sPostTimeText.y -= 5;
    }
    if (sRaceLabel.x > 400) {
        sRaceLabel.x -= 5;
    }
    if (sRaceLabel.y > 180) {
        sRaceLabel.y -= 5;
    }
}

void DrawClockAndRace() {
    char line[100];
    DrawSprite(&sPostTimeText);
    FormatPostTime(line, sizeof line, "%02d : %02.0f");
    Text(line, static_cast<int>(sPostTimeText.x) + 120, static_cast<int>(sPostTimeText.y), 0x646464,
         fontArial20);
    TickPostTime();
    DrawSprite(&sRaceLabel);
    std::snprintf(line, sizeof line, "%i", raceOfDay);
    Text(line, static_cast<int>(sRaceLabel.x) + 85, static_cast<int>(sRaceLabel.y), 0x646464,
         fontArial20);
}

void DrawStakesLines() {
    char line[100];
    if (stakesRound < 1 || stakesRound > 4) {
        return;
    }
    Text("*STAKES RACE*", 650, 170, 200, fontArial20);
    std::snprintf(line, sizeof line, kRoundLines[stakesRound - 1], stakesRound, stakesRace);
    Text(line, 675, 190, 0xC80A0A, fontComic14);
}

void RunRunnerButtons() {
    for (int k = 1; k <= kFieldSize; ++k) {
        Sprite& button = sRunnerButton[k - 1];
        const int restX = k == 10 ? 138 : 152;
        const int restY = 245 + kRowHeight * (k - 1);
        SetSpritePosition(&button, restX, restY);
        const bool hovered = HoverButton(&button, kLights);
        if (hovered) {
            // Rows 3 and 9 have their own pressed positions.
            const int pressedX = k == 3 ? 151 : k == 9 ? 154 : restX + 1;
            const int pressedY = k == 3 ? 300 : k == 9 ? 471 : restY + 1;
            SetSpritePosition(&button, pressedX, pressedY);
        }
        DrawSprite(&button);
        if (hovered && Clicked()) {
            raceCard.selectedRunner = k;
            OpenBetDialog();
        }
    }
}

} // namespace

bool FormatOdds(int32_t code, OddsForm form, char* text, size_t size) {
    text[0] = '\0';
    if (code < kFirstOddsCode || code > kLastOddsCode) {
        return false;
    }
    std::snprintf(text, size, form == OddsForm::Card ? "%i - 1" : "%i/1", code - kOddsCodeOffset);
    return true;
}

void DrawRaceCard() {
    DrawRows();
    DrawMoney();
    DrawColumnHeads();
    DrawBetsColumn();
    RunGoButton();
    RunPlayerTabs();
    DrawCurrentPlayer();
    SlideLabels();
    DrawClockAndRace();
    DrawStakesLines();
    RunRunnerButtons();
    Text("^  Press horse number to place bet.", 155, 532, 200, fontComic17);
}

void DrawBetsColumn() {
    char line[100];
    const PlayerRecord& player = Player(raceDay.currentPlayer);
    constexpr const char* kForms[3] = {"$%i - Win", "$%i - Place", "$%i - Show"};
    const int type = -player.betType - 1;
    if (BetIsOnCurrentRace(player) && type >= 0 && type < 3 && player.betRunner >= 1 &&
        player.betRunner <= kFieldSize) {
        std::snprintf(line, sizeof line, kForms[type], player.betAmount);
        Text(line, 450, kListTop + kRowHeight * (player.betRunner - 1), 200, fontComic17);
    } else if (!BetIsOnCurrentRace(player)) {
        Text("None", 450, kListTop, 200, fontComic17);
    }
}

void DrawBetsPanel() {
    char line[100];
    constexpr int kLineY[kMaxPlayers] = {29, 55, 81, 107};
    constexpr const char* kForms[3] = {"$%i on #%i to WIN", "$%i on #%i to PLACE",
                                       "$%i on #%i to SHOW"};
    const int bx = static_cast<int>(sBetsBoard.x);
    const int by = static_cast<int>(sBetsBoard.y);
    // Two lines a player, all in one face.
    std::vector<LineParts> lines;
    for (int p = 1; p <= kMaxPlayers && (p == 1 || p <= numPlayers); ++p) {
        const PlayerRecord& player = Player(p);
        std::snprintf(line, sizeof line, " - $%i", player.money);
        lines.push_back({"", player.name, line, kBetsPanelWidth});
        const int type = -player.betType - 1;
        const bool current = BetIsOnCurrentRace(player) && player.betMonth == currentMonth;
        if (current && type >= 0 && type < 3) {
            std::snprintf(line, sizeof line, kForms[type], player.betAmount, player.betRunner);
        } else {
            std::snprintf(line, sizeof line, "No Bets");
        }
        lines.push_back({line, "", "", kBetsPanelWidth});
    }
    const std::vector<FittedLine> fitted = FitLines({fontComic14, fontComic11}, lines);
    for (size_t k = 0; k < fitted.size(); k += 2) {
        const int y = by + kLineY[k / 2];
        DrawFittedLine(fitted[k], bx + 10, y, 0xC80000);
        DrawFittedLine(fitted[k + 1], bx + 10, y + 11, 200);
    }
}

void DrawRunnerOdds(int slot, OddsPlace place) {
    char line[100];
    if (slot < 0 || slot >= kFieldSize ||
        !FormatOdds(fieldOdds.oddsCode[slot], OddsForm::Race, line, sizeof line)) {
        return;
    }
    if (place == OddsPlace::RunnerList) {
        Text(line, 275, 82 + 9 * slot, 0x640064, fontArialBold9);
    } else {
        Text(line, static_cast<int>(sToteBoard.x + 70 + 42 * slot),
             static_cast<int>(sToteBoard.y + 33), 0x0041FFFF, fontComic18);
    }
}

namespace {

constexpr int32_t kMinStake = 2;
constexpr int32_t kMaxStake = 1000;

int32_t ChoiceForRadio(int id) { return kIdWin - id - 1; }

int RadioForChoice(int32_t choice) { return kIdWin - 1 - choice; }

void AmountError(const char* text) {
    ShowGdiSurface();
    ErrorBox("Amount Error", text);
}

void PlaceBet(Dialog* dialog) {
    PlayerRecord& player = Player(raceDay.currentPlayer);
    const int32_t choice = raceCard.betTypeChoice[(raceDay.currentPlayer - 1) & 3];
    if (choice == 0) {
        ShowGdiSurface();
        ErrorBox("Bet error", "Please choose Win, Place or Show.");
        return;
    }
    bool whole = false;
    raceCard.betAmountEntered = GetDialogItemInt(dialog, kIdBetAmount, &whole);
    if (!whole) {
        AmountError("Please enter a whole number of dollars.");
        return;
    }
    int32_t amount = raceCard.betAmountEntered < kMinStake ? kMinStake : raceCard.betAmountEntered;
    if (daysToStakes > 0 && amount > kMaxStake) {
        amount = kMaxStake;
    }
    if (BetIsOnCurrentRace(player)) {
        player.money += player.betAmount;
        if (int64_t{player.money} - amount < 0) {
            // The old bet is gone; its stake stays with the player.
            player.betAmount = 0;
            player.betYear = 2000;
            AmountError("You don't have that much money.");
            return;
        }
    } else if (int64_t{player.money} - amount < 0) {
        AmountError("You don't have that much money.");
        return;
    }
    PlaySoundSlot(cashSound, 0);
    player.money -= amount;
    player.betRunner = raceCard.selectedRunner;
    player.betDay = currentDay;
    player.betMonth = currentMonth;
    player.betRace = raceOfDay;
    player.betYear = currentYear;
    player.betAmount = amount;
    player.betType = choice;
    EndDialog(dialog, 1);
}

void InitDialog(Dialog* dialog) {
    // The bet dialog opens with the type the player chose last time.
    const int32_t choice = raceCard.betTypeChoice[(raceDay.currentPlayer - 1) & 3];
    if (choice != 0) {
        CheckRadioButton(dialog, kIdWin, kIdShow, RadioForChoice(choice));
    }
}

// The bet dialog's procedure.
int BetDialogProc(Dialog* dialog, DialogMessage message, int id) {
    if (message == DialogMessage::Init) {
        InitDialog(dialog);
        return 1;
    }
    switch (id) {
    case kIdCancel:
        EndDialog(dialog, 1);
        break;
    case kIdWin:
    case kIdPlace:
    case kIdShow:
        CheckRadioButton(dialog, kIdWin, kIdShow, id);
        raceCard.betTypeChoice[(raceDay.currentPlayer - 1) & 3] = ChoiceForRadio(id);
        break;
    case kIdPlaceBet:
        PlaceBet(dialog);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

void OpenBetDialog() {
    HoldFrameRate();
    ShowGdiSurface();
    RunDialog(kPlaceBetDialog, BetDialogProc);
}

void PlaceRaceCardSprites() {
    bugLog.Write("Setting sprite position for sTrack,sBet, and sPostTimeText sprites");
    SetSpritePosition(&sTrack, 170, 280);
    SetSpritePosition(&sBet, 580, 275);
    SetSpritePosition(&sPostTimeText, 170, 200);
    bugLog.Write("Set sprite position success");
}

void ResetRaceCard() { raceCard = {}; }
