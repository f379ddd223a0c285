// Keyboard and mouse, polled once per frame into plain state blocks every screen reads.
#pragma once

#include <cstdint>

// Key bytes by scan code (platform/keys.h); 0x80 while the key is down.
extern uint8_t keyState[256];

struct MouseState {
    int32_t x, y, z;    // relative motion; the game never reads it and it stays 0
    uint8_t buttons[4]; // 0 left, 1 right, 2 middle; 0x80 while down
};
extern MouseState mouseState;

// The cursor in 800 x 600 screen coordinates, whatever the window's size. The window
// procedure writes it from mouse-motion events; a script writes it in its stead.
extern int32_t mouseX;
extern int32_t mouseY;

// Whole run: the frame driver writes them at the end of every frame, ResetFrameDriver puts
// them back.
extern int32_t leftWasUp;  // the button was up when the previous frame ended, so that
extern int32_t rightWasUp; // a click fires once per press
extern int32_t middleWasUp;

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
