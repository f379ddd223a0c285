// Sprites on SDL surfaces: colour-keyed blits onto the back buffer.
#include "platform/sprite.h"

#include <cstring>

#include "platform/bitmap.h"
#include "platform/debug_log.h"
#include "platform/display.h"
#include "platform/sdl_private.h"

namespace {

bool FrameExists(const Sprite* sprite, int frame) {
    return frame >= 0 && frame <= sprite->lastFrame && frame < kMaxSpriteFrames &&
           sprite->frames[frame] != nullptr;
}

// Positions far off screen draw nothing; clamping keeps the conversion defined.
int TruncatePosition(float value) {
    constexpr float kFar = 1.0e6f;
    if (!(value > -kFar)) {
        return -static_cast<int>(kFar);
    }
    return value < kFar ? static_cast<int>(value) : static_cast<int>(kFar);
}

// The full-screen picture drawn over a fill every frame (the menus' backdrop over white), kept
// composed with its fill: one plain copy a frame instead of a fill and a keyed blit.
struct {
    const Surface* frame = nullptr;
    uint32_t fill = 0;
    Surface* composed = nullptr;
} backdrop; // until its frame is reloaded or released

void ForgetBackdrop(const Surface* frame) {
    if (frame != nullptr && backdrop.frame == frame) {
        ReleaseSurface(backdrop.composed);
        backdrop = {};
    }
}

bool CoversBackBuffer(const Sprite* sprite) {
    const SDL_Rect& clip = backBuffer->sdl->clip_rect;
    const int x = TruncatePosition(sprite->x), y = TruncatePosition(sprite->y);
    return x <= clip.x && y <= clip.y && int64_t{x} + sprite->width >= clip.x + clip.w &&
           int64_t{y} + sprite->height >= clip.y + clip.h;
}

bool HasKeyPixel(const SDL_Surface* surface) {
    for (int row = 0; row < surface->h; ++row) {
        const auto* pixels = static_cast<const uint8_t*>(surface->pixels) + row * surface->pitch;
        for (int column = 0; column < surface->w; ++column) {
            uint16_t value;
            std::memcpy(&value, pixels + 2 * column, sizeof value);
            if (value == 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int CreateSprite(Sprite* sprite, int width, int height, int lastFrame, uint32_t memoryCaps,
                 int colourKey) {
    if (lastFrame < 0 || lastFrame >= kMaxSpriteFrames) {
        return 0;
    }
    DestroySprite(sprite);
    bugLog.Write("Creating surface...");
    sprite->width = width;
    sprite->height = height;
    sprite->lastFrame = lastFrame;
    sprite->colourKeyed = colourKey ? 1 : 0;
    for (int i = 0; i <= lastFrame; ++i) {
        sprite->frames[i] = CreateOffscreenSurface(width, height, memoryCaps, 0, colourKey);
    }
    bugLog.Write("Created...");
    return 1;
}

int DDLoadImageBitmap(Sprite* sprite, int frame, const BitmapFile* bmp, int x, int y, int mode) {
    if (mode != 1 || !FrameExists(sprite, frame) || bmp->pixels.empty() ||
        bmp->infoHeader.bitCount != 16) {
        return 0;
    }
    const int64_t sheetWidth = bmp->infoHeader.width;
    const int64_t sheetHeight = bmp->pixels.size() / (2 * sheetWidth);
    ForgetBackdrop(sprite->frames[frame]);
    SDL_Surface* surface = sprite->frames[frame]->sdl;
    if (x < 0 || y < 0 || int64_t{x} + surface->w > sheetWidth ||
        int64_t{y} + surface->h > sheetHeight) {
        return 0;
    }
    if (SDL_LockSurface(surface) != 0) {
        return 0;
    }
    for (int row = 0; row < surface->h; ++row) {
        const uint8_t* src = bmp->pixels.data() + ((y + row) * sheetWidth + x) * 2;
        std::memcpy(static_cast<uint8_t*>(surface->pixels) + row * surface->pitch, src,
                    static_cast<size_t>(surface->w) * 2);
    }
    const bool keyed = sprite->colourKeyed && HasKeyPixel(surface);
    SDL_UnlockSurface(surface);
    // A frame without one black pixel draws the same with or without its key, and a plain
    // copy is several times cheaper than a keyed one (the track tiles fill the whole screen).
    // A keyed frame is run-length encoded at its first blit: its runs of black and of picture
    // draw in a third of the time of a pixel by pixel keyed blit.
    if (sprite->colourKeyed) {
        SDL_SetColorKey(surface, keyed ? SDL_TRUE : SDL_FALSE, 0);
        SDL_SetSurfaceRLE(surface, keyed ? 1 : 0);
    }
    return 1;
}

int SetSpritePosition(Sprite* sprite, int x, int y) {
    sprite->x = static_cast<float>(x);
    sprite->y = static_cast<float>(y);
    return 1;
}

int SetSpriteFrame(Sprite* sprite, int frame) {
    if (frame < 0 || frame > sprite->lastFrame || frame >= kMaxSpriteFrames) {
        return 0;
    }
    sprite->currentFrame = frame;
    return 1;
}

int DrawSprite(const Sprite* sprite) {
    if (backBuffer == nullptr || !FrameExists(sprite, sprite->currentFrame)) {
        return 0;
    }
    SDL_Rect destination{TruncatePosition(sprite->x), TruncatePosition(sprite->y), sprite->width,
                         sprite->height};
    return SDL_BlitSurface(sprite->frames[sprite->currentFrame]->sdl, nullptr, backBuffer->sdl,
                           &destination) == 0
               ? 1
               : 0;
}

int FillAndDrawSprite(const Sprite* sprite, uint32_t fillValue) {
    if (backBuffer == nullptr || !FrameExists(sprite, sprite->currentFrame) ||
        !CoversBackBuffer(sprite)) {
        FillBackBufferValue(fillValue);
        return DrawSprite(sprite);
    }
    const Surface* frame = sprite->frames[sprite->currentFrame];
    if (backdrop.frame != frame || backdrop.fill != fillValue) {
        ForgetBackdrop(backdrop.frame);
        Surface* composed = CreateOffscreenSurface(sprite->width, sprite->height, 0, 0, 0);
        if (composed == nullptr) {
            FillBackBufferValue(fillValue);
            return DrawSprite(sprite);
        }
        SDL_FillRect(composed->sdl, nullptr, fillValue & 0xFFFF);
        SDL_BlitSurface(frame->sdl, nullptr, composed->sdl, nullptr);
        backdrop = {frame, fillValue, composed};
    }
    SDL_Rect destination{TruncatePosition(sprite->x), TruncatePosition(sprite->y), sprite->width,
                         sprite->height};
    return SDL_BlitSurface(backdrop.composed->sdl, nullptr, backBuffer->sdl, &destination) == 0 ? 1
                                                                                                : 0;
}

bool SpriteIsOpaque(const Sprite* sprite) {
    return FrameExists(sprite, sprite->currentFrame) &&
           !SDL_HasColorKey(sprite->frames[sprite->currentFrame]->sdl);
}

int AnimateSprite(Sprite* sprite, int ticksPerFrame) {
    if (sprite->animCounter > ticksPerFrame) {
        sprite->currentFrame += 1;
        sprite->animCounter = 0;
    }
    if (sprite->currentFrame == sprite->lastFrame) {
        sprite->currentFrame = 0;
    }
    sprite->animCounter += 1;
    return 1;
}

int SpriteHit(const Sprite* sprite, int px, int py) {
    const float x = static_cast<float>(px);
    const float y = static_cast<float>(py);
    return x > sprite->x && x < sprite->x + sprite->width && y > sprite->y &&
                   y < sprite->y + sprite->height
               ? 1
               : 0;
}

int DestroySprite(Sprite* sprite) {
    for (Surface*& frame : sprite->frames) {
        ForgetBackdrop(frame);
        ReleaseSurface(frame);
        frame = nullptr;
    }
    return 1;
}

bool SpriteIsLive(const Sprite* sprite) {
    for (const Surface* frame : sprite->frames) {
        if (frame != nullptr) {
            return true;
        }
    }
    return false;
}
