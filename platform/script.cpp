// Scripted play: parsing the script and feeding it to the input layer frame by frame.
#include "platform/script.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/display.h"
#include "platform/keys.h"
#include "platform/screenshot.h"
#include "platform/window_messages.h"

namespace {

constexpr int64_t kMaxFrame = int64_t{1} << 40;
constexpr int32_t kMaxCoordinate = 100000;
constexpr size_t kMaxScriptBytes = 16 << 20;

// Input is applied before a frame is drawn, screenshots and quit after it is shown, so the
// two run from separate queues.
struct {
    std::vector<ScriptCommand> input;
    std::vector<ScriptCommand> afterPresent;
    size_t nextInput = 0;
    size_t nextAfterPresent = 0;
    bool running = false;
    bool played = false; // a script was started in this run
    uint8_t keys[256] = {};
    ScriptMouse mouse = {};
    std::vector<UiEvent>* uiEvents = nullptr; // the open dialog's, while it listens
} script;                                     // one run; StartScript and StopScript put it back

bool IsAfterPresent(ScriptAction action) {
    return action == ScriptAction::Screenshot || action == ScriptAction::Quit;
}

bool ParseInt(const std::string& word, int64_t low, int64_t high, int64_t* value) {
    if (word.empty() || word.size() > 18) {
        return false;
    }
    int64_t parsed = 0;
    const char* end = word.data() + word.size();
    const auto [stop, fault] = std::from_chars(word.data(), end, parsed);
    if (fault != std::errc() || stop != end || parsed < low || parsed > high) {
        return false;
    }
    *value = parsed;
    return true;
}

int ButtonByName(const std::string& name) {
    if (name == "left") {
        return 0;
    }
    if (name == "right") {
        return 1;
    }
    return name == "middle" ? 2 : -1;
}

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() > suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Parses one line's command after its frame; appends one or two commands.
bool ParseCommand(int64_t frame, std::istringstream& words, const std::string& baseDir,
                  std::vector<ScriptCommand>* out, std::string* why) {
    std::string verb, arg1, arg2, extra;
    words >> verb;
    if (verb == "type") {
        // The rest of the line after one space, spaces and all.
        std::string typed;
        std::getline(words, typed);
        typed.erase(typed.find_last_not_of(" \t") + 1);
        if (typed.size() < 2 || typed[0] != ' ') {
            *why = "type takes the text to type";
            return false;
        }
        out->push_back({frame, ScriptAction::Type, 0, 0, typed.substr(1)});
        return true;
    }
    words >> arg1 >> arg2 >> extra;
    auto expectArgs = [&](int count) {
        const int given = !arg1.empty() + !arg2.empty() + !extra.empty();
        if (given != count) {
            *why = "'" + verb + "' takes " + std::to_string(count) + " argument(s)";
            return false;
        }
        return true;
    };
    if (verb == "move") {
        int64_t x = 0, y = 0;
        if (!expectArgs(2)) {
            return false;
        }
        if (!ParseInt(arg1, -kMaxCoordinate, kMaxCoordinate, &x) ||
            !ParseInt(arg2, -kMaxCoordinate, kMaxCoordinate, &y)) {
            *why = "move needs two whole-number coordinates";
            return false;
        }
        out->push_back({frame, ScriptAction::Move, int32_t(x), int32_t(y), {}});
        return true;
    }
    if (verb == "click" || verb == "press" || verb == "release") {
        if (arg1.empty() && verb == "click") {
            arg1 = "left";
        }
        const int button = ButtonByName(arg1);
        if (!expectArgs(1) || button < 0) {
            *why = "'" + verb + "' takes one of left, right, middle";
            return false;
        }
        const auto action = verb == "release" ? ScriptAction::ButtonUp : ScriptAction::ButtonDown;
        out->push_back({frame, action, button, 0, {}});
        if (verb == "click") {
            out->push_back({frame + 1, ScriptAction::ButtonUp, button, 0, {}});
        }
        return true;
    }
    if (verb == "key" || verb == "keydown" || verb == "keyup") {
        const int code = KeyCodeByName(arg1);
        if (!expectArgs(1) || code < 0) {
            *why = "unknown key '" + arg1 + "'";
            return false;
        }
        const auto action = verb == "keyup" ? ScriptAction::KeyUp : ScriptAction::KeyDown;
        out->push_back({frame, action, code, 0, {}});
        if (verb == "key") {
            out->push_back({frame + 1, ScriptAction::KeyUp, code, 0, {}});
        }
        return true;
    }
    if (verb == "button") {
        int64_t id = 0;
        if (!expectArgs(1) || !ParseInt(arg1, 0, 65535, &id)) {
            *why = "button takes a control id";
            return false;
        }
        out->push_back({frame, ScriptAction::DialogButton, int32_t(id), 0, {}});
        return true;
    }
    if (verb == "screenshot") {
        if (!expectArgs(1) || !(EndsWith(arg1, ".png") || EndsWith(arg1, ".bmp"))) {
            *why = "screenshot takes one file name ending in .png or .bmp";
            return false;
        }
        std::string path = arg1[0] == '/' ? arg1 : baseDir + "/" + arg1;
        out->push_back({frame, ScriptAction::Screenshot, 0, 0, std::move(path)});
        return true;
    }
    if (verb == "quit") {
        if (!expectArgs(0)) {
            return false;
        }
        out->push_back({frame, ScriptAction::Quit, 0, 0, {}});
        return true;
    }
    *why = "unknown command '" + verb + "'";
    return false;
}

void TellDialog(UiEvent event) {
    if (script.uiEvents != nullptr) {
        script.uiEvents->push_back(std::move(event));
    }
}

void ApplyInputCommand(const ScriptCommand& command) {
    const bool down =
        command.action == ScriptAction::ButtonDown || command.action == ScriptAction::KeyDown;
    switch (command.action) {
    case ScriptAction::Move:
        script.mouse.x = command.a;
        script.mouse.y = command.b;
        break;
    case ScriptAction::ButtonDown:
    case ScriptAction::ButtonUp:
        script.mouse.buttons[command.a] = down;
        if (command.a == 0) {
            TellDialog({down ? UiEventKind::MouseDown : UiEventKind::MouseUp,
                        0,
                        script.mouse.x,
                        script.mouse.y,
                        false,
                        {}});
        }
        break;
    case ScriptAction::KeyDown:
    case ScriptAction::KeyUp:
        script.keys[command.a] = down ? 0x80 : 0;
        if (down) {
            TellDialog({UiEventKind::Key, command.a, 0, 0, false, {}});
        }
        break;
    case ScriptAction::Type:
    case ScriptAction::DialogButton:
        if (script.uiEvents == nullptr) {
            ScriptTranscript("no dialog is open: %s ignored",
                             command.action == ScriptAction::Type ? "type" : "button");
        } else if (command.action == ScriptAction::Type) {
            TellDialog({UiEventKind::Text, 0, 0, 0, false, command.path});
        } else {
            TellDialog({UiEventKind::Press, command.a, 0, 0, false, {}});
        }
        break;
    default:
        break;
    }
}

// A script hands the devices back only after the frame of its last line was shown.
void UpdateRunning() {
    script.running = script.nextInput < script.input.size() ||
                     script.nextAfterPresent < script.afterPresent.size();
}

} // namespace

bool ParseScript(std::string_view text, const std::string& baseDir,
                 std::vector<ScriptCommand>* commands, std::string* error) {
    std::vector<ScriptCommand> parsed;
    std::istringstream lines{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t hash = line.find('#');
        if (hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream words(line);
        std::string frameWord;
        if (!(words >> frameWord)) {
            continue;
        }
        int64_t frame = 0;
        std::string why;
        if (!ParseInt(frameWord, 1, kMaxFrame, &frame)) {
            why = "a line starts with its frame number, 1 or more";
        } else {
            ParseCommand(frame, words, baseDir, &parsed, &why);
        }
        if (!why.empty()) {
            *error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    // Lines play in frame order, those of one frame in the order written; a click's release
    // lands on the next frame, among that frame's own lines.
    std::stable_sort(
        parsed.begin(), parsed.end(),
        [](const ScriptCommand& l, const ScriptCommand& r) { return l.frame < r.frame; });
    *commands = std::move(parsed);
    return true;
}

bool LoadScript(const char* path, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = std::string("cannot read ") + path;
        return false;
    }
    std::string text(kMaxScriptBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(file.gcount()));
    if (text.size() > kMaxScriptBytes) {
        *error = std::string(path) + " is larger than 16 MB";
        return false;
    }
    char cwd[4096];
    const std::string baseDir = getcwd(cwd, sizeof cwd) != nullptr ? cwd : ".";
    std::vector<ScriptCommand> commands;
    std::string why;
    if (!ParseScript(text, baseDir, &commands, &why)) {
        *error = std::string(path) + ", " + why;
        return false;
    }
    StartScript(std::move(commands));
    return true;
}

void StartScript(std::vector<ScriptCommand> commands) {
    StopScript();
    for (ScriptCommand& command : commands) {
        auto& queue = IsAfterPresent(command.action) ? script.afterPresent : script.input;
        queue.push_back(std::move(command));
    }
    UpdateRunning();
    script.played = script.running;
    SetAfterPresent(RunScriptAfterPresent);
}

void AppendScript(std::vector<ScriptCommand> commands) {
    for (ScriptCommand& command : commands) {
        auto& queue = IsAfterPresent(command.action) ? script.afterPresent : script.input;
        const size_t played = &queue == &script.input ? script.nextInput : script.nextAfterPresent;
        // Keep the queue in frame order from where it has got to.
        auto at = std::upper_bound(
            queue.begin() + static_cast<std::ptrdiff_t>(played), queue.end(), command.frame,
            [](int64_t frame, const ScriptCommand& queued) { return frame < queued.frame; });
        queue.insert(at, std::move(command));
    }
    UpdateRunning();
    script.played = script.played || script.running;
    SetAfterPresent(RunScriptAfterPresent);
}

void StopScript() {
    script.input.clear();
    script.afterPresent.clear();
    script.nextInput = 0;
    script.nextAfterPresent = 0;
    std::memset(script.keys, 0, sizeof script.keys);
    script.mouse = {};
    script.running = false;
    script.played = false;
}

bool ScriptIsRunning() { return script.running; }

bool ScriptHasEnded() { return script.played && !script.running; }

void ApplyScriptInput() {
    const int64_t frame = PresentedFrameCount() + 1;
    while (script.nextInput < script.input.size() &&
           script.input[script.nextInput].frame <= frame) {
        ApplyInputCommand(script.input[script.nextInput++]);
    }
}

const uint8_t* ScriptKeyState() { return script.keys; }

const ScriptMouse& ScriptMouseState() { return script.mouse; }

void RunScriptAfterPresent(int64_t presentedFrame) {
    if (!script.running) {
        return;
    }
    while (script.nextAfterPresent < script.afterPresent.size() &&
           script.afterPresent[script.nextAfterPresent].frame <= presentedFrame) {
        const ScriptCommand& command = script.afterPresent[script.nextAfterPresent++];
        if (command.action == ScriptAction::Quit) {
            ScriptTranscript("quit");
            CloseGameWindow();
        } else if (SaveScreenshot(command.path.c_str())) {
            ScriptTranscript("screenshot %s", command.path.c_str());
        } else {
            ScriptTranscript("screenshot %s FAILED", command.path.c_str());
            std::fprintf(stderr, "stridewell: cannot write screenshot %s\n", command.path.c_str());
        }
    }
    UpdateRunning();
}

void ScriptTranscript(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::printf("frame %lld: %s\n", static_cast<long long>(PresentedFrameCount()), text);
    std::fflush(stdout);
}

void ListenForScriptUiEvents(std::vector<UiEvent>* events) { script.uiEvents = events; }
