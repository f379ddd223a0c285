// The entry point's work: the command line, the data folder, the window and the main loop.
#pragma once

// Runs the whole game and returns the process's exit status: 0 after a normal quit, 1 when
// the game could not start, 2 for a bad command line or script.
int RunStridewell(int argc, char** argv);
