// Feeds arbitrary bytes to the RIFF WAVE reader; whatever it reports must lie inside the bytes.
#include <cstddef>
#include <cstdint>

#include "platform/mmio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WaveLayout layout{};
    if (!ParseWaveImage(data, size, &layout)) return 0;
    if (layout.dataOffset > size || layout.dataBytes > size - layout.dataOffset) __builtin_trap();
    if (layout.extraOffset > size || layout.extraBytes > size - layout.extraOffset) __builtin_trap();
    if (layout.extraBytes != layout.format.cbSize) __builtin_trap();
    // Touch every byte reported, so that a wrong offset is caught by the address checks.
    unsigned sum = 0;
    for (std::size_t i = 0; i < layout.dataBytes; ++i) sum += data[layout.dataOffset + i];
    for (std::size_t i = 0; i < layout.extraBytes; ++i) sum += data[layout.extraOffset + i];
    return static_cast<int>(sum & 0);
}
