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

struct ScreenRect {
    int x, y, width, height;
};

// Where the 800 x 600 picture goes in a window's output of that many pixels: as large as fits,
// its shape kept, centred, black bars beside or above and below it.
ScreenRect LetterboxPicture(int outputWidth, int outputHeight);

// How a window shows the picture: where it sits in the output, and the output's size in pixels
// beside the window's in the units its events use (more pixels than units on a high-density
// display).
struct PictureMapping {
    ScreenRect picture;
    int outputWidth, outputHeight;
    int windowWidth, windowHeight;
};

// A point of the window, in its events' units, in the picture's 800 x 600 coordinates (outside
// 0..799, 0..599 on the bars).
void WindowToPicture(const PictureMapping& mapping, int windowX, int windowY, int* x, int* y);

// Called by the window events on every change of the window's size, and by the display when it
// goes in or out of full screen: letterboxes the picture into the size the renderer really
// draws on now. Returns 0 when the renderer cannot tell its size.
int FitPictureToWindow();

// A point of the game window, as its events give it, in 800 x 600 coordinates.
void WindowPointToScreen(int windowX, int windowY, int* x, int* y);

extern Surface* primarySurface; // what the player sees: a copy of the last presented frame
extern Surface* backBuffer;     // every screen draws here; PresentFrame shows it
extern Clipper* backClipper;

// Called once by the entry point before start-up: opens the game window titled "Stridewell",
// full-screen on the desktop unless windowed, width x height when it is not. Returns 1, or 0
// when no window can be made.
int OpenGameWindow(const char* title, bool windowed, int width = kScreenWidth,
                   int height = kScreenHeight);
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
// a failing step logs and returns 0, leaving its error box to the caller (LastDisplayFailure).
int InitDisplay(int width, int height, int bitsPerPixel);

// The caption and text of the box for InitDisplay's last failure.
struct DisplayFailure {
    const char* caption;
    const char* text;
};
DisplayFailure LastDisplayFailure();

// Called once by start-up with the back buffer and the screen rectangle.
Clipper* AttachClipper(Surface* surface, int count, const ClipRect* rects);
// Cuts every blit to the back buffer to the rectangle: backClipper.
void ClipBackBuffer(const ClipRect& rect);

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

// Fills a rectangle of the back buffer (cut to the screen) with a colour given as 0x00BBGGRR,
// as text colours are: the plate a line of text is written on.
int FillBackBufferRect(int x, int y, int width, int height, uint32_t colour);

// Called by the frame driver once per frame: shows the back buffer. Never spins: when the
// display does not wait for its refresh, the window is minimised or already holds the same
// picture (nothing is handed to it then), it waits itself, so frames keep their pace.
int PresentFrame();

// Presents primarySurface as it is, as one frame (a dialog drawn over the last frame).
int PresentPrimary();

// Shows primarySurface again without counting a frame (text drawn straight onto the screen).
// Like every present, it hands the window nothing when the window already holds that picture.
void RefreshScreen();

// Hands the window primarySurface at once, even the picture it held: the window was exposed
// or changed its size and may have lost it.
void ShowPictureAgain();

// Called before every message box and dialog; nothing to do with a window that shares the
// desktop, kept so the callers read as they should.
int ShowGdiSurface();

// Frames presented since start-up; scripts count frames by it.
int64_t PresentedFrameCount();

// Run after each presented picture with the count of pictures so far: set by a script as it
// starts, which the display itself knows nothing of.
using AfterPresent = void (*)(int64_t presentedFrame);
void SetAfterPresent(AfterPresent run);

// No after-present hook and no failure on record, as a run starts: what ReleaseDisplay keeps.
void ResetDisplayHooks();

// Whether PresentFrame keeps to the display's rate. Off for a scripted run on the virtual
// clock, which goes as fast as the machine allows.
void SetFramePacing(bool on);

void ToggleFullscreen();
bool WindowIsFullScreen();
// The window's size when it is not full screen (the last one it had, while it is).
void WindowedSize(int* width, int* height);

// Whether the window is one nobody can see or answer (the dummy video driver of a headless run).
bool DisplayIsHeadless();

// Releases the clipper, the back buffer, the primary surface, the renderer and the window,
// each only if it exists.
int ReleaseDisplay();
