// Sound clips on the dummy audio driver: the slot table, play and status on the real mixer and
// on the virtual clock, and volume. The start-up log lines, a clip that fails to load and running
// without an audio device are the golden start-up logs' (tests/shell/startup_test.cpp).
#include "platform/sound.h"

#include <gtest/gtest.h>
#include <string>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "shell/game_reset.h"
#include "tests/platform/wave_bytes.h"
#include "tests/test_support.h"

namespace {

constexpr int kGameRate = 8000;
constexpr int kGameCaps = 0xE0;

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitClock(0);
        bugLog.Open();
    }
    void TearDown() override { ResetGameState(); }

    int Load(size_t samples, uint32_t fileRate = 11025) {
        WriteBytes(folder.File("clip.wav"), MakeWave(Saw(samples), {.rate = fileRate}));
        return LoadSound(folder.File("clip.wav").c_str(), kGameRate, kGameCaps);
    }

    ScratchFolder folder;
    WorkingDirectory inFolder{folder.path()};
};

// Loads take the first free slot; deleting, starting again and shutting down empty slots, and
// an empty slot or an index out of range is harmless.
TEST_F(SoundTest, SlotsAreTakenFirstFreeAndEmptiedByDeleteInitAndShutdown) {
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(Load(300, 22050), 0);
    EXPECT_EQ(Load(500), 1);
    EXPECT_EQ(sound.soundSlots[0].rate, 22050);
    EXPECT_EQ(sound.soundSlots[1].size, 500);
    ASSERT_EQ(PlaySoundSlot(0, 0), 1);
    EXPECT_EQ(DeleteSound(0), 1);
    EXPECT_EQ(SoundStatus(0), -1);
    EXPECT_EQ(Load(200), 0);
    for (int index : {-1, kSoundSlotCount, 7}) {
        EXPECT_EQ(PlaySoundSlot(index, 0), 0) << index;
        EXPECT_EQ(SoundStatus(index), -1) << index;
        EXPECT_EQ(SetSoundVolume(index, 50), 0) << index;
        EXPECT_EQ(SetSoundFrequency(index, 8000), 0) << index;
        EXPECT_EQ(DeleteSound(index), 1) << index;
    }
    EXPECT_EQ(sound.soundSlots[0].state, 1);
    ASSERT_EQ(PlaySoundSlot(1, 0), 1);
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(SoundStatus(1), -1);
    ASSERT_EQ(PlaySoundSlot(Load(100), 0), 1);
    EXPECT_EQ(ShutdownSound(), 1);
    EXPECT_EQ(SoundStatus(0), -1);
    EXPECT_EQ(SoundDeviceRate(), 0);
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(PlaySoundSlot(Load(100), 0), 1);
}

TEST_F(SoundTest, AClipPlaysAtTheAskedRateWhateverTheFileSays) {
    ASSERT_EQ(InitSound(), 1);
    // One second of samples lasts one second of the device, not a sample more or less.
    const int slot = Load(kGameRate, 44100);
    EXPECT_EQ(SoundDeviceFrames(slot), SoundDeviceRate());
    ASSERT_EQ(SetSoundFrequency(slot, 2 * kGameRate), 1);
    EXPECT_EQ(SoundDeviceFrames(slot), SoundDeviceRate() / 2);
    EXPECT_EQ(SetSoundFrequency(slot, 99), 0);
    EXPECT_EQ(SetSoundFrequency(slot, 100001), 0);
    EXPECT_EQ(SoundDeviceFrames(slot), SoundDeviceRate() / 2);
}

// The real mixer, on the dummy driver.
TEST_F(SoundTest, OnTheMixerAClipPlaysAndStopsAndALoopSaysSo) {
    ASSERT_EQ(InitSound(), 1);
    const int once = Load(kGameRate);
    const int looped = Load(kGameRate);
    ASSERT_EQ(PlaySoundSlot(once, 0), 1);
    EXPECT_EQ(SoundStatus(once), 1);
    EXPECT_EQ(StopSoundSlot(once), 1);
    EXPECT_EQ(SoundStatus(once), 0);
    ASSERT_EQ(PlaySoundSlot(looped, kPlayLooping), 1);
    EXPECT_EQ(SoundStatus(looped), 5);
    StopAllSounds();
    EXPECT_EQ(SoundStatus(looped), 0);
}

// On the virtual clock a clip lasts its samples over its rate, whatever the mixer beside it
// does, and asking for it every frame restarts it only once it has ended.
TEST_F(SoundTest, OnTheVirtualClockAClipAskedEveryFrameRestartsOnlyWhenItHasEnded) {
    InitClock(1000); // one millisecond a frame
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(800, 22050);
    for (int rate : {kGameRate, 2 * kGameRate}) {
        ASSERT_EQ(SetSoundFrequency(slot, rate), 1);
        const int framesPerPlay = 800 * 1000 / rate;
        std::vector<int> starts;
        for (int frame = 0; frame < 3 * framesPerPlay; ++frame) {
            if (SoundStatus(slot) != 1) {
                starts.push_back(frame);
            }
            ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
            AdvanceFrameClock();
        }
        EXPECT_EQ(starts, (std::vector<int>{0, framesPerPlay, 2 * framesPerPlay})) << rate;
    }
    StopSoundSlot(slot);
    EXPECT_EQ(SoundStatus(slot), 0);
}

TEST_F(SoundTest, TheMasterVolumeAndMuteReachTheMixerForEveryClipLoadedBeforeOrAfter) {
    ASSERT_EQ(InitSound(), 1);
    const int early = Load(800);
    // Master volume, muted, the clip's own step (100 for none), what the mixer gets.
    const struct {
        int master;
        bool muted;
        int step;
        int mixer;
    } table[] = {
        {50, false, 50, 11}, {150, false, 100, 128}, {70, true, 50, 0}, {70, false, 15, 4}};
    for (const auto& row : table) {
        SetMasterVolume(row.master);
        SetSoundMuted(row.muted);
        const int late = Load(800);
        if (row.step != 100) {
            SetSoundVolume(late, row.step);
        }
        SetSoundVolume(early, row.step);
        EXPECT_EQ(MixerVolume(late), row.mixer) << row.master << " " << row.muted;
        EXPECT_EQ(MixerVolume(early), row.mixer) << row.master << " " << row.muted;
        DeleteSound(late);
    }
    SetMasterVolume(100);
    SetSoundMuted(false);
    EXPECT_EQ(MixerVolume(early), 7); // the clip's own step of 15 is all that is left
}

} // namespace
