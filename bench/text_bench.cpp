// What a race-view frame's lettering costs: about a hundred short lines in four faces, drawn
// with the cache of rendered lines and without it.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/display.h"
#include "platform/text.h"

namespace {

void DrawRaceViewText(Surface* target, const Font* const fonts[4]) {
    char line[100];
    for (int pass = 0; pass < 2; ++pass) { // the runner list is drawn twice
        for (int runner = 1; runner <= 10; ++runner) {
            std::snprintf(line, sizeof line, "%i", runner);
            DrawSurfaceText(line, 20, 50 + 12 * runner, 0xFFFFFF, target, fonts[0]);
            std::snprintf(line, sizeof line, "Runner Name %i", runner);
            DrawSurfaceText(line, 40, 50 + 12 * runner, 0xFFFFFF, target, fonts[0]);
            std::snprintf(line, sizeof line, "%i-1", runner + 2);
            DrawSurfaceText(line, 200, 50 + 12 * runner, 0x00FFFF, target, fonts[0]);
        }
    }
    for (int runner = 1; runner <= 10; ++runner) { // tote board odds and numbers
        std::snprintf(line, sizeof line, "%i", runner + 3);
        DrawSurfaceText(line, 240 + 45 * runner, 240, 0x00FF00, target, fonts[1]);
        std::snprintf(line, sizeof line, "%i", runner);
        DrawSurfaceText(line, 240 + 45 * runner, 225, 0xFFFFFF, target, fonts[1]);
    }
    for (int player = 1; player <= 4; ++player) { // bets panel
        std::snprintf(line, sizeof line, "Player %i", player);
        DrawSurfaceText(line, 340, 50 + 25 * player, 0xFFFFFF, target, fonts[2]);
        std::snprintf(line, sizeof line, "$%i on #%i", 20 * player, player);
        DrawSurfaceText(line, 340, 62 + 25 * player, 0x00FFFF, target, fonts[2]);
    }
    for (int place = 1; place <= 4; ++place) { // leader names
        std::snprintf(line, sizeof line, "Leader %i", place);
        DrawSurfaceText(line, 80 + 200 * (place - 1), 540, 0xFFFFFF, target, fonts[3]);
    }
    DrawSurfaceText("Press P at any time to pause the game.", 10, 26, 0x323264, target, fonts[0]);
}

void BM_RaceViewText(benchmark::State& state) {
    Surface* target = CreateOffscreenSurface(kScreenWidth, kScreenHeight, 0, 0, 0);
    const Font* const fonts[4] = {MakeFont(14, "Comic Sans MS", "r"), MakeFont(20, "Arial", "i"),
                                  MakeFont(17, "Comic Sans MS", "r"), MakeFont(21, "Arial", "i")};
    SetTextCaching(state.range(0) != 0);
    for (auto _ : state) {
        DrawRaceViewText(target, fonts);
    }
    SetTextCaching(true);
    ReleaseFonts();
    ReleaseSurface(target);
}
BENCHMARK(BM_RaceViewText)->Arg(1)->Arg(0)->ArgName("cached");

} // namespace
