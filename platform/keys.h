// Keyboard scan codes as the game reads them: the classic PC set, extended keys at 0x80 and up.
#pragma once

#include <cstdint>
#include <string_view>

constexpr uint8_t kKeyEscape = 0x01;
constexpr uint8_t kKeyBackspace = 0x0E;
constexpr uint8_t kKeyTab = 0x0F;
constexpr uint8_t kKeySpace = 0x39;
constexpr uint8_t kKeyKeypadEnter = 0x9C;
constexpr uint8_t kKeyHome = 0xC7;
constexpr uint8_t kKeyEnd = 0xCF;
constexpr uint8_t kKeyDelete = 0xD3;
constexpr uint8_t kKeyEnter = 0x1C;
constexpr uint8_t kKeyLeftCtrl = 0x1D;
constexpr uint8_t kKeyLeftShift = 0x2A;
constexpr uint8_t kKeyRightShift = 0x36;
constexpr uint8_t kKeyLeftAlt = 0x38;
constexpr uint8_t kKeyRightAlt = 0xB8;
constexpr uint8_t kKeyF1 = 0x3B;
constexpr uint8_t kKeyT = 0x14;
constexpr uint8_t kKeyP = 0x19;
constexpr uint8_t kKeyS = 0x1F;
constexpr uint8_t kKeyC = 0x2E;
constexpr uint8_t kKeyB = 0x30;
constexpr uint8_t kKeyM = 0x32;
constexpr uint8_t kKeyF12 = 0x58;
constexpr uint8_t kKeyRightCtrl = 0x9D;
constexpr uint8_t kKeyLeftArrow = 0xCB;
constexpr uint8_t kKeyRightArrow = 0xCD;

struct KeyName {
    std::string_view name; // as scripts write it: "P", "Enter", "LeftCtrl", "Left", ...
    uint8_t code;
    uint16_t usbUsage; // the key's USB HID usage, which is how keyboards report it
};

// Every key the game knows by name: the letters, the digits, the arrows and the keys around
// them. The input layer maps each one from the keyboard.
extern const KeyName kKeyNames[];
extern const int kKeyNameCount;

// The scan code of a key name (case-insensitive), or -1.
int KeyCodeByName(std::string_view name);
