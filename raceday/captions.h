// Announcer captions: the words of the announcer's and the loudspeakers' clips, on a plate at
// the foot of the picture while they play, for players who cannot hear them.
#pragma once

// Off at start, for the whole run; a player's preference, not part of the saved game.
bool CaptionsOn();
// Captions off, as a run starts before the preferences are read.
void ResetCaptions();
void SetCaptionsOn(bool on);

// Called by the frame driver every frame: a press of T switches the captions on or off.
void ReadCaptionsKey();

// Called by the frame driver every frame once the screen has drawn: with captions on, the words
// of every announcer and post-time clip that is playing, one line each, centred at the foot of
// the picture (on the track, above the leader buttons).
void DrawCaptions();
