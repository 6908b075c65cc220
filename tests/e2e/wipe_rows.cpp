// Reads two screenshots of the play field (binary PPM) and tells how many of the first one's rows the
// second one shows, and how many of those are shifted sideways, as the closing wipe draws them.
// Usage: wipe_rows <title.ppm> <frame.ppm>; prints "<shifted share> <title share>".
#include <cstdio>
#include <cstdlib>

#include "ppm_image.h"

namespace {

// The widest shift of the title's 26-step wipe.
constexpr int kWidestShift = 26;
// A row matches when this share of its overlapping pixels is equal.
constexpr double kMatch = 0.9;
// Rows with fewer lit pixels say nothing.
constexpr int kLitPixels = 40;

bool Lit(const unsigned char* p) {
    return p[0] + p[1] + p[2] > 24;
}

double Agreement(const Image& a, const Image& b, int y, int shift) {
    const unsigned char* ra = a.Row(y);
    const unsigned char* rb = b.Row(y);
    int same = 0;
    int count = 0;
    for (int x = 0; x < a.width; ++x) {
        const int xb = x + shift;
        if (xb < 0 || xb >= b.width || !Lit(ra + 3 * x)) continue;
        ++count;
        const unsigned char* pa = ra + 3 * x;
        const unsigned char* pb = rb + 3 * xb;
        same += pa[0] == pb[0] && pa[1] == pb[1] && pa[2] == pb[2];
    }
    return count > 0 ? static_cast<double>(same) / count : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    Image title, frame;
    if (argc != 3 || !Read(argv[1], title) || !Read(argv[2], frame) || title.width != frame.width ||
        title.height != frame.height) {
        std::fprintf(stderr, "usage: wipe_rows <title.ppm> <frame.ppm> (same size)\n");
        return 2;
    }
    int rows = 0;
    int shown = 0;
    int shifted = 0;
    for (int y = 0; y < title.height; ++y) {
        int lit = 0;
        for (int x = 0; x < title.width; ++x) lit += Lit(title.Row(y) + 3 * x);
        if (lit < kLitPixels) continue;
        ++rows;
        if (Agreement(title, frame, y, 0) >= kMatch) {
            ++shown;
            continue;
        }
        for (int shift = -kWidestShift; shift <= kWidestShift; ++shift) {
            if (shift != 0 && Agreement(title, frame, y, shift) >= kMatch) {
                ++shown;
                ++shifted;
                break;
            }
        }
    }
    const double all = rows > 0 ? rows : 1;
    std::printf("%.3f %.3f\n", shifted / all, shown / all);
    return 0;
}
