// What one race-card frame costs to draw: the menu behind it, the card and the bets panel,
// beside a plain copy of the back buffer's bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "assets/generator.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
#include "platform/display.h"
#include "platform/text.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "shell/main_menu.h"
#include "shell/startup.h"
#include "stable/field_draw.h"

namespace {

// The game's own pictures and a loaded field, once for the whole run.
bool PrepareCard() {
    const std::filesystem::path data = std::filesystem::temp_directory_path() / "stridewell-bench";
    if (!GenerateGameData(data.string()).error.empty()) {
        return false;
    }
    std::filesystem::current_path(data);
    SetFramePacing(false);
    if (!OpenGameWindow("Stridewell", true) || !InitDisplay(kScreenWidth, kScreenHeight, 16)) {
        return false;
    }
    LoadGameBitmaps();
    MakeFonts();
    currentDay = currentMonth = raceOfDay = 1;
    currentYear = 2002;
    daysToStakes = 10;
    numPlayers = 1;
    std::snprintf(Player(1).name, sizeof Player(1).name, "Alice");
    Player(1).money = 1000;
    return LoadRaceField() == 1;
}

void BM_RaceCardFrame(benchmark::State& state) {
    static const bool ready = PrepareCard();
    if (!ready) {
        state.SkipWithError("cannot prepare the race card");
        return;
    }
    raceState.postTimeHold = 1000000; // the clock stands still while we measure
    for (auto _ : state) {
        RunMainMenu();
        DrawMenuFooter();
        DrawRaceCard();
    }
}
BENCHMARK(BM_RaceCardFrame);

void BM_CopyScreenBytes(benchmark::State& state) {
    std::vector<uint8_t> from(kScreenWidth * kScreenHeight * 2, 1);
    std::vector<uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyScreenBytes);

} // namespace
