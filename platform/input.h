// Keyboard and mouse, polled once per frame into plain state blocks every screen reads.
#pragma once

#include <cstdint>

struct MouseState {
    int32_t x, y, z;    // relative motion; the game never reads it and it stays 0
    uint8_t buttons[4]; // 0 left, 1 right, 2 middle; 0x80 while down
};

// What every screen reads of the keyboard and mouse; whole run, ClearInputState puts it back.
struct InputState {
    uint8_t keyState[256] = {}; // by scan code (platform/keys.h); 0x80 while the key is down
    MouseState mouseState = {};
    // The cursor in 800 x 600 screen coordinates, whatever the window's size: from mouse-motion
    // events through MoveCursor, or from a playing script.
    int32_t mouseX = 0;
    int32_t mouseY = 0;
    // The button was up when the previous frame ended, so that a click fires once per press.
    int32_t leftWasUp = 1;
    int32_t rightWasUp = 1;
    int32_t middleWasUp = 1;
};
extern InputState input;

// The window's mouse-motion events move the cursor.
void MoveCursor(int32_t x, int32_t y);

// Called by the frame driver as every frame ends: the buttons as they are become "was up".
void NoteButtonsAtFrameEnd();

// Called once each by start-up, in this order. InitInput returns 0 when the input system cannot
// start; start-up then shows "Unable to create DirectINPUT object." under "error".
int InitInput();
int InitMouse();
int InitKeyboard();

// Called by the frame driver at the start of every frame and by the main loop after it.
// Refresh the blocks and return 1; without a device the block reads as nothing down and the
// result is 0. While a script plays, its input is what they read, never the devices.
int ReadKeyboard();
int ReadMouse();

// Called once each by shutdown, in this order.
int ReleaseMouse();
int ReleaseKeyboard();
int ReleaseInput();
// No key or button down and the cursor at 0, 0, as a run starts.
void ClearInputState();

// The scan code of a key the keyboard reports by its USB HID usage, or -1 for keys the game
// does not know.
int ScanCodeForUsbUsage(int usage);
