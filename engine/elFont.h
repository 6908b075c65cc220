// elFont: the installed-font table, text fonts and text lines on the back buffer.
#pragma once

#include <cstddef>

#include "platform/gdi_text.h"

inline constexpr int kFontTableSize = 200;
inline constexpr std::size_t kFaceNameSize = 32;
inline constexpr std::size_t kShortTextSize = 32;

// Font kinds of the table.
enum FontKind : int { kFontKindEmpty = -1, kFontKindJapanese = 1, kFontKindOther = 2, kFontKindSymbol = 3 };

struct FontEntry {
    char face[kFaceNameSize];
    int kind;
    BYTE charSet;
};

extern FontEntry FontTable[kFontTableSize];
extern int FontCount;

// Bounded formatting into a buffer of kShortTextSize characters; false when the text was cut.
bool FormatShortText(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));

namespace elFont {

// The text font between Create and EndText, and the colours last set.
struct TextState {
    HFONT font;
    HFONT previous;
    HDC dc;
    COLORREF textColor;
    COLORREF backgroundColor;
};

struct FontState {
    // The font description block: allocated by InitTable, rewritten for each text. Until it exists (or
    // when the allocation failed) a zeroed block of our own stands in, so text never reads through null.
    LOGFONTA* block;
    LOGFONTA standInBlock;
    int tableReady;
    TextState text;
};

extern FontState State;

// Faces the engine asks for by number.
enum Face : int { kFaceMincho = 0, kFaceGothic = 1 };

void InitTable();
int EnumProc(const LOGFONTA* font, const void* metrics, DWORD fontType, LPARAM data);
int TableReady();
// Creates the text font and selects it into the back buffer's device context.
void Create(int face, int height, int angle, int weight, int italic, int underline);
// One credit line: Gothic 12, white on dark blue, opaque.
void DrawLine(int x, int y, const char* text);
// Frees the font description block.
void ReleaseFontBlock();

}  // namespace elFont

// Text on the back buffer between Create and EndText.
namespace elDraw {
void SetTextColors(COLORREF text, COLORREF background, int transparent);
void DrawText(int x, int y, const char* text);
void EndText();
}  // namespace elDraw
