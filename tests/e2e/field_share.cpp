// Measures how much of a play-field screenshot a pattern lights, for the end-to-end stage checks.
// Usage: field_share bright <quiet.ppm> <frame.ppm>
//          the share of the frame's bright pixels (intensity above 0.45, specks thinner than three pixels
//          worn away) that lie farther than 12 pixels from every bright pixel of the quiet frame;
//        field_share violet <frame.ppm>
//          the share of the frame's pixels in the violet of stage C's boss and bullets.
// Prints the share.
#include <cstdio>
#include <cstring>

#include "ppm_image.h"

namespace {

constexpr double kBright = 0.45;
constexpr int kReach = 12;
// A disk of radius 12: offsets no farther than 12.
constexpr int kReachSquared = kReach * kReach;

double Intensity(const unsigned char* p) {
    return (0.212656 * p[0] + 0.715158 * p[1] + 0.072186 * p[2]) / 255.0;
}

std::vector<char> BrightMask(const Image& image) {
    std::vector<char> mask(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            mask[static_cast<std::size_t>(y) * image.width + x] = Intensity(image.Row(y) + 3 * x) > kBright;
        }
    }
    return mask;
}

// Keeps a pixel only where its whole 3x3 square is set (outside the picture counts as set).
std::vector<char> Erode(const std::vector<char>& mask, int w, int h) {
    std::vector<char> out(mask.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool all = true;
            for (int dy = -1; dy <= 1 && all; ++dy) {
                for (int dx = -1; dx <= 1 && all; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
                    all = mask[static_cast<std::size_t>(yy) * w + xx] != 0;
                }
            }
            out[static_cast<std::size_t>(y) * w + x] = all;
        }
    }
    return out;
}

std::vector<char> Dilate(const std::vector<char>& mask, int w, int h) {
    std::vector<char> out(mask.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (mask[static_cast<std::size_t>(y) * w + x] == 0) continue;
            for (int dy = -kReach; dy <= kReach; ++dy) {
                for (int dx = -kReach; dx <= kReach; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (dx * dx + dy * dy > kReachSquared || xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
                    out[static_cast<std::size_t>(yy) * w + xx] = 1;
                }
            }
        }
    }
    return out;
}

bool Violet(const unsigned char* p) {
    const double r = p[0] / 255.0, g = p[1] / 255.0, b = p[2] / 255.0;
    return b > 0.85 && r > 0.45 && r < 0.85 && g < 0.55;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: field_share bright <quiet.ppm> <frame.ppm> | field_share violet <frame.ppm>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "violet") == 0) {
        Image frame;
        if (!Read(argv[2], frame)) return Usage();
        long long count = 0;
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) count += Violet(frame.Row(y) + 3 * x);
        }
        std::printf("%.6f\n", static_cast<double>(count) / (static_cast<double>(frame.width) * frame.height));
        return 0;
    }
    Image quiet, frame;
    if (argc != 4 || std::strcmp(argv[1], "bright") != 0 || !Read(argv[2], quiet) || !Read(argv[3], frame) ||
        quiet.width != frame.width || quiet.height != frame.height) {
        return Usage();
    }
    const int w = frame.width, h = frame.height;
    const std::vector<char> near = Dilate(BrightMask(quiet), w, h);
    const std::vector<char> lit = Erode(BrightMask(frame), w, h);
    long long count = 0;
    for (std::size_t i = 0; i < lit.size(); ++i) count += lit[i] != 0 && near[i] == 0;
    std::printf("%.6f\n", static_cast<double>(count) / (static_cast<double>(w) * h));
    return 0;
}
