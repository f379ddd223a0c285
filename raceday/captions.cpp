// Announcer captions: the words of the clips that are playing, on a plate at the foot of the
// picture. They only read the sound layer, so they never change a draw of the race.
#include "raceday/captions.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "platform/asset_manifest.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "raceday/announcer_words.h"

namespace {

// Whole run.
struct CaptionsState {
    bool on;
    bool keyWasUp;
};
CaptionsState captions = {false, true};

// Colours as text colours are given (0x00BBGGRR): the card's dark green, gold and cream.
constexpr uint32_t kCream = 0xD7F5FF;
constexpr uint32_t kGreen = 0x283C14;
constexpr uint32_t kEdge = 0x3C8CB4;

constexpr int kLineHeight = 24;
constexpr int kPadX = 12, kPadY = 6;
// On the track the plate stands on the dirt, clear of the leader buttons below the rail; on
// the other screens it sits at the foot of the card's board, clear of the player's name.
struct Placing {
    int middle, bottom;
};
constexpr Placing kOnTrack{400, 500};
constexpr Placing kOnCard{472, 590};

struct CaptionedClip {
    const int* slot;
    std::string words;
};

// Every clip of the manifest that has words, in load order.
const std::vector<CaptionedClip>& CaptionedClips() {
    static const std::vector<CaptionedClip> kClips = [] {
        std::vector<CaptionedClip> clips;
        for (const SoundRow& row : ManifestSounds()) {
            if (std::string words = ClipWords(row.path); !words.empty()) {
                clips.push_back({row.slot, std::move(words)});
            }
        }
        return clips;
    }();
    return kClips;
}

} // namespace

bool CaptionsOn() { return captions.on; }

void SetCaptionsOn(bool on) { captions.on = on; }

void ResetCaptions() { captions = {false, true}; }

void ReadCaptionsKey() {
    const bool down = input.keyState[kKeyT] != 0;
    if (down && captions.keyWasUp) {
        captions.on = !captions.on;
    }
    captions.keyWasUp = !down;
}

void DrawCaptions() {
    if (!captions.on) {
        return;
    }
    std::vector<const std::string*> lines;
    int width = 0;
    for (const CaptionedClip& clip : CaptionedClips()) {
        if (SoundStatus(*clip.slot) > 0) {
            lines.push_back(&clip.words);
            width = std::max(width, TextWidth(fontArial20, clip.words.c_str()));
        }
    }
    if (lines.empty()) {
        return;
    }
    const int plateWidth = width + 2 * kPadX;
    const int plateHeight = static_cast<int>(lines.size()) * kLineHeight + 2 * kPadY;
    const Placing& at = gameState == kStateTrack ? kOnTrack : kOnCard;
    const int left = at.middle - plateWidth / 2;
    const int top = at.bottom - plateHeight;
    FillBackBufferRect(left, top, plateWidth, plateHeight, kEdge);
    FillBackBufferRect(left + 2, top + 2, plateWidth - 4, plateHeight - 4, kGreen);
    int y = top + kPadY + (kLineHeight - FontCellHeight(fontArial20)) / 2;
    for (const std::string* line : lines) {
        Text(line->c_str(), left + kPadX, y, kCream, fontArial20);
        y += kLineHeight;
    }
}
