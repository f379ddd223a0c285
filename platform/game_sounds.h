// Every sound clip of the game, by the slot it was loaded into (-1 when it is not loaded).
// Filled by start-up from the asset manifest; each lives for the whole run.
#pragma once

#include <array>
#include <cstddef>

constexpr int kAnnouncedRunners = 10;
constexpr int kGenericLines = 30;
constexpr int kTheirOffCalls = 7;

// The one list of sound slots, in the order start-up loads them (a slot's number follows that
// order). Each line is one of:
//   CLIP(name, path): one slot, its clip at path.
//   CLIPS(name, count, format): count slots; the n-th (n from 1) holds the clip whose path is
//       format filled in with n.
//   ALONGSIDE(name, count, format): the same, loaded turn about by number with the CLIPS line
//       above it and its other ALONGSIDE lines: every first clip, then every second, and so on;
//       a shorter family drops out when its clips run out.
//   UNLISTED(name): a slot the manifest does not fill (the intro's fanfare, loaded by start-up).
#define GAME_SOUNDS(CLIP, CLIPS, ALONGSIDE, UNLISTED)                                              \
    CLIP(postcallSound, "sounds/postcall.wav")                                                     \
    CLIP(click1Sound, "sounds/click1.wav")                                                         \
    CLIP(click2Sound, "sounds/click2.wav")                                                         \
    CLIP(crowdSound, "sounds/crowd.wav")                                                           \
    CLIP(mainCrowdSound, "sounds/maincrowd.wav")                                                   \
    CLIP(gallopSound, "sounds/gallop.wav")                                                         \
    CLIP(theirOffSound, "sounds/theiroffsound.wav")                                                \
    CLIP(cashSound, "sounds/cash.wav")                                                             \
    CLIPS(horseSounds, 4, "sounds/horse%i.wav")                                                    \
    CLIP(backgroundSound, "sounds/background.wav")                                                 \
    CLIP(explodeSound, "sounds/explode.wav")                                                       \
    CLIPS(oneMinuteSounds, 3, "sounds/1minute%i.wav")                                              \
    ALONGSIDE(thirtySecondsSounds, 3, "sounds/30seconds%i.wav")                                    \
    ALONGSIDE(postTimeSounds, 3, "sounds/posttime%i.wav")                                          \
    CLIPS(stretchSounds, kAnnouncedRunners, "sounds/announcer/stretch%i.wav")                      \
    ALONGSIDE(genericPhraseSounds, kAnnouncedRunners, "sounds/announcer/generic_phrase%i.wav")     \
    ALONGSIDE(upFrontCalmSounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_calm.wav")         \
    ALONGSIDE(upFrontMedSounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_med.wav")           \
    ALONGSIDE(upFrontExSounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_ex.wav")             \
    ALONGSIDE(upFrontEx2Sounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_ex2.wav")           \
    ALONGSIDE(upFrontEx3Sounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_ex3.wav")           \
    ALONGSIDE(upFrontMed2Sounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_med2.wav")         \
    ALONGSIDE(upFrontMed3Sounds, kAnnouncedRunners, "sounds/announcer/%iUpFront_med3.wav")         \
    ALONGSIDE(inCommandCalmSounds, kAnnouncedRunners, "sounds/announcer/%iincommand_calm.wav")     \
    ALONGSIDE(strugglingSounds, kAnnouncedRunners, "sounds/announcer/%istruggling.wav")            \
    ALONGSIDE(struggling2Sounds, kAnnouncedRunners, "sounds/announcer/%istruggling2.wav")          \
    ALONGSIDE(goodStartSounds, kAnnouncedRunners, "sounds/announcer/%igoodstart.wav")              \
    ALONGSIDE(badStartSounds, kAnnouncedRunners, "sounds/announcer/%ibadstart.wav")                \
    ALONGSIDE(theirOffCalls, kTheirOffCalls, "sounds/announcer/theiroff%i.wav")                    \
    CLIPS(genericCalmSounds, kGenericLines, "sounds/announcer/generic_calm%i.wav")                 \
    ALONGSIDE(genericMedSounds, kGenericLines, "sounds/announcer/generic_med%i.wav")               \
    ALONGSIDE(genericExSounds, kGenericLines, "sounds/announcer/generic_ex%i.wav")                 \
    CLIP(comeOnSound, "sounds/comeon.wav")                                                         \
    CLIP(atFirstQuarterPoleSound, "sounds/announcer/atfirstquarterpole.wav")                       \
    UNLISTED(introSound)

// Announcer families hold one clip per runner number (index number - 1).
#define GAME_SOUND_DECLARE_ONE(name, ...) extern int name;
#define GAME_SOUND_DECLARE_MANY(name, count, format) extern std::array<int, count> name;
GAME_SOUNDS(GAME_SOUND_DECLARE_ONE, GAME_SOUND_DECLARE_MANY, GAME_SOUND_DECLARE_MANY,
            GAME_SOUND_DECLARE_ONE)
#undef GAME_SOUND_DECLARE_ONE
#undef GAME_SOUND_DECLARE_MANY

// No clip: what every slot holds before start-up loads it.
template <std::size_t N> constexpr std::array<int, N> NoClips() {
    std::array<int, N> slots{};
    slots.fill(-1);
    return slots;
}

// Puts every slot back to -1 (nothing loaded).
void ResetGameSounds();
