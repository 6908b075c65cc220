#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "engine/elSystem.h"

constinit FontEntry FontTable[kFontTableSize] = {};
constinit int FontCount = 0;
constinit elFont::FontState elFont::State = {};

namespace {

constexpr LONG kTenthsPerDegree = 10;
constexpr COLORREF kLineTextColor = 0xFFFFFF;
constexpr COLORREF kLineBackgroundColor = 0x800000;
constexpr int kLineHeight = 12;

LOGFONTA& Block() {
    return elFont::State.block != nullptr ? *elFont::State.block : elFont::State.standInBlock;
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
    if (State.block == nullptr) State.block = static_cast<LOGFONTA*>(GlobalAlloc(GPTR, sizeof(LOGFONTA)));
    for (FontEntry& e : FontTable) e = FontEntry{{}, kFontKindEmpty, 0};
    HDC dc = elDraw::GetBackBufferDC();
    if (dc != nullptr) {
        FontCount = 0;
        EnumFontsA(dc, nullptr, EnumProc, 0);
        elDraw::ReleaseBackBufferDC();
    }
    State.tableReady = 1;
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
    return State.tableReady;
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
    State.text.font = CreateFontIndirectA(&block);
    State.text.dc = elDraw::GetBackBufferDC();
    if (State.text.dc == nullptr) {
        // No device context: this line is skipped, and its font goes at once.
        DeleteFont(State.text.font);
        State.text.font = nullptr;
        State.text.previous = nullptr;
        return;
    }
    State.text.previous = SelectFont(State.text.dc, State.text.font);
}

void DrawLine(int x, int y, const char* text) {
    Create(kFaceGothic, kLineHeight, 0, 0, 0, 0);
    elDraw::SetTextColors(kLineTextColor, kLineBackgroundColor, 0);
    elDraw::DrawText(x, y, text);
    elDraw::EndText();
}

void ReleaseFontBlock() {
    if (State.block != nullptr) GlobalFree(State.block);
    State.block = nullptr;
}

}  // namespace elFont

namespace elDraw {

void SetTextColors(COLORREF text, COLORREF background, int transparent) {
    elFont::TextState& t = elFont::State.text;
    if (t.dc != nullptr) {
        SetTextColor(t.dc, text);
        SetBkColor(t.dc, background);
        SetBkMode(t.dc, transparent ? TRANSPARENT : OPAQUE);
    }
    t.textColor = text;
    t.backgroundColor = background;
}

void DrawText(int x, int y, const char* text) {
    const elFont::TextState& t = elFont::State.text;
    if (t.dc == nullptr || text == nullptr) return;
    TextOutA(t.dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void EndText() {
    elFont::TextState& t = elFont::State.text;
    if (t.dc == nullptr) return;
    SelectFont(t.dc, t.previous);
    DeleteFont(t.font);
    t.font = nullptr;
    t.previous = nullptr;
    t.dc = nullptr;
    ReleaseBackBufferDC();
}

}  // namespace elDraw
