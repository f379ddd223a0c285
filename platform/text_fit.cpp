// Lines fitted to their room, and the plates under lines that need them.
#include "platform/text_fit.h"

#include "platform/display.h"
#include "platform/text.h"

namespace {

constexpr const char* kEllipsis = "…";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string Whole(const LineParts& line) { return line.lead + line.name + line.tail; }

bool Fits(const Font* font, const LineParts& line) {
    return TextWidth(font, Whole(line).c_str()) <= line.room;
}

// The line with the longest start of its name that, ended by the ellipsis, fits its room.
std::string CutShort(const Font* font, const LineParts& line) {
    const std::string& name = line.name;
    // Byte lengths of the name's starts that end between two characters.
    std::vector<size_t> starts = {0};
    for (size_t i = 1; i < name.size(); ++i) {
        if (!IsContinuationByte(name[i])) {
            starts.push_back(i);
        }
    }
    auto text = [&](size_t k) {
        std::string start = name.substr(0, starts[k]);
        while (!start.empty() && start.back() == ' ') {
            start.pop_back();
        }
        return line.lead + start + kEllipsis + line.tail;
    };
    // Widths grow with the length: halve between a start that fits and one that does not.
    size_t fits = 0, tooLong = starts.size();
    while (tooLong - fits > 1) {
        const size_t mid = (fits + tooLong) / 2;
        if (TextWidth(font, text(mid).c_str()) <= line.room) {
            fits = mid;
        } else {
            tooLong = mid;
        }
    }
    return text(fits);
}

} // namespace

std::vector<FittedLine> FitLines(std::initializer_list<const Font*> fonts,
                                 const std::vector<LineParts>& lines) {
    const Font* first = *fonts.begin();
    const Font* face = first;
    for (const Font* font : fonts) {
        face = font;
        bool all = true;
        for (const LineParts& line : lines) {
            all = all && Fits(font, line);
        }
        if (all) {
            break;
        }
    }
    const int shift = FontAscent(first) - FontAscent(face);
    std::vector<FittedLine> fitted;
    fitted.reserve(lines.size());
    for (const LineParts& line : lines) {
        const bool whole = line.name.empty() || Fits(face, line);
        fitted.push_back({face, whole ? Whole(line) : CutShort(face, line), shift});
    }
    return fitted;
}

FittedLine FitLine(std::initializer_list<const Font*> fonts, const LineParts& line) {
    return FitLines(fonts, {line}).front();
}

void DrawFittedLine(const FittedLine& line, int x, int y, uint32_t colour, uint32_t plateColour) {
    if (plateColour == kNoPlate) {
        DrawSurfaceText(line.text.c_str(), x, y + line.baselineShift, colour, backBuffer,
                        line.font);
    } else {
        DrawTextOnPlate(line.text.c_str(), x, y + line.baselineShift, colour, line.font,
                        plateColour);
    }
}

int DrawTextOnPlate(const char* text, int x, int y, uint32_t colour, const Font* font,
                    uint32_t plateColour, int pad) {
    const int width = TextWidth(font, text);
    if (width > 0) {
        FillBackBufferRect(x - pad, y - pad, width + 2 * pad, FontCellHeight(font) + 2 * pad,
                           plateColour);
        DrawSurfaceText(text, x, y, colour, backBuffer, font);
    }
    return width;
}
