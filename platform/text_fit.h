// Lines fitted to the room a screen has for them: a smaller face first, then a name cut short,
// and plates that keep a line readable on a busy picture.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct Font;

// A line of a rank or other lead, a name and an amount or other tail, and the pixels it may
// take.
struct LineParts {
    std::string lead, name, tail;
    int room;
};

struct FittedLine {
    const Font* font;
    std::string text;
    int baselineShift; // drawn this much lower than asked, so every face shares one baseline
};

// Lines set in one face: the first of fonts (largest first) that every line fits its room in.
// In the last, a line that still does not fit has its name cut short and ended by "…"; lead
// and tail always show whole. Characters are never cut in two.
std::vector<FittedLine> FitLines(std::initializer_list<const Font*> fonts,
                                 const std::vector<LineParts>& lines);

// One line, fitted the same way.
FittedLine FitLine(std::initializer_list<const Font*> fonts, const LineParts& line);

constexpr uint32_t kNoPlate = 0xFFFFFFFFu;

// Draws a fitted line on the back buffer with its first face's cell at (x, y), on a plate of
// that colour unless kNoPlate.
void DrawFittedLine(const FittedLine& line, int x, int y, uint32_t colour,
                    uint32_t plateColour = kNoPlate);

// Draws a line on the back buffer on a plate of plateColour reaching pad pixels round its
// cell. Returns the text's width.
int DrawTextOnPlate(const char* text, int x, int y, uint32_t colour, const Font* font,
                    uint32_t plateColour, int pad = 2);
