// A binary PPM screenshot read whole, for the end-to-end picture checks.
#pragma once

#include <cstdio>
#include <vector>

namespace {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* Row(int y) const { return rgb.data() + static_cast<std::size_t>(y) * width * 3; }
};

bool Read(const char* path, Image& image) {
    std::FILE* f = std::fopen(path, "rb");
    if (f == nullptr) return false;
    int maxValue = 0;
    const bool ok = std::fscanf(f, "P6 %d %d %d", &image.width, &image.height, &maxValue) == 3 &&
                    std::fgetc(f) != EOF && maxValue == 255 && image.width > 0 && image.height > 0;
    if (ok) {
        image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
        const std::size_t read = std::fread(image.rgb.data(), 1, image.rgb.size(), f);
        std::fclose(f);
        return read == image.rgb.size();
    }
    std::fclose(f);
    return false;
}

}  // namespace
