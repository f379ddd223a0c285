// Lettering on SDL2_ttf, faces found through fontconfig, rendered lines cached.
#include "platform/text.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/display.h"
#include "platform/sdl_private.h"

struct Font {
    TTF_Font* ttf;
    int cellHeight;
};

Font* fontComic18 = nullptr;
Font* fontComic14 = nullptr;
Font* fontComic17 = nullptr;
Font* fontArial20 = nullptr;
Font* fontArial21 = nullptr;
Font* fontArial22 = nullptr;
Font* fontArial25 = nullptr;
Font* fontArial30 = nullptr;
Font* fontArial40 = nullptr;
Font* fontArial50 = nullptr;
Font* fontArialBold9 = nullptr;
Font* fontArial18 = nullptr;
Font* fontComic11 = nullptr;

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

struct CachedLine {
    CacheKey key;
    SDL_Surface* surface;
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
} text;

std::string FindFontFile(const char* face, bool bold) {
    if (!text.fontconfigStarted && !FcInit()) {
        return {};
    }
    text.fontconfigStarted = true;
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

// The largest point size whose cell fits the height asked for.
bool SizeToCell(TTF_Font* ttf, int height) {
    int best = 0;
    for (int points = 1; points <= 2 * height + 8; ++points) {
        if (TTF_SetFontSize(ttf, points) != 0) {
            return false;
        }
        if (TTF_FontHeight(ttf) <= height) {
            best = points;
        }
    }
    return best > 0 && TTF_SetFontSize(ttf, best) == 0;
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

SDL_Surface* RenderLine(const Font* font, uint32_t colour, const char* line) {
    // Colours come as 0x00BBGGRR.
    const SDL_Color sdlColour{static_cast<Uint8>(colour & 0xFF),
                              static_cast<Uint8>((colour >> 8) & 0xFF),
                              static_cast<Uint8>((colour >> 16) & 0xFF), 255};
    return TTF_RenderUTF8_Blended(font->ttf, line, sdlColour);
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
    if (!SizeToCell(ttf, height)) {
        TTF_CloseFont(ttf);
        return nullptr;
    }
    TTF_SetFontHinting(ttf, TTF_HINTING_LIGHT);
    text.fonts.push_back(std::make_unique<Font>(Font{ttf, height}));
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
    int width = 0;
    if (font == nullptr || line == nullptr || line[0] == '\0' ||
        TTF_SizeUTF8(font->ttf, line, &width, nullptr) != 0) {
        return 0;
    }
    return width;
}

int TextCacheSize() { return static_cast<int>(text.lines.size()); }

void SetTextCaching(bool on) { text.caching = on; }

void ReleaseFonts() {
    while (!text.lines.empty()) {
        EvictOldest();
    }
    for (auto& font : text.fonts) {
        TTF_CloseFont(font->ttf);
    }
    text.fonts.clear();
    text.fallback = nullptr;
    text.dialogFonts[0] = text.dialogFonts[1] = nullptr;
    fontComic18 = fontComic14 = fontComic17 = nullptr;
    fontArial20 = fontArial21 = fontArial22 = fontArial25 = nullptr;
    fontArial30 = fontArial40 = fontArial50 = nullptr;
    fontArialBold9 = fontArial18 = fontComic11 = nullptr;
    if (TTF_WasInit()) {
        TTF_Quit();
    }
    if (text.fontconfigStarted) {
        FcFini();
        text.fontconfigStarted = false;
    }
}
