// Titles and numbers: stroke-font text with an outline and a lit, graded fill.
#pragma once

#include "draw/image.h"
#include "draw/shapes.h"

namespace assetgen {

struct LetterStyle {
    Color top;
    Color bottom;
    Color outline;
    float outlineWidth = 2;
    float bevel = 2;
};

// Paints the text shape: outline first, then the fill graded from top to bottom.
void letter(Image& img, const Shape& text, const LetterStyle& style);

}  // namespace assetgen
