// Sound clips on the dummy audio driver: the slot table, play and status on the real mixer and
// on the virtual clock, and volume. The start-up log lines and running without an audio device
// are the golden start-up logs' (tests/shell/startup_test.cpp).
#include "platform/sound.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/script.h"
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

    // A clip file in the scratch folder; its path.
    std::string Clip(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(folder.File(name), bytes);
        return folder.File(name);
    }
    int Load(size_t samples, uint32_t fileRate = 11025) {
        return LoadSound(Clip("clip.wav", MakeWave(Saw(samples), {.rate = fileRate})).c_str(),
                         kGameRate, kGameCaps);
    }

    // While a script plays, boxes go to its transcript on standard output instead of a window.
    void WatchBoxes() {
        StartScript({{1'000'000, ScriptAction::KeyUp, 0, 0, {}}});
        testing::internal::CaptureStdout();
    }
    std::string Boxes() { return testing::internal::GetCapturedStdout(); }

    ScratchFolder folder;
    WorkingDirectory inFolder{folder.path()};
};

// Loads take the first free slot; deleting, starting again and shutting down empty slots.
TEST_F(SoundTest, SlotsAreTakenFirstFreeAndEmptiedByDeleteInitAndShutdown) {
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(Load(300, 22050), 0);
    EXPECT_EQ(Load(500), 1);
    EXPECT_EQ(sound.soundSlots[0].rate, 22050);
    EXPECT_EQ(sound.soundSlots[0].size, 300);
    EXPECT_EQ(sound.soundSlots[1].size, 500);
    EXPECT_EQ(SoundStatus(0), 0);
    ASSERT_EQ(PlaySoundSlot(0, 0), 1);
    EXPECT_EQ(DeleteSound(0), 1);
    EXPECT_EQ(SoundStatus(0), -1);
    EXPECT_EQ(sound.soundSlots[0].buffer, nullptr);
    EXPECT_EQ(Load(200), 0);
    EXPECT_EQ(sound.soundSlots[0].size, 200);

    ASSERT_EQ(PlaySoundSlot(1, 0), 1);
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(SoundStatus(1), -1);
    EXPECT_EQ(sound.soundSlots[1].state, 0);
    EXPECT_EQ(sound.soundSlots[1].id, 1);

    ASSERT_EQ(Load(kGameRate), 0);
    ASSERT_EQ(PlaySoundSlot(0, 0), 1);
    EXPECT_EQ(ShutdownSound(), 1);
    EXPECT_EQ(sound.soundEnabled, 0);
    EXPECT_EQ(sound.soundSlots[0].buffer, nullptr);
    EXPECT_EQ(SoundDeviceRate(), 0);
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(Load(100), 0);
    EXPECT_EQ(PlaySoundSlot(0, 0), 1);
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

TEST_F(SoundTest, FailedLoadsShowTheMessageAndLeaveTheSlotFree) {
    ASSERT_EQ(InitSound(), 1);
    std::vector<uint8_t> truncated = MakeWave(Saw(100));
    truncated.resize(truncated.size() - 10);
    std::vector<uint8_t> absurd = MakeWave(Saw(100));
    Put32(absurd, kDataSizeAt, 0x7FFFFFF0);
    const std::string paths[] = {folder.File("missing.wav"),
                                 Clip("float.wav", MakeWave(Saw(100), {.formatTag = 3})),
                                 Clip("short.wav", truncated), Clip("absurd.wav", absurd)};
    for (const std::string& path : paths) {
        WatchBoxes();
        EXPECT_EQ(LoadSound(path.c_str(), kGameRate, kGameCaps), -1);
        const std::string message = "Unable to load sound file: " + path;
        EXPECT_NE(Boxes().find("box \"error\": " + message), std::string::npos) << path;
        EXPECT_EQ(sound.soundSlots[0].state, 0);
        EXPECT_EQ(sound.soundSlots[0].buffer, nullptr);
    }
    EXPECT_EQ(Load(100), 0);
    // A full table refuses the load the same way.
    for (SoundSlot& slot : sound.soundSlots) {
        slot.state = 1;
    }
    WatchBoxes();
    EXPECT_EQ(Load(100), -1);
    EXPECT_NE(Boxes().find("Unable to load sound file: "), std::string::npos);
}

TEST_F(SoundTest, NoClipAndIndexesOutOfRangeAreHarmless) {
    ASSERT_EQ(InitSound(), 1);
    ASSERT_EQ(Load(100), 0);
    for (int index : {-1, 1000, 7}) {
        EXPECT_EQ(PlaySoundSlot(index, 0), 0) << index;
        EXPECT_EQ(SoundStatus(index), -1) << index;
        EXPECT_EQ(StopSoundSlot(index), 1) << index;
        EXPECT_EQ(SetSoundVolume(index, 50), 0) << index;
        EXPECT_EQ(SetSoundFrequency(index, 8000), 0) << index;
        EXPECT_EQ(DeleteSound(index), 1) << index;
        EXPECT_EQ(SoundDeviceFrames(index), 0) << index;
        EXPECT_EQ(MixerVolume(index), -1) << index;
    }
    EXPECT_EQ(sound.soundSlots[0].state, 1);
}

// The real mixer, paced by the dummy driver in real time.
TEST_F(SoundTest, OnTheMixerAClipPlaysStopsAndEndsByItselfUnlessItLoops) {
    ASSERT_EQ(InitSound(), 1);
    const int once = Load(kGameRate / 20);
    const int looped = Load(kGameRate / 20);
    ASSERT_EQ(PlaySoundSlot(once, 0), 1);
    EXPECT_EQ(SoundStatus(once), 1);
    EXPECT_EQ(StopSoundSlot(once), 1);
    EXPECT_EQ(SoundStatus(once), 0);
    ASSERT_EQ(PlaySoundSlot(once, 0), 1);
    ASSERT_EQ(PlaySoundSlot(looped, kPlayLooping), 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (SoundStatus(once) != 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(SoundStatus(once), 0);
    EXPECT_EQ(SoundStatus(looped), 5);
    StopAllSounds();
    EXPECT_EQ(SoundStatus(looped), 0);
}

TEST_F(SoundTest, OnTheVirtualClockAClipAskedEveryFrameRestartsOnlyWhenItHasEnded) {
    constexpr int kFps = 60;
    constexpr size_t kSamples = 1000; // 125 ms at 8000 Hz: seven and a half frames
    InitClock(kFps);
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(kSamples);
    const int framesPerPlay = (kSamples * 1000 / kGameRate * kFps + 999) / 1000;
    std::vector<int> starts;
    for (int frame = 0; frame < 5 * framesPerPlay; ++frame) {
        if (SoundStatus(slot) != 1) {
            starts.push_back(frame);
        }
        ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
        EXPECT_EQ(SoundStatus(slot), 1);
        AdvanceFrameClock();
    }
    ASSERT_EQ(starts.size(), 5u);
    for (size_t i = 0; i < starts.size(); ++i) {
        EXPECT_EQ(starts[i], static_cast<int>(i) * framesPerPlay);
    }
}

// The virtual clock alone decides, not the mixer playing in real time beside it.
TEST_F(SoundTest, OnTheVirtualClockAClipLastsItsSamplesOverItsRate) {
    InitClock(1000); // one millisecond a frame
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(800, 22050);
    for (int rate : {kGameRate, 2 * kGameRate}) {
        ASSERT_EQ(SetSoundFrequency(slot, rate), 1);
        ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        int frames = 0;
        while (SoundStatus(slot) == 1 && frames < 10000) {
            AdvanceFrameClock();
            ++frames;
        }
        EXPECT_EQ(frames, 800 * 1000 / rate) << rate;
    }
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
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
    } table[] = {{100, false, 50, 23}, {50, false, 50, 11},    {50, false, 100, 64},
                 {0, false, 100, 0},   {150, false, 100, 128}, {100, true, 100, 0},
                 {70, true, 50, 0},    {70, false, 15, 4}};
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

TEST(SoundVolume, ThirtyHundredthsOfADecibelPerStepBelowFullAndTheMixerFollows) {
    EXPECT_EQ(SoundAttenuation(5), -2850);
    EXPECT_EQ(SoundAttenuation(-40), -3000);
    EXPECT_EQ(SoundAttenuation(250), 0);
    const struct { int volume, mixer; } table[] = {{15, 7}, {45, 19}, {50, 23}, {100, 128}};
    for (const auto& row : table) {
        EXPECT_EQ(MixerVolumeFromAttenuation(SoundAttenuation(row.volume)), row.mixer)
            << row.volume;
    }
    EXPECT_EQ(MixerVolumeFromAttenuation(5000), 128);
}

} // namespace
