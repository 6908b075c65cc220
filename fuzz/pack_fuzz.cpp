// Feeds arbitrary bytes to the pack-file reader as a pack file, looking up a few names and reading
// the pixels of what it finds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/draw/pack_reader.h"

namespace {
constexpr long long kMaxPixels = 1 << 20;
constexpr elDraw::PackShifts kScreen565 = {11, 6, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kNames[] = {"A", "PIC", ""};
    for (const char* name : kNames) {
        std::vector<std::uint8_t> copy(data, data + size);
        std::FILE* file = fmemopen(copy.empty() ? nullptr : copy.data(), copy.size(), "rb");
        if (file == nullptr) return 0;
        elDraw::PackRecord record{};
        if (elDraw::FindPackRecord(file, name, &record)) {
            long long pixels = static_cast<long long>(record.width) * record.height;
            if (pixels <= kMaxPixels) {
                int pitch = record.width + 3;
                std::vector<std::uint16_t> rows(static_cast<std::size_t>(pitch) * (record.height + 1));
                elDraw::ReadPackPixels(file, record, rows.data(), pitch, kScreen565);
            }
        }
        std::fclose(file);
    }
    return 0;
}
