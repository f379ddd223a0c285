// The race announcer: recorded calls of the start, the running order and the stretch, one clip
// at a time. Its wording is drawn from SceneRand, so announcing never changes a race.
#pragma once

#include <cstdint>

// How the announcer reaches its clips: the sound layer in the game; a clip clock of their own
// in tests and the race simulator.
struct AnnouncerClips {
    int (*status)(int slot);              // non-zero while the clip plays, -1 for no clip
    int (*play)(int slot, int32_t flags); // starts the clip unless it is playing
};
extern AnnouncerClips announcerClips;

// Whole run; ResetAnnouncer puts it back. The start calls' progress and the last wording carry
// over from race to race.
struct AnnouncerState {
    int32_t announcerBusy;  // a clip plays, or a call was started this frame
    int32_t announcerRoll;  // the last roll of the call logic, shared by the routines
    int32_t clipVariant;    // the last wording or runner slot chosen, read by later calls
    int32_t startCallState; // 1 start call due, 2 start report due, 3 done
    int32_t stretchCallDue;
};
extern AnnouncerState announcer;

// Busy while any clip of the announcer's families reports a status (a slot without a clip
// reports -1, which keeps a silent announcer silent rather than failing).
void UpdateAnnouncerBusy();
void SetAnnouncerBusy(int flag);

// Step 5 of every race frame on the track, with announcing on and the runners away: at most
// one call a frame, and none while a clip plays. A call whose moment passes meanwhile is lost.
void AnnounceRaceFrame();

void CallTheyreOff();
void CallStart();
void CallEarlyRace();
void CallMidRace();
void CallStretchRun();
void CallStretchTurn();
void CallStruggling(int slot);
void CallFrontCalm(int slot);
void CallFrontMed(int slot);
void CallFrontExcited(int slot);
void CallGeneric(int stage);

void ResetAnnouncer();
