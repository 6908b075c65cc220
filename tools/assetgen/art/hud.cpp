// The HUD sheet (small digits, stars, icons, banner) and the large digits.
#include <string>

#include "art/art.h"
#include "art/lettering.h"
#include "draw/glyphs.h"
#include "draw/paint.h"

namespace assetgen {

namespace {

constexpr int kSheetRow = 70;  // every region of the HUD sheet lies on rows 70-79
constexpr int kSmallDigitLeft = 8, kSmallDigitWidth = 7;
constexpr int kStarLeft = 139, kStarWidth = 3, kStarLooks = 7;
constexpr int kPowerIconLeft = 170, kShipsIconLeft = 200;
constexpr int kBannerLeft = 81, kBannerRight = 136;

// The pixel font: grid points land on pixel centres.
const TextStyle kPixelText{1, 1, 0.5f, 1};
const Color kHudText = rgb(230, 245, 255);
const Color kHudOutline = rgb(20, 30, 80);

void pixelText(Image& img, std::string_view text, int left, int top, Color c) {
    const Shape s = textShape(text, {left + 0.5f, top + 0.5f}, kPixelText);
    fill(img, shapes::grown(s, 0.8f), kHudOutline);
    fill(img, s, c);
}

Image drawHudSheet() {
    Image img(224, 80);
    for (int d = 0; d <= 9; ++d)
        pixelText(img, std::to_string(d), kSmallDigitLeft + kSmallDigitWidth * d + 1, kSheetRow + 1,
                  kHudText);

    // Banner: a framed "READY" plate.
    fill(img, shapes::box({(kBannerLeft + kBannerRight) / 2.0f, kSheetRow + 5.0f}, {27, 5}),
         rgb(30, 50, 120));
    fill(img,
         shapes::subtract(shapes::box({(kBannerLeft + kBannerRight) / 2.0f, kSheetRow + 5.0f}, {27, 5}),
                          shapes::box({(kBannerLeft + kBannerRight) / 2.0f, kSheetRow + 5.0f}, {26, 4})),
         rgb(120, 180, 255));
    fill(img, textShape("READY", {kBannerLeft + 14.5f, kSheetRow + 1.5f}, kPixelText), rgb(255, 240, 140));

    // Stars: short falling streaks of different colour and brightness.
    const Color starColours[kStarLooks] = {rgb(255, 255, 255), rgb(160, 190, 255), rgb(255, 230, 140),
                                           rgb(255, 160, 150), rgb(140, 255, 240), rgb(120, 120, 150),
                                           rgb(200, 200, 255)};
    const int starLengths[kStarLooks] = {3, 5, 2, 4, 6, 2, 8};
    for (int look = 0; look < kStarLooks; ++look) {
        const int x = kStarLeft + kStarWidth * look + 1;
        const int len = starLengths[look];
        for (int k = 0; k < len; ++k) {
            const float fade = 1.0f - static_cast<float>(k) / len * 0.75f;  // head at the bottom
            img.at(x, kSheetRow + 8 - k) = starColours[look] * fade;
        }
        img.at(x - 1, kSheetRow + 8) = starColours[look] * 0.35f;
        img.at(x + 1, kSheetRow + 8) = starColours[look] * 0.35f;
    }

    // Power icon: an orange "P" chip with two chevrons.
    fill(img, shapes::box({kPowerIconLeft + 5.0f, kSheetRow + 5.0f}, {5, 5}, 1.5f), rgb(255, 150, 30));
    fill(img, textShape("P", {kPowerIconLeft + 3.5f, kSheetRow + 2.5f}, {0.75f, 0.85f, 0.5f, 1}),
         rgb(60, 20, 10));
    for (int k = 0; k < 2; ++k) {
        const float x = kPowerIconLeft + 13.5f + 5 * k;
        fill(img,
             shapes::strokes({{{x, kSheetRow + 2.5f}, {x + 3, kSheetRow + 5.0f}},
                              {{x + 3, kSheetRow + 5.0f}, {x, kSheetRow + 7.5f}}},
                             0.6f),
             rgb(255, 200, 80));
    }

    // Ships-left icon: a tiny ship and a cross.
    const float sx = kShipsIconLeft + 6.0f;
    fill(img,
         shapes::polygon({{sx, kSheetRow + 0.5f},
                          {sx + 5.5f, kSheetRow + 9.5f},
                          {sx, kSheetRow + 7.5f},
                          {sx - 5.5f, kSheetRow + 9.5f}}),
         rgb(200, 215, 240));
    fill(img, shapes::polygon({{sx, kSheetRow + 3}, {sx + 1.5f, kSheetRow + 6}, {sx - 1.5f, kSheetRow + 6}}),
         rgb(40, 150, 255));
    fill(img, textShape("X", {kShipsIconLeft + 15.5f, kSheetRow + 3.5f}, {0.75f, 0.75f, 0.5f, 1}), kHudText);
    return img;
}

Image drawLargeDigits() {
    Image img(200, 25);
    const TextStyle digit{3.0f, 3.5f, 1.5f, 1};
    const LetterStyle look{rgb(255, 255, 255), rgb(90, 170, 255), rgb(16, 24, 70), 1.4f, 1.2f};
    for (int d = 0; d <= 9; ++d)
        letter(img, centredText(std::to_string(d), {20 * d + 10.0f, 12.5f}, digit), look);
    return img;
}

}  // namespace

void drawHudArt(PictureSet& set) {
    set["IMAGE/MYMY.BMP"] = drawHudSheet();
    set["IMAGE/SUJI09.BMP"] = drawLargeDigits();
}

}  // namespace assetgen
