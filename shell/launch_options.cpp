// The command line: how the game is started.
#include "shell/launch_options.h"

#include <charconv>

namespace {

bool ParseNumber(const std::string& text, int64_t low, int64_t high, int64_t* value) {
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, *value);
    return !text.empty() && fault == std::errc() && stop == end && *value >= low && *value <= high;
}

// "--data=DIR" says what "--data DIR" says, for every option that takes a value.
std::vector<std::string> SplitValues(const std::vector<std::string>& args) {
    std::vector<std::string> words;
    for (const std::string& arg : args) {
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (equals != std::string::npos &&
            (name == "--depth" || name == "--data" || name == "--seed" || name == "--fixed-fps" ||
             name == "--script")) {
            words.push_back(name);
            words.push_back(arg.substr(equals + 1));
        } else {
            words.push_back(arg);
        }
    }
    return words;
}

} // namespace

const char* LaunchUsage() {
    return "Usage: stridewell [options]\n"
           "\n"
           "A horse-racing betting game for one to four players.\n"
           "\n"
           "  --windowed        start in a window instead of full screen (Alt+Enter toggles)\n"
           "  --depth 15|16     pack pictures 5-5-5 (15) or 5-6-5 (16, the default)\n"
           "  --data DIR        keep pictures, sounds, horses and the saved game in DIR\n"
           "                    (default: $XDG_DATA_HOME/stridewell, ~/.local/share/stridewell)\n"
           "  --seed N          seed the random draws with N instead of the clock\n"
           "  --fixed-fps N     run on a virtual clock of exactly N frames a second\n"
           "  --script FILE     play the input of a script (see README.md)\n"
           "                    (--data=DIR and the like work too)\n"
           "  --help            show this help\n"
           "  --version         show the game's version\n";
}

bool ParseLaunchOptions(const std::vector<std::string>& given, LaunchOptions* options,
                        std::string* error) {
    const std::vector<std::string> args = SplitValues(given);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                *error = arg + " needs " + what;
                return nullptr;
            }
            return &args[++i];
        };
        int64_t number = 0;
        if (arg == "--help" || arg == "-h") {
            options->showHelp = true;
        } else if (arg == "--version") {
            options->showVersion = true;
        } else if (arg == "--windowed") {
            options->windowed = true;
        } else if (arg == "--depth") {
            const std::string* text = value("15 or 16");
            if (text == nullptr || !ParseNumber(*text, 15, 16, &number)) {
                *error = "--depth takes 15 or 16";
                return false;
            }
            options->bitsPerPixel = static_cast<int>(number);
        } else if (arg == "--seed") {
            const std::string* text = value("a number");
            if (text == nullptr || !ParseNumber(*text, 0, UINT32_MAX, &number)) {
                *error = "--seed takes a whole number from 0 to 4294967295";
                return false;
            }
            options->seedGiven = true;
            options->seed = static_cast<uint32_t>(number);
        } else if (arg == "--fixed-fps") {
            const std::string* text = value("a frame rate");
            if (text == nullptr || !ParseNumber(*text, 1, 1000, &number)) {
                *error = "--fixed-fps takes a frame rate from 1 to 1000";
                return false;
            }
            options->fixedFps = static_cast<int>(number);
        } else if (arg == "--script") {
            const std::string* text = value("a file");
            if (text == nullptr) {
                return false;
            }
            options->scriptPath = *text;
        } else if (arg == "--data") {
            const std::string* text = value("a folder");
            if (text == nullptr) {
                return false;
            }
            options->dataDir = *text;
        } else {
            *error = "unknown option " + arg + " (try --help)";
            return false;
        }
    }
    return true;
}
