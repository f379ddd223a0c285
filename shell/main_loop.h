// The entry point's work: the command line, the data folder, the window and the main loop.
#pragma once

// Something that plays the game by itself (a soak, an end-to-end test) looks at the game before
// every frame and queues its input; null for a player at the keyboard.
using FrameHook = void (*)();

// Runs the whole game and returns the process's exit status: 0 after a normal quit, 1 when
// the game could not start, 2 for a bad command line or script. Every run starts from the
// game's start-of-run state, so a process can play several games one after another.
int RunStridewell(int argc, char** argv, FrameHook frameHook = nullptr);
