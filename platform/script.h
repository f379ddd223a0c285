// Scripted play: frame-stamped input, screenshots and quit read from a text file, so a whole
// game can be replayed exactly (with --seed and --fixed-fps) and looked at.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui_events.h"

// Frames are counted by presented pictures, the first being 1. Input stamped N is what the
// game reads while it builds picture N; a screenshot stamped N is picture N itself.
enum class ScriptAction {
    Move,
    ButtonDown,
    ButtonUp,
    KeyDown,
    KeyUp,
    Type,         // text typed into the open dialog's focused edit
    DialogButton, // a button of the open dialog pressed by its id
    Screenshot,
    Quit,
};

struct ScriptCommand {
    int64_t frame;
    ScriptAction action;
    int32_t a, b;     // Move: x, y. Button: 0 left, 1 right, 2 middle. Key: scan code.
                      // DialogButton: the control id.
    std::string path; // Screenshot: an absolute path ending in .png or .bmp. Type: the text.
};

struct ScriptMouse {
    int32_t x, y;
    bool buttons[3];
};

// Parses a script. Relative screenshot paths are taken from baseDir. On a bad line returns
// false with error "line N: ..." and leaves commands as they were.
bool ParseScript(std::string_view text, const std::string& baseDir,
                 std::vector<ScriptCommand>* commands, std::string* error);

// Reads and parses a script file and makes it the one that plays. Called by the entry point
// before the data folder becomes the working directory.
bool LoadScript(const char* path, std::string* error);

// Makes these commands the script that plays (tests use it directly).
void StartScript(std::vector<ScriptCommand> commands);
void StopScript();

// Adds commands to the script that plays (or starts one): a program playing the game feeds
// its input frame by frame this way.
void AppendScript(std::vector<ScriptCommand> commands);

// A script was played and has run out (its input no longer drives the game).
bool ScriptHasEnded();

// While a script plays, it alone drives the keyboard, the buttons and the cursor.
bool ScriptIsRunning();

// Called by ReadKeyboard and ReadMouse: applies the input stamped up to the frame being built.
void ApplyScriptInput();
const uint8_t* ScriptKeyState();
const ScriptMouse& ScriptMouseState();

// While a dialog is open it listens: the script's key presses, clicks, typed text and button
// presses then also arrive as dialog events, in script order.
void ListenForScriptUiEvents(std::vector<UiEvent>* events);

// Run by the display after each presented picture (StartScript hands it over): takes its
// screenshots, posts its quit.
void RunScriptAfterPresent(int64_t presentedFrame);

// One line of the run's transcript on standard output, stamped with the frame.
void ScriptTranscript(const char* format, ...) __attribute__((format(printf, 1, 2)));
