// Fonts, text colours and TextOutA on device contexts that draw into 16-bit surfaces.
#include <cstdlib>
#include <cstring>

#include "platform/common/gdi_objects.h"
#include "platform/common/text_raster.h"
#include "platform/common/window_table.h"
#include "platform/gdi_text.h"

struct Font {
    bool used;
    LOGFONTA description;
};

namespace {

constexpr int kMaxFonts = 16;
constexpr int kMaxTextContexts = 16;
constexpr COLORREF kDefaultTextColor = 0x000000;
constexpr COLORREF kDefaultBackgroundColor = 0xFFFFFF;

// Text state of a device context, kept beside it.
struct TextContext {
    HDC dc;
    HFONT font;
    COLORREF textColor;
    COLORREF backgroundColor;
    int backgroundMode;
};

constinit Font gFonts[kMaxFonts] = {};
constinit TextContext gContexts[kMaxTextContexts] = {};

bool LiveFont(HFONT font) {
    for (const Font& f : gFonts) {
        if (&f == font && f.used) return true;
    }
    return false;
}

TextContext* ContextFor(HDC dc) {
    if (dc == nullptr || !platform_common::LiveDeviceContext(dc)) return nullptr;
    TextContext* free = nullptr;
    for (TextContext& c : gContexts) {
        if (c.dc == dc) return &c;
        if (c.dc == nullptr && free == nullptr) free = &c;
    }
    // Entries of contexts that have since been freed are taken again.
    if (free == nullptr) {
        for (TextContext& c : gContexts) {
            if (!platform_common::LiveDeviceContext(c.dc)) {
                free = &c;
                break;
            }
        }
    }
    if (free == nullptr) return nullptr;
    *free = TextContext{dc, nullptr, kDefaultTextColor, kDefaultBackgroundColor, OPAQUE};
    return free;
}

struct EnumState {
    FONTENUMPROCA proc;
    LPARAM data;
    int result;
};

bool VisitFace(const platform_text::FaceInfo& face, void* context) {
    auto* state = static_cast<EnumState*>(context);
    LOGFONTA font{};
    platform_common::CopyText(font.lfFaceName, sizeof font.lfFaceName, face.face);
    font.lfCharSet = face.symbol ? SYMBOL_CHARSET : face.japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET;
    font.lfWeight = FW_NORMAL;
    state->result = state->proc(&font, nullptr, 0, state->data);
    return state->result != 0;
}

}  // namespace

namespace platform_common {
void ResetTextObjects() {
    for (Font& f : gFonts) f = Font{};
    for (TextContext& c : gContexts) c = TextContext{};
}
int LiveFonts() {
    int n = 0;
    for (const Font& f : gFonts) n += f.used ? 1 : 0;
    return n;
}
}  // namespace platform_common

int EnumFontsA(HDC dc, const char*, FONTENUMPROCA proc, LPARAM data) {
    if (proc == nullptr || !platform_common::LiveDeviceContext(dc)) return 0;
    EnumState state{proc, data, 1};
    backend::ListFaces(VisitFace, &state);
    return state.result;
}

HFONT CreateFontIndirectA(const LOGFONTA* description) {
    if (description == nullptr) return nullptr;
    for (Font& f : gFonts) {
        if (f.used) continue;
        f.used = true;
        f.description = *description;
        f.description.lfFaceName[LF_FACESIZE - 1] = '\0';
        return &f;
    }
    return nullptr;
}

HFONT SelectFont(HDC dc, HFONT font) {
    TextContext* c = ContextFor(dc);
    if (c == nullptr) return nullptr;
    HFONT previous = c->font;
    c->font = LiveFont(font) ? font : nullptr;
    return previous;
}

BOOL DeleteFont(HFONT font) {
    if (!LiveFont(font)) return FALSE;
    for (TextContext& c : gContexts) {
        if (c.font == font) c.font = nullptr;
    }
    *font = Font{};
    return TRUE;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    TextContext* c = ContextFor(dc);
    if (c == nullptr) return CLR_INVALID;
    COLORREF previous = c->textColor;
    c->textColor = colour;
    return previous;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    TextContext* c = ContextFor(dc);
    if (c == nullptr) return CLR_INVALID;
    COLORREF previous = c->backgroundColor;
    c->backgroundColor = colour;
    return previous;
}

int SetBkMode(HDC dc, int mode) {
    TextContext* c = ContextFor(dc);
    if (c == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = c->backgroundMode;
    c->backgroundMode = mode;
    return previous;
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count) {
    TextContext* c = ContextFor(dc);
    if (c == nullptr || text == nullptr || count < 0) return FALSE;
    if (dc->kind != DeviceContext::kSurface) return FALSE;
    platform_common::SurfacePixels surface{};
    if (!platform_common::AccessSurface(dc->surface, &surface)) return FALSE;
    platform_text::Target target{surface.pixels, surface.pitch, surface.width, surface.height, surface.masks};
    platform_text::Style style{};
    const LOGFONTA* font = c->font != nullptr ? &c->font->description : nullptr;
    platform_common::CopyText(style.face, sizeof style.face, font != nullptr ? font->lfFaceName : "");
    style.height = font != nullptr ? font->lfHeight : 0;
    style.escapement = font != nullptr ? font->lfEscapement : 0;
    style.weight = font != nullptr ? font->lfWeight : FW_NORMAL;
    style.italic = font != nullptr && font->lfItalic != 0;
    style.underline = font != nullptr && font->lfUnderline != 0;
    style.textColor = c->textColor;
    style.backgroundColor = c->backgroundColor;
    style.opaque = c->backgroundMode == OPAQUE;
    return backend::DrawTextLine(target, x, y, text, count, style) ? TRUE : FALSE;
}

void* GlobalAlloc(UINT flags, std::size_t bytes) {
    return (flags & GMEM_ZEROINIT) ? std::calloc(1, bytes) : std::malloc(bytes);
}

void* GlobalFree(void* block) {
    std::free(block);
    return nullptr;
}
