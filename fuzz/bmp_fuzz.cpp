// Feeds arbitrary bytes to the BMP reader, both as a file and as a bitmap resource.
#include <cstddef>
#include <cstdint>

#include "platform/common/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform_common::DecodedImage image;
    if (platform_common::DecodeBmpFile(data, size, &image)) {
        if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) __builtin_trap();
    }
    platform_common::DecodedImage resource;
    platform_common::DecodePackedDib(data, size, &resource);
    return 0;
}
