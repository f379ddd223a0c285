// The starting stable: 215 horse files with names of the generator's making.
#pragma once

#include <string>

// Writes horses 1.txt .. 215.txt into folder; returns how many were written, with *error
// set when one could not be.
int WriteHorseFiles(const std::string& folder, std::string* error);
