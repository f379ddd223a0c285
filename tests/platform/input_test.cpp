// Input: keys map from the keyboard to the game's scan codes; scripts drive the input blocks.
#include "platform/input.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/keys.h"
#include "platform/script.h"

namespace {

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
    EXPECT_EQ(ScanCodeForUsbUsage(SDL_SCANCODE_F13), -1);
    EXPECT_EQ(ScanCodeForUsbUsage(-1), -1);
    EXPECT_EQ(ScanCodeForUsbUsage(100000), -1);
}

// Without devices nothing is down; a script is what the game reads.
TEST(Input, AScriptIsWhatTheGameReads) {
    input.keyState[kKeyS] = 0x80;
    input.mouseState.buttons[0] = 0x80;
    EXPECT_EQ(ReadKeyboard(), 0);
    EXPECT_EQ(ReadMouse(), 0);
    EXPECT_EQ(input.keyState[kKeyS], 0);
    EXPECT_EQ(input.mouseState.buttons[0], 0);
    std::vector<ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(
        ParseScript("1 move 320 200\n1 keydown P\n1 press right\n", "/tmp", &commands, &error));
    StartScript(commands);
    EXPECT_EQ(ReadKeyboard(), 1);
    EXPECT_EQ(ReadMouse(), 1);
    EXPECT_EQ(input.keyState[kKeyP], 0x80);
    EXPECT_EQ(input.mouseState.buttons[1], 0x80);
    EXPECT_EQ(input.mouseX, 320);
    EXPECT_EQ(input.mouseY, 200);
    StopScript();
}

} // namespace
