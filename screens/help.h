// How to play: F1's plate over the picture, with the bets and what they pay, the race day, the
// stakes series and every key.
#pragma once

// Called by the frame driver, after everything else of a frame on which F1 is down has been
// drawn and before it is presented: letters the help over the picture.
void DrawHelp();

// Called right after that frame is presented: the game stands still under the help, as under a
// box (the frame rate held, the post-time clock stopped), until a key or a click closes it.
void WaitOutHelp();
