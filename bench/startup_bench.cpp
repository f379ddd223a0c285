// What start-up spends before the first frame: every picture cut into its sprites, and every
// clip read and converted for the sound device, beside a plain copy of the back buffer's bytes
// (BM_CopyScreenBytes in the same run).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "assets/generator.h"
#include "platform/asset_manifest.h"
#include "platform/display.h"
#include "platform/sound.h"
#include "shell/startup.h"

namespace {

bool EnterGameData() {
    const std::filesystem::path data = std::filesystem::temp_directory_path() / "stridewell-bench";
    if (!GenerateGameData(data.string()).error.empty()) {
        return false;
    }
    std::filesystem::current_path(data);
    return true;
}

void BM_StartUpPictures(benchmark::State& state) {
    static const bool ready = EnterGameData();
    if (!ready) {
        state.SkipWithError("cannot make the game data");
        return;
    }
    for (auto _ : state) {
        LoadGameBitmaps();
        state.PauseTiming();
        ReleaseGameSprites();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpPictures)->Unit(benchmark::kMillisecond);

// The clips as the sound device takes them; the counter is the memory they hold converted.
void BM_StartUpClips(benchmark::State& state) {
    static const bool ready = EnterGameData();
    UseHeadlessDevices();
    if (!ready || InitSound() == 0) {
        state.SkipWithError("cannot make the game data or open the sound device");
        return;
    }
    int64_t frames = 0;
    for (auto _ : state) {
        InitSound(); // releases every clip
        LoadGameSounds();
        state.PauseTiming();
        frames = 0;
        for (int slot = 0; slot < kSoundSlotCount; ++slot) {
            frames += SoundDeviceFrames(slot);
        }
        state.ResumeTiming();
    }
    state.counters["device_frames"] = static_cast<double>(frames);
    ShutdownSound();
}
BENCHMARK(BM_StartUpClips)->Unit(benchmark::kMillisecond);

} // namespace
