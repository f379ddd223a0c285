// Modal dialogs and message boxes, drawn inside the game window over the last frame, each
// running its own event loop until it is ended.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class ControlKind { Static, Edit, Button, DefaultButton, Radio, GroupBox };

// A control of a dialog template; the rectangle is in dialog units (a quarter of the dialog
// font's average character width across, an eighth of its height down).
struct DialogControl {
    int id; // -1 for statics and group boxes the procedure never asks about
    ControlKind kind;
    const char* text;
    int x, y, width, height;
};

// What an edit holds at most, in UTF-8 bytes; typing beyond it is ignored. Callers check
// narrower limits themselves and say so, so that what the player sees is what they get.
constexpr int kMaxEditBytes = 255;

struct DialogTemplate {
    const char* name;
    const char* caption;
    int width, height; // client area, dialog units
    int initialFocus;  // id of the control that has the focus when the dialog opens
    std::span<const DialogControl> controls; // in tab order
    int left = -1, top = -1;                 // screen position of the box; -1 centres it
};

// Control ids shared by every dialog.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

struct Dialog;

enum class DialogMessage { Init, Command };

// The dialog procedure: Init once when the dialog opens, Command with the id of each button
// pressed (Enter sends the default button's id, Escape sends kIdCancel).
using DialogProcedure = int (*)(Dialog* dialog, DialogMessage message, int id);

// Called by the screens (after HoldFrameRate and ShowGdiSurface) to run a dialog until its
// procedure ends it. Returns EndDialog's result, or 0 when the window was closed meanwhile (then
// the game is quitting and every later box or dialog returns at once).
int RunDialog(const DialogTemplate& dialogTemplate, DialogProcedure procedure);

// What a dialog procedure may do with its dialog.
int GetDialogItemText(Dialog* dialog, int id, char* buffer, int size); // returns the length
// The edit's text as a signed integer (a sign, + or -, then digits, spaces around), one too large
// for an int held to the nearest; 0 and *translated false when it is not a whole number.
int GetDialogItemInt(Dialog* dialog, int id, bool* translated);
int CheckRadioButton(Dialog* dialog, int firstId, int lastId, int checkId);
bool IsRadioChecked(const Dialog* dialog, int id);
int EndDialog(Dialog* dialog, int result);

// A box with a Yes and a No button; returns kIdYes or kIdNo (Escape answers No).
int YesNoBox(const char* caption, const char* text);

// An OK box (ErrorBox is built on it); Escape and Enter answer OK.
int OkBox(const char* caption, const char* text);

// Stands still, showing the last picture, until the key (a scan code) is down or the window
// is closed. Returns 1 when the key came, 0 on a close.
int WaitForKey(int scanCode);

// Stands still, showing the last picture, until a key or a mouse button is pressed and let go
// again: keys already held when the wait began, Ctrl, Shift and Alt on their own, and keys
// pressed with Alt (the desktop's own, such as Alt+Enter) do not count. Returns 1 then, and at
// once in a headless run whose script has ended (nobody is left to press anything); 0 on a
// close.
int WaitForAnyPress();

// Whether a dialog is open now (scripts type into it).
bool DialogIsOpen();

// No dialog counted open: a run that ended inside one leaves none behind for the next.
void ResetDialogs();

// A static's text broken into the lines the runner draws it in, for width pixels.
std::vector<std::string> WrapDialogText(const std::string& text, int width);
constexpr int kDialogLineHeight = 17;

// Pixel rectangle of a template control as the runner lays it out (for tests and screenshots).
struct DialogRect {
    int x, y, width, height;
};
DialogRect DialogControlRect(const DialogTemplate& dialogTemplate, int controlIndex);
