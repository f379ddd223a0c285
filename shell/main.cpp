// Stridewell: a horse-racing betting game for one to four players.
#include "shell/main_loop.h"

int main(int argc, char** argv) { return RunStridewell(argc, argv); }
