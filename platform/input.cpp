// Keyboard and mouse on SDL2, polled once per frame into plain state blocks.
#include "platform/input.h"

#include <array>
#include <cstring>

#include "platform/keys.h"
#include "platform/script.h"
#include "platform/sdl_private.h"

uint8_t keyState[256];
MouseState mouseState;
int32_t mouseX;
int32_t mouseY;
int32_t leftWasUp = 1;
int32_t rightWasUp = 1;
int32_t middleWasUp = 1;

namespace {

struct {
    bool inputStarted = false;
    bool mouseDevice = false;
    bool keyboardDevice = false;
} input; // whole run; the Release calls put it back

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
    input.inputStarted = true;
    return 1;
}

int InitMouse() {
    input.mouseDevice = input.inputStarted;
    return input.mouseDevice ? 1 : 0;
}

int InitKeyboard() {
    input.keyboardDevice = input.inputStarted;
    return input.keyboardDevice ? 1 : 0;
}

int ReadKeyboard() {
    if (ScriptIsRunning()) {
        ApplyScriptInput();
        std::memcpy(keyState, ScriptKeyState(), sizeof keyState);
        return 1;
    }
    std::memset(keyState, 0, sizeof keyState);
    if (!input.keyboardDevice) {
        return 0;
    }
    SDL_PumpEvents();
    int count = 0;
    const Uint8* sdlKeys = SDL_GetKeyboardState(&count);
    for (int usage = 0; usage < count && usage < kUsageCount; ++usage) {
        const int code = ScanCodeForUsbUsage(usage);
        if (sdlKeys[usage] && code >= 0) {
            keyState[code] = kDown;
        }
    }
    return 1;
}

int ReadMouse() {
    mouseState = {};
    if (ScriptIsRunning()) {
        ApplyScriptInput();
        const ScriptMouse& mouse = ScriptMouseState();
        for (int b = 0; b < 3; ++b) {
            mouseState.buttons[b] = mouse.buttons[b] ? kDown : 0;
        }
        mouseX = mouse.x;
        mouseY = mouse.y;
        return 1;
    }
    if (!input.mouseDevice) {
        return 0;
    }
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    mouseState.buttons[0] = (buttons & SDL_BUTTON_LMASK) ? kDown : 0;
    mouseState.buttons[1] = (buttons & SDL_BUTTON_RMASK) ? kDown : 0;
    mouseState.buttons[2] = (buttons & SDL_BUTTON_MMASK) ? kDown : 0;
    return 1;
}

int ReleaseMouse() {
    input.mouseDevice = false;
    return 1;
}

int ReleaseKeyboard() {
    input.keyboardDevice = false;
    return 1;
}

void ClearInputState() {
    std::memset(keyState, 0, sizeof keyState);
    mouseState = {};
    mouseX = mouseY = 0;
}

int ReleaseInput() {
    if (input.inputStarted) {
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        input.inputStarted = false;
    }
    return 1;
}
