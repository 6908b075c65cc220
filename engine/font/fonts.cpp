#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "engine/elSystem.h"

constinit FontEntry FontTable[kFontTableSize] = {};
constinit int FontCount = 0;

namespace {

constexpr LONG kTenthsPerDegree = 10;
constexpr COLORREF kLineTextColor = 0xFFFFFF;
constexpr COLORREF kLineBackgroundColor = 0x800000;
constexpr int kLineHeight = 12;

// The font description block: allocated by InitTable, rewritten for each text. Until it exists (or
// when the allocation failed) a zeroed block of our own stands in, so text never reads through null.
constinit LOGFONTA* gBlock = nullptr;
constinit LOGFONTA gStandInBlock = {};
constinit int gTableReady = 0;

struct TextState {
    HFONT font;
    HFONT previous;
    HDC dc;
    COLORREF textColor;
    COLORREF backgroundColor;
};
constinit TextState gText = {};

LOGFONTA& Block() {
    return gBlock != nullptr ? *gBlock : gStandInBlock;
}

// Face names come in fixed fields that need not hold a terminator: read at most the field.
void CopyFace(char* out, const char* face) {
    const std::size_t length = face != nullptr ? strnlen(face, kFaceNameSize - 1) : 0;
    if (length > 0) std::memcpy(out, face, length);
    out[length] = '\0';
}

}  // namespace

bool FormatShortText(char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    bool fits = elSystem::FormatBoundedV(buffer, kShortTextSize, format, args);
    va_end(args);
    return fits;
}

namespace elFont {

void InitTable() {
    if (gBlock == nullptr) gBlock = static_cast<LOGFONTA*>(GlobalAlloc(GPTR, sizeof(LOGFONTA)));
    for (FontEntry& e : FontTable) e = FontEntry{{}, kFontKindEmpty, 0};
    HDC dc = elDraw::GetBackBufferDC();
    if (dc != nullptr) {
        FontCount = 0;
        EnumFontsA(dc, nullptr, EnumProc, 0);
        elDraw::ReleaseBackBufferDC();
    }
    gTableReady = 1;
}

int EnumProc(const LOGFONTA* font, const void*, DWORD, LPARAM) {
    if (FontCount >= kFontTableSize) return 0;
    if (font == nullptr) return 1;
    FontEntry& e = FontTable[FontCount];
    CopyFace(e.face, font->lfFaceName);
    e.kind = font->lfCharSet == SHIFTJIS_CHARSET ? kFontKindJapanese
             : font->lfCharSet == SYMBOL_CHARSET ? kFontKindSymbol
                                                 : kFontKindOther;
    e.charSet = font->lfCharSet;
    ++FontCount;
    return 1;
}

int TableReady() {
    return gTableReady;
}

void Create(int face, int height, int angle, int weight, int italic, int underline) {
    LOGFONTA& block = Block();
    if (face == kFaceMincho) CopyFace(block.lfFaceName, "標準明朝");
    if (face == kFaceGothic) CopyFace(block.lfFaceName, "標準ゴシック");
    block.lfHeight = height;
    block.lfWidth = 0;
    block.lfEscapement = angle * kTenthsPerDegree;
    block.lfWeight = weight == 1 ? FW_BOLD : weight == 0 ? FW_NORMAL : FW_DONTCARE;
    block.lfItalic = static_cast<BYTE>(italic);
    block.lfUnderline = static_cast<BYTE>(underline);
    block.lfCharSet = SHIFTJIS_CHARSET;
    gText.font = CreateFontIndirectA(&block);
    gText.dc = elDraw::GetBackBufferDC();
    if (gText.dc == nullptr) {
        // No device context: this line is skipped, and its font goes at once.
        DeleteFont(gText.font);
        gText.font = nullptr;
        gText.previous = nullptr;
        return;
    }
    gText.previous = SelectFont(gText.dc, gText.font);
}

void DrawLine(int x, int y, const char* text) {
    Create(kFaceGothic, kLineHeight, 0, 0, 0, 0);
    elDraw::SetTextColors(kLineTextColor, kLineBackgroundColor, 0);
    elDraw::DrawText(x, y, text);
    elDraw::EndText();
}

void ReleaseFontBlock() {
    if (gBlock != nullptr) GlobalFree(gBlock);
    gBlock = nullptr;
}

}  // namespace elFont

namespace elDraw {

void SetTextColors(COLORREF text, COLORREF background, int transparent) {
    if (gText.dc != nullptr) {
        SetTextColor(gText.dc, text);
        SetBkColor(gText.dc, background);
        SetBkMode(gText.dc, transparent ? TRANSPARENT : OPAQUE);
    }
    gText.textColor = text;
    gText.backgroundColor = background;
}

void DrawText(int x, int y, const char* text) {
    if (gText.dc == nullptr || text == nullptr) return;
    TextOutA(gText.dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void EndText() {
    if (gText.dc == nullptr) return;
    SelectFont(gText.dc, gText.previous);
    DeleteFont(gText.font);
    gText.font = nullptr;
    gText.previous = nullptr;
    gText.dc = nullptr;
    ReleaseBackBufferDC();
}

}  // namespace elDraw
