// Racehorse names for the starting stable, made from word lists with a fixed seed.
#pragma once

#include <string>
#include <vector>

// Width the game gives a name beside the leader of the race, in fontComic17: the narrowest
// place a name is written. Names are measured against it with a margin for font differences.
inline constexpr double kNameWidthBudget = 125;
inline constexpr int kMaxNameLength = 23;

// `count` distinct names, the same on every run: ASCII, without "~", at most 23 characters,
// each fitting the width budget.
std::vector<std::string> MakeHorseNames(int count);
