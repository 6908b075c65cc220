// Text through SDL_ttf, with faces found by fontconfig. The two Japanese face names the engine asks for
// map to the system's Japanese sans-serif and serif fonts, falling back to any sans-serif font.
// Reading fontconfig's configuration and caches takes a while: the program starts it on a thread of
// its own while its window opens, and the first use of fonts waits for it to end.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/common/text_raster.h"
#include "platform/sdl/font_discovery.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr int kCachedFonts = 8;
constexpr int kMaxPathLength = 512;

struct CachedFont {
    char face[32];
    int pixelHeight;
    int style;
    TTF_Font* font;
};

constinit CachedFont gCache[kCachedFonts] = {};
constinit int gNextSlot = 0;
constinit bool gTtfReady = false;
constinit bool gTtfFailed = false;

// fontconfig's set-up on its thread while it may run, and whether it succeeded; ending the program
// waits for it.
struct Discovery {
    bool started = false;
    bool ok = false;
    sdl_backend::StartupThread worker;
};

Discovery& FontDiscovery() {
    static Discovery discovery;
    return discovery;
}

int DiscoverFonts(void* discovery) {
    static_cast<Discovery*>(discovery)->ok = FcInit() != 0;
    return 0;
}

// fontconfig set up, by the discovery thread when one was started.
bool FontconfigReady() {
    Discovery& d = FontDiscovery();
    if (!d.started) return FcInit() != 0;
    d.worker.Wait();
    return d.ok;
}

bool EnsureTtf() {
    if (gTtfReady) return true;
    if (gTtfFailed) return false;
    if (TTF_Init() != 0 || !FontconfigReady()) {
        std::fprintf(stderr, "text: %s\n", TTF_GetError());
        gTtfFailed = true;
        return false;
    }
    gTtfReady = true;
    return true;
}

// The fontconfig pattern for a face name as the game names it.
const char* PatternFor(const char* face) {
    if (std::strstr(face, "明朝") != nullptr || std::strstr(face, "Mincho") != nullptr)
        return "serif:lang=ja";
    if (std::strstr(face, "ゴシック") != nullptr || std::strstr(face, "Gothic") != nullptr)
        return "sans-serif:lang=ja";
    return nullptr;
}

bool FindFontFile(const char* face, char* path, std::size_t size) {
    const char* patternText = PatternFor(face);
    FcPattern* pattern = patternText != nullptr ? FcNameParse(reinterpret_cast<const FcChar8*>(patternText))
                                                : FcPatternCreate();
    if (pattern == nullptr) return false;
    if (patternText == nullptr)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return false;
    FcChar8* file = nullptr;
    bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr;
    if (found)
        found = std::snprintf(path, size, "%s", reinterpret_cast<const char*>(file)) < static_cast<int>(size);
    FcPatternDestroy(match);
    return found;
}

int StyleOf(const platform_text::Style& s) {
    int style = TTF_STYLE_NORMAL;
    if (s.weight >= 600) style |= TTF_STYLE_BOLD;
    if (s.italic) style |= TTF_STYLE_ITALIC;
    if (s.underline) style |= TTF_STYLE_UNDERLINE;
    return style;
}

TTF_Font* OpenFont(const platform_text::Style& s) {
    const int pixelHeight = s.height == 0 ? 16 : std::abs(s.height);
    const int style = StyleOf(s);
    for (CachedFont& c : gCache) {
        if (c.font != nullptr && c.pixelHeight == pixelHeight && c.style == style &&
            std::strcmp(c.face, s.face) == 0)
            return c.font;
    }
    char path[kMaxPathLength];
    if (!FindFontFile(s.face, path, sizeof path)) return nullptr;
    TTF_Font* font = TTF_OpenFont(path, pixelHeight);
    if (font == nullptr) return nullptr;
    // A positive height is the whole cell; bring the font's line height down to it.
    if (s.height > 0 && TTF_FontHeight(font) > pixelHeight) {
        int scaled = pixelHeight * pixelHeight / TTF_FontHeight(font);
        TTF_Font* smaller = TTF_OpenFont(path, scaled > 1 ? scaled : 1);
        if (smaller != nullptr) {
            TTF_CloseFont(font);
            font = smaller;
        }
    }
    TTF_SetFontStyle(font, style);
    CachedFont& slot = gCache[gNextSlot];
    gNextSlot = (gNextSlot + 1) % kCachedFonts;
    if (slot.font != nullptr) TTF_CloseFont(slot.font);
    std::snprintf(slot.face, sizeof slot.face, "%s", s.face);
    slot.pixelHeight = pixelHeight;
    slot.style = style;
    slot.font = font;
    return font;
}

std::uint32_t Blend(std::uint32_t fore, std::uint32_t back, std::uint32_t alpha, int shift) {
    std::uint32_t f = (fore >> shift) & 0xFF, b = (back >> shift) & 0xFF;
    return ((f * alpha + b * (255 - alpha)) / 255) << shift;
}

}  // namespace

namespace sdl_backend {

void StartFontDiscovery() {
    Discovery& d = FontDiscovery();
    if (d.started || gTtfReady || gTtfFailed) return;
    // SDL's video forks as it starts where it launches a session bus for the display: started while
    // this process has no other thread yet, no lock that the forked process needs can be held then
    // (the sanitizer's allocator's among them, which hung it before it could run the launcher).
    EnsureVideo();
    d.worker.thread = SDL_CreateThread(DiscoverFonts, "fonts", &d);
    d.started = d.worker.thread != nullptr;
}

void WaitForFontDiscovery() {
    FontDiscovery().worker.Wait();
}

}  // namespace sdl_backend

namespace backend {

bool DrawTextLine(const platform_text::Target& target, int x, int y, const char* text, int length,
                  const platform_text::Style& style) {
    if (target.pixels == nullptr || text == nullptr || length <= 0) return true;
    if (!EnsureTtf()) return false;
    TTF_Font* font = OpenFont(style);
    if (font == nullptr) return false;
    char line[512];
    std::snprintf(line, sizeof line, "%.*s", length, text);
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font, line, white);
    if (glyphs == nullptr) return false;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(glyphs);
    if (argb == nullptr) return false;
    const std::uint16_t back = platform_text::PackColor(target, style.backgroundColor);
    SDL_LockSurface(argb);
    for (int row = 0; row < argb->h; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= target.height) continue;
        const auto* src = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + static_cast<long>(row) * argb->pitch);
        std::uint16_t* dst = target.pixels + static_cast<long>(ty) * target.pitchPixels;
        for (int col = 0; col < argb->w; ++col) {
            const int tx = x + col;
            if (tx < 0 || tx >= target.width) continue;
            const std::uint32_t alpha = src[col] >> 24;
            if (style.opaque) dst[tx] = back;
            if (alpha == 0) continue;
            const std::uint32_t under = platform_text::UnpackColor(target, dst[tx]);
            const std::uint32_t mixed = Blend(style.textColor, under, alpha, 0) |
                                        Blend(style.textColor, under, alpha, 8) |
                                        Blend(style.textColor, under, alpha, 16);
            dst[tx] = platform_text::PackColor(target, mixed);
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return true;
}

int ListFaces(bool (*visit)(const platform_text::FaceInfo& face, void* context), void* context) {
    if (!EnsureTtf()) return 0;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_LANG, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    int visited = 0;
    if (set != nullptr) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* family = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) continue;
            platform_text::FaceInfo info{};
            std::snprintf(info.face, sizeof info.face, "%s", reinterpret_cast<const char*>(family));
            FcLangSet* langs = nullptr;
            info.japanese = FcPatternGetLangSet(set->fonts[i], FC_LANG, 0, &langs) == FcResultMatch &&
                            FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual;
            ++visited;
            if (!visit(info, context)) break;
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return visited;
}

}  // namespace backend
