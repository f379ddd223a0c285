// What the tools' command lines share: whole numbers read strictly.
#pragma once

#include <cstdlib>

// A number in low..high with nothing after it; false leaves value alone.
inline bool Number(const char* text, long low, long high, long* value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < low || parsed > high) {
        return false;
    }
    *value = parsed;
    return true;
}
