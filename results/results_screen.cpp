// The results screen (309): the finishing order with the prices, what every bet returns, and
// the way on to the next race.
#include "results/results_screen.h"

#include <cstdio>

#include "platform/display.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "raceday/odds.h"
#include "raceday/post_time.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "raceday/race_view.h"
#include "results/end_of_day.h"
#include "results/payouts.h"
#include "shell/frame_driver.h"
#include "shell/game_state.h"
#include "shell/settings_file.h"
#include "stable/calendar.h"
#include "stable/field_draw.h"
#include "stable/horse_updates.h"
#include "stable/stakes.h"

int32_t resultsFrames = 0;
int32_t resultsSettled = 0;

namespace {

constexpr uint32_t kClockColour = 0x00A0FF;
constexpr uint32_t kMoneyColour = 0x016401;
constexpr int kPlayerY[kMaxPlayers] = {210, 240, 275, 310};
constexpr int kNameY[kMaxPlayers] = {213, 245, 277, 309};
constexpr int kEndOfDayDelay = 10;

char line[100];

void Text(const char* text, int x, int y, uint32_t colour, const Font* font) {
    DrawSurfaceText(text, x, y, colour, backBuffer, font);
}

void KeepCrowdQuiet() {
    if (raceView.crowdVolume != 5) {
        raceView.crowdVolume = 5;
        SetSoundVolume(crowdSound, 5);
        SetSoundVolume(mainCrowdSound, 5);
    }
    PlaySoundSlot(crowdSound, 0);
    PlaySoundSlot(mainCrowdSound, 0);
}

void DrawBoard() {
    DrawSprite(&sResults);
    if (sBetsBoard.y > 10) {
        sBetsBoard.y -= 5;
    }
    DrawSprite(&sBetsBoard);
    for (int p = 1; p <= numPlayers && p <= kMaxPlayers; ++p) {
        Text(Player(p).name, 542, kNameY[p - 1], 0x0000C8, fontComic14);
    }
    DrawBetsPanel();
}

// Returns true when the button left the screen.
bool RunContinueButton() {
    const bool hovered = SpriteHit(&sBack, mouseX, mouseY) != 0;
    SetSpritePosition(&sBack, hovered ? 376 : 375, hovered ? 526 : 525);
    if (raceOfDay != 10) {
        DrawSprite(&sBack);
    }
    if (hovered && mouseState.buttons[0] && leftWasUp) {
        PlaySoundSlot(click2Sound, 0);
        LeaveResults();
        return true;
    }
    return false;
}

bool ClockSaysLeave() {
    const float left = postTimeMinutes * 60 + postTimeSeconds;
    return left <= ResultsLeaveSeconds(timeBetweenRaces, fastPostTime);
}

void DrawClockAndRace() {
    FormatPostTime(line, sizeof line, "%02d : %02.0f");
    Text(line, 300, 155, kClockColour, fontArial25);
    if (stakesRound != 4) {
        TickPostTime();
    }
    std::snprintf(line, sizeof line, "%i", raceOfDay);
    Text(line, raceOfDay == 10 ? 630 : 635, 525, kClockColour, fontArial30);
}

void DrawPrice(double price, int x, int y) {
    std::snprintf(line, sizeof line, "%.2f", price);
    Text(line, x, y, kMoneyColour, fontArial21);
}

void DrawOrder() {
    for (int i = 0; i < kFieldSize; ++i) {
        const HorseRecord& runner = raceField[i];
        std::snprintf(line, sizeof line, "%.*s (#%i)", kHorseNameSize, runner.name, i + 1);
        switch (runner.finishPlace) {
        case 1:
            Text(line, 150, 217, 0x008080, fontArial22);
            DrawPrice(PayoutPrice(i, PayoutKind::Win), 365, 220);
            DrawPrice(PayoutPrice(i, PayoutKind::Place), 418, 220);
            DrawPrice(PayoutPrice(i, PayoutKind::Show), 475, 220);
            break;
        case 2:
            Text(line, 150, 247, 0x008080, fontArial22);
            DrawPrice(PayoutPrice(i, PayoutKind::Place), 418, 245);
            DrawPrice(PayoutPrice(i, PayoutKind::Show), 475, 245);
            break;
        case 3:
            Text(line, 150, 277, 0x008080, fontArial22);
            DrawPrice(PayoutPrice(i, PayoutKind::Show), 475, 270);
            break;
        default:
            if (runner.finishPlace >= 4 && runner.finishPlace <= kFieldSize) {
                Text(line, 150, 328 + 39 * (runner.finishPlace - 4), 0x05FFFF, fontArial20);
            }
            break;
        }
    }
    Text("--Based on a $2 bet.", 375, 300, 0x0000FF, fontComic17);
}

void DrawReturns() {
    for (int p = 1; p <= numPlayers && p <= kMaxPlayers; ++p) {
        const PlayerRecord& player = Player(p);
        if (BetIsOnCurrentRace(player)) {
            playerResults[p - 1].betWinnings = PlayerBetWinnings(player);
            std::snprintf(line, sizeof line, "$%i", playerResults[p - 1].betWinnings);
            Text(line, 615, kPlayerY[p - 1], kMoneyColour, fontComic17);
        } else {
            Text("No Bets", 610, kPlayerY[p - 1], kMoneyColour, fontComic17);
        }
    }
}

void SettleOnce() {
    if (!resultsSettled) {
        SettleFinishingOrder();
        resultsSettled = 1;
    }
}

// Pays what the bets on this race return; players out of the game or without a bet here get
// nothing.
void PayBets() {
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRecord& player = Player(p);
        const bool inPlay = p <= numPlayers && BetIsOnCurrentRace(player);
        playerResults[p - 1].betWinnings = inPlay ? PlayerBetWinnings(player) : 0;
        playerResults[p - 1].payout = inPlay ? PayoutFor(player) : 0;
        AddMoney(player, playerResults[p - 1].payout);
    }
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
    if (resultsFrames == -1) {
        resultsFrames = 0;
    }
    if (resultsFrames < kEndOfDayDelay) {
        resultsFrames += 1;
    } else {
        RunEndOfDayChecks();
    }
}

void LeaveResults() {
    SettleOnce();
    DestroySprite(&sResults);
    MarkEliminated();
    PayBets();
    gameState = kStateRaceCard;
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
    raceDistance = kRaceDistance;
    followedPlace = 1;
    postTimeHold = kPostTimeHold;
    oddsTimer = kOddsTimerStart;
    RestartFieldDraw();
    ResetPlayerResults();
    resultsFrames = 0;
    resultsSettled = 0;
    AdvanceStakes();
    for (PlayerRecord& player : players) {
        ClearBet(player);
    }
}
