#include "draw/paint.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {
constexpr float kLightX = -0.45f, kLightY = -0.6f, kLightZ = 0.66f;
constexpr float kShininess = 18.0f;
}  // namespace

void forEachPixel(Image& img, const Shape& s, float margin,
                  const std::function<void(int, int, float, float)>& fn) {
    const int x0 = std::max(0, static_cast<int>(std::floor(s.bounds.x0 - margin)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(s.bounds.y0 - margin)) - 1);
    const int x1 = std::min(img.width() - 1, static_cast<int>(std::ceil(s.bounds.x1 + margin)) + 1);
    const int y1 = std::min(img.height() - 1, static_cast<int>(std::ceil(s.bounds.y1 + margin)) + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = s({x + 0.5f, y + 0.5f});
            if (d > margin + 0.5f) continue;
            fn(x, y, clamp01(0.5f - d), d);
        }
    }
}

void fill(Image& img, const Shape& s, Color c, float opacity) {
    forEachPixel(img, s, 0, [&](int x, int y, float cover, float) { img.blend(x, y, c, cover * opacity); });
}

void paint(Image& img, const Shape& s, const Material& m) {
    const float bevel = std::max(m.bevel, 0.5f);
    const auto height = [&](Vec2 p) { return smoothstep(0.0f, bevel, -s(p)); };
    forEachPixel(img, s, 0, [&](int x, int y, float cover, float) {
        if (cover <= 0) return;
        const Vec2 p{x + 0.5f, y + 0.5f};
        const float dx = height({p.x + 1, p.y}) - height({p.x - 1, p.y});
        const float dy = height({p.x, p.y + 1}) - height({p.x, p.y - 1});
        const float steep = bevel * 0.9f;
        float nx = -dx * steep, ny = -dy * steep, nz = 1.0f;
        const float len = std::sqrt(nx * nx + ny * ny + nz * nz);
        nx /= len, ny /= len, nz /= len;
        const float diffuse = std::max(0.0f, nx * kLightX + ny * kLightY + nz * kLightZ);
        // Half vector between the light and a viewer straight above.
        float hx = kLightX, hy = kLightY, hz = kLightZ + 1.0f;
        const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
        hx /= hl, hy /= hl, hz /= hl;
        const float spec = std::pow(std::max(0.0f, nx * hx + ny * hy + nz * hz), kShininess);
        const Color base = m.pattern ? m.pattern(p) : m.color;
        const float lit = m.ambient + (1.0f - m.ambient) * diffuse / kLightZ * 0.8f;
        const Color c = base * lit + Color{1, 1, 1} * (spec * m.shine);
        img.blend(x, y, c, cover);
    });
}

void shade(Image& img, const Shape& s, Color factor, float soft) {
    forEachPixel(img, s, 0, [&](int x, int y, float, float d) {
        const float k = clamp01(-d / std::max(soft, 0.01f) + 0.5f);
        if (k <= 0) return;
        Color& p = img.at(x, y);
        p = mix(p, p * factor, k);
    });
}

void glow(Image& img, const Shape& s, Color c, float radius, float strength) {
    const float margin = radius * 4.5f;
    forEachPixel(img, s, margin, [&](int x, int y, float, float d) {
        const float k = d <= 0 ? 1.0f : std::exp(-d / radius);
        img.add(x, y, c * (k * strength));
    });
}

void glowDot(Image& img, Vec2 centre, float sigma, Color c, float strength) {
    const float reach = sigma * 3.0f;
    const int x0 = std::max(0, static_cast<int>(centre.x - reach));
    const int x1 = std::min(img.width() - 1, static_cast<int>(centre.x + reach));
    const int y0 = std::max(0, static_cast<int>(centre.y - reach));
    const int y1 = std::min(img.height() - 1, static_cast<int>(centre.y + reach));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float dx = x + 0.5f - centre.x, dy = y + 0.5f - centre.y;
            const float k = std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
            img.add(x, y, c * (k * strength));
        }
    }
}

void lamp(Image& img, Vec2 centre, float radius, Color c) {
    forEachPixel(img, shapes::circle(centre, radius), 0, [&](int x, int y, float cover, float d) {
        const float k = clamp01(1.0f + d / radius);  // 1 at the rim, 0 at the centre
        img.blend(x, y, mix(Color{1, 1, 1}, c, k), cover);
    });
}

void forWrappedOffsets(const Image& img, const Bounds& b, float margin, const std::function<void(Vec2)>& fn) {
    const float h = static_cast<float>(img.height());
    fn({0, 0});
    if (b.y0 - margin < 0) fn({0, h});
    if (b.y1 + margin > h) fn({0, -h});
}

void forWrappedCopies(const Image& img, const Shape& s, float margin,
                      const std::function<void(const Shape&)>& fn) {
    forWrappedOffsets(img, s.bounds, margin, [&](Vec2 offset) { fn(s.moved(offset)); });
}

}  // namespace assetgen
