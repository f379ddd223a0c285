// Every clip of the game: synthesised effects and music, and lines spoken by espeak-ng, all
// written as 8-bit mono WAVE files at 8000 Hz.
#pragma once

#include <string>
#include <vector>

// The clips' paths relative to the data folder ("sounds/click1.wav", ...).
std::vector<std::string> SoundFiles();

// Writes every clip under dir; returns how many were written, with *error set when one
// could not be made.
int WriteSounds(const std::string& dir, std::string* error);
