// What the race costs: one race frame (the simulation and the drawing into the back buffer)
// beside a plain copy of the back buffer's bytes, and whole races run headless.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "assets/generator.h"
#include "core/frame_timing.h"
#include "core/settings_file.h"
#include "platform/asset_manifest.h"
#include "platform/display.h"
#include "platform/text.h"
#include "raceday/post_time.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "raceday/race_view.h"
#include "shell/startup.h"
#include "stable/field_draw.h"
#include "tools/racesim/headless_race.h"

namespace {

// The game's own data, once for the whole run, as the working directory.
bool EnterData() {
    const std::filesystem::path data = std::filesystem::temp_directory_path() / "stridewell-bench";
    if (!GenerateGameData(data.string()).error.empty()) {
        return false;
    }
    std::filesystem::current_path(data);
    return true;
}

// The track with its pictures and fonts, a field loaded and the runners away.
bool PrepareTrack() {
    if (!EnterData()) {
        return false;
    }
    SetFramePacing(false);
    if (backBuffer == nullptr &&
        (!OpenGameWindow("Stridewell", true) || !InitDisplay(kScreenWidth, kScreenHeight, 16))) {
        return false;
    }
    LoadGameBitmaps();
    if (fontComic14 == nullptr) {
        MakeFonts();
    }
    currentDay = currentMonth = raceOfDay = 1;
    currentYear = 2002;
    daysToStakes = 10;
    numPlayers = 2;
    for (int p = 1; p <= 2; ++p) {
        std::snprintf(Player(p).name, sizeof Player(p).name, "Player %d", p);
        Player(p).money = 1000;
    }
    return LoadRaceField() == 1;
}

void StartTheRace() {
    ResetRaceForNextRace();
    for (HorseRecord& runner : raceField) {
        runner.curAcceleration = runner.acceleration;
        runner.curSpeed = runner.speed;
        runner.curClosing = runner.closing;
    }
    frameTiming.framesPerSecond = 60;
    frameTiming.frameFactor = 1.0f;
    StartRace();
    raceSim.iPhotoFinishVar = 0; // a close finish draws its line but does not stop the clock
}

// Every frame of a race in turn, from the off to the results, over and over. Besides the mean
// (which includes the frame driver's black fill where it is needed) the counters give the median
// race frame and the slowest hundredth, in microseconds.
void BM_RaceFrame(benchmark::State& state) {
    static const bool ready = PrepareTrack();
    if (!ready) {
        state.SkipWithError("cannot prepare the track");
        return;
    }
    StartTheRace();
    std::vector<double> micros;
    micros.reserve(1 << 16);
    for (auto _ : state) {
        if (!TrackCoversScreen()) {
            FillBackBuffer(0, 0, 0); // the frame driver's, when the track leaves a gap
        }
        const auto start = std::chrono::steady_clock::now();
        RunRaceFrame();
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        if (!raceState.raceRunning) {
            state.PauseTiming();
            StartTheRace();
            state.ResumeTiming();
        }
    }
    std::sort(micros.begin(), micros.end());
    if (!micros.empty()) {
        state.counters["median_us"] = micros[micros.size() / 2];
        state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    }
}
BENCHMARK(BM_RaceFrame)->MinTime(2.0);

void BM_RaceBackBufferCopy(benchmark::State& state) {
    std::vector<uint8_t> from(kScreenWidth * kScreenHeight * 2, 1);
    std::vector<uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RaceBackBufferCopy);

// A whole race with nothing drawn: what racesim does for each race it runs.
void BM_WholeRaceHeadless(benchmark::State& state) {
    static const bool ready = EnterData();
    if (!ready) {
        state.SkipWithError("cannot make the game data");
        return;
    }
    PrepareHeadlessRaces();
    HeadlessRace how;
    how.fps = static_cast<int>(state.range(0));
    uint32_t seed = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunHeadlessRace(seed++, how));
    }
    state.counters["races/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeRaceHeadless)->Arg(60)->Arg(144)->Unit(benchmark::kMillisecond);

} // namespace
