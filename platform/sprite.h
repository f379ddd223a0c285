// Sprites: every picture on screen, one surface per frame, drawn onto the back buffer with
// black as the transparent colour when the sprite is colour-keyed.
#pragma once

#include <cstdint>

struct Surface;
struct BitmapFile;

constexpr int kMaxSpriteFrames = 64;

struct Sprite {
    float x;       // screen x of the left edge
    float y;       // screen y of the top edge
    int32_t width; // frame size in pixels
    int32_t height;
    int32_t animCounter;  // AnimateSprite calls since the last advance
    int32_t currentFrame; // the frame DrawSprite shows
    int32_t lastFrame;    // frames 0..lastFrame exist
    int32_t colourKeyed;  // 1 when black is transparent
    Surface* frames[kMaxSpriteFrames];
};

// Makes frames 0..lastFrame of width x height (lastFrame above 63 is refused with 0). A live
// sprite's old frames are freed first. Logs "Creating surface..." and "Created...".
int CreateSprite(Sprite* sprite, int width, int height, int lastFrame, uint32_t memoryCaps,
                 int colourKey);

// Copies the frame-sized cell whose top-left pixel is (x, y) of the loaded sheet into a frame;
// mode 1 (pixel coordinates) is the only one. Returns 0, copying nothing, for a cell outside
// the sheet, a sheet with no 16-bit pixels, or a frame that does not exist.
int DDLoadImageBitmap(Sprite* sprite, int frame, const BitmapFile* bitmap, int x, int y, int mode);

int SetSpritePosition(Sprite* sprite, int x, int y);

// Refused with 0 for a frame outside 0..lastFrame.
int SetSpriteFrame(Sprite* sprite, int frame);

// Draws the current frame at the position truncated toward zero, clipped to the screen.
// 0 when there is nothing to draw it with.
int DrawSprite(const Sprite* sprite);

// Fills the back buffer with a raw value (as FillBackBufferValue) and draws the sprite over it;
// a sprite over the whole screen is composed with the fill once and then copied.
int FillAndDrawSprite(const Sprite* sprite, uint32_t fillValue);

// Whether the current frame exists and draws every one of its pixels (no black in a keyed one).
bool SpriteIsOpaque(const Sprite* sprite);

// One tick of animation: after ticksPerFrame + 1 calls the frame moves on, cycling through
// frames 0..lastFrame - 1.
int AnimateSprite(Sprite* sprite, int ticksPerFrame);

// 1 when (px, py) lies strictly inside the sprite's rectangle.
int SpriteHit(const Sprite* sprite, int px, int py);

// Releases every frame; harmless on a sprite already destroyed or never made.
int DestroySprite(Sprite* sprite);

// Whether the sprite holds any frame surface.
bool SpriteIsLive(const Sprite* sprite);
