#include "draw/shapes.h"

#include <algorithm>
#include <memory>

namespace assetgen {

Shape Shape::moved(Vec2 offset) const {
    auto d = distance;
    return {[d, offset](Vec2 p) { return d(p - offset); },
            {bounds.x0 + offset.x, bounds.y0 + offset.y, bounds.x1 + offset.x, bounds.y1 + offset.y}};
}

namespace shapes {

namespace {

Bounds around(Vec2 c, float rx, float ry) {
    return {c.x - rx, c.y - ry, c.x + rx, c.y + ry};
}

Bounds merge(const Bounds& a, const Bounds& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

float segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 pa = p - a, ba = b - a;
    const float len2 = dot(ba, ba);
    const float h = len2 > 0 ? clamp01(dot(pa, ba) / len2) : 0.0f;
    return length(pa - ba * h);
}

}  // namespace

Shape circle(Vec2 c, float r) {
    return {[c, r](Vec2 p) { return length(p - c) - r; }, around(c, r, r)};
}

Shape ellipse(Vec2 c, float rx, float ry) {
    // Scaled circle distance: exact on the axes, close enough elsewhere for drawing.
    const float k = std::min(rx, ry);
    return {[c, rx, ry, k](Vec2 p) {
                const Vec2 q = {(p.x - c.x) / rx, (p.y - c.y) / ry};
                return (length(q) - 1.0f) * k;
            },
            around(c, rx, ry)};
}

Shape ring(Vec2 c, float r, float half) {
    return {[c, r, half](Vec2 p) { return std::fabs(length(p - c) - r) - half; },
            around(c, r + half, r + half)};
}

Shape box(Vec2 c, Vec2 half, float corner) {
    return {[c, half, corner](Vec2 p) {
                const float qx = std::fabs(p.x - c.x) - half.x + corner;
                const float qy = std::fabs(p.y - c.y) - half.y + corner;
                const float outside = length({std::max(qx, 0.0f), std::max(qy, 0.0f)});
                return outside + std::min(std::max(qx, qy), 0.0f) - corner;
            },
            around(c, half.x, half.y)};
}

Shape capsule(Vec2 a, Vec2 b, float r) {
    return {[a, b, r](Vec2 p) { return segmentDistance(p, a, b) - r; },
            {std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r}};
}

Shape cone(Vec2 a, Vec2 b, float ra, float rb) {
    const float r = std::max(ra, rb);
    return {[a, b, ra, rb](Vec2 p) {
                const Vec2 pa = p - a, ba = b - a;
                const float len2 = dot(ba, ba);
                const float h = len2 > 0 ? clamp01(dot(pa, ba) / len2) : 0.0f;
                return length(pa - ba * h) - (ra + (rb - ra) * h);
            },
            {std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r}};
}

Shape polygon(std::vector<Vec2> pts) {
    Bounds b{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const Vec2& v : pts) b = merge(b, {v.x, v.y, v.x, v.y});
    auto shared = std::make_shared<const std::vector<Vec2>>(std::move(pts));
    return {[shared](Vec2 p) {
                const auto& v = *shared;
                float best = 1e30f;
                bool inside = false;
                for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
                    best = std::min(best, segmentDistance(p, v[j], v[i]));
                    if ((v[i].y > p.y) != (v[j].y > p.y) &&
                        p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                        inside = !inside;
                }
                return inside ? -best : best;
            },
            b};
}

Shape symmetricPolygon(float axisX, std::vector<Vec2> rightHalf) {
    std::vector<Vec2> pts = rightHalf;
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it)
        pts.push_back({2 * axisX - it->x, it->y});
    return polygon(std::move(pts));
}

Shape strokes(std::vector<Segment> segs, float r) {
    Bounds b{1e30f, 1e30f, -1e30f, -1e30f};
    for (const Segment& s : segs) {
        b = merge(b, {std::min(s.a.x, s.b.x) - r, std::min(s.a.y, s.b.y) - r, std::max(s.a.x, s.b.x) + r,
                      std::max(s.a.y, s.b.y) + r});
    }
    auto shared = std::make_shared<const std::vector<Segment>>(std::move(segs));
    return {[shared, r](Vec2 p) {
                float best = 1e30f;
                for (const Segment& s : *shared) best = std::min(best, segmentDistance(p, s.a, s.b));
                return best - r;
            },
            b};
}

Shape unite(const Shape& a, const Shape& b) {
    auto da = a.distance, db = b.distance;
    return {[da, db](Vec2 p) { return std::min(da(p), db(p)); }, merge(a.bounds, b.bounds)};
}

Shape unite(const std::vector<Shape>& parts) {
    Shape all = parts.front();
    for (size_t i = 1; i < parts.size(); ++i) all = unite(all, parts[i]);
    return all;
}

Shape subtract(const Shape& a, const Shape& cut) {
    auto da = a.distance, dc = cut.distance;
    return {[da, dc](Vec2 p) { return std::max(da(p), -dc(p)); }, a.bounds};
}

Shape intersect(const Shape& a, const Shape& b) {
    auto da = a.distance, db = b.distance;
    return {[da, db](Vec2 p) { return std::max(da(p), db(p)); },
            {std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
             std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)}};
}

Shape grown(const Shape& s, float amount) {
    auto d = s.distance;
    return {[d, amount](Vec2 p) { return d(p) - amount; },
            {s.bounds.x0 - amount, s.bounds.y0 - amount, s.bounds.x1 + amount, s.bounds.y1 + amount}};
}

Shape mirroredX(const Shape& s, float axisX) {
    auto d = s.distance;
    const Bounds m{2 * axisX - s.bounds.x1, s.bounds.y0, 2 * axisX - s.bounds.x0, s.bounds.y1};
    return {[d, axisX](Vec2 p) { return std::min(d(p), d({2 * axisX - p.x, p.y})); }, merge(s.bounds, m)};
}

Shape placed(const Shape& s, const Placement& w) {
    auto d = s.distance;
    const float minScale = std::min(std::fabs(w.scaleX), std::fabs(w.scaleY));
    Bounds b{1e30f, 1e30f, -1e30f, -1e30f};
    const Vec2 corners[4] = {{s.bounds.x0, s.bounds.y0},
                             {s.bounds.x1, s.bounds.y0},
                             {s.bounds.x0, s.bounds.y1},
                             {s.bounds.x1, s.bounds.y1}};
    for (const Vec2& c : corners) {
        const Vec2 q = w.origin + rotate({c.x * w.scaleX, c.y * w.scaleY}, w.angle);
        b = merge(b, {q.x, q.y, q.x, q.y});
    }
    return {[d, w, minScale](Vec2 p) {
                const Vec2 q = rotate(p - w.origin, -w.angle);
                return d({q.x / w.scaleX, q.y / w.scaleY}) * minScale;
            },
            b};
}

}  // namespace shapes
}  // namespace assetgen
