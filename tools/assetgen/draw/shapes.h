// Shapes as signed distance fields: negative inside, positive outside, in pixels.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

namespace assetgen {

struct Vec2 {
    float x = 0;
    float y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float k) {
    return {a.x * k, a.y * k};
}
inline float dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline float length(Vec2 a) {
    return std::sqrt(dot(a, a));
}
inline Vec2 lerp(Vec2 a, Vec2 b, float t) {
    return a + (b - a) * t;
}
// Turns v by `radians`; with y pointing down the screen a positive angle turns clockwise.
inline Vec2 rotate(Vec2 v, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

inline constexpr float kPi = 3.14159265358979f;
inline float degrees(float d) {
    return d * kPi / 180.0f;
}
inline float clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}
inline float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

struct Bounds {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Shape {
    std::function<float(Vec2)> distance;
    Bounds bounds;

    float operator()(Vec2 p) const { return distance(p); }
    Shape moved(Vec2 offset) const;
};

// Where a shape drawn in its own coordinates lands: scaled, turned, then moved to `origin`.
struct Placement {
    Vec2 origin;
    float angle = 0;  // radians, clockwise on screen
    float scaleX = 1;
    float scaleY = 1;
};

namespace shapes {

Shape circle(Vec2 centre, float radius);
Shape ellipse(Vec2 centre, float rx, float ry);
Shape ring(Vec2 centre, float radius, float halfThickness);
Shape box(Vec2 centre, Vec2 halfSize, float cornerRadius = 0);
Shape capsule(Vec2 a, Vec2 b, float radius);
// A capsule whose radius changes from ra at a to rb at b.
Shape cone(Vec2 a, Vec2 b, float ra, float rb);
Shape polygon(std::vector<Vec2> points);
// Polygon given for x >= axis only, completed by its mirror image.
Shape symmetricPolygon(float axisX, std::vector<Vec2> rightHalf);
struct Segment {
    Vec2 a, b;
};
Shape strokes(std::vector<Segment> segments, float radius);

Shape unite(const Shape& a, const Shape& b);
Shape unite(const std::vector<Shape>& parts);
Shape subtract(const Shape& a, const Shape& cut);
Shape intersect(const Shape& a, const Shape& b);
Shape grown(const Shape& s, float amount);
Shape mirroredX(const Shape& s, float axisX);  // s together with its mirror image
Shape placed(const Shape& s, const Placement& where);

}  // namespace shapes
}  // namespace assetgen
