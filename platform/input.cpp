// Keyboard and mouse on SDL2, polled once per frame into plain state blocks.
#include "platform/input.h"

#include <array>
#include <cstring>

#include "platform/keys.h"
#include "platform/script.h"
#include "platform/sdl_private.h"

InputState input;

namespace {

struct {
    bool inputStarted = false;
    bool mouseDevice = false;
    bool keyboardDevice = false;
} devices; // whole run; the Release calls put it back

constexpr uint8_t kDown = 0x80;

// SDL scancodes are USB HID usages, so one table serves scripts and the keyboard.
constexpr int kUsageCount = 256;
std::array<int16_t, kUsageCount> BuildUsageTable() {
    std::array<int16_t, kUsageCount> table{};
    table.fill(-1);
    for (int i = 0; i < kKeyNameCount; ++i) {
        table[kKeyNames[i].usbUsage] = kKeyNames[i].code;
    }
    return table;
}

} // namespace

int ScanCodeForUsbUsage(int usage) {
    static const std::array<int16_t, kUsageCount> table = BuildUsageTable();
    return usage >= 0 && usage < kUsageCount ? table[usage] : -1;
}

int InitInput() {
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
        return 0;
    }
    devices.inputStarted = true;
    return 1;
}

int InitMouse() {
    devices.mouseDevice = devices.inputStarted;
    return devices.mouseDevice ? 1 : 0;
}

int InitKeyboard() {
    devices.keyboardDevice = devices.inputStarted;
    return devices.keyboardDevice ? 1 : 0;
}

int ReadKeyboard() {
    if (ScriptIsRunning()) {
        ApplyScriptInput();
        std::memcpy(input.keyState, ScriptKeyState(), sizeof input.keyState);
        return 1;
    }
    std::memset(input.keyState, 0, sizeof input.keyState);
    if (!devices.keyboardDevice) {
        return 0;
    }
    SDL_PumpEvents();
    int count = 0;
    const Uint8* sdlKeys = SDL_GetKeyboardState(&count);
    for (int usage = 0; usage < count && usage < kUsageCount; ++usage) {
        const int code = ScanCodeForUsbUsage(usage);
        if (sdlKeys[usage] && code >= 0) {
            input.keyState[code] = kDown;
        }
    }
    return 1;
}

int ReadMouse() {
    input.mouseState = {};
    if (ScriptIsRunning()) {
        ApplyScriptInput();
        const ScriptMouse& mouse = ScriptMouseState();
        for (int b = 0; b < 3; ++b) {
            input.mouseState.buttons[b] = mouse.buttons[b] ? kDown : 0;
        }
        input.mouseX = mouse.x;
        input.mouseY = mouse.y;
        return 1;
    }
    if (!devices.mouseDevice) {
        return 0;
    }
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    input.mouseState.buttons[0] = (buttons & SDL_BUTTON_LMASK) ? kDown : 0;
    input.mouseState.buttons[1] = (buttons & SDL_BUTTON_RMASK) ? kDown : 0;
    input.mouseState.buttons[2] = (buttons & SDL_BUTTON_MMASK) ? kDown : 0;
    return 1;
}

int ReleaseMouse() {
    devices.mouseDevice = false;
    return 1;
}

int ReleaseKeyboard() {
    devices.keyboardDevice = false;
    return 1;
}

void ClearInputState() { input = {}; }

void MoveCursor(int32_t x, int32_t y) {
    input.mouseX = x;
    input.mouseY = y;
}

void NoteButtonsAtFrameEnd() {
    input.leftWasUp = input.mouseState.buttons[0] == 0;
    input.rightWasUp = input.mouseState.buttons[1] == 0;
    input.middleWasUp = input.mouseState.buttons[2] == 0;
}

int ReleaseInput() {
    if (devices.inputStarted) {
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        devices.inputStarted = false;
    }
    return 1;
}
