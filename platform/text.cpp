// Lettering on SDL2_ttf, faces found through fontconfig, rendered lines cached. A character the
// font's own face lacks is drawn in another installed face that has it.
#include "platform/text.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/display.h"
#include "platform/sdl_private.h"

struct Font {
    TTF_Font* ttf;
    int cellHeight;
    int points;    // the size the face is set to for that cell
    bool hasAscii; // every printable ASCII character: such lines need no look for other faces
};

#define GAME_FONT_DEFINE(name, ...) Font* name = nullptr;
GAME_FONTS(GAME_FONT_DEFINE)
#undef GAME_FONT_DEFINE

namespace {

constexpr int kFallbackHeight = 16;

struct CacheKey {
    const Font* font;
    uint32_t colour;
    std::string text;
    bool operator==(const CacheKey&) const = default;
};

struct CacheKeyHash {
    size_t operator()(const CacheKey& key) const {
        return std::hash<std::string>()(key.text) ^ std::hash<const void*>()(key.font) * 31 ^
               key.colour * 2654435761u;
    }
};

// A line's width, measured once: measuring shapes the whole line again.
struct WidthKey {
    const Font* font;
    std::string text;
    bool operator==(const WidthKey&) const = default;
};

struct WidthKeyHash {
    size_t operator()(const WidthKey& key) const {
        return std::hash<std::string>()(key.text) ^ std::hash<const void*>()(key.font) * 31;
    }
};

constexpr size_t kWidthCacheLimit = 4096; // lines; past it the cache starts afresh

struct CachedLine {
    CacheKey key;
    SDL_Surface* surface;
};

// An installed face file, as fontconfig names it.
struct FaceFile {
    std::string path; // empty when no installed face has the character
    int index = 0;    // the face within a collection file
};

// A stretch of a line drawn in one face.
struct Run {
    TTF_Font* ttf;
    std::string text;
};

// Whole run; ReleaseFonts puts it back.
struct {
    std::vector<std::unique_ptr<Font>> fonts; // every font made, for ReleaseFonts
    Font* fallback = nullptr;
    Font* dialogFonts[2] = {nullptr, nullptr}; // regular, bold
    bool fontconfigStarted = false;
    bool caching = true;
    std::list<CachedLine> lines; // most recently drawn first
    std::unordered_map<CacheKey, std::list<CachedLine>::iterator, CacheKeyHash> index;
    std::unordered_map<WidthKey, int, WidthKeyHash> widths;
    std::unordered_map<char32_t, FaceFile> faceFor; // a face for each character looked up
    // Other faces opened at a font's size: font, file, index.
    std::map<std::tuple<const Font*, std::string, int>, TTF_Font*> otherFaces;
} text;

bool StartFontconfig() {
    text.fontconfigStarted = text.fontconfigStarted || FcInit();
    return text.fontconfigStarted;
}

std::string FindFontFile(const char* face, bool bold) {
    if (!StartFontconfig()) {
        return {};
    }
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face));
    if (pattern == nullptr) {
        return {};
    }
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string path;
    FcChar8* file = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        path = reinterpret_cast<const char*>(file);
    }
    if (match != nullptr) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

// Sets the largest point size whose cell fits the height asked for; returns it, 0 on failure.
int SizeToCell(TTF_Font* ttf, int height) {
    int best = 0;
    for (int points = 1; points <= 2 * height + 8; ++points) {
        if (TTF_SetFontSize(ttf, points) != 0) {
            return 0;
        }
        if (TTF_FontHeight(ttf) <= height) {
            best = points;
        }
    }
    return best > 0 && TTF_SetFontSize(ttf, best) == 0 ? best : 0;
}

bool FaceHasAscii(TTF_Font* ttf) {
    for (Uint32 code = 0x20; code < 0x7F; ++code) {
        if (!TTF_GlyphIsProvided32(ttf, code)) {
            return false;
        }
    }
    return true;
}

// The character starting at line[at], moving at past it; a malformed byte reads as U+FFFD.
char32_t NextCharacter(std::string_view line, size_t& at) {
    const auto lead = static_cast<uint8_t>(line[at++]);
    const int more = lead < 0x80   ? 0
                     : lead < 0xC2 ? -1
                     : lead < 0xE0 ? 1
                     : lead < 0xF0 ? 2
                     : lead < 0xF5 ? 3
                                   : -1;
    if (more < 0) {
        return 0xFFFD;
    }
    char32_t code = more == 0 ? lead : lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if (at >= line.size() || (static_cast<uint8_t>(line[at]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        code = code << 6 | (static_cast<uint8_t>(line[at++]) & 0x3F);
    }
    return code;
}

bool IsUsableFace(FcPattern* face, char32_t code) {
    FcCharSet* characters = nullptr;
    FcBool scalable = FcFalse;
    FcBool colour = FcFalse;
    // Bitmap and colour faces come in fixed sizes, not at the size of the font they stand in for.
    return FcPatternGetCharSet(face, FC_CHARSET, 0, &characters) == FcResultMatch &&
           FcCharSetHasChar(characters, code) &&
           FcPatternGetBool(face, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable &&
           (FcPatternGetBool(face, FC_COLOR, 0, &colour) != FcResultMatch || !colour);
}

// The first face in fontconfig's order of preference for plain sans-serif text that has the
// character.
FaceFile LookUpFace(char32_t code) {
    FaceFile found;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
    if (pattern == nullptr) {
        return found;
    }
    if (FcCharSet* wanted = FcCharSetCreate(); wanted != nullptr) {
        FcCharSetAddChar(wanted, code);
        FcPatternAddCharSet(pattern, FC_CHARSET, wanted); // the pattern keeps its own reference
        FcCharSetDestroy(wanted);
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* faces = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    for (int i = 0; faces != nullptr && i < faces->nfont; ++i) {
        FcChar8* file = nullptr;
        if (IsUsableFace(faces->fonts[i], code) &&
            FcPatternGetString(faces->fonts[i], FC_FILE, 0, &file) == FcResultMatch) {
            found.path = reinterpret_cast<const char*>(file);
            FcPatternGetInteger(faces->fonts[i], FC_INDEX, 0, &found.index);
            break;
        }
    }
    if (faces != nullptr) {
        FcFontSetDestroy(faces);
    }
    FcPatternDestroy(pattern);
    return found;
}

const FaceFile& FaceFor(char32_t code) {
    if (auto found = text.faceFor.find(code); found != text.faceFor.end()) {
        return found->second;
    }
    return text.faceFor.emplace(code, StartFontconfig() ? LookUpFace(code) : FaceFile{})
        .first->second;
}

// The face that draws the character in this font: its own when it has it, else another at the
// same size (so its letters match, though its cell may be taller), else its own (which draws its
// empty box).
TTF_Font* FaceDrawing(const Font* font, char32_t code) {
    if (TTF_GlyphIsProvided32(font->ttf, code)) {
        return font->ttf;
    }
    const FaceFile& face = FaceFor(code);
    if (face.path.empty()) {
        return font->ttf;
    }
    const auto key = std::make_tuple(font, face.path, face.index);
    auto [at, added] = text.otherFaces.emplace(key, nullptr);
    if (added) {
        at->second = TTF_OpenFontIndex(face.path.c_str(), font->points, face.index);
        if (at->second != nullptr) {
            TTF_SetFontHinting(at->second, TTF_HINTING_LIGHT);
        }
    }
    return at->second != nullptr ? at->second : font->ttf;
}

bool IsAscii(const char* line) {
    for (const char* c = line; *c != '\0'; ++c) {
        if (static_cast<uint8_t>(*c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// The line cut where the face drawing it changes; empty when the font's own face draws all of
// it, as it does nearly every line (told at once for ASCII).
std::vector<Run> OtherFaceRuns(const Font* font, const char* line) {
    if (font->hasAscii && IsAscii(line)) {
        return {};
    }
    std::vector<Run> runs;
    const std::string_view all(line);
    for (size_t at = 0; at < all.size();) {
        const size_t from = at;
        TTF_Font* face = FaceDrawing(font, NextCharacter(all, at));
        if (runs.empty() || runs.back().ttf != face) {
            runs.push_back({face, {}});
        }
        runs.back().text.append(all.substr(from, at - from));
    }
    if (runs.size() == 1 && runs[0].ttf == font->ttf) {
        runs.clear();
    }
    return runs;
}

const Font* FallbackFont() {
    if (text.fallback == nullptr) {
        text.fallback = MakeFont(kFallbackHeight, "Sans", "r");
    }
    return text.fallback;
}

constexpr int kDialogFontHeight = 15;

void EvictOldest() {
    SDL_FreeSurface(text.lines.back().surface);
    text.index.erase(text.lines.back().key);
    text.lines.pop_back();
}

// Runs in several faces are put side by side on their baselines, in one picture of the font's
// cell height.
SDL_Surface* JoinRuns(const Font* font, const std::vector<Run>& runs, SDL_Color colour) {
    std::vector<SDL_Surface*> pieces;
    int width = 0;
    for (const Run& run : runs) {
        pieces.push_back(TTF_RenderUTF8_Blended(run.ttf, run.text.c_str(), colour));
        width += pieces.back() != nullptr ? pieces.back()->w : 0;
    }
    SDL_Surface* joined = SDL_CreateRGBSurfaceWithFormat(0, width, TTF_FontHeight(font->ttf), 32,
                                                         SDL_PIXELFORMAT_ARGB8888);
    int x = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] == nullptr) {
            continue;
        }
        if (joined != nullptr) {
            SDL_SetSurfaceBlendMode(pieces[i], SDL_BLENDMODE_NONE);
            SDL_Rect at{x, TTF_FontAscent(font->ttf) - TTF_FontAscent(runs[i].ttf), pieces[i]->w,
                        pieces[i]->h};
            SDL_BlitSurface(pieces[i], nullptr, joined, &at);
        }
        x += pieces[i]->w;
        SDL_FreeSurface(pieces[i]);
    }
    return joined;
}

SDL_Surface* RenderLine(const Font* font, uint32_t colour, const char* line) {
    // Colours come as 0x00BBGGRR.
    const SDL_Color sdlColour{static_cast<Uint8>(colour & 0xFF),
                              static_cast<Uint8>((colour >> 8) & 0xFF),
                              static_cast<Uint8>((colour >> 16) & 0xFF), 255};
    const std::vector<Run> runs = OtherFaceRuns(font, line);
    return runs.empty() ? TTF_RenderUTF8_Blended(font->ttf, line, sdlColour)
                        : JoinRuns(font, runs, sdlColour);
}

SDL_Surface* RenderedLine(const Font* font, uint32_t colour, const char* line) {
    CacheKey key{font, colour, line};
    if (auto found = text.index.find(key); found != text.index.end()) {
        text.lines.splice(text.lines.begin(), text.lines, found->second);
        return found->second->surface;
    }
    SDL_Surface* surface = RenderLine(font, colour, line);
    if (surface == nullptr) {
        return nullptr;
    }
    if (text.lines.size() >= static_cast<size_t>(kTextCacheLimit)) {
        EvictOldest();
    }
    text.lines.push_front({key, surface});
    text.index.emplace(std::move(key), text.lines.begin());
    return surface;
}

int MeasureLine(const Font* font, const char* line) {
    const std::vector<Run> runs = OtherFaceRuns(font, line);
    int width = 0;
    if (runs.empty()) {
        return TTF_SizeUTF8(font->ttf, line, &width, nullptr) == 0 ? width : 0;
    }
    for (const Run& run : runs) {
        int runWidth = 0;
        if (TTF_SizeUTF8(run.ttf, run.text.c_str(), &runWidth, nullptr) == 0) {
            width += runWidth;
        }
    }
    return width;
}

} // namespace

Font* MakeFont(int height, const char* face, const char* style) {
    if (height <= 0 || (!TTF_WasInit() && TTF_Init() != 0)) {
        return nullptr;
    }
    const bool bold = style != nullptr && std::string(style) == "b";
    const std::string path = FindFontFile(face, bold);
    TTF_Font* ttf = path.empty() ? nullptr : TTF_OpenFont(path.c_str(), height);
    if (ttf == nullptr) {
        return nullptr;
    }
    const int points = SizeToCell(ttf, height);
    if (points == 0) {
        TTF_CloseFont(ttf);
        return nullptr;
    }
    TTF_SetFontHinting(ttf, TTF_HINTING_LIGHT);
    text.fonts.push_back(std::make_unique<Font>(Font{ttf, height, points, FaceHasAscii(ttf)}));
    return text.fonts.back().get();
}

int FontCellHeight(const Font* font) {
    if (font == nullptr) {
        font = FallbackFont();
    }
    return font != nullptr ? TTF_FontHeight(font->ttf) : 0;
}

int FontAscent(const Font* font) {
    if (font == nullptr) {
        font = FallbackFont();
    }
    return font != nullptr ? TTF_FontAscent(font->ttf) : 0;
}

int DrawSurfaceText(const char* line, int x, int y, uint32_t colour, Surface* surface,
                    const Font* font) {
    if (line == nullptr || line[0] == '\0' || surface == nullptr) {
        return 0;
    }
    if (font == nullptr) {
        font = FallbackFont();
        if (font == nullptr) {
            return 0;
        }
    }
    SDL_Surface* rendered =
        text.caching ? RenderedLine(font, colour, line) : RenderLine(font, colour, line);
    if (rendered == nullptr) {
        return 0;
    }
    SDL_Rect destination{x, y, rendered->w, rendered->h};
    const bool drawn = SDL_BlitSurface(rendered, nullptr, surface->sdl, &destination) == 0;
    if (!text.caching) {
        SDL_FreeSurface(rendered);
    }
    if (!drawn) {
        return 0;
    }
    if (surface == primarySurface) {
        RefreshScreen();
    }
    return 1;
}

int Text(const char* text, int x, int y, uint32_t colour, const Font* font) {
    return DrawSurfaceText(text, x, y, colour, backBuffer, font);
}

const Font* DialogFont(bool bold) {
    Font*& font = text.dialogFonts[bold ? 1 : 0];
    if (font == nullptr) {
        font = MakeFont(kDialogFontHeight, "Arial", bold ? "b" : "r");
    }
    return font;
}

int TextWidth(const Font* font, const char* line) {
    if (font == nullptr) {
        font = FallbackFont();
    }
    if (font == nullptr || line == nullptr || line[0] == '\0') {
        return 0;
    }
    if (!text.caching) {
        return MeasureLine(font, line);
    }
    WidthKey key{font, line};
    if (auto found = text.widths.find(key); found != text.widths.end()) {
        return found->second;
    }
    if (text.widths.size() >= kWidthCacheLimit) {
        text.widths.clear();
    }
    const int width = MeasureLine(font, line);
    text.widths.emplace(std::move(key), width);
    return width;
}

char32_t UndrawableCharacter(const char* line) {
    const std::string_view all(line);
    for (size_t at = 0; at < all.size();) {
        const char32_t code = NextCharacter(all, at);
        if (FaceFor(code).path.empty()) {
            return code;
        }
    }
    return 0;
}

int TextCacheSize() { return static_cast<int>(text.lines.size()); }

void SetTextCaching(bool on) { text.caching = on; }

void ReleaseFonts() {
    while (!text.lines.empty()) {
        EvictOldest();
    }
    for (auto& [key, ttf] : text.otherFaces) {
        if (ttf != nullptr) {
            TTF_CloseFont(ttf);
        }
    }
    text.otherFaces.clear();
    text.faceFor.clear();
    text.widths.clear();
    for (auto& font : text.fonts) {
        TTF_CloseFont(font->ttf);
    }
    text.fonts.clear();
    text.fallback = nullptr;
    text.dialogFonts[0] = text.dialogFonts[1] = nullptr;
#define GAME_FONT_FORGET(name, ...) name = nullptr;
    GAME_FONTS(GAME_FONT_FORGET)
#undef GAME_FONT_FORGET
    if (TTF_WasInit()) {
        TTF_Quit();
    }
    if (text.fontconfigStarted) {
        FcFini();
        text.fontconfigStarted = false;
    }
}
