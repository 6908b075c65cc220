#include "support/dump_screen.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/headless.h"

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

// 5-6-5 packed colour to 8-bit channels.
void Channels(int p, unsigned char rgb[3]) {
    rgb[0] = static_cast<unsigned char>((p >> 11) * 255 / 31);
    rgb[1] = static_cast<unsigned char>(((p >> 5) & 63) * 255 / 63);
    rgb[2] = static_cast<unsigned char>((p & 31) * 255 / 31);
}

}  // namespace

void DumpScreen(const char* name) {
    const char* folder = std::getenv("QV_DUMP_DIR");
    if (folder == nullptr) return;
    const std::string path = std::string(folder) + "/" + name + ".ppm";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return;
    const int width = headless::DisplayWidth() > 0 ? headless::DisplayWidth() : kDefaultWidth;
    const int height = headless::DisplayHeight() > 0 ? headless::DisplayHeight() : kDefaultHeight;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int p = headless::ScreenPixel(x, y) < 0 ? 0 : headless::ScreenPixel(x, y);
            unsigned char rgb[3];
            Channels(p, rgb);
            std::fwrite(rgb, 1, 3, f);
        }
    }
    std::fclose(f);
}
