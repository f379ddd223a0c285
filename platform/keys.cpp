// Keyboard scan codes as the game reads them: the classic PC set, extended keys at 0x80 and up.
#include "platform/keys.h"

#include <cctype>

const KeyName kKeyNames[] = {
    {"Escape", 0x01, 41},     {"1", 0x02, 30},         {"2", 0x03, 31},
    {"3", 0x04, 32},          {"4", 0x05, 33},         {"5", 0x06, 34},
    {"6", 0x07, 35},          {"7", 0x08, 36},         {"8", 0x09, 37},
    {"9", 0x0A, 38},          {"0", 0x0B, 39},         {"Minus", 0x0C, 45},
    {"Equals", 0x0D, 46},     {"Backspace", 0x0E, 42}, {"Tab", 0x0F, 43},
    {"Q", 0x10, 20},          {"W", 0x11, 26},         {"E", 0x12, 8},
    {"R", 0x13, 21},          {"T", 0x14, 23},         {"Y", 0x15, 28},
    {"U", 0x16, 24},          {"I", 0x17, 12},         {"O", 0x18, 18},
    {"P", 0x19, 19},          {"Enter", 0x1C, 40},     {"LeftCtrl", 0x1D, 224},
    {"A", 0x1E, 4},           {"S", 0x1F, 22},         {"D", 0x20, 7},
    {"F", 0x21, 9},           {"G", 0x22, 10},         {"H", 0x23, 11},
    {"J", 0x24, 13},          {"K", 0x25, 14},         {"L", 0x26, 15},
    {"LeftShift", 0x2A, 225}, {"Z", 0x2C, 29},         {"X", 0x2D, 27},
    {"C", 0x2E, 6},           {"V", 0x2F, 25},         {"B", 0x30, 5},
    {"N", 0x31, 17},          {"M", 0x32, 16},         {"Comma", 0x33, 54},
    {"Period", 0x34, 55},     {"Slash", 0x35, 56},     {"RightShift", 0x36, 229},
    {"LeftAlt", 0x38, 226},   {"Space", 0x39, 44},     {"F1", 0x3B, 58},
    {"F2", 0x3C, 59},         {"F3", 0x3D, 60},        {"F4", 0x3E, 61},
    {"F5", 0x3F, 62},         {"F6", 0x40, 63},        {"F7", 0x41, 64},
    {"F8", 0x42, 65},         {"F9", 0x43, 66},        {"F10", 0x44, 67},
    {"F11", 0x57, 68},        {"F12", 0x58, 69},       {"KeypadEnter", 0x9C, 88},
    {"RightCtrl", 0x9D, 228}, {"RightAlt", 0xB8, 230}, {"Home", 0xC7, 74},
    {"Up", 0xC8, 82},         {"PageUp", 0xC9, 75},    {"Left", 0xCB, 80},
    {"Right", 0xCD, 79},      {"End", 0xCF, 77},       {"Down", 0xD0, 81},
    {"PageDown", 0xD1, 78},   {"Insert", 0xD2, 73},    {"Delete", 0xD3, 76},
};
const int kKeyNameCount = sizeof kKeyNames / sizeof kKeyNames[0];

int KeyCodeByName(std::string_view name) {
    for (const KeyName& key : kKeyNames) {
        if (key.name.size() != name.size()) {
            continue;
        }
        bool same = true;
        for (size_t i = 0; i < name.size() && same; ++i) {
            same = std::tolower(static_cast<unsigned char>(name[i])) ==
                   std::tolower(static_cast<unsigned char>(key.name[i]));
        }
        if (same) {
            return key.code;
        }
    }
    return -1;
}
