// The 800 x 600 display on SDL2: a window showing the picture pixel for pixel in its own
// surface, or through a renderer letterboxing one streaming texture into whatever other size
// the window really has, and software surfaces for the back buffer and every sprite frame.
#include "platform/display.h"

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/file_bytes.h"
#include "platform/sdl_private.h"

Surface* primarySurface = nullptr;
Surface* backBuffer = nullptr;
Clipper* backClipper = nullptr;

namespace {

struct {
    SDL_Window* window = nullptr;
    // The picture reaches the window one of two ways, never both at once (SDL forbids it):
    // drawn 1:1 into the window's own surface, which on X11 is shared memory the server copies
    // and needs no OpenGL (a quarter of a core and 90 MB in a race under Mesa's software GL);
    // or scaled by a renderer, made the first time the picture does not fit 1:1.
    SDL_Surface* windowSurface = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool shows = false;           // InitDisplay chose how; ReleaseDisplay forgets it
    bool noWindowSurface = false; // the video driver has none (Wayland): never asked again
    bool windowed = false;
    int windowedWidth = kScreenWidth; // the window's size when it was last not full screen
    int windowedHeight = kScreenHeight;
    int bitsPerPixel = 16;
    int64_t presentedFrames = 0;
    bool headless = false; // SDL's dummy video driver: pictures are kept, never shown
    bool pacing = true;
    Uint64 lastPresent = 0; // performance-counter time of the last paced present
    // Where the picture sits in the output (the window's surface or the renderer's), and the
    // sizes it was worked out from.
    ScreenRect picture{0, 0, kScreenWidth, kScreenHeight};
    int outputWidth = kScreenWidth, outputHeight = kScreenHeight;
    int windowWidth = kScreenWidth, windowHeight = kScreenHeight;
    SDL_Rect windowedPlace{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth,
                           kScreenHeight}; // where the window goes back to from full screen
    // The picture the window holds now. Handing it the same pixels again costs most of a
    // core on a software renderer, and the card, a paused race or an open box rarely change.
    std::vector<uint8_t> shown;
    bool showAgain = true; // the window lost or moved its picture: hand it over whatever it is
} display;                 // whole run; ReleaseDisplay puts it back

DisplayFailure failure = {"", ""}; // whole run; ResetDisplayHooks puts it back

bool InitFailed(const char* logLine, const char* caption, const char* text) {
    bugLog.Write(logLine);
    failure = {caption, text};
    return false;
}

SDL_Renderer* CreateRenderer(SDL_Window* window) {
    // Accelerated with vsync first, then whatever the driver offers, then software.
    constexpr Uint32 kTries[] = {SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC,
                                 SDL_RENDERER_PRESENTVSYNC, SDL_RENDERER_SOFTWARE};
    for (Uint32 flags : kTries) {
        if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags)) {
            return renderer;
        }
    }
    return nullptr;
}

Surface* WrapSurface(SDL_Surface* sdl) { return sdl != nullptr ? new Surface{sdl} : nullptr; }

bool UseWindowSurface() {
    if (display.texture != nullptr) {
        SDL_DestroyTexture(display.texture);
    }
    if (display.renderer != nullptr) {
        SDL_DestroyRenderer(display.renderer);
    }
    display.texture = nullptr;
    display.renderer = nullptr;
    // Asked again after every change of size, which leaves the old one invalid.
    display.windowSurface = SDL_GetWindowSurface(display.window);
    display.noWindowSurface = display.windowSurface == nullptr;
    return !display.noWindowSurface;
}

// True once the renderer exists; its texture may still be missing (InitDisplay says so).
bool UseRenderer() {
    if (display.renderer != nullptr) {
        return true;
    }
    // SDL 2.28 and later refuse a renderer to a window still holding its surface, and can drop
    // the surface; before them, making the renderer drops it. Looked up, so one build runs on
    // both.
    using DropSurface = int (*)(SDL_Window*);
    static const auto dropSurface =
        reinterpret_cast<DropSurface>(dlsym(RTLD_DEFAULT, "SDL_DestroyWindowSurface"));
    if (display.windowSurface != nullptr && dropSurface != nullptr) {
        dropSurface(display.window);
    }
    display.windowSurface = nullptr;
    display.renderer = CreateRenderer(display.window);
    if (display.renderer == nullptr) {
        return false;
    }
    display.texture = SDL_CreateTexture(display.renderer, DisplayPixelFormat(),
                                        SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
    return true;
}

bool ShowsOneToOne(const ScreenRect& picture) {
    return picture.width == kScreenWidth && picture.height == kScreenHeight;
}

// The window's own surface where the picture fits it 1:1, else the renderer.
bool ChooseHowToShow() {
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(display.window, &width, &height);
    if (ShowsOneToOne(LetterboxPicture(width, height)) && !display.noWindowSurface &&
        UseWindowSurface()) {
        display.outputWidth = display.windowSurface->w;
        display.outputHeight = display.windowSurface->h;
    } else if (!UseRenderer() || SDL_GetRendererOutputSize(display.renderer, &display.outputWidth,
                                                           &display.outputHeight) != 0) {
        return false;
    }
    display.picture = LetterboxPicture(display.outputWidth, display.outputHeight);
    SDL_GetWindowSize(display.window, &display.windowWidth, &display.windowHeight);
    display.showAgain = true;
    return true;
}

int RefreshPeriodMs() {
    if (ClockFixedFps() > 0) {
        return 1000 / ClockFixedFps();
    }
    SDL_DisplayMode mode;
    int index = display.window != nullptr ? SDL_GetWindowDisplayIndex(display.window) : 0;
    if (SDL_GetCurrentDisplayMode(std::max(index, 0), &mode) == 0 && mode.refresh_rate >= 30) {
        return 1000 / mode.refresh_rate;
    }
    return 1000 / 60;
}

// Waits out what is left of one refresh period since the last present. Where vsync paced
// the present this waits nothing; where it did not (the window's own surface, a minimised
// window, a dummy or non-vsync driver) it keeps the loop from spinning.
void PaceFrame() {
    const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 now = SDL_GetPerformanceCounter();
    const double sinceMs = (now - display.lastPresent) * 1000.0 / frequency;
    const int periodMs = RefreshPeriodMs();
    if (display.lastPresent != 0 && sinceMs < periodMs - 1) {
        SDL_Delay(static_cast<Uint32>(periodMs - 1 - sinceMs) + 1);
    }
    display.lastPresent = SDL_GetPerformanceCounter();
}

bool WindowIsShowing() {
    const Uint32 flags = SDL_GetWindowFlags(display.window);
    return (flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) == 0;
}

// The rows [*top, *bottom) in which the picture differs from the one the window holds.
void ChangedRows(const SDL_Surface* picture, int* top, int* bottom) {
    const auto* pixels = static_cast<const uint8_t*>(picture->pixels);
    const size_t pitch = picture->pitch;
    auto same = [&](int row) {
        return std::memcmp(display.shown.data() + row * pitch, pixels + row * pitch, pitch) == 0;
    };
    while (*top < *bottom && same(*top)) {
        ++*top;
    }
    while (*bottom > *top && same(*bottom - 1)) {
        --*bottom;
    }
}

// Converting the picture to the window's pixel format is most of what showing it costs, so
// only the changed rows go over. A window shown afresh gets its bars painted black too.
bool ShowOnWindowSurface(SDL_Surface* picture, const SDL_Rect& rows) {
    SDL_Surface* target = display.windowSurface;
    const ScreenRect& p = display.picture;
    SDL_Rect from = rows;
    SDL_Rect to{p.x, p.y + rows.y, rows.w, rows.h};
    const SDL_Rect changed = to;
    if (display.showAgain) {
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    }
    if (SDL_BlitSurface(picture, &from, target, &to) != 0) {
        return false;
    }
    const SDL_Rect whole{0, 0, target->w, target->h};
    if (SDL_UpdateWindowSurfaceRects(display.window, display.showAgain ? &whole : &changed, 1) ==
        0) {
        return true;
    }
    // The window changed its size before its event came: take its new surface.
    ChooseHowToShow();
    return false;
}

bool ShowThroughRenderer(SDL_Surface* picture, const SDL_Rect& rows) {
    const auto* pixels = static_cast<const uint8_t*>(picture->pixels) + rows.y * picture->pitch;
    if (SDL_UpdateTexture(display.texture, &rows, pixels, picture->pitch) != 0) {
        // The texture went with a lost device: make it again, show this frame next time.
        SDL_DestroyTexture(display.texture);
        display.texture = SDL_CreateTexture(display.renderer, DisplayPixelFormat(),
                                            SDL_TEXTUREACCESS_STREAMING, picture->w, picture->h);
        return false;
    }
    const ScreenRect& p = display.picture;
    const SDL_Rect where{p.x, p.y, p.width, p.height};
    SDL_SetRenderDrawColor(display.renderer, 0, 0, 0, 255);
    SDL_RenderClear(display.renderer);
    SDL_RenderCopy(display.renderer, display.texture, nullptr, &where);
    SDL_RenderPresent(display.renderer);
    return true;
}

void ShowPrimary() {
    const bool canShow = display.windowSurface != nullptr ||
                         (display.renderer != nullptr && display.texture != nullptr);
    if (!canShow || primarySurface == nullptr) {
        return;
    }
    // A minimised window, or a headless run's, has nobody to show the picture to.
    if (display.headless) {
        return;
    }
    if (!WindowIsShowing()) {
        display.showAgain = true;
        return;
    }
    SDL_Surface* primary = primarySurface->sdl;
    const size_t bytes = static_cast<size_t>(primary->pitch) * primary->h;
    int top = 0, bottom = primary->h;
    if (!display.showAgain && display.shown.size() == bytes) {
        ChangedRows(primary, &top, &bottom);
        if (top == bottom) {
            return;
        }
    }
    const SDL_Rect rows{0, top, primary->w, bottom - top};
    const bool shown = display.windowSurface != nullptr ? ShowOnWindowSurface(primary, rows)
                                                        : ShowThroughRenderer(primary, rows);
    if (!shown) {
        display.showAgain = true;
        return;
    }
    display.shown.resize(bytes);
    const size_t from = static_cast<size_t>(top) * primary->pitch;
    const size_t to = static_cast<size_t>(bottom) * primary->pitch;
    std::memcpy(display.shown.data() + from, static_cast<const uint8_t*>(primary->pixels) + from,
                to - from);
    display.showAgain = false;
}

// With no window manager nobody resizes a window that asks for full screen, yet SDL reports
// the desktop's size for it from then on. Laid over the whole display first, the window has
// the size SDL reports whoever manages it.
int EnterFullscreen() {
    if ((SDL_GetWindowFlags(display.window) & SDL_WINDOW_FULLSCREEN) == 0) {
        SDL_Rect& place = display.windowedPlace;
        SDL_GetWindowPosition(display.window, &place.x, &place.y);
        SDL_GetWindowSize(display.window, &place.w, &place.h);
    }
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(display.window), 0), &bounds) ==
        0) {
        SDL_SetWindowPosition(display.window, bounds.x, bounds.y);
        SDL_SetWindowSize(display.window, bounds.w, bounds.h);
    }
    return SDL_SetWindowFullscreen(display.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// Back to the window the player had before full screen, which SDL may not restore by itself.
void LeaveFullscreen() {
    SDL_SetWindowFullscreen(display.window, 0);
    const SDL_Rect& place = display.windowedPlace;
    SDL_SetWindowSize(display.window, place.w, place.h);
    SDL_SetWindowPosition(display.window, place.x, place.y);
}

// Whole run: what a playing script does after each picture. Kept when the display is released,
// as a script may start before the display does; ResetDisplayHooks puts it back.
AfterPresent afterPresent = nullptr;

} // namespace

ScreenRect LetterboxPicture(int outputWidth, int outputHeight) {
    if (outputWidth <= 0 || outputHeight <= 0) {
        return {0, 0, kScreenWidth, kScreenHeight};
    }
    // The whole picture at the largest size that fits, its 4:3 shape kept, centred.
    int width = outputWidth, height = outputHeight;
    if (int64_t{outputWidth} * kScreenHeight > int64_t{outputHeight} * kScreenWidth) {
        width = static_cast<int>(int64_t{outputHeight} * kScreenWidth / kScreenHeight);
    } else {
        height = static_cast<int>(int64_t{outputWidth} * kScreenHeight / kScreenWidth);
    }
    return {(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

void WindowToPicture(const PictureMapping& mapping, int windowX, int windowY, int* x, int* y) {
    const ScreenRect& p = mapping.picture;
    if (mapping.windowWidth <= 0 || mapping.windowHeight <= 0 || p.width <= 0 || p.height <= 0) {
        *x = windowX;
        *y = windowY;
        return;
    }
    // Window units may be larger than the output's pixels (a high-density display).
    const double outputX = (windowX + 0.5) * mapping.outputWidth / mapping.windowWidth;
    const double outputY = (windowY + 0.5) * mapping.outputHeight / mapping.windowHeight;
    *x = static_cast<int>(std::floor((outputX - p.x) * kScreenWidth / p.width));
    *y = static_cast<int>(std::floor((outputY - p.y) * kScreenHeight / p.height));
}

int FitPictureToWindow() {
    if (!display.shows) {
        return 0;
    }
    if (!ChooseHowToShow()) {
        bugLog.Write("Unable to show the picture at the window's new size.");
        return 0;
    }
    return 1;
}

void WindowPointToScreen(int windowX, int windowY, int* x, int* y) {
    WindowToPicture({display.picture, display.outputWidth, display.outputHeight,
                     display.windowWidth, display.windowHeight},
                    windowX, windowY, x, y);
}

Uint32 DisplayPixelFormat() {
    return display.bitsPerPixel == 15 ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565;
}

SDL_Window* GameWindow() { return display.window; }

void UseHeadlessDevices() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

int OpenGameWindow(const char* title, bool windowed, int width, int height) {
    // The desktop ties the window to the game's menu entry and icon by its class.
    setenv("SDL_VIDEO_X11_WMCLASS", STRIDEWELL_APP_ID, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", STRIDEWELL_APP_ID, 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return 0;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // The window's own surface as plain shared memory, not an OpenGL texture behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    display.windowed = windowed;
    display.windowedWidth = width;
    display.windowedHeight = height;
    display.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                      height, SDL_WINDOW_RESIZABLE);
    return display.window != nullptr ? 1 : 0;
}

void SetWindowIcon(const char* path) {
    // Read as every data file is, so a pipe or a device in its place cannot block the start.
    const std::vector<uint8_t> bytes = ReadFileBytes(path, 1 << 20);
    SDL_Surface* icon =
        bytes.empty() ? nullptr : SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), bytes.size()), 1);
    if (display.window != nullptr && icon != nullptr) {
        SDL_SetWindowIcon(display.window, icon);
    }
    SDL_FreeSurface(icon);
}

void SetDisplayDepth(int bitsPerPixel) { display.bitsPerPixel = bitsPerPixel == 15 ? 15 : 16; }

void ShowSystemCursor() { SDL_ShowCursor(SDL_ENABLE); }

const char* PlatformError() { return SDL_GetError(); }

void ClosePlatform() { SDL_Quit(); }

int InitDisplay(int width, int height, int bitsPerPixel) {
    display.bitsPerPixel = bitsPerPixel == 15 ? 15 : 16;

    bugLog.Write("Creating DD object...");
    // Full screen will be scaled, so it starts on the renderer rather than switch to it at once.
    display.shows =
        display.window != nullptr && (display.windowed ? ChooseHowToShow() : UseRenderer());
    if (!display.shows) {
        return InitFailed("Unable to create DirectDraw object.", "error",
                          "Unable to create DirectDraw COM object.");
    }

    bugLog.Write("DirectDraw object created. Setting cooperation level...");
    if (!display.windowed && EnterFullscreen() != 0) {
        return InitFailed("Unable to set cooperation level.", "error",
                          "Unable to set Cooperation Level.");
    }

    bugLog.Write("Cooperation level set successfully. Setting display mode...");
    if (!FitPictureToWindow()) {
        return InitFailed("Unable to set display mode.", "Error",
                          "Unable to set the display mode.");
    }

    bugLog.Write("Display mode has been set. Creating surface...");
    primarySurface =
        WrapSurface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, DisplayPixelFormat()));
    if ((display.renderer != nullptr && display.texture == nullptr) || primarySurface == nullptr) {
        return InitFailed("Unable to create surface.", "error",
                          "Unable to create primary surface.");
    }

    bugLog.Write("Surface created successfully. Getting attached surface...");
    backBuffer =
        WrapSurface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, DisplayPixelFormat()));
    if (backBuffer == nullptr) {
        return InitFailed("Unable to get attached surface.", "error",
                          "Unable to get attached surface for backbuffer.");
    }

    display.headless = DisplayIsHeadless();
    bugLog.Write("Attached surface has been GOT!");
    return 1;
}

ClipList BuildClipList(int count, const ClipRect* rects) {
    ClipList list{};
    list.rects.assign(rects, rects + count);
    list.header.size = sizeof(ClipListHeader);
    list.header.type = 1;
    list.header.count = static_cast<uint32_t>(count);
    list.header.regionSize = static_cast<uint32_t>(count) * sizeof(ClipRect);
    ClipRect bound{64000, 64000, -64000, -64000};
    for (const ClipRect& r : list.rects) {
        bound.left = std::min(bound.left, r.left);
        bound.top = std::min(bound.top, r.top);
        bound.right = std::max(bound.right, r.right);
        bound.bottom = std::max(bound.bottom, r.bottom);
    }
    list.header.bound = bound;
    return list;
}

Clipper* AttachClipper(Surface* surface, int count, const ClipRect* rects) {
    bugLog.Write("Attaching clipper...");
    if (surface == nullptr || count < 1 || rects == nullptr) {
        return nullptr;
    }
    auto* clipper = new Clipper{};
    bugLog.Write("Clipper attached.");
    clipper->list = BuildClipList(count, rects);

    bugLog.Write("Setting clip list...");
    const ClipRect& b = clipper->list.header.bound;
    const SDL_Rect clip{b.left, b.top, b.right - b.left, b.bottom - b.top};

    bugLog.Write("Clip list set. Setting clipper...");
    if (!SDL_SetClipRect(surface->sdl, &clip)) {
        delete clipper;
        return nullptr;
    }
    bugLog.Write("Clipper set. Releasing memory...");
    bugLog.Write("Memory released.");
    return clipper;
}

void ClipBackBuffer(const ClipRect& rect) { backClipper = AttachClipper(backBuffer, 1, &rect); }

Surface* CreateOffscreenSurface(int width, int height, uint32_t, uint32_t keyValue, int useKey) {
    SDL_Surface* sdl = nullptr;
    if (width > 0 && height > 0) {
        sdl = SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, DisplayPixelFormat());
    }
    if (sdl == nullptr) {
        bugLog.Write("Unable to create surface.");
        return nullptr;
    }
    if (useKey) {
        SDL_SetColorKey(sdl, SDL_TRUE, keyValue);
    }
    return new Surface{sdl};
}

void ReleaseSurface(Surface* surface) {
    if (surface != nullptr) {
        SDL_FreeSurface(surface->sdl);
        delete surface;
    }
}

int SurfaceWidth(const Surface* surface) { return surface->sdl->w; }

int SurfaceHeight(const Surface* surface) { return surface->sdl->h; }

uint16_t ReadSurfacePixel(const Surface* surface, int x, int y) {
    SDL_Surface* sdl = surface->sdl;
    // A run-length encoded sprite frame keeps its pixels only while it is locked.
    const bool locked = SDL_MUSTLOCK(sdl) && SDL_LockSurface(sdl) == 0;
    uint16_t value = 0;
    if (sdl->pixels != nullptr) {
        const auto* row = static_cast<const uint8_t*>(sdl->pixels) + y * sdl->pitch;
        std::memcpy(&value, row + 2 * x, sizeof value);
    }
    if (locked) {
        SDL_UnlockSurface(sdl);
    }
    return value;
}

uint16_t PackFillColour(int red, int green, int blue, int bitsPerPixel) {
    if (bitsPerPixel == 15) {
        return static_cast<uint16_t>((blue & 31) + (green & 31) * 32 + (red & 31) * 1024);
    }
    return static_cast<uint16_t>((blue & 31) + (green & 63) * 64 + (red & 31) * 2048);
}

int DisplayBitsPerPixel() { return display.bitsPerPixel; }

int FillBackBuffer(int red, int green, int blue) {
    if (backBuffer == nullptr) {
        return 0;
    }
    SDL_FillRect(backBuffer->sdl, nullptr, PackFillColour(red, green, blue, display.bitsPerPixel));
    return 1;
}

int FillBackBufferValue(uint32_t value) {
    if (backBuffer == nullptr) {
        return 0;
    }
    SDL_FillRect(backBuffer->sdl, nullptr, value & 0xFFFF);
    return 1;
}

int FillBackBufferRect(int x, int y, int width, int height, uint32_t colour) {
    if (backBuffer == nullptr || width <= 0 || height <= 0) {
        return 0;
    }
    SDL_Surface* back = backBuffer->sdl;
    SDL_Rect rect{x, y, width, height};
    const Uint32 value =
        SDL_MapRGB(back->format, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return SDL_FillRect(back, &rect, value) == 0 ? 1 : 0;
}

int PresentFrame() {
    if (backBuffer == nullptr || primarySurface == nullptr) {
        return 0;
    }
    SDL_Surface* back = backBuffer->sdl;
    std::memcpy(primarySurface->sdl->pixels, back->pixels,
                static_cast<size_t>(back->pitch) * back->h);
    return PresentPrimary();
}

int PresentPrimary() {
    ShowPrimary();
    display.presentedFrames += 1;
    AdvanceFrameClock();
    if (display.pacing) {
        PaceFrame();
    }
    if (afterPresent != nullptr) {
        afterPresent(display.presentedFrames);
    }
    return 1;
}

int ShowGdiSurface() { return 1; }

void RefreshScreen() { ShowPrimary(); }

void ShowPictureAgain() {
    display.showAgain = true;
    ShowPrimary();
}

DisplayFailure LastDisplayFailure() { return failure; }

void SetAfterPresent(AfterPresent run) { afterPresent = run; }

void ResetDisplayHooks() {
    afterPresent = nullptr;
    failure = {"", ""};
}

int64_t PresentedFrameCount() { return display.presentedFrames; }

void SetFramePacing(bool on) { display.pacing = on; }

void ToggleFullscreen() {
    if (display.window == nullptr) {
        return;
    }
    display.windowed = !display.windowed;
    if (display.windowed) {
        LeaveFullscreen();
    } else {
        // Made while the window is still a window, as at start: SDL may remake the window for
        // it, which does not keep full screen where no window manager is there to help.
        UseRenderer();
        EnterFullscreen();
    }
    FitPictureToWindow();
    ShowPrimary();
}

bool WindowIsFullScreen() { return !display.windowed; }

void WindowedSize(int* width, int* height) {
    if (display.window != nullptr && display.windowed) {
        SDL_GetWindowSize(display.window, &display.windowedWidth, &display.windowedHeight);
    }
    *width = display.windowedWidth;
    *height = display.windowedHeight;
}

bool DisplayIsHeadless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr &&
           (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

int ReleaseDisplay() {
    delete backClipper;
    backClipper = nullptr;
    ReleaseSurface(backBuffer);
    backBuffer = nullptr;
    ReleaseSurface(primarySurface);
    primarySurface = nullptr;
    if (display.texture != nullptr) {
        SDL_DestroyTexture(display.texture);
    }
    if (display.renderer != nullptr) {
        SDL_DestroyRenderer(display.renderer);
    }
    if (display.window != nullptr) {
        SDL_DestroyWindow(display.window);
    }
    display = {};
    return 1;
}
