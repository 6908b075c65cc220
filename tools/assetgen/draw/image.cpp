#include "draw/image.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {
constexpr int kBayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
}  // namespace

void Image::blend(int x, int y, Color c, float a) {
    if (!contains(x, y) || a <= 0) return;
    Color& p = at(x, y);
    p = mix(p, c, std::min(a, 1.0f));
}

void Image::add(int x, int y, Color c) {
    if (!contains(x, y)) return;
    at(x, y) = at(x, y) + c;
}

void Image::place(const Image& src, int dx, int dy) {
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const Color& c = src.at(x, y);
            if (c.r + c.g + c.b > 0 && contains(x + dx, y + dy)) at(x + dx, y + dy) = c;
        }
    }
}

void Image::paste(const Image& src, int dx, int dy) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if (contains(x + dx, y + dy)) at(x + dx, y + dy) = src.at(x, y);
}

Image Image::crop(int x0, int y0, int w, int h) const {
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (contains(x0 + x, y0 + y)) out.at(x, y) = at(x0 + x, y0 + y);
    return out;
}

Image Image::flippedX() const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.at(width_ - 1 - x, y) = at(x, y);
    return out;
}

Image Image::flippedY() const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.at(x, height_ - 1 - y) = at(x, y);
    return out;
}

std::vector<Rgb8> Image::toRgb8() const {
    std::vector<Rgb8> out(pixels_.size());
    const auto channel = [](float v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const int r = channel(pixels_[i].r);
        const int g = channel(pixels_[i].g);
        const int b = channel(pixels_[i].b);
        const int brightest = std::max({r, g, b});
        if (hardCutoff_ > 0) {
            if (brightest < hardCutoff_) continue;
        } else if (brightest < kFringeTop) {
            const int x = static_cast<int>(i % static_cast<size_t>(width_));
            const int y = static_cast<int>(i / static_cast<size_t>(width_));
            const int level = kBayer4[y & 3][x & 3];  // 0..15
            const int keepAbove = kVisibleThreshold + (kFringeTop - kVisibleThreshold) * level / 16;
            if (brightest < keepAbove) continue;  // stays black
        }
        const auto lift = [](int v) { return static_cast<std::uint8_t>(std::max(v, kMinVisibleChannel)); };
        out[i] = {lift(r), lift(g), lift(b)};
    }
    return out;
}

}  // namespace assetgen
