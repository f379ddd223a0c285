// Sound clips on SDL2_mixer: 8-bit mono clips converted once to the device's format.
#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/message_box.h"
#include "platform/wave_file.h"

struct SoundBuffer {
    std::vector<uint8_t> samples;   // unsigned 8-bit mono, kept to convert again on a new rate
    std::vector<uint8_t> converted; // the same in the device's format; the chunk plays it
    Mix_Chunk* chunk = nullptr;
    int frequency = 0;
    bool playing = false; // started and not stopped since (it may have ended by itself)
    bool looping = false;
    uint32_t startedMs = 0; // the frame clock when it was started
    int volume = 0;         // the clip's own mixer volume, before the master volume and mute
};

SoundState sound;

namespace {

// A clip's buffer plays at this rate until its own rate is set.
constexpr int kBufferRate = 11025;
constexpr int kMinRate = 100;
constexpr int kMaxRate = 100000;
// What the device is asked for; SDL may give another rate or channel count, which we follow.
// Every clip is 8 kHz mono: a device of that rate plays them as they are, converted only to
// 16 bits, with no resampling at start-up and in an eleventh of the memory of 44.1 kHz stereo.
constexpr int kDeviceRate = 8000;
constexpr int kDeviceChannels = 1;
constexpr int kDeviceChunkFrames = 256; // about 30 ms
// The conversion works in place in a buffer this large at most, so no crafted clip can ask
// for an absurd amount of memory.
constexpr size_t kMaxConversionBytes = 256u << 20;
constexpr int kStatusPlaying = 1;
constexpr int kStatusLooping = 5;

struct {
    bool open = false;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    SoundBuffer buffers[kSoundSlotCount]; // slot i's buffer, when it holds a clip
} audio;                                  // whole run; ShutdownSound puts it back

// The player's master volume and mute, over every clip's own volume; whole run.
struct {
    int master = 100;
    bool muted = false;
} levels;

// Hands the mixer the clip's own volume scaled by the master volume, or silence when muted.
void ApplyVolume(int index) {
    const int volume = levels.muted ? 0 : audio.buffers[index].volume * levels.master / 100;
    Mix_Volume(index, volume);
}

bool OpenAudioDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(kDeviceRate, AUDIO_S16SYS, kDeviceChannels, kDeviceChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    if (Mix_QuerySpec(&audio.rate, &audio.format, &audio.channels) == 0 ||
        Mix_AllocateChannels(kSoundSlotCount) != kSoundSlotCount) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    audio.open = true;
    return true;
}

void CloseAudioDevice() {
    if (audio.open) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audio.open = false;
    audio.rate = 0;
    audio.format = 0;
    audio.channels = 0;
}

// The clip in a slot, or null for -1, an index out of range, an empty slot or sound off.
SoundBuffer* ClipIn(int index) {
    if (sound.soundEnabled == 0 || index < 0 || index >= kSoundSlotCount) {
        return nullptr;
    }
    return sound.soundSlots[index].buffer;
}

void ReleaseClip(int index) {
    SoundBuffer& clip = audio.buffers[index];
    if (clip.chunk != nullptr) {
        Mix_FreeChunk(clip.chunk); // halts its channel before the samples go
    }
    clip = SoundBuffer{};
    sound.soundSlots[index] = {nullptr, 0, 0, 0, index};
}

int FirstFreeSlot() {
    for (int i = 0; i < kSoundSlotCount; ++i) {
        if (sound.soundSlots[i].state == 0) {
            return i;
        }
    }
    return -1;
}

size_t DeviceFrameBytes() {
    return SDL_AUDIO_BITSIZE(audio.format) / 8 * static_cast<size_t>(audio.channels);
}

// Converts the kept samples, taken as `hertz` samples per second, to the device's format and
// makes them the clip's chunk. The clip is stopped; on failure it is left as it was.
bool BuildChunk(SoundBuffer* clip, int hertz) {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_U8, 1, hertz, audio.format, audio.channels, audio.rate) < 0) {
        return false;
    }
    const size_t count = clip->samples.size();
    const size_t multiple = static_cast<size_t>(std::max(cvt.len_mult, 1));
    if (count == 0 || count > kMaxConversionBytes / multiple) {
        return false;
    }
    std::vector<uint8_t> converted(count * multiple);
    std::memcpy(converted.data(), clip->samples.data(), count);
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(count);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
        return false;
    }
    // Only the converted bytes play: the rest of the working buffer is not sound.
    const size_t frameBytes = DeviceFrameBytes();
    const size_t length = static_cast<size_t>(cvt.needed ? cvt.len_cvt : cvt.len);
    converted.resize(length / frameBytes * frameBytes);
    converted.shrink_to_fit();
    if (converted.empty()) {
        return false;
    }
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(converted.data(), static_cast<Uint32>(converted.size()));
    if (chunk == nullptr) {
        return false;
    }
    if (clip->chunk != nullptr) {
        Mix_FreeChunk(clip->chunk);
    }
    clip->chunk = chunk;
    clip->converted = std::move(converted);
    clip->frequency = hertz;
    clip->playing = false;
    return true;
}

bool MakeClip(int index, WaveClip* wave, int frequency) {
    SoundBuffer& clip = audio.buffers[index];
    clip.samples = std::move(wave->samples);
    const bool playable = frequency >= kMinRate && frequency <= kMaxRate;
    if (!BuildChunk(&clip, playable ? frequency : kBufferRate)) {
        ReleaseClip(index);
        return false;
    }
    sound.soundSlots[index] = {&clip, 1, static_cast<int32_t>(wave->format.samplesPerSec),
                               static_cast<int32_t>(clip.samples.size()), index};
    clip.volume = MIX_MAX_VOLUME;
    ApplyVolume(index);
    return true;
}

int LoadFailed(const char* path) {
    const std::string text = std::string("Unable to load sound file: ") + path;
    bugLog.Write(text.c_str());
    ErrorBox("error", text.c_str());
    return -1;
}

// A clip of n samples at rate r sounds for n / r seconds of the frame clock.
int VirtualStatus(const SoundBuffer& clip) {
    if (!clip.playing) {
        return 0;
    }
    if (clip.looping) {
        return kStatusLooping;
    }
    const uint64_t elapsedMs = timeGetTime() - clip.startedMs;
    return elapsedMs * static_cast<uint64_t>(clip.frequency) < clip.samples.size() * 1000ull
               ? kStatusPlaying
               : 0;
}

} // namespace

int InitSound() {
    bugLog.Write("Initializing DirectSound...");
    sound.soundEnabled = 1;
    if (!audio.open && !OpenAudioDevice()) {
        bugLog.Write("Error creating DirectSound object.");
        sound.soundEnabled = 0;
        return 0;
    }
    for (int i = 0; i < kSoundSlotCount; ++i) {
        ReleaseClip(i);
    }
    bugLog.Write("DirectSound initialized successfully.");
    return 1;
}

int LoadSound(const char* path, int frequency, [[maybe_unused]] int caps) {
    if (sound.soundEnabled == 0) {
        return -1;
    }
    const int index = FirstFreeSlot();
    WaveClip wave;
    if (index < 0 || !ReadWaveFile(path, &wave) || !MakeClip(index, &wave, frequency)) {
        return LoadFailed(path);
    }
    return index;
}

int PlaySoundSlot(int index, int32_t flags) {
    SoundBuffer* clip = ClipIn(index);
    if (clip == nullptr) {
        return 0;
    }
    if (SoundStatus(index) == kStatusPlaying) {
        return 1;
    }
    const bool looping = (flags & kPlayLooping) != 0;
    clip->playing = Mix_PlayChannel(index, clip->chunk, looping ? -1 : 0) == index;
    clip->looping = looping;
    clip->startedMs = timeGetTime();
    return clip->playing ? 1 : 0;
}

int StopSoundSlot(int index) {
    if (SoundBuffer* clip = ClipIn(index)) {
        Mix_HaltChannel(index);
        clip->playing = false;
    }
    return 1;
}

void StopAllSounds() {
    for (int i = 0; i < kSoundSlotCount; ++i) {
        StopSoundSlot(i);
    }
}

int32_t SoundAttenuation(int volume) { return -30 * (100 - std::clamp(volume, 0, 100)); }

int MixerVolumeFromAttenuation(int32_t attenuation) {
    const double gain = std::pow(10.0, attenuation / 2000.0);
    const long volume = std::lround(MIX_MAX_VOLUME * gain);
    return static_cast<int>(std::clamp(volume, 0L, static_cast<long>(MIX_MAX_VOLUME)));
}

int SetSoundVolume(int index, int volume) {
    SoundBuffer* clip = ClipIn(index);
    if (clip == nullptr) {
        return 0;
    }
    clip->volume = MixerVolumeFromAttenuation(SoundAttenuation(volume));
    ApplyVolume(index);
    return 1;
}

void SetMasterVolume(int volume) {
    levels.master = std::clamp(volume, 0, 100);
    for (int i = 0; i < kSoundSlotCount; ++i) {
        if (ClipIn(i) != nullptr) {
            ApplyVolume(i);
        }
    }
}

int MasterVolume() { return levels.master; }

void SetSoundMuted(bool muted) {
    levels.muted = muted;
    SetMasterVolume(levels.master);
}

bool SoundMuted() { return levels.muted; }

void ResetSoundLevels() { levels = {}; }

int MixerVolume(int index) { return ClipIn(index) != nullptr ? Mix_Volume(index, -1) : -1; }

int SetSoundFrequency(int index, int hertz) {
    SoundBuffer* clip = ClipIn(index);
    if (clip == nullptr || hertz < kMinRate || hertz > kMaxRate) {
        return 0;
    }
    return BuildChunk(clip, hertz) ? 1 : 0;
}

int DeleteSound(int index) {
    if (ClipIn(index) != nullptr) {
        ReleaseClip(index);
    }
    return 1;
}

int SoundStatus(int index) {
    const SoundBuffer* clip = ClipIn(index);
    if (clip == nullptr) {
        return -1;
    }
    if (ClockIsVirtual()) {
        return VirtualStatus(*clip);
    }
    if (Mix_Playing(index) == 0) {
        return 0;
    }
    return clip->looping ? kStatusLooping : kStatusPlaying;
}

int ShutdownSound() {
    StopAllSounds();
    for (int i = 0; i < kSoundSlotCount; ++i) {
        ReleaseClip(i);
    }
    CloseAudioDevice();
    sound.soundEnabled = 0;
    return 1;
}

int SoundDeviceFrames(int index) {
    const SoundBuffer* clip = ClipIn(index);
    return clip == nullptr ? 0 : static_cast<int>(clip->converted.size() / DeviceFrameBytes());
}

int SoundDeviceRate() { return audio.rate; }
