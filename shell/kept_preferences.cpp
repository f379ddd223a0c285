// The player's preferences through a run: read as it starts, written when they change.
#include "shell/kept_preferences.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/sound.h"
#include "raceday/captions.h"

namespace {

// A window being dragged to a new size is written once it has kept its size this long.
constexpr uint32_t kSettleMs = 1000;

// The player's preferences, kept for a run at the keyboard only: a script or a program playing
// the game replays the same whatever the player chose, and leaves the file alone.
struct {
    bool kept = false;
    std::string file;
    Preferences saved;   // what the file holds
    Preferences pending; // what it is to hold
    Preferences seen;    // the live settings at the last look
    uint32_t seenSince = 0;
} preferences; // one run; ResetKeptPreferences puts it back

Preferences LiveSettings() {
    Preferences live;
    live.fullScreen = WindowIsFullScreen();
    WindowedSize(&live.windowWidth, &live.windowHeight);
    live.volume = MasterVolume();
    live.muted = SoundMuted();
    live.captions = CaptionsOn();
    return live;
}

} // namespace

void KeepPreferences(bool ending) {
    if (!preferences.kept) {
        return;
    }
    const Preferences live = LiveSettings();
    const uint32_t now = timeGetTime();
    if (!(live == preferences.seen)) {
        TakeChanges(preferences.seen, live, &preferences.pending);
        preferences.seen = live;
        preferences.seenSince = now;
    }
    if (!(preferences.pending == preferences.saved) &&
        (ending || now - preferences.seenSince >= kSettleMs)) {
        if (!WritePreferences(preferences.file, preferences.pending)) {
            bugLog.Write(("Unable to save the preferences in " + preferences.file).c_str());
        }
        preferences.saved = preferences.pending;
    }
}

Preferences ReadPlayersPreferences(bool windowed, bool played) {
    Preferences prefs;
    preferences.kept = !played;
    if (preferences.kept) {
        preferences.file = PreferencesFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
        std::vector<std::string> complaints;
        ReadPreferences(preferences.file, &prefs, &complaints);
        for (const std::string& complaint : complaints) {
            bugLog.Write(complaint.c_str());
        }
        preferences.saved = preferences.pending = prefs;
    }
    prefs.fullScreen = prefs.fullScreen && !windowed;
    return prefs;
}

void NotePreferencesSeen() { preferences.seen = LiveSettings(); }

void ResetKeptPreferences() { preferences = {}; }
