#include "game/core/hud.h"

#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"

namespace {

constexpr int kHudTop = 0;
constexpr int kSmallHudTop = 6;
constexpr int kScoreDigits = 9;
constexpr int kShipDigits = 3;
constexpr int kPowerDigits = 2;

// Small digits on the sheet: 7 x 10 from (8, 70), drawn 10 pixels apart.
constexpr int kSmallDigitSheetX = 8;
constexpr int kSmallDigitSheetY = 70;
constexpr int kSmallDigitWidth = 7;
constexpr int kSmallDigitHeight = 10;
constexpr int kSmallDigitAdvance = 10;

// The two icons: 24 x 10 each.
constexpr int kShipsIconSheetX = 200;
constexpr int kPowerIconSheetX = 170;
constexpr int kIconWidth = 24;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void DrawSmallDigits(const char* text, int count, int x) {
    for (int k = 0; k < count && text[k] != '\0'; ++k) {
        if (!IsDigit(text[k])) continue;
        const int d = text[k] - '0';
        const int sl = kSmallDigitSheetX + kSmallDigitWidth * d;
        elDraw::Draw(x + kSmallDigitAdvance * k, kSmallHudTop, PicMYMY, sl, kSmallDigitSheetY,
                     sl + kSmallDigitWidth, kSmallDigitSheetY + kSmallDigitHeight);
    }
}

void DrawIcon(int x, int sheetX) {
    elDraw::Draw(x, kSmallHudTop, PicMYMY, sheetX, kSmallDigitSheetY, sheetX + kIconWidth,
                 kSmallDigitSheetY + kSmallDigitHeight);
}

}  // namespace

void DrawLargeDigits(const char* text, int count, int x, int y) {
    for (int k = 0; k < count && text[k] != '\0'; ++k) {
        if (!IsDigit(text[k])) continue;
        const int d = text[k] - '0';
        elDraw::Draw(x + kLargeDigitWidth * k, y, PicSUJI09, kLargeDigitWidth * d, 0,
                     kLargeDigitWidth * d + kLargeDigitWidth, kLargeDigitHeight);
    }
}

void DrawScoreHud() {
    char text[kShortTextSize];
    FormatShortText(text, "%09d", Score);
    DrawLargeDigits(text, kScoreDigits, build::kHudScoreX, kHudTop);
    FormatShortText(text, "%09d", HiScore);
    DrawSmallDigits(text, kScoreDigits, build::kHudHiScoreX);
    if (ShipStock >= 0) {
        FormatShortText(text, "%03d", ShipStock);
        DrawSmallDigits(text, kShipDigits, build::kHudShipsX);
    }
    if (PowerCount >= 0) {
        FormatShortText(text, "%02d", PowerCount);
        DrawSmallDigits(text, kPowerDigits, build::kHudPowerX);
    }
    DrawIcon(build::kHudShipsIconX, kShipsIconSheetX);
    DrawIcon(build::kHudPowerIconX, kPowerIconSheetX);
}
