#include "draw/glyphs.h"

#include <cctype>
#include <cstdlib>
#include <vector>

namespace assetgen {

namespace {

struct GlyphDef {
    char ch;
    const char* strokes;  // polylines of "x,y" points, separated by '|'
};

// Angled corners give the letters a hard-edged, machined look.
constexpr GlyphDef kGlyphs[] = {
    {'A', "0,6 0,2 2,0 4,2 4,6|0,4 4,4"},
    {'B', "0,0 3,0 4,1 4,2 3,3 0,3|3,3 4,4 4,5 3,6 0,6 0,0"},
    {'C', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5"},
    {'D', "0,0 3,0 4,1 4,5 3,6 0,6 0,0"},
    {'E', "4,0 0,0 0,6 4,6|0,3 3,3"},
    {'F', "4,0 0,0 0,6|0,3 3,3"},
    {'G', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3 2,3"},
    {'H', "0,0 0,6|4,0 4,6|0,3 4,3"},
    {'I', "1,0 3,0|2,0 2,6|1,6 3,6"},
    {'J', "4,0 4,5 3,6 1,6 0,5"},
    {'K', "0,0 0,6|4,0 1,3 0,3|1,3 4,6"},
    {'L', "0,0 0,6 4,6"},
    {'M', "0,6 0,0 2,3 4,0 4,6"},
    {'N', "0,6 0,0 4,6 4,0"},
    {'O', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2,4 4,6"},
    {'R', "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6"},
    {'S', "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', "0,0 4,0|2,0 2,6"},
    {'U', "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', "0,0 0,3 2,6 4,3 4,0"},
    {'W', "0,0 0,6 2,4 4,6 4,0"},
    {'X', "0,0 4,6|4,0 0,6"},
    {'Y', "0,0 2,3 4,0|2,3 2,6"},
    {'Z', "0,0 4,0 0,6 4,6"},
    {'0', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|3,1 1,5"},
    {'1', "1,1 2,0 2,6|1,6 3,6"},
    {'2', "0,1 1,0 3,0 4,1 4,2 0,6 4,6"},
    {'3', "0,1 1,0 3,0 4,1 4,2 3,3 4,4 4,5 3,6 1,6 0,5|1,3 3,3"},
    {'4', "3,6 3,0 0,4 4,4"},
    {'5', "4,0 0,0 0,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'6', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,4 3,3 0,3"},
    {'7', "0,0 4,0 4,1 1,6"},
    {'8', "1,3 0,2 0,1 1,0 3,0 4,1 4,2 3,3 1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3"},
    {'9', "4,3 1,3 0,2 0,1 1,0 3,0 4,1 4,5 3,6 1,6 0,5"},
    {'.', "2,6 2,6"},
    {'-', "1,3 3,3"},
    {'!', "2,0 2,4|2,6 2,6"},
    {'?', "0,1 1,0 3,0 4,1 4,2 2,3 2,4|2,6 2,6"},
    {':', "2,1 2,1|2,5 2,5"},
    {'/', "4,0 0,6"},
    {'\'', "2,0 2,1"},
    {'_', "0,6 4,6"},
    {'&', "4,6 1,2 1,1 2,0 3,1 3,2 0,4 0,5 1,6 2,6 4,4"},
};

const char* strokesFor(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const GlyphDef& g : kGlyphs)
        if (g.ch == upper) return g.strokes;
    return nullptr;
}

void appendGlyph(std::vector<shapes::Segment>& out, const char* def, Vec2 origin, const TextStyle& st) {
    const auto toPixel = [&](float gx, float gy) {
        const float px = origin.x + gx * st.unitX + (kGlyphGridHeight - gy) * st.unitY * st.slant;
        return Vec2{px, origin.y + gy * st.unitY};
    };
    const char* p = def;
    bool havePrevious = false;
    Vec2 previous;
    while (*p) {
        if (*p == '|') {
            havePrevious = false;
            ++p;
            continue;
        }
        if (*p == ' ') {
            ++p;
            continue;
        }
        char* end = nullptr;
        const float gx = std::strtof(p, &end);
        const float gy = std::strtof(end + 1, &end);
        p = end;
        const Vec2 point = toPixel(gx, gy);
        out.push_back({havePrevious ? previous : point, point});
        previous = point;
        havePrevious = true;
    }
}

}  // namespace

float textWidth(std::string_view text, const TextStyle& st) {
    if (text.empty()) return 0;
    const float advance = (kGlyphGridWidth + st.gap) * st.unitX;
    return advance * static_cast<float>(text.size()) - st.gap * st.unitX;
}

Shape textShape(std::string_view text, Vec2 topLeft, const TextStyle& st) {
    std::vector<shapes::Segment> segs;
    const float advance = (kGlyphGridWidth + st.gap) * st.unitX;
    for (size_t i = 0; i < text.size(); ++i) {
        const char* def = strokesFor(text[i]);
        if (def) appendGlyph(segs, def, {topLeft.x + advance * static_cast<float>(i), topLeft.y}, st);
    }
    if (segs.empty()) segs.push_back({{-100, -100}, {-100, -100}});
    return shapes::strokes(std::move(segs), st.stroke);
}

Shape centredText(std::string_view text, Vec2 centre, const TextStyle& st) {
    const float w = textWidth(text, st);
    const float h = kGlyphGridHeight * st.unitY;
    return textShape(text, {centre.x - w / 2, centre.y - h / 2}, st);
}

}  // namespace assetgen
