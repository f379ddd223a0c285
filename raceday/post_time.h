// The post-time clock: it counts down to the off on the card, the options, the results and
// the waiting track, and fires the calls to post and the off itself.
#pragma once

// One frame of the clock; called by every screen on which it runs.
void TickPostTime();

// The clock's events, once per frame on the track, the card and the results: the one-minute,
// thirty-second and bugle calls, the switch to the track at 4 to 5 seconds, the off at zero.
void PostTimeEvents();

// The off: the gate opens, the race starts. Also called by the options screen at zero.
void StartRace();

// The clock for the next race, set on the frame a race ends: a minute in Sim Mode, otherwise
// timeBetweenRaces.
void SetPostTimeForNextRace();

// The clock as the card shows it ("%02d : %02.0f") into buffer.
void FormatPostTime(char* buffer, int size, const char* format);
