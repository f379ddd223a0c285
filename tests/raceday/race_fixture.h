// The fixture the race tests share: a fresh game, the headless races' field and data loaded,
// the track set for the next race, sixty frames a second.
#pragma once

#include <gtest/gtest.h>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "raceday/race_view.h"
#include "shell/game_reset.h"
#include "tests/test_support.h"
#include "tools/racesim/headless_race.h"

class RaceFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        PrepareHeadlessRaces();
        ResetRaceForNextRace();
        SetFrameRate(60);
    }
    void TearDown() override { ResetGameState(); }
    static void SetFrameRate(int fps) {
        frameTiming.framesPerSecond = fps;
        frameTiming.frameFactor = static_cast<float>(60.0 / fps);
    }
};
