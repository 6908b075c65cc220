// Float RGB canvas. Black (0, 0, 0) is the transparent colour of the game.
#pragma once

#include <vector>

#include "formats/bmp_writer.h"

namespace assetgen {

struct Color {
    float r = 0;
    float g = 0;
    float b = 0;
};

inline Color operator+(Color a, Color b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Color operator-(Color a, Color b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Color operator*(Color a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Color operator*(Color a, Color b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Color mix(Color a, Color b, float t) {
    return a + (b - a) * t;
}
// 8-bit channel values, for readable palettes.
constexpr Color rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

class Image {
public:
    Image() = default;
    Image(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Color& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Color& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Paints colour c over the pixel with coverage a (0..1).
    void blend(int x, int y, Color c, float a);
    // Adds light, as an additive glow does.
    void add(int x, int y, Color c);
    // Copies the non-black pixels of src with its top-left at (dx, dy).
    void place(const Image& src, int dx, int dy);
    // Copies the whole of src, black included.
    void paste(const Image& src, int dx, int dy);
    Image crop(int x, int y, int w, int h) const;
    Image flippedX() const;
    Image flippedY() const;

    // Quantises to 8 bits with the transparency rule of the game: a pixel is
    // either exactly black or has every channel at 16 or more, so no visible
    // pixel can fall to 0 in a 16-bit screen format.
    //
    // Faint pixels fade out through an ordered dither between the cut-off and
    // kFringeTop, so the soft edge of a glow blends into whatever lies behind a
    // keyed picture instead of ending in a dark ring. A picture drawn
    // half-transparent sets a hard, higher cut-off: every kept pixel there
    // darkens the scene, so faint ones must go.
    std::vector<Rgb8> toRgb8() const;
    void setHardCutoff(int channelValue) { hardCutoff_ = channelValue; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
    int hardCutoff_ = 0;  // 0: dithered fringe
};

// Channel value (0..255) below which a pixel is treated as background.
inline constexpr int kVisibleThreshold = 14;
// The smallest channel value of any visible pixel.
inline constexpr int kMinVisibleChannel = 16;
// Pixels brighter than this (largest channel) are always kept.
inline constexpr int kFringeTop = 40;

}  // namespace assetgen
