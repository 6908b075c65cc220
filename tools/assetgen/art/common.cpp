#include "art/art.h"

#include <algorithm>

#include "draw/paint.h"

namespace assetgen {

Image placeholderPicture(int width, int height) {
    Image img(width, height);
    const float cx = width / 2.0f, cy = height / 2.0f;
    const float r = std::min(width, height) * 0.3f;
    const Shape diamond = shapes::polygon({{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}});
    fill(img, diamond, rgb(70, 70, 90));
    fill(img, shapes::grown(diamond, -2.0f), rgb(40, 40, 56));
    return img;
}

Image makeStrip(int cellWidth, int cellHeight, int count, const std::function<void(Image&, int)>& draw) {
    Image strip(cellWidth * count, cellHeight);
    for (int i = 0; i < count; ++i) {
        Image cell(cellWidth, cellHeight);
        draw(cell, i);
        strip.paste(cell, i * cellWidth, 0);
    }
    return strip;
}

}  // namespace assetgen
