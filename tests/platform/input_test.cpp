// Input: keys map from the keyboard to the game's scan codes; scripts drive the input blocks.
#include "platform/input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/keys.h"
#include "platform/script.h"

namespace {

TEST(ScanCodes, TheKeysTheGameReadsMapFromTheKeyboard) {
    const struct {
        SDL_Scancode key;
        int code;
    } kGameKeys[] = {
        {SDL_SCANCODE_P, kKeyP},
        {SDL_SCANCODE_LCTRL, kKeyLeftCtrl},
        {SDL_SCANCODE_RCTRL, kKeyRightCtrl},
        {SDL_SCANCODE_S, kKeyS},
        {SDL_SCANCODE_B, kKeyB},
        {SDL_SCANCODE_C, kKeyC},
        {SDL_SCANCODE_LEFT, kKeyLeftArrow},
        {SDL_SCANCODE_RIGHT, kKeyRightArrow},
        {SDL_SCANCODE_RETURN, kKeyEnter},
        {SDL_SCANCODE_ESCAPE, kKeyEscape},
        {SDL_SCANCODE_A, 0x1E},
        {SDL_SCANCODE_Z, 0x2C},
        {SDL_SCANCODE_1, 0x02},
        {SDL_SCANCODE_0, 0x0B},
        {SDL_SCANCODE_UP, 0xC8},
        {SDL_SCANCODE_DOWN, 0xD0},
    };
    for (const auto& key : kGameKeys) {
        EXPECT_EQ(ScanCodeForUsbUsage(key.key), key.code) << SDL_GetScancodeName(key.key);
    }
    EXPECT_EQ(ScanCodeForUsbUsage(SDL_SCANCODE_F13), -1);
    EXPECT_EQ(ScanCodeForUsbUsage(-1), -1);
    EXPECT_EQ(ScanCodeForUsbUsage(100000), -1);
}

TEST(ScanCodes, EveryNamedKeyIsOneKeyOfTheKeyboard) {
    for (int i = 0; i < kKeyNameCount; ++i) {
        const KeyName& key = kKeyNames[i];
        EXPECT_EQ(ScanCodeForUsbUsage(key.usbUsage), key.code) << key.name;
        EXPECT_EQ(KeyCodeByName(key.name), key.code) << key.name;
        for (int j = 0; j < i; ++j) {
            EXPECT_NE(kKeyNames[j].code, key.code) << key.name;
            EXPECT_NE(kKeyNames[j].usbUsage, key.usbUsage) << key.name;
        }
    }
    EXPECT_EQ(KeyCodeByName("leftctrl"), kKeyLeftCtrl);
    EXPECT_EQ(KeyCodeByName("Ctrl"), -1);
}

TEST(Input, WithoutDevicesNothingIsDown) {
    input.keyState[kKeyP] = 0x80;
    input.mouseState.buttons[0] = 0x80;
    EXPECT_EQ(ReadKeyboard(), 0);
    EXPECT_EQ(ReadMouse(), 0);
    EXPECT_EQ(input.keyState[kKeyP], 0);
    EXPECT_EQ(input.mouseState.buttons[0], 0);
}

TEST(Input, AScriptIsWhatTheGameReads) {
    std::vector<ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(
        ParseScript("1 move 320 200\n1 keydown P\n1 press right\n", "/tmp", &commands, &error));
    StartScript(commands);
    EXPECT_EQ(ReadKeyboard(), 1);
    EXPECT_EQ(ReadMouse(), 1);
    EXPECT_EQ(input.keyState[kKeyP], 0x80);
    EXPECT_EQ(input.keyState[kKeyS], 0);
    EXPECT_EQ(input.mouseState.buttons[1], 0x80);
    EXPECT_EQ(input.mouseState.buttons[0], 0);
    EXPECT_EQ(input.mouseX, 320);
    EXPECT_EQ(input.mouseY, 200);
    StopScript();
}

} // namespace
