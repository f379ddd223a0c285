// How to play: F1's plate over the picture, with the bets and what they pay, the race day, the
// stakes series and every key.
#include "screens/help.h"

#include <cstdint>
#include <cstdio>
#include <span>

#include "core/frame_timing.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/text.h"
#include "raceday/race_day.h"
#include "results/payouts.h"

namespace {

// Colours as text colours are given (0x00BBGGRR): the card's dark green and gold.
constexpr uint32_t kGold = 0x50C8F0;
constexpr uint32_t kCream = 0xD7F5FF;
constexpr uint32_t kGreen = 0x283C14;
constexpr uint32_t kEdge = 0x3C8CB4;

constexpr int kPlateX = 20, kPlateY = 14, kPlateWidth = 760, kPlateHeight = 572;
constexpr int kLeft = 44;

constexpr int kLineHeight = 22;

const char* const kBetting[] = {
    "Click a runner's number on the race card to bet on it: Win, Place or Show, from $2.",
    "Win pays if your horse comes 1st, Place if it comes 1st or 2nd, Show if 1st, 2nd or 3rd.",
    "The odds move until the off; a bet is paid at its horse's odds when the gates open.",
};
const char* const kRaceDay[] = {
    "Post Time counts down on the card while you bet. Near the end the horses go to the gate",
    "(B takes you back to the card), and at zero they are off. Game settings set the number of",
    "races a day and the minutes between them; after the last race, save or restart at $1,000.",
};
const char* const kStakes[] = {
    "When the card's days until stakes run out, the 100 best horses race a knockout in rounds",
    "of 10, 4, 2 and 1 races; the first few home go through, and the final crowns the champion.",
};

struct KeyLine {
    const char* key;
    const char* what;
};

const KeyLine kKeys[] = {
    {"S", "skip the intro; go on after a stakes notice"},
    {"B", "back to the bet menu before the off"},
    {"P", "pause"},
    {"C", "go on after the new season's notice"},
    {"Left, Right", "follow the horse behind, ahead"},
    {"Ctrl", "hold: cursor position, frame rate"},
    {"Alt+Enter", "full screen or window"},
    {"F1", "this help"},
    {"F12", "screenshot"},
    {"M", "sound off and on"},
    {"T", "announcer captions on and off"},
};
constexpr int kKeyRows = 6;

// What $2 at 5-1 comes to, worked out by the results' own rules: for each bet, the last place
// it is paid for.
void DrawExample(int y) {
    constexpr int32_t kStake = 2, kOdds = 5;
    struct Bet {
        const char* name;
        int32_t type, place;
        int x;
    };
    constexpr Bet kBets[] = {
        {"Win", kBetWin, 1, 384}, {"Place", kBetPlace, 2, 484}, {"Show", kBetShow, 3, 584}};
    y += 6;
    char line[100];
    std::snprintf(line, sizeof line, "$%d on a horse at %d-1:", kStake, kOdds);
    Text(line, kLeft + 20, y, kGold, fontComic18);
    Text("the results show", kLeft + 20, y + kLineHeight, kCream, fontComic18);
    Text("you get back, stake and all", kLeft + 20, y + 2 * kLineHeight, kCream, fontComic18);
    for (const Bet& bet : kBets) {
        const int32_t shown = BetWinnings(bet.type, kStake, kOdds, bet.place);
        Text(bet.name, bet.x, y, kGold, fontComic18);
        std::snprintf(line, sizeof line, "$%d", shown);
        Text(line, bet.x, y + kLineHeight, kCream, fontComic18);
        std::snprintf(line, sizeof line, "$%d", PayoutOf(shown, kStake));
        Text(line, bet.x, y + 2 * kLineHeight, kCream, fontComic18);
    }
}

void DrawKeys(int y) {
    for (int i = 0; i < static_cast<int>(std::size(kKeys)); ++i) {
        const int x = i < kKeyRows ? kLeft : 436;
        const int rowY = y + kLineHeight * (i % kKeyRows);
        Text(kKeys[i].key, x, rowY, kGold, fontComic18);
        Text(kKeys[i].what, x + 96, rowY, kCream, fontComic18);
    }
}

struct Section {
    const char* heading;
    int y;
    std::span<const char* const> lines;
    void (*more)(int y); // what follows the lines, from the next line down
};

const Section kSections[] = {
    {"Betting", 66, kBetting, DrawExample},
    {"The race day", 238, kRaceDay, nullptr},
    {"The stakes series", 338, kStakes, nullptr},
    {"Keys", 416, {}, DrawKeys},
};

} // namespace

void DrawHelp() {
    FillBackBufferRect(kPlateX, kPlateY, kPlateWidth, kPlateHeight, kEdge);
    FillBackBufferRect(kPlateX + 3, kPlateY + 3, kPlateWidth - 6, kPlateHeight - 6, kGreen);
    Text("How to play", kLeft, 26, kGold, fontArial30);
    Text("Any key or click goes back to the game.", 484, 36, kGold, fontComic17);
    for (const Section& section : kSections) {
        Text(section.heading, kLeft, section.y, kGold, fontArial22);
        int y = section.y + 26;
        for (const char* line : section.lines) {
            Text(line, kLeft, y, kCream, fontComic18);
            y += kLineHeight;
        }
        if (section.more != nullptr) {
            section.more(y);
        }
    }
}

void WaitOutHelp() {
    HoldFrameRate();
    WaitForAnyPress();
}
