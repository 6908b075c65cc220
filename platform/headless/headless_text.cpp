// Text on the headless backend: an opaque background box and one text-coloured bar per visible
// character, each character cell half as wide as it is high. Enough for tests to see where text went.
#include <cstdio>
#include <cstdlib>

#include "platform/common/text_raster.h"
#include "platform/headless_text.h"

namespace platform_common {
int LiveFonts();
void ResetTextObjects();
}  // namespace platform_common

namespace {

constexpr int kDefaultFaceCount = 3;
constexpr int kDefaultCellHeight = 16;

struct TextState {
    int faceCount = kDefaultFaceCount;
    headless::TextRecord last;
    int count = 0;
};

TextState& T() {
    static TextState state;
    return state;
}

void Plot(const platform_text::Target& t, int x, int y, std::uint16_t value) {
    if (x < 0 || y < 0 || x >= t.width || y >= t.height) return;
    t.pixels[static_cast<long>(y) * t.pitchPixels + x] = value;
}

}  // namespace

namespace headless {

void SetFontFaceCount(int count) {
    T().faceCount = count;
}
const TextRecord& LastText() {
    return T().last;
}
int TextCount() {
    return T().count;
}
int LiveFontCount() {
    return platform_common::LiveFonts();
}

void ResetText() {
    T() = TextState{};
    platform_common::ResetTextObjects();
}

}  // namespace headless

namespace backend {

bool DrawTextLine(const platform_text::Target& target, int x, int y, const char* text, int length,
                  const platform_text::Style& style) {
    if (target.pixels == nullptr || text == nullptr || length < 0) return true;
    TextState& s = T();
    ++s.count;
    s.last = headless::TextRecord{std::string(text, static_cast<std::size_t>(length)),
                                  x,
                                  y,
                                  style.face,
                                  style.height,
                                  style.textColor,
                                  style.backgroundColor,
                                  style.opaque};
    const int height = style.height != 0 ? std::abs(style.height) : kDefaultCellHeight;
    const int cell = height / 2 > 0 ? height / 2 : 1;
    const std::uint16_t fore = platform_text::PackColor(target, style.textColor);
    const std::uint16_t back = platform_text::PackColor(target, style.backgroundColor);
    for (int i = 0; i < length; ++i) {
        const int left = x + i * cell;
        for (int row = 0; row < height; ++row) {
            for (int col = 0; col < cell; ++col) {
                const bool mark = text[i] != ' ' && col == cell / 2 && row > 0 && row < height - 1;
                if (mark) {
                    Plot(target, left + col, y + row, fore);
                } else if (style.opaque) {
                    Plot(target, left + col, y + row, back);
                }
            }
        }
    }
    return true;
}

int ListFaces(bool (*visit)(const platform_text::FaceInfo& face, void* context), void* context) {
    int visited = 0;
    for (int i = 0; i < T().faceCount; ++i) {
        platform_text::FaceInfo face{};
        if (i == 0) {
            std::snprintf(face.face, sizeof face.face, "Test Gothic");
            face.japanese = true;
        } else if (i == 1) {
            std::snprintf(face.face, sizeof face.face, "Test Mincho");
            face.japanese = true;
        } else if (i == 2) {
            std::snprintf(face.face, sizeof face.face, "Test Symbol");
            face.symbol = true;
        } else {
            std::snprintf(face.face, sizeof face.face, "Test Face %d", i);
        }
        ++visited;
        if (!visit(face, context)) break;
    }
    return visited;
}

}  // namespace backend
