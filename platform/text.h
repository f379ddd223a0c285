// Lettering: fonts made once at start-up, and one call that draws a line of text.
#pragma once

#include <cstdint>

struct Font;
struct Surface;

// The one list of the game's fonts, FONT(name, height, face, style) as MakeFont takes them, in
// the order start-up makes them; they live for the whole run. The last three are smaller faces
// for lines that must fit a narrow room: THE FIELD's 9-pixel rows, names and prices beside other
// columns.
#define GAME_FONTS(FONT)                                                                           \
    FONT(fontComic18, 18, "Comic Sans MS", "r")                                                    \
    FONT(fontComic14, 14, "Comic Sans MS", "r")                                                    \
    FONT(fontComic17, 17, "Comic Sans MS", "r")                                                    \
    FONT(fontArial20, 20, "Arial", "i")                                                            \
    FONT(fontArial21, 21, "Arial", "i")                                                            \
    FONT(fontArial22, 22, "Arial", "r")                                                            \
    FONT(fontArial25, 25, "Arial", "i")                                                            \
    FONT(fontArial30, 30, "Arial", "i")                                                            \
    FONT(fontArial40, 40, "Arial", "i")                                                            \
    FONT(fontArial50, 50, "Arial", "i")                                                            \
    FONT(fontArialBold9, 9, "Arial", "b")                                                          \
    FONT(fontArial18, 18, "Arial", "r")                                                            \
    FONT(fontComic11, 11, "Comic Sans MS", "r")

#define GAME_FONT_DECLARE(name, ...) extern Font* name;
GAME_FONTS(GAME_FONT_DECLARE)
#undef GAME_FONT_DECLARE

// A font of the face ("Arial", "Comic Sans MS", resolved through fontconfig) whose cell
// (ascent plus descent) is height pixels. Style "b" is bold; every other code is regular.
// Null when no face can be found.
Font* MakeFont(int height, const char* face, const char* style);

// Cell height in pixels of a font as made (the fallback face's for null).
int FontCellHeight(const Font* font);

// Pixels from the top of a font's cell down to its baseline (the fallback face's for null).
int FontAscent(const Font* font);

// Draws one line (UTF-8), anti-aliased on a transparent background, with its top-left corner at
// (x, y). colour is 0x00BBGGRR. A character the font's face lacks is drawn in another installed
// face that has it, fitted to the same cell. A null font draws in a plain fallback face of about
// 16 pixels.
// Drawing on primarySurface shows at once. An empty string draws nothing. Returns 1 when drawn.
int DrawSurfaceText(const char* text, int x, int y, uint32_t colour, Surface* surface,
                    const Font* font);

// DrawSurfaceText on the back buffer, where every screen letters.
int Text(const char* text, int x, int y, uint32_t colour, const Font* font);

// The face dialogs and message boxes letter in, regular or bold; made when first asked for.
const Font* DialogFont(bool bold);

// Width in pixels of a line drawn in the font (the fallback face for null).
int TextWidth(const Font* font, const char* text);

// The first character of a line (UTF-8) that no installed face can draw, or 0 when every one can.
// Called by the name dialog, so that a name is never drawn as empty boxes.
char32_t UndrawableCharacter(const char* text);

// Rendered lines are kept for reuse, the least recently drawn dropped beyond a bound.
constexpr int kTextCacheLimit = 512;
int TextCacheSize();
void SetTextCaching(bool on); // off renders every line afresh (to measure what the cache saves)

// Closes every font and empties the cache of rendered lines (shutdown).
void ReleaseFonts();
