// A small stroke font: each character is a few polylines on a 4 x 6 grid.
#pragma once

#include <string_view>

#include "draw/shapes.h"

namespace assetgen {

inline constexpr int kGlyphGridWidth = 4;
inline constexpr int kGlyphGridHeight = 6;

struct TextStyle {
    float unitX = 1;      // pixels per grid step across
    float unitY = 1;      // pixels per grid step down
    float stroke = 0.5f;  // half the line thickness, pixels
    float gap = 1;        // extra grid steps between characters
    float slant = 0;      // x shift per pixel above the baseline (italic)
};

// Width in pixels of the text's strokes (without the outer stroke radius).
float textWidth(std::string_view text, const TextStyle& style);
// The text as one shape; `topLeft` is where grid point (0, 0) of the first character lands.
Shape textShape(std::string_view text, Vec2 topLeft, const TextStyle& style);
// As textShape, centred on `centre`.
Shape centredText(std::string_view text, Vec2 centre, const TextStyle& style);

}  // namespace assetgen
