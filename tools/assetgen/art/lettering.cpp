#include "art/lettering.h"

#include <algorithm>
#include <cmath>

#include "draw/paint.h"

namespace assetgen {

void letter(Image& img, const Shape& text, const LetterStyle& st) {
    if (st.outlineWidth > 0) fill(img, shapes::grown(text, st.outlineWidth), st.outline);
    const float y0 = text.bounds.y0, y1 = text.bounds.y1;
    Material m{st.top, st.bevel, 0.55f, 0.5f};
    m.pattern = [&st, y0, y1](Vec2 p) {
        const float t = clamp01((p.y - y0) / (y1 - y0));
        // A bright band just above the middle, as on polished metal.
        const float band = 0.25f * std::max(0.0f, 1.0f - std::fabs(t - 0.45f) * 8.0f);
        return mix(st.top, st.bottom, t) + Color{band, band, band};
    };
    paint(img, text, m);
}

}  // namespace assetgen
