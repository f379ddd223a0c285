// Sound clips: a table of 1000 slots, each holding one short clip on its own mixer channel.
#pragma once

#include <cstdint>

// A clip's samples as loaded and as the audio device plays them; private to the sound code.
struct SoundBuffer;

struct SoundSlot {
    SoundBuffer* buffer; // the clip, or null
    int32_t state;       // 0 free, 1 loaded
    int32_t rate;        // samples per second the file's format chunk gives (kept, not used)
    int32_t size;        // bytes of sample data
    int32_t id;          // the slot's own index
};

constexpr int kSoundSlotCount = 1000;

// The game's clips, whole run: filled at start-up; InitSound and ShutdownSound put every slot
// back to empty.
struct SoundState {
    // Where clips live. A clip is named by its slot index; -1 names no clip, and -1, any index
    // outside 0..999 and an empty slot are harmless to every operation below.
    SoundSlot soundSlots[kSoundSlotCount] = {};
    // 1 once sound has started, 0 (the start value) when no audio device could be opened or
    // after ShutdownSound. While it is 0 every request below does nothing.
    int32_t soundEnabled = 0;
};
extern SoundState sound;

// PlaySoundSlot's flag that repeats the clip until it is stopped; the game always plays once.
constexpr int32_t kPlayLooping = 1;

// Called once by start-up before any clip is loaded: opens the audio device (if it is not open
// yet) with one mixer channel per slot, and empties the table. Returns 1, or 0 with
// soundEnabled 0 when there is no audio device (the game then runs silent; no box).
int InitSound();

// Called by start-up for every clip of the game (frequency 8000, caps 0xE0). Reads the WAVE
// file into the first free slot, to play at `frequency` samples per second whatever the file
// says. Returns the slot index, or -1 after "Unable to load sound file: <path>" went to the
// debug log and to a box under "error"; a failed load leaves its slot free. caps (the
// controls a clip allows) is accepted for the callers' sake: every clip has them all. With
// sound off it returns -1 and says nothing.
int LoadSound(const char* path, int frequency, int caps);

// Called by screens, the announcer and the frame driver (the race card's background.wav),
// often every frame so that ambience keeps sounding: rewinds the clip and starts it, unless
// it is still playing (then it is left alone, never restarted midway). Returns 1 when the
// clip plays, 0 when it could not be started (no clip, sound off).
int PlaySoundSlot(int index, int32_t flags);

// Called by screens and the intro: stops the clip and rewinds it. Returns 1.
int StopSoundSlot(int index);

// Stops every clip; shutdown does this first.
void StopAllSounds();

// The attenuation for a volume of 0..100, in hundredths of a decibel: 100 is full volume,
// 0 is -30 dB. Volumes outside 0..100 count as the nearest end.
int32_t SoundAttenuation(int volume);

// The mixer's volume (0..128) for an attenuation in hundredths of a decibel.
int MixerVolumeFromAttenuation(int32_t attenuation);

// Called at start-up for the clips that do not play at full volume, and by the options
// screen. Returns 1, or 0 when sound is off or the slot holds no clip.
int SetSoundVolume(int index, int volume);

// The player's master volume (0..100, outside held to the nearest end) scales every clip's own
// volume; muted, every clip plays silent (and keeps its timing). Whole run: kept across
// ShutdownSound, applied to clips loaded later.
void SetMasterVolume(int volume);
int MasterVolume();
void SetSoundMuted(bool muted);
bool SoundMuted();
// Master volume 100 and not muted, as a run starts before the preferences are read.
void ResetSoundLevels();

// The volume (0..128) the mixer plays the slot's clip at; -1 when it holds none.
int MixerVolume(int index);

// Called by LoadSound: the clip plays at `hertz` samples per second (100..100000) from now
// on; a clip that was playing is stopped. Returns 1, or 0 (clip unchanged) when sound is off,
// the slot holds no clip or the rate is out of range.
int SetSoundFrequency(int index, int hertz);

// Called by the intro and credits for a clip they no longer need: stops it and empties the
// slot, which a later LoadSound may take again. Returns 1.
int DeleteSound(int index);

// Asked every frame by the screens and the announcer: 1 while the clip plays, 5 while it
// plays looping, 0 when stopped or ended, -1 when the slot holds no clip. Under --fixed-fps
// it follows the virtual clock: a clip of n samples at rate r plays for n / r virtual
// seconds from the moment it was started, so a scripted run hears the same on any machine.
int SoundStatus(int index);

// Called by shutdown: stops every clip, frees them all and closes the audio device. Also
// puts the table and soundEnabled back to their start values. Returns 1.
int ShutdownSound();

// How many sample frames the audio device plays for the clip (0 when the slot holds none),
// and the device's frames per second (0 while it is closed): the clip's true length after
// conversion, which must neither drop nor pad samples.
int SoundDeviceFrames(int index);
int SoundDeviceRate();
