// Whole races run headless: a seed replays its race, every race ends with places the results
// can settle, and the frame rate changes neither how long a race lasts nor who wins it.
#include <algorithm>
#include <cmath>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/game_sprites.h"
#include "platform/sprite.h"
#include "tests/raceday/race_fixture.h"
#include "tools/racesim/clip_clock.h"

namespace {

class RaceOutcomeTest : public RaceFixture {
  protected:
    void SetUp() override {
        RaceFixture::SetUp();
        InitClock(60); // a photo finish's pause runs on the virtual clock, unpaced
        SetFramePacing(false);
    }
    void TearDown() override {
        SetFramePacing(true);
        DestroySprite(&sResults);
        RemoveClipClock();
        RaceFixture::TearDown();
    }
    const WorkingDirectory inData{GeneratedGameData()};
};

bool SameRace(const RaceOutcome& a, const RaceOutcome& b) {
    return a.frames == b.frames && std::equal(a.places, a.places + kFieldSize, b.places);
}

TEST_F(RaceOutcomeTest, ASeedReplaysItsRaceWhateverIsDrawnSaidOrShown) {
    HeadlessRace how;
    how.follow = 4;
    const RaceOutcome first = RunHeadlessRace(17, how);
    ASSERT_TRUE(first.finished);
    EXPECT_TRUE(SameRace(RunHeadlessRace(17, how), first));
    // The whole frame, drawing steps and all, with and without trees and the announcer.
    how.wholeFrames = true;
    for (const int trees : {0, 1}) {
        for (const int announcing : {0, 1}) {
            treesOn = trees;
            announcingOn = announcing;
            InstallClipClock(how.fps);
            how.announce = announcing != 0;
            EXPECT_TRUE(SameRace(RunHeadlessRace(17, how), first)) << trees << announcing;
            RemoveClipClock();
        }
    }
    how.wholeFrames = false;
    how.fps = 59;
    EXPECT_FALSE(SameRace(RunHeadlessRace(17, how), first));
}

// A smaller run of racesim's check of 4,000 races a rate (see the README): every race ends with
// places the results can settle wherever the camera looks, the mean length within 2 % and the
// favourite's share within four standard errors of the 60-frame one.
TEST_F(RaceOutcomeTest, EveryRaceEndsAndTheFrameRateChangesNeitherItsLengthNorWhoWins) {
    constexpr int kRaces = 10;
    const int rates[] = {60, 30, 59, 144};
    double meanSeconds[4] = {}, favouriteShare[4] = {};
    for (int r = 0; r < 4; ++r) {
        HeadlessRace how;
        how.fps = rates[r];
        int favouriteWins = 0;
        for (uint32_t race = 0; race < kRaces; ++race) {
            how.follow = static_cast<int>(race) + 1;
            const RaceOutcome outcome = RunHeadlessRace(500 + race, how);
            ASSERT_TRUE(outcome.finished) << race;
            EXPECT_TRUE(outcome.placesValid && outcome.settledDistinct && outcome.ratingsKept &&
                        outcome.finite)
                << rates[r] << " " << race;
            meanSeconds[r] += outcome.frames / static_cast<double>(rates[r]) / kRaces;
            for (int i = 0; i < kFieldSize; ++i) {
                favouriteWins += outcome.settled[i] == 1 && outcome.ratingRank[i] == 0;
            }
        }
        favouriteShare[r] = favouriteWins / static_cast<double>(kRaces);
    }
    const double standardError =
        std::sqrt(2 * favouriteShare[0] * (1 - favouriteShare[0]) / kRaces);
    for (int r = 1; r < 4; ++r) {
        EXPECT_NEAR(meanSeconds[r], meanSeconds[0], 0.02 * meanSeconds[0]) << rates[r];
        EXPECT_NEAR(favouriteShare[r], favouriteShare[0], 4 * standardError + 0.01) << rates[r];
    }
}

} // namespace
