// The 800 x 600 display: the game window, the back buffer every screen draws into, and the
// off-screen surfaces that hold sprite frames.
#pragma once

#include <cstdint>
#include <vector>

// A picture in the display's 16-bit pixel format (5-6-5, or 5-5-5 on a 15-bit display).
struct Surface;

struct ClipRect {
    int32_t left, top, right, bottom;
};

// A clip list as a region block: a 32-byte header, then the rectangles.
struct ClipListHeader {
    uint32_t size;       // always 32
    uint32_t type;       // 1: rectangles
    uint32_t count;      // number of rectangles
    uint32_t regionSize; // count x 16 bytes
    ClipRect bound;      // bounding rectangle of them all
};
static_assert(sizeof(ClipListHeader) == 32);

struct ClipList {
    ClipListHeader header;
    std::vector<ClipRect> rects;
};

// What AttachClipper gives a surface: blits to it are cut to the bounding rectangle.
struct Clipper {
    ClipList list;
};

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

extern Surface* primarySurface; // what the player sees: a copy of the last presented frame
extern Surface* backBuffer;     // every screen draws here; PresentFrame shows it
extern Clipper* backClipper;

// Called once by the entry point before start-up: opens the game window titled "Stridewell",
// full-screen on the desktop unless windowed. Returns 1, or 0 when no window can be made.
int OpenGameWindow(const char* title, bool windowed);
// Gives the window the icon in a .bmp file (with alpha); without one the desktop's own shows.
void SetWindowIcon(const char* path);

// The packing pictures are loaded in before the display is up, and that start-up asks for:
// 15 (5-5-5) or 16 (5-6-5).
void SetDisplayDepth(int bitsPerPixel);

void ShowSystemCursor();

// For unattended runs: no window is shown and no sound device is opened, while the game draws
// and mixes as ever. Called before the window is opened; drivers the environment already
// names are kept.
void UseHeadlessDevices();

// What the platform last reported going wrong, for messages on the terminal.
const char* PlatformError();

// Called last of all at exit, after everything was released.
void ClosePlatform();

// Called once by start-up with 800, 600, 16 (or 15 for the 5-5-5 packing). Logs each step;
// a failing step logs, shows its error box and returns 0.
int InitDisplay(int width, int height, int bitsPerPixel);

// Called once by start-up with the back buffer and the screen rectangle.
Clipper* AttachClipper(Surface* surface, int count, const ClipRect* rects);

// The clip list of the given rectangles with its bounding rectangle.
ClipList BuildClipList(int count, const ClipRect* rects);

// A new off-screen surface, black; with useKey, keyValue is its transparent colour.
// memoryCaps is accepted for its callers' sake: every surface lives in main memory here.
// Logs "Unable to create surface." and returns null on failure.
Surface* CreateOffscreenSurface(int width, int height, uint32_t memoryCaps, uint32_t keyValue,
                                int useKey);
void ReleaseSurface(Surface* surface);

int SurfaceWidth(const Surface* surface);
int SurfaceHeight(const Surface* surface);
uint16_t ReadSurfacePixel(const Surface* surface, int x, int y);

// The 16-bit fill value of a colour of 5-bit components at a depth of 15 or 16 bits.
uint16_t PackFillColour(int red, int green, int blue, int bitsPerPixel);

// Bits per pixel of the display: 15 (5-5-5) or 16 (5-6-5). 16 before InitDisplay.
int DisplayBitsPerPixel();

// Called by the frame driver every frame: fills the back buffer with one colour of 5-bit
// components (always black in the game).
int FillBackBuffer(int red, int green, int blue);

// Fills the back buffer with a raw fill value, cut to the pixel size (0xFFFFFF: white).
int FillBackBufferValue(uint32_t value);

// Fills a rectangle of the back buffer, clipped to it, with a colour given as text colours are
// (0x00BBGGRR): the plates the help and the captions are lettered on.
int FillBackBufferRect(int x, int y, int width, int height, uint32_t colour);

// Called by the frame driver once per frame: shows the back buffer. Never spins: when the
// display does not wait for its refresh, or the window is minimised, it waits itself.
int PresentFrame();

// Presents primarySurface as it is, as one frame (a dialog drawn over the last frame).
int PresentPrimary();

// Shows primarySurface again without counting a frame (text drawn straight onto the screen).
void RefreshScreen();

// Called before every message box and dialog; nothing to do with a window that shares the
// desktop, kept so the callers read as they should.
int ShowGdiSurface();

// Frames presented since start-up; scripts count frames by it.
int64_t PresentedFrameCount();

// Whether PresentFrame keeps to the display's rate. Off for a scripted run on the virtual
// clock, which goes as fast as the machine allows.
void SetFramePacing(bool on);

void ToggleFullscreen();

// Whether the window is one nobody can see or answer (the dummy video driver of a headless run).
bool DisplayIsHeadless();

// Releases the clipper, the back buffer, the primary surface, the renderer and the window,
// each only if it exists.
int ReleaseDisplay();
