// The announcer: one clip at a time, each call in its part of the race, the wording rules that
// read earlier calls, and whole races called on a clip clock.
#include "raceday/announcer.h"

#include <algorithm>
#include <set>
#include <vector>

#include "platform/game_sounds.h"
#include "platform/random.h"
#include "tests/raceday/race_fixture.h"
#include "tools/racesim/clip_clock.h"

namespace {

// Clips that play until a test says they ended, and the order they were started in.
std::vector<int> started;
std::set<int> playing;

int RecordedStatus(int slot) { return playing.count(slot) != 0 ? 1 : 0; }

int RecordedPlay(int slot, int32_t) {
    if (playing.count(slot) == 0) {
        started.push_back(slot);
        playing.insert(slot);
    }
    return 1;
}

class AnnouncerTest : public RaceFixture {
  protected:
    void SetUp() override {
        RaceFixture::SetUp();
        InstallClipClock(60); // every family gets slots of its own
        announcerClips = {RecordedStatus, RecordedPlay};
        started.clear();
        playing.clear();
        SwitchScreen(kStateTrack);
        raceState.raceRunning = 1;
    }
    void TearDown() override {
        RemoveClipClock();
        RaceFixture::TearDown();
    }
    // Seeds the scenery's generator so that its next draw, reduced as the call will, is `value`.
    static void NextSceneDraw(int modulo, int value) {
        for (uint32_t seed = 0;; ++seed) {
            SeedSceneRand(seed);
            if (SceneRand() % modulo == value) {
                SeedSceneRand(seed);
                return;
            }
        }
    }
};

TEST_F(AnnouncerTest, ATieForFirstStartsTheGoodStartClipOfEveryTiedRunner) {
    raceField[2].finishPlace = 1;
    raceField[5].finishPlace = 1;
    NextSceneDraw(3, 0); // roll 1: a good start
    CallStart();
    EXPECT_EQ(started, (std::vector<int>{goodStartSounds[2], goodStartSounds[5]}));
    EXPECT_EQ(announcer.clipVariant, 5);
    started.clear();
    raceField[9].finishPlace = 10;
    NextSceneDraw(3, 2); // roll 3: the last runner missed the break
    CallStart();
    EXPECT_EQ(started, std::vector<int>{badStartSounds[9]});
}

TEST_F(AnnouncerTest, CalmAndStrugglingCallsSpeakOnlyAfterAVariantOfZeroOrOneAndNotOverAClip) {
    const std::array<int, kAnnouncedRunners>* calm[2] = {&upFrontCalmSounds, &inCommandCalmSounds};
    const std::array<int, kAnnouncedRunners>* struggling[2] = {&strugglingSounds,
                                                               &struggling2Sounds};
    for (int variant = 0; variant < 4; ++variant) {
        started.clear();
        announcer.announcerBusy = 0;
        announcer.clipVariant = variant;
        CallFrontCalm(3);
        CallStruggling(7); // while the calm call plays, not a word
        announcer.announcerBusy = 0;
        announcer.clipVariant = variant;
        CallStruggling(8);
        if (variant < 2) {
            EXPECT_EQ(started, (std::vector<int>{(*calm[variant])[3], (*struggling[variant])[8]}));
        } else {
            EXPECT_TRUE(started.empty()) << variant;
        }
    }
}

TEST_F(AnnouncerTest, TheStretchCallWithALevelLeadNamesTheRunnerFurthestAhead) {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].finishPlace = 10 - i / 2;
        raceField[i].trackPos = 300.0f + i;
    }
    raceField[4].finishPlace = raceField[6].finishPlace = 2; // level in front: nobody is first
    raceField[4].trackPos = raceField[6].trackPos = 700.0f;
    announcer.clipVariant = 29; // left by a generic line
    CallStretchTurn();
    EXPECT_EQ(started, std::vector<int>{stretchSounds[4]});
    EXPECT_EQ(announcer.clipVariant, 4);
}

TEST_F(AnnouncerTest, TheStretchTurnIsCalledOnceWhetherTheDistanceStepsOverOrLingersAt1000) {
    for (const int fps : {25, 60, 144}) {
        frameTiming.frameFactor = static_cast<float>(60.0 / fps);
        ResetRaceSim();
        raceState.raceDistance = 1010;
        started.clear();
        while (raceState.raceDistance > 900) {
            playing.clear(); // every clip ends at once: a call could start on every frame
            AnnounceRaceFrame();
            StepRaceDistance();
        }
        int calls = 0;
        for (const int slot : stretchSounds) {
            calls += static_cast<int>(std::count(started.begin(), started.end(), slot));
        }
        EXPECT_EQ(calls, 1) << fps;
    }
}

TEST_F(AnnouncerTest, NothingIsSaidOnTheFirstFrameAtOrBelow100OrWhileAClipPlays) {
    for (int i = 0; i < kFieldSize; ++i) {
        raceField[i].finishPlace = i + 1;
    }
    for (const int32_t distance : {5000, 100, 50, 0, -20}) {
        raceState.raceDistance = distance;
        raceSim.previousDistance = std::max(distance, 1); // the distance one frame before
        AnnounceRaceFrame();
    }
    EXPECT_TRUE(started.empty());
    raceState.raceDistance = 4990;
    AnnounceRaceFrame();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(announcer.startCallState, 2);
    raceState.raceDistance = 4980; // the start call still plays: the report waits
    AnnounceRaceFrame();
    EXPECT_EQ(started.size(), 1u);
    playing.clear();
    AnnounceRaceFrame();
    EXPECT_EQ(started.size(), 2u);
    EXPECT_EQ(announcer.startCallState, 3);
}

TEST_F(AnnouncerTest, ASlotWithoutAClipKeepsTheAnnouncerBusy) {
    ResetAnnouncer(); // the sound layer, which reports -1 for a slot with no clip
    UpdateAnnouncerBusy();
    EXPECT_EQ(announcer.announcerBusy, 1);
}

// A smaller run of racesim --announce, which checks a thousand races (see the README); with
// announcing off, a race starts no clip.
TEST_F(AnnouncerTest, WholeRacesOnTheClipClockKeepEveryRule) {
    const WorkingDirectory inData(GeneratedGameData());
    for (const int fps : {30, 144}) {
        InstallClipClock(fps);
        HeadlessRace how;
        how.fps = fps;
        how.announce = true;
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            EXPECT_TRUE(RunHeadlessRace(seed, how).finished);
        }
        const ClipClockReport& report = ClipClockResult();
        EXPECT_GT(report.clips, 3 * 10) << fps;
        EXPECT_EQ(report.violations, 0)
            << fps << ": " << (report.first.empty() ? "" : report.first[0]);
    }
    announcingOn = 0;
    InstallClipClock(60);
    HeadlessRace how;
    how.announce = true;
    EXPECT_TRUE(RunHeadlessRace(4, how).finished);
    EXPECT_EQ(ClipClockResult().clips, 0);
}

} // namespace
