// Sound clips on the dummy audio driver: loading, slots, play and status on the real mixer and
// on the virtual clock, volume, and running without an audio device.
#include "platform/sound.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
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

bool Logged(const std::string& line) {
    const std::vector<std::string> lines = ReadLines("buglog.txt");
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

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

TEST_F(SoundTest, InitSoundLogsItsLinesAndEmptiesTheTable) {
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(sound.soundEnabled, 1);
    const std::vector<std::string> lines = ReadLines("buglog.txt");
    const auto first = std::find(lines.begin(), lines.end(), "Initializing DirectSound...");
    ASSERT_NE(first, lines.end());
    ASSERT_NE(first + 1, lines.end());
    EXPECT_EQ(first[1], "DirectSound initialized successfully.");
    for (int i = 0; i < kSoundSlotCount; ++i) {
        EXPECT_EQ(sound.soundSlots[i].state, 0);
        EXPECT_EQ(sound.soundSlots[i].id, i);
        EXPECT_EQ(sound.soundSlots[i].buffer, nullptr);
    }
    EXPECT_GT(SoundDeviceRate(), 0);
}

TEST_F(SoundTest, InitSoundAgainReleasesEveryClip) {
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(800);
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(SoundStatus(slot), -1);
    EXPECT_EQ(sound.soundSlots[slot].state, 0);
}

TEST_F(SoundTest, WithoutAnAudioDeviceSoundIsOffAndEveryRequestDoesNothing) {
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const bool hadDriver = driver != nullptr;
    const std::string previous = hadDriver ? driver : "";
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    WatchBoxes();
    const int started = InitSound();
    const std::string clip = Clip("clip.wav", MakeWave(Saw(100)));
    const int slot = LoadSound(clip.c_str(), kGameRate, kGameCaps);
    const std::string boxes = Boxes();
    if (hadDriver) {
        setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }

    EXPECT_EQ(started, 0);
    EXPECT_EQ(sound.soundEnabled, 0);
    EXPECT_TRUE(Logged("Initializing DirectSound..."));
    EXPECT_TRUE(Logged("Error creating DirectSound object."));
    EXPECT_FALSE(Logged("DirectSound initialized successfully."));
    EXPECT_EQ(slot, -1);
    EXPECT_FALSE(Logged("Unable to load sound file: " + clip));
    EXPECT_EQ(boxes, "");
    EXPECT_EQ(PlaySoundSlot(0, 0), 0);
    EXPECT_EQ(SoundStatus(0), -1);
    EXPECT_EQ(SetSoundVolume(0, 50), 0);
    EXPECT_EQ(SetSoundFrequency(0, 8000), 0);
    EXPECT_EQ(StopSoundSlot(0), 1);
    EXPECT_EQ(DeleteSound(0), 1);
    EXPECT_EQ(SoundDeviceRate(), 0);
}

TEST_F(SoundTest, ALoadTakesTheFirstFreeSlotAndKeepsTheFileRate) {
    ASSERT_EQ(InitSound(), 1);
    EXPECT_EQ(Load(300, 22050), 0);
    EXPECT_EQ(Load(500), 1);
    EXPECT_EQ(sound.soundSlots[0].state, 1);
    EXPECT_EQ(sound.soundSlots[0].rate, 22050);
    EXPECT_EQ(sound.soundSlots[0].size, 300);
    EXPECT_EQ(sound.soundSlots[0].id, 0);
    EXPECT_NE(sound.soundSlots[0].buffer, nullptr);
    EXPECT_EQ(sound.soundSlots[1].size, 500);
    EXPECT_EQ(SoundStatus(0), 0);
    EXPECT_EQ(SetSoundVolume(0, 15), 1);
    EXPECT_EQ(SetSoundVolume(2, 15), 0);
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
        EXPECT_TRUE(Logged(message));
        EXPECT_EQ(sound.soundSlots[0].state, 0);
        EXPECT_EQ(sound.soundSlots[0].buffer, nullptr);
    }
    EXPECT_EQ(Load(100), 0);
}

TEST_F(SoundTest, AFullTableRefusesTheLoad) {
    ASSERT_EQ(InitSound(), 1);
    for (SoundSlot& slot : sound.soundSlots) {
        slot.state = 1;
    }
    WatchBoxes();
    EXPECT_EQ(Load(100), -1);
    EXPECT_NE(Boxes().find("Unable to load sound file: "), std::string::npos);
}

TEST_F(SoundTest, DeleteSoundEmptiesTheSlotForTheNextLoad) {
    ASSERT_EQ(InitSound(), 1);
    ASSERT_EQ(Load(100), 0);
    ASSERT_EQ(Load(100), 1);
    ASSERT_EQ(PlaySoundSlot(0, 0), 1);
    EXPECT_EQ(DeleteSound(0), 1);
    EXPECT_EQ(SoundStatus(0), -1);
    EXPECT_EQ(sound.soundSlots[0].state, 0);
    EXPECT_EQ(sound.soundSlots[0].buffer, nullptr);
    EXPECT_EQ(Load(200), 0);
    EXPECT_EQ(sound.soundSlots[0].size, 200);
}

TEST_F(SoundTest, NoClipAndIndexesOutOfRangeAreHarmless) {
    ASSERT_EQ(InitSound(), 1);
    ASSERT_EQ(Load(100), 0);
    for (int index : {-1, -1000, 1000, 5000, 7}) {
        EXPECT_EQ(PlaySoundSlot(index, 0), 0) << index;
        EXPECT_EQ(SoundStatus(index), -1) << index;
        EXPECT_EQ(StopSoundSlot(index), 1) << index;
        EXPECT_EQ(SetSoundVolume(index, 50), 0) << index;
        EXPECT_EQ(SetSoundFrequency(index, 8000), 0) << index;
        EXPECT_EQ(DeleteSound(index), 1) << index;
        EXPECT_EQ(SoundDeviceFrames(index), 0) << index;
    }
    EXPECT_EQ(sound.soundSlots[0].state, 1);
}

TEST_F(SoundTest, ShutdownReleasesEverythingAndSoundCanStartAgain) {
    ASSERT_EQ(InitSound(), 1);
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

// The real mixer, paced by the dummy driver in real time.
TEST_F(SoundTest, OnTheMixerAClipPlaysStopsAndPlaysAgain) {
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(4 * kGameRate);
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    EXPECT_EQ(SoundStatus(slot), 1);
    EXPECT_EQ(PlaySoundSlot(slot, 0), 1);
    EXPECT_EQ(StopSoundSlot(slot), 1);
    EXPECT_EQ(SoundStatus(slot), 0);
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    EXPECT_EQ(SoundStatus(slot), 1);
    StopAllSounds();
    EXPECT_EQ(SoundStatus(slot), 0);
}

TEST_F(SoundTest, OnTheMixerAClipEndsByItselfUnlessItLoops) {
    ASSERT_EQ(InitSound(), 1);
    const int once = Load(kGameRate / 20);
    const int looped = Load(kGameRate / 20);
    ASSERT_EQ(PlaySoundSlot(once, 0), 1);
    ASSERT_EQ(PlaySoundSlot(looped, kPlayLooping), 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (SoundStatus(once) != 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(SoundStatus(once), 0);
    EXPECT_EQ(SoundStatus(looped), 5);
    StopSoundSlot(looped);
    EXPECT_EQ(SoundStatus(looped), 0);
}

TEST_F(SoundTest, OnTheVirtualClockAClipAskedEveryFrameRestartsOnlyWhenItHasEnded) {
    constexpr int kFps = 60;
    constexpr size_t kSamples = 1000; // 125 ms at 8000 Hz: seven and a half frames
    InitClock(kFps);
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(kSamples);
    const int lengthMs = static_cast<int>(kSamples * 1000 / kGameRate);
    const int framesPerPlay = (lengthMs * kFps + 999) / 1000;
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

TEST_F(SoundTest, OnTheVirtualClockAClipLastsItsSamplesOverItsRate) {
    InitClock(1000); // one millisecond a frame
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(800, 22050);
    for (int rate : {kGameRate, 2 * kGameRate}) {
        ASSERT_EQ(SetSoundFrequency(slot, rate), 1);
        ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
        int frames = 0;
        while (SoundStatus(slot) == 1 && frames < 10000) {
            AdvanceFrameClock();
            ++frames;
        }
        EXPECT_EQ(frames, 800 * 1000 / rate) << rate;
    }
}

TEST_F(SoundTest, OnTheVirtualClockTheMixerDoesNotDecide) {
    InitClock(60);
    ASSERT_EQ(InitSound(), 1);
    const int slot = Load(kGameRate / 50); // 20 ms
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(SoundStatus(slot), 1);
    AdvanceFrameClock();
    AdvanceFrameClock();
    EXPECT_EQ(SoundStatus(slot), 0);
    ASSERT_EQ(PlaySoundSlot(slot, 0), 1);
    StopSoundSlot(slot);
    EXPECT_EQ(SoundStatus(slot), 0);
}

TEST_F(SoundTest, TheMasterVolumeAndMuteReachTheMixerForEveryClipLoadedBeforeOrAfter) {
    ASSERT_EQ(InitSound(), 1);
    const int early = Load(800);
    ASSERT_EQ(SetSoundVolume(early, 50), 1); // the game's own step: 23 of 128
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
            SetSoundVolume(early, row.step);
        } else {
            SetSoundVolume(early, 100);
        }
        EXPECT_EQ(MixerVolume(late), row.mixer) << row.master << " " << row.muted;
        EXPECT_EQ(MixerVolume(early), row.mixer) << row.master << " " << row.muted;
        DeleteSound(late);
    }
    SetMasterVolume(100);
    SetSoundMuted(false);
    EXPECT_EQ(MixerVolume(early), 7); // the clip's own step of 15 is all that is left
}

TEST(SoundVolume, AttenuationIsThirtyHundredthsOfADecibelPerStepBelowFull) {
    EXPECT_EQ(SoundAttenuation(100), 0);
    EXPECT_EQ(SoundAttenuation(5), -2850);
    EXPECT_EQ(SoundAttenuation(0), -3000);
    EXPECT_EQ(SoundAttenuation(-40), SoundAttenuation(0));
    EXPECT_EQ(SoundAttenuation(250), SoundAttenuation(100));
}

TEST(SoundVolume, TheMixerVolumeFollowsTheDecibels) {
    const struct { int volume, mixer; } table[] = {{15, 7}, {45, 19}, {50, 23}, {100, 128}};
    for (const auto& row : table) {
        EXPECT_EQ(MixerVolumeFromAttenuation(SoundAttenuation(row.volume)), row.mixer)
            << row.volume;
    }
    int previous = 0;
    for (int volume = 0; volume <= 100; ++volume) {
        const int mixer = MixerVolumeFromAttenuation(SoundAttenuation(volume));
        EXPECT_GE(mixer, previous);
        EXPECT_LE(mixer, 128);
        previous = mixer;
    }
    EXPECT_EQ(MixerVolumeFromAttenuation(5000), 128);
}

} // namespace
