// The asset manifest: which picture feeds which sprite, with its cells and start position, and
// which sound fills which slot. Start-up loads it all in one fixed order.
#pragma once

#include <span>
#include <string>

struct Sprite;

struct SpriteCell {
    int frame, x, y; // frame `frame` is the sprite-sized rectangle whose top-left is (x, y)
};

struct SpriteRow {
    Sprite* sprite;
    const char* picture; // under images/
    int width, height, lastFrame;
    bool systemMemory; // the one full-screen picture kept in main memory
    bool colourKeyed;
    std::span<const SpriteCell> cells;
    int startX, startY;
};

// Every sprite the manifest makes, in creation order.
std::span<const SpriteRow> ManifestSprites();

// Called once by start-up: makes every sprite of the manifest, with its log lines and boxes
// ("Error loading <file>", "Error in DDLoadImageBitmap"). A missing picture costs only its own
// sprites.
void LoadGameBitmaps();

struct SoundRow {
    int* slot;
    std::string path; // sounds/... or sounds/announcer/...
};

// Every clip of the manifest, in load order: 262 of them.
std::span<const SoundRow> ManifestSounds();
constexpr int kManifestSoundCount = 262;

// Called once by start-up when sound started: loads every clip in order and sets the start
// volumes. A missing clip shows its box and its slot stays -1.
void LoadGameSounds();

// The cells cut from one loaded picture. A cell that cannot be cut (a picture too small for its
// cells, say) shows "Error in DDLoadImageBitmap" and is logged with the picture for the first
// such cell only: a bad picture gives one box, not one for every sprite. Its frames stay empty.
struct PictureCuts {
    const char* picture; // the file, for the log
    bool reported;
};

// Cuts one sprite-sized cell of the loaded picture into a frame (mode 1).
void CutCell(Sprite* sprite, int frame, int x, int y, PictureCuts* cuts);
