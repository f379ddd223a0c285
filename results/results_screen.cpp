// The results screen (309): the finishing order with the prices, what every bet returns, the
// way on to the next race, and the "End of Day" box with its answers.
#include "results/results_screen.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/button.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/text_fit.h"
#include "raceday/post_time.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "raceday/race_view.h"
#include "resources/dialog_templates.h"
#include "results/end_of_day.h"
#include "results/payouts.h"
#include "results/top_players.h"
#include "stable/calendar.h"
#include "stable/field_draw.h"
#include "stable/horse_updates.h"
#include "stable/odds.h"
#include "stable/stakes.h"

ResultsScreenState resultsScreen;

namespace {

constexpr uint32_t kClockColour = 0x00A0FF;
constexpr uint32_t kMoneyColour = 0x016401;
constexpr int kPlayerY[kMaxPlayers] = {210, 240, 275, 310};
constexpr int kNameY[kMaxPlayers] = {213, 245, 277, 309};
constexpr int kEndOfDayDelay = 10;
constexpr int kPlayerNameWidth = 68; // up to the returns at x 610

// The first three names end before the first price on their row (x 365, 418, 475); the rest
// before the end of their rules, clear of the continue button.
constexpr int kPlacedRoom[3] = {210, 263, 320};
constexpr int kOrderRoom = 215;
// Darker than the olive (128, 128, 0) and pure red the board was first lettered in, which
// cannot reach a 4.5:1 contrast on its light paper.
constexpr uint32_t kPlacedColour = 0x006060;
constexpr uint32_t kNoteRed = 0x0000C8;

void DrawBoard() {
    DrawSprite(&sResults);
    if (sBetsBoard.y > 10) {
        sBetsBoard.y -= 5;
    }
    DrawSprite(&sBetsBoard);
    std::vector<LineParts> names;
    for (int p = 1; p <= numPlayers && p <= kMaxPlayers; ++p) {
        names.push_back({"", Player(p).name, "", kPlayerNameWidth});
    }
    const std::vector<FittedLine> fitted = FitLines({fontComic14, fontComic11}, names);
    for (size_t k = 0; k < fitted.size(); ++k) {
        DrawFittedLine(fitted[k], 542, kNameY[k], 0x0000C8);
    }
    DrawBetsPanel();
}

// Returns true when the button left the screen.
bool RunContinueButton() {
    const bool hovered = HoverButton(&sBack, Sinks(375, 525));
    if (raceOfDay != 10) {
        DrawSprite(&sBack);
    }
    if (hovered && input.mouseState.buttons[0] && input.leftWasUp) {
        PlaySoundSlot(click2Sound, 0);
        LeaveResults();
        return true;
    }
    return false;
}

bool ClockSaysLeave() {
    const float left = postTimeMinutes * 60 + postTimeSeconds;
    return left <= ResultsLeaveSeconds(timeBetweenRaces, raceDay.fastPostTime);
}

void DrawClockAndRace() {
    char line[100];
    FormatPostTime(line, sizeof line, "%02d : %02.0f");
    Text(line, 300, 155, kClockColour, fontArial25);
    if (stakesRound != 4) {
        TickPostTime();
    }
    std::snprintf(line, sizeof line, "%i", raceOfDay);
    Text(line, raceOfDay == 10 ? 630 : 635, 525, kClockColour, fontArial30);
}

// Prices are lettered a size down from the board's 21 pixels, on the same baseline, so the
// show column's "17.82" stays clear of the board's right edge.
void DrawPrice(double price, int x, int y) {
    char line[100];
    std::snprintf(line, sizeof line, "%.2f", price);
    Text(line, x, y + FontAscent(fontArial21) - FontAscent(fontArial18), kMoneyColour, fontArial18);
}

// A runner's name and program number, the name cut to the room before the next column.
LineParts NameAndNumber(int slot, int room) {
    char number[16];
    std::snprintf(number, sizeof number, " (#%i)", slot + 1);
    const char* name = raceField[slot].name;
    return {"", std::string(name, strnlen(name, kHorseNameSize)), number, room};
}

void DrawPrices(int slot, int place) {
    constexpr int kPriceY[3] = {220, 245, 270};
    constexpr struct {
        PayoutKind kind;
        int x;
    } kColumns[3] = {{PayoutKind::Win, 365}, {PayoutKind::Place, 418}, {PayoutKind::Show, 475}};
    // The winner has all three prices, the second place and show, the third show only.
    for (int c = place - 1; c < 3; ++c) {
        DrawPrice(PayoutPrice(slot, kColumns[c].kind), kColumns[c].x, kPriceY[place - 1]);
    }
}

void DrawOrder() {
    constexpr int kPlacedY[3] = {217, 247, 277};
    std::vector<int> placed, others;
    std::vector<LineParts> placedLines, otherLines;
    for (int i = 0; i < kFieldSize; ++i) {
        const int32_t place = raceField[i].finishPlace;
        if (place >= 1 && place <= 3) {
            placed.push_back(i);
            placedLines.push_back(NameAndNumber(i, kPlacedRoom[place - 1]));
        } else if (place >= 4 && place <= kFieldSize) {
            others.push_back(i);
            otherLines.push_back(NameAndNumber(i, kOrderRoom));
        }
    }
    const std::vector<FittedLine> placedFitted =
        FitLines({fontArial22, fontArial20, fontArial18}, placedLines);
    for (size_t k = 0; k < placed.size(); ++k) {
        const int place = raceField[placed[k]].finishPlace;
        DrawFittedLine(placedFitted[k], 150, kPlacedY[place - 1], kPlacedColour);
        DrawPrices(placed[k], place);
    }
    const std::vector<FittedLine> othersFitted = FitLines({fontArial20, fontArial18}, otherLines);
    for (size_t k = 0; k < others.size(); ++k) {
        const int place = raceField[others[k]].finishPlace;
        DrawFittedLine(othersFitted[k], 150, 328 + 39 * (place - 4), 0x05FFFF);
    }
    Text("--Based on a $2 bet.", 375, 300, kNoteRed, fontComic17);
}

void DrawReturns() {
    char line[100];
    for (int p = 1; p <= numPlayers && p <= kMaxPlayers; ++p) {
        const PlayerRecord& player = Player(p);
        if (BetIsOnCurrentRace(player)) {
            std::snprintf(line, sizeof line, "$%i", RecordBetWinnings(p, true));
            Text(line, 615, kPlayerY[p - 1], kMoneyColour, fontComic17);
        } else {
            Text("No Bets", 610, kPlayerY[p - 1], kMoneyColour, fontComic17);
        }
    }
}

void SettleOnce() {
    if (!resultsScreen.resultsSettled) {
        SettleFinishingOrder();
        resultsScreen.resultsSettled = 1;
    }
}

// Pays what the bets on this race return; players out of the game or without a bet here get
// nothing.
void PayBets() {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRecord& player = Player(p);
        const bool inPlay = p <= numPlayers && BetIsOnCurrentRace(player);
        RecordBetWinnings(p, inPlay);
        AddMoney(player, RecordPayout(p, inPlay));
    }
}

// The "End of Day" box's procedure.
int EndOfDayDialogProc(Dialog* dialog, DialogMessage message, int id) {
    if (message == DialogMessage::Init) {
        return 1;
    }
    switch (id) {
    case kIdCancel:
        EndDialog(dialog, 1);
        break;
    case kIdSaveContinue:
        EndDialog(dialog, 1);
        SaveAndContinue();
        break;
    case kIdRestart:
        EndDialog(dialog, 1);
        RestartProfits();
        break;
    default:
        break;
    }
    return 0;
}

void AskEndOfDay() {
    HoldFrameRate();
    ShowGdiSurface();
    RunDialog(kEndOfDayDialog, EndOfDayDialogProc);
}

} // namespace

float ResultsLeaveSeconds(int32_t timeBetweenRaces, int32_t fastPostTime) {
    if (fastPostTime) {
        return 30;
    }
    switch (timeBetweenRaces) {
    case 1:
        return 30;
    case 2:
        return 61;
    case 3:
    case 4:
        return 121;
    default:
        return 181;
    }
}

void ResultsScreen() {
    SettleOnce();
    KeepCrowdQuiet();
    DrawBoard();
    if (RunContinueButton()) {
        return;
    }
    if (ClockSaysLeave()) {
        LeaveResults();
        return;
    }
    DrawClockAndRace();
    DrawOrder();
    DrawReturns();
    if (resultsScreen.resultsFrames == -1) {
        resultsScreen.resultsFrames = 0;
    }
    if (resultsScreen.resultsFrames < kEndOfDayDelay) {
        resultsScreen.resultsFrames += 1;
    } else {
        RunEndOfDayChecks();
    }
}

void RunEndOfDayChecks() {
    const struct { int32_t round, afterRace; } kRoundEnds[] = {{4, 0}, {3, 1}, {2, 3}, {1, 9}};
    if (!raceDay.fastPostTime && raceOfDay == racesPerDay && resultsScreen.resultsFrames != -1) {
        AskEndOfDay();
        resultsScreen.resultsFrames = -1;
    }
    for (const auto& end : kRoundEnds) {
        // Once an answer has left the results, this race is done with.
        if (gameState != kStateResults) {
            return;
        }
        if (stakesRound == end.round && stakesRace > end.afterRace) {
            AskEndOfDay();
        }
    }
}

void SaveAndContinue() {
    loadedRace = 0;
    TodaysChampionScreen();
    LeaveResults();
    for (int p = 1; p <= numPlayers && p <= kMaxPlayers; ++p) {
        UpdateTopPlayers(topPlayers, Player(p).name, Player(p).money);
    }
    SaveSettings();
}

void RestartProfits() {
    TodaysChampionScreen();
    LeaveResults();
    loadedRace = 0;
    for (PlayerRecord& player : raceDay.players) {
        player.money = kStartingMoney;
    }
    SaveSettings();
}

void LeaveResults() {
    SettleOnce();
    DestroySprite(&sResults);
    MarkEliminated();
    PayBets();
    SwitchScreen(kStateRaceCard);
    if (stakesRound == 4) {
        ShowStakesChampion();
    }
    NextRace();
    UpdateHorseFiles();
    ResetForNextRace();
    ApplyFieldReloadRule();
}

void ResetForNextRace() {
    ResetRaceForNextRace();
    SetSpritePosition(&sResults, 1, 1);
    SetSpritePosition(&sBetsBoard, 378, 45);
    RestartFieldDraw();
    ResetPlayerResults();
    ResetResultsScreen();
    AdvanceStakes();
    for (PlayerRecord& player : raceDay.players) {
        ClearBet(player);
    }
}

void ResetResultsScreen() { resultsScreen = {}; }
