// Painting shapes onto an image: flat fills, lit surfaces and additive glows.
#pragma once

#include <functional>

#include "draw/image.h"
#include "draw/shapes.h"

namespace assetgen {

// A lit surface: a rounded rim of `bevel` pixels catches a light from the upper left.
struct Material {
    Color color;
    float bevel = 3.0f;
    float ambient = 0.4f;
    float shine = 0.35f;
    // Optional colour by position (replaces `color`).
    std::function<Color(Vec2)> pattern = nullptr;
};

// Calls fn(x, y, coverage, distance) for every pixel the shape (grown by `margin`) touches.
void forEachPixel(Image& img, const Shape& s, float margin,
                  const std::function<void(int, int, float, float)>& fn);

void fill(Image& img, const Shape& s, Color c, float opacity = 1.0f);
void paint(Image& img, const Shape& s, const Material& m);
// Multiplies what is already there inside the shape, fading in over `soft` pixels.
void shade(Image& img, const Shape& s, Color factor, float soft = 1.0f);
// Additive light: full inside the shape, falling off as exp(-d / radius) outside.
void glow(Image& img, const Shape& s, Color c, float radius, float strength = 1.0f);
// Additive round light with a Gaussian profile (sigma in pixels).
void glowDot(Image& img, Vec2 centre, float sigma, Color c, float strength = 1.0f);
// Over-paints a soft round light (not additive), for lamps on keyed art.
void lamp(Image& img, Vec2 centre, float radius, Color c);

// Draws a shape a second time one period up or down when it crosses the top or
// bottom edge, so a vertically repeated tile joins without a seam.
void forWrappedCopies(const Image& img, const Shape& s, float margin,
                      const std::function<void(const Shape&)>& fn);
// The same for drawings made of several parts: fn(offset) draws them all moved by offset.
void forWrappedOffsets(const Image& img, const Bounds& b, float margin, const std::function<void(Vec2)>& fn);

}  // namespace assetgen
