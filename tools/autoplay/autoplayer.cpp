// A player that plays the game by itself through its own screens and dialogs.
#include "tools/autoplay/autoplayer.h"

#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/save_file.h"
#include "core/settings_file.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/keys.h"
#include "platform/script.h"
#include "raceday/race_day.h"
#include "resources/dialog_templates.h"
#include "results/results_screen.h"
#include "shell/main_loop.h"
#include "stable/stakes.h"

namespace {

struct Point {
    int x, y;
};
constexpr Point kNewGame{47, 210};
constexpr Point kContinue{410, 540};
constexpr int64_t kAnswerFrames = 30;
constexpr int64_t kHoldC = 600;
constexpr Point kPlayersButtons[4] = {{410, 188}, {417, 288}, {417, 388}, {417, 488}};
constexpr Point kTabs[4] = {{190, 130}, {232, 130}, {277, 130}, {318, 130}};
constexpr const char* kNames[4] = {"Alice", "Bob", "Carmen", "Dmitri"};

// One autoplayed run. StartAutoplay puts it back.
struct {
    AutoplayPlan plan;
    AutoplayTally tally;
    uint32_t random = 1;
    int64_t busyUntil = 0; // frame before which nothing new is started
    int32_t lastRaceKey = -1;
    int32_t betsPlacedFor = 0; // players 1..n tried on this race
    int32_t stateBefore = 0;
    bool resultsSeen = false;
} play;

int Pick(int n) {
    play.random = play.random * 1103515245u + 12345u;
    return static_cast<int>((play.random >> 16) % static_cast<uint32_t>(n));
}

int64_t NextFrame() { return PresentedFrameCount() + 1; }

void Queue(int64_t frame, ScriptAction action, int a = 0, int b = 0, std::string text = {}) {
    AppendScript({{frame, action, a, b, std::move(text)}});
}

void ClickAt(int64_t frame, Point at) {
    Queue(frame, ScriptAction::Move, at.x, at.y);
    Queue(frame, ScriptAction::ButtonDown, 0);
    Queue(frame + 1, ScriptAction::ButtonUp, 0);
}

void Tap(int64_t frame, int key) {
    Queue(frame, ScriptAction::KeyDown, key);
    Queue(frame + 1, ScriptAction::KeyUp, key);
}

void StartNewGame(int64_t f) {
    ClickAt(f, kNewGame);
    play.busyUntil = f + 6;
}

void NamePlayers(int64_t f) {
    const int n = play.plan.players;
    ClickAt(f, kPlayersButtons[n - 1]);
    for (int p = 0; p < n; ++p) {
        Queue(f + 2 + 2 * p, ScriptAction::Type, 0, 0, kNames[p]);
        Tap(f + 2 + 2 * p, kKeyTab);
    }
    Queue(f + 3 + 2 * n, ScriptAction::DialogButton, kIdStartGame);
    play.busyUntil = f + 6 + 2 * n;
}

int32_t RaceKey() { return ((currentYear * 16 + currentMonth) * 32 + currentDay) * 16 + raceOfDay; }

// One player's bet: the tab, a runner, a type and a stake, then Enter; a refused amount's box
// is answered and the dialog cancelled.
void PlaceBet(int64_t f, int player) {
    int64_t at = f;
    if (numPlayers > 1) {
        ClickAt(at, kTabs[player - 1]);
        at += 2;
    }
    const int runner = 1 + Pick(10);
    const Point button = runner == 10 ? Point{150, 509} : Point{160, 257 + 28 * (runner - 1)};
    ClickAt(at, button);
    const int32_t stake = play.plan.stake > 0 ? play.plan.stake : 2 + Pick(300);
    Queue(at + 1, ScriptAction::DialogButton, kIdWin + Pick(3));
    Queue(at + 1, ScriptAction::Type, 0, 0, std::to_string(stake));
    Tap(at + 2, kKeyEnter);
    Tap(at + 4, kKeyEnter);
    Tap(at + 6, kKeyEscape);
    play.busyUntil = at + 9;
    play.tally.betsTried += 1;
}

void OnCard(int64_t f) {
    if (RaceKey() != play.lastRaceKey) {
        play.lastRaceKey = RaceKey();
        play.betsPlacedFor = 0;
    }
    if (play.betsPlacedFor < numPlayers) {
        play.betsPlacedFor += 1;
        PlaceBet(f, play.betsPlacedFor);
    }
}

// The results: the boxes that may stand in the way open inside a frame, where no frame hook
// runs, so their answers are queued ahead for the frames they may open on (the end of a day or
// a round from the tenth results frame, the champion's "Congrats!", the reset notice's C). A
// press meant for another box is ignored by the box that is open. Then continue.
void OnResults(int64_t f) {
    const bool restart = play.plan.restartAtDayEnd || (play.plan.sometimesRestart && Pick(2) == 0);
    play.tally.answeredRestart = restart;
    for (int64_t k = 1; k <= kAnswerFrames; ++k) {
        Queue(f + k, ScriptAction::DialogButton, restart ? kIdRestart : kIdSaveContinue);
        Queue(f + k, ScriptAction::DialogButton, kIdCongratsOk);
    }
    // C is held long enough to outlast today's champion (three seconds) before the notice.
    Queue(f + 1, ScriptAction::KeyDown, kKeyC);
    Queue(f + kHoldC, ScriptAction::KeyUp, kKeyC);
    ClickAt(f + kAnswerFrames + 2, kContinue);
    play.busyUntil = f + kAnswerFrames + 6;
}

// The results count as shown once their first frame has settled the finishing order; they
// are left by the frame that pays them.
void WatchResults() {
    if (gameState == kStateResults && resultsScreen.resultsSettled && !play.resultsSeen) {
        play.resultsSeen = true;
        if (play.plan.resultsShown != nullptr) {
            play.plan.resultsShown();
        }
    }
    if (play.stateBefore == kStateResults && gameState != kStateResults) {
        play.resultsSeen = false;
        play.tally.racesFinished += 1;
        if (play.plan.raceLeft != nullptr) {
            play.plan.raceLeft();
        }
        if (play.tally.racesFinished >= play.plan.races) {
            CloseGameWindow();
        }
    }
    play.stateBefore = gameState;
}

} // namespace

void StartAutoplay(const AutoplayPlan& plan) {
    play = {};
    play.plan = plan;
    play.random = plan.seed == 0 ? 1 : plan.seed;
    // A last line far ahead keeps the script playing: the devices never take over.
    StartScript({{int64_t{1} << 50, ScriptAction::Move, 0, 0, {}}});
}

const AutoplayTally& AutoplaySoFar() { return play.tally; }

void AutoplayFrame() {
    WatchResults();
    const int64_t f = NextFrame();
    // A notice is shown (a picture presented) before its wait reads the keys: S is held a
    // few frames so the wait sees it.
    for (int32_t due : stakesNoticeDue) {
        if (due) {
            Queue(f, ScriptAction::KeyDown, kKeyS);
            Queue(f + 4, ScriptAction::KeyUp, kKeyS);
        }
    }
    if (f < play.busyUntil || QuitPosted()) {
        return;
    }
    switch (gameState) {
    case kStateIntro:
        Tap(f, kKeyS);
        StartNewGame(f + 2);
        break;
    case kStateMainMenu:
        StartNewGame(f);
        break;
    case kStatePlayers:
        NamePlayers(f);
        break;
    case kStateRaceCard:
        OnCard(f);
        break;
    case kStateResults:
        OnResults(f);
        break;
    default:
        break;
    }
}

bool WriteQuickSavedGame(const std::string& folder, int racesPerDay, int daysToStakes) {
    SettingsBlock start{};
    start.currentDay = start.currentMonth = 1;
    start.currentYear = 2002;
    start.daysToStakes = daysToStakes;
    start.raceOfDay = 1;
    start.racesPerDay = racesPerDay;
    start.timeBetweenRaces = start.postTimeMinutes = 1;
    const std::vector<uint8_t> bytes = EncodeSettingsFile(start);
    const std::string path = folder + "/settings.stn";
    return SaveWholeFile(path.c_str(), bytes.data(), bytes.size()) == 1;
}

int RunAutoplayedGame(const std::string& dataFolder, uint32_t gameSeed, int fixedFps) {
    std::vector<std::string> args = {"stridewell",  "--windowed",
                                     "--seed",      std::to_string(gameSeed),
                                     "--fixed-fps", std::to_string(fixedFps),
                                     "--data",      dataFolder};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    UseHeadlessDevices();
    return RunStridewell(static_cast<int>(argv.size()), argv.data(), AutoplayFrame);
}
