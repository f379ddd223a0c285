// The stable's file-heavy steps on a folder of 215 horses: drawing a field and ranking the
// stakes entrants.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/settings_file.h"
#include "platform/random.h"
#include "stable/field_draw.h"
#include "stable/horse_updates.h"
#include "stable/stakes_field.h"

namespace {

// A temporary game folder with the 215 starting horses, made the working directory.
class HorseFolder {
  public:
    HorseFolder()
        : previous(std::filesystem::current_path()),
          folder(std::filesystem::temp_directory_path() /
                 ("stridewell-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder / "horses");
        std::filesystem::current_path(folder);
        std::vector<std::string> names;
        const char* pointers[kHorseCount];
        for (int number = 1; number <= kHorseCount; ++number) {
            names.push_back("Horse " + std::to_string(number));
        }
        for (int i = 0; i < kHorseCount; ++i) {
            pointers[i] = names[i].c_str();
        }
        SeedRand(1);
        WriteStartingHorseFiles("horses", pointers);
        ResetSettingsBlock();
        daysToStakes = 10;
    }
    ~HorseFolder() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
        ResetSettingsBlock();
    }

  private:
    std::filesystem::path previous;
    std::filesystem::path folder;
};

void BM_LoadRaceField(benchmark::State& state) {
    HorseFolder horses;
    for (auto _ : state) {
        RestartFieldDraw();
        benchmark::DoNotOptimize(LoadRaceField());
    }
}
BENCHMARK(BM_LoadRaceField)->Unit(benchmark::kMicrosecond);

void BM_RankStakesEntries(benchmark::State& state) {
    HorseFolder horses;
    for (auto _ : state) {
        RankStakesEntries();
        benchmark::DoNotOptimize(stakesEntries1[0].horseNumber);
    }
}
BENCHMARK(BM_RankStakesEntries)->Unit(benchmark::kMicrosecond);

} // namespace
