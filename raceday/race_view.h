// The race view: the track screen of the post parade and the race. The scrolling scenery, the
// horses in depth order, the runner list, the leader panel, the tote board, the progress map,
// the crowd and the gallop; each race frame interleaves these with the simulation's steps.
#pragma once

#include <cstdint>

#include "stable/horse_record.h"

constexpr int kLeaderPlaces = 4;

// Whole run; ResetRaceView puts it back.
struct RaceView {
    int32_t crowdVolume;                             // the volume the crowd was last given
    char leaderNames[kLeaderPlaces][kHorseNameSize]; // the names on the leader buttons
    int32_t drawOrder[kFieldSize];                   // each horse's depth, rebuilt every frame
};
extern RaceView raceView;

// One frame of the track (304), waiting or racing: called by the frame driver after the
// ratings were copied. From the off it runs the race: the simulation, the commentary, the
// scenery; at the finish it sets the clock for the next race, loads the results picture and
// returns true, and the frame driver switches to the results.
bool RunRaceFrame();

// Whether the track's two tiles, where the next race frame draws them, cover the whole screen
// with opaque pixels: then nothing under them shows and the frame needs no black fill.
bool TrackCoversScreen();

// The scene behind the lists: track, rail, trees, tote board with the odds, panels, the post,
// the horses (those higher on screen behind) and the gate, map and marker over them.
void DrawRaceScene();

// Keeps each pair of tiles (track, rail) exactly 800 apart, the one with the larger x on the
// right.
void AlignTiles();

// Before the scene is drawn: a tile scrolled a whole width off the left goes back in line
// behind its partner, so no seam opens.
void WrapTiles();

// The scenery's steps of a race frame, after the camera: its share of the final approach, then
// the scrolling of track, rail, trees and tote board while the distance is not run.
void MoveScenery();

// Where the progress marker stands for a distance; false for the distances between two
// ranges, which leave it where it was.
bool ProgressMarkerAt(int32_t distance, int* x, int* y);

// The gallop's ticks per picture for a measured frame rate, even and odd slots.
int GallopTicks(int rate, int slot);

// Puts the track back for the next race: every runner and the scenery at their start, the
// gate closed, the race state and the simulation as at a new race, the clock held for its
// first frames and the odds timer full. Called by the results' reset after the bets are paid.
void ResetRaceForNextRace();

// The crowd under the results: both loops playing, quietened to 5 once.
void KeepCrowdQuiet();

void ResetRaceView();
