// The post-time clock: the countdown to the off, its calls to post and the off itself.
#include "raceday/post_time.h"

#include <array>
#include <cstdio>

#include "core/frame_timing.h"
#include "core/game_state.h"
#include "core/settings_file.h"
#include "platform/game_sounds.h"
#include "platform/game_sprites.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "raceday/race_day.h"
#include "stable/horse_record.h"

namespace {

constexpr double kSecondsPerFrame = 0.025;
constexpr double kFastSecondsPerFrame = 0.075;
constexpr float kMinuteRollover = 59.4f;

bool Playing(int slot) { return SoundStatus(slot) == 1; }

// One of three wordings, drawn every frame the window is open; it only sounds when neither
// of the other two is already speaking.
void Call(const std::array<int, 3>& family) {
    const int k = Rand() % 3;
    if (!Playing(family[(k + 1) % 3]) && !Playing(family[(k + 2) % 3])) {
        PlaySoundSlot(family[k], 0);
    }
}

} // namespace

void TickPostTime() {
    if (raceState.postTimeHold > 0) {
        raceState.postTimeHold -= 1;
    }
    if (raceState.postTimeHold != 0) {
        return;
    }
    postTimeSeconds -=
        frameTiming.frameFactor * (raceDay.fastPostTime ? kFastSecondsPerFrame : kSecondsPerFrame);
    if (postTimeSeconds <= 0) {
        if (postTimeMinutes >= 1) {
            postTimeMinutes -= 1;
            postTimeSeconds = kMinuteRollover;
        } else {
            postTimeSeconds = 0;
        }
    }
}

void PostTimeEvents() {
    if (postTimeMinutes == 1 && postTimeSeconds > 0 && postTimeSeconds < 0.5f) {
        Call(oneMinuteSounds);
    }
    if (postTimeMinutes == 0 && postTimeSeconds > 29 && postTimeSeconds < 31) {
        Call(thirtySecondsSounds);
    }
    if (postTimeMinutes == 0 && postTimeSeconds > 20 && postTimeSeconds < 21) {
        PlaySoundSlot(postcallSound, 0);
    }
    if (postTimeMinutes == 0 && postTimeSeconds >= 4 && postTimeSeconds <= 5) {
        SwitchScreen(kStateTrack);
        SetSpritePosition(&sBetsBoard, 343, 45);
        Call(postTimeSounds);
    }
    if (postTimeMinutes == 0 && postTimeSeconds <= 0) {
        postTimeSeconds = 1.0f;
        StartRace();
    }
}

void StartRace() {
    SetSpriteFrame(&sStartingGate, 1);
    SwitchScreen(kStateTrack);
    SetSpritePosition(&sBetsBoard, 343, 45);
    raceState.raceRunning = 1;
    raceState.boardVisible = 0;
    raceState.boardRefreshCounter = 0;
    for (int slot = 0; slot < kFieldSize; ++slot) {
        raceField[slot].SetPostNumber(slot + 1);
    }
    PlaySoundSlot(theirOffSound, 0);
    SetSoundVolume(crowdSound, 45);
    SetSoundVolume(mainCrowdSound, 45);
    // The scenery draws from its own generator from the off, so the announcer and the trees
    // never move the race's own draws.
    SeedSceneRand(static_cast<uint32_t>(Rand()));
}

void SetPostTimeForNextRace() {
    postTimeMinutes = raceDay.fastPostTime ? 1 : timeBetweenRaces;
    postTimeSeconds = 0;
}

void FormatPostTime(char* buffer, int size, const char* format) {
    std::snprintf(buffer, static_cast<size_t>(size), format, postTimeMinutes,
                  static_cast<double>(postTimeSeconds));
}
