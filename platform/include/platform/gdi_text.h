// Fonts and text on a device context: font listing and creation, colours and background mode, and
// drawing a line of text.
#pragma once

#include <cstddef>

#include "platform/gdi.h"

struct Font;
using HFONT = Font*;
using FONTENUMPROCA = int (*)(const struct LOGFONTA* font, const void* metrics, DWORD fontType, LPARAM data);

inline constexpr int LF_FACESIZE = 32;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE SYMBOL_CHARSET = 2;
inline constexpr BYTE SHIFTJIS_CHARSET = 128;
inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};

// Calls proc for every installed face until it returns 0; returns the last value proc returned.
int EnumFontsA(HDC dc, const char* face, FONTENUMPROCA proc, LPARAM data);
HFONT CreateFontIndirectA(const LOGFONTA* font);
// Selects a font into a device context; returns the font selected before (null when none was).
HFONT SelectFont(HDC dc, HFONT font);
BOOL DeleteFont(HFONT font);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF SetBkColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);
// Draws count characters of text with the selected font, its top-left corner at (x, y).
BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);

// Global memory blocks, as the font description block uses them.
inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
void* GlobalAlloc(UINT flags, std::size_t bytes);
void* GlobalFree(void* block);  // null on success
