#include "engine/draw/pack_reader.h"

#include <cstring>

namespace elDraw {

namespace {

constexpr int kChannelMax = 31;
constexpr int kRedPlace = 10;
constexpr int kGreenPlace = 5;
constexpr int kRowChunk = 256;

bool ReadU16(std::FILE* file, int* value) {
    unsigned char b[2];
    if (std::fread(b, 1, 2, file) != 2) return false;
    *value = b[0] | (b[1] << 8);
    return true;
}

long long Remaining(std::FILE* file) {
    long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    long end = std::ftell(file);
    if (end < 0 || std::fseek(file, here, SEEK_SET) != 0) return -1;
    return static_cast<long long>(end) - here;
}

}  // namespace

bool FindPackRecord(std::FILE* file, const char* upperName, PackRecord* record) {
    if (file == nullptr || upperName == nullptr || record == nullptr) return false;
    for (;;) {
        if (!ReadU16(file, &record->width) || !ReadU16(file, &record->height)) return false;
        int length = 0;
        for (;;) {
            int c = std::fgetc(file);
            if (c == EOF) return false;
            if (c == 0) break;
            if (length == kPackNameMax) return false;
            record->name[length++] = static_cast<char>(c);
        }
        record->name[length] = '\0';
        const long long pixelBytes = static_cast<long long>(record->width) * record->height * 2;
        const long long remaining = Remaining(file);
        if (remaining < pixelBytes) return false;
        if (std::strcmp(record->name, upperName) == 0) return true;
        if (std::fseek(file, static_cast<long>(pixelBytes), SEEK_CUR) != 0) return false;
    }
}

bool ReadPackPixels(std::FILE* file, const PackRecord& record, std::uint16_t* rows, int pitch,
                    const PackShifts& shifts) {
    if (file == nullptr || rows == nullptr) return false;
    unsigned char chunk[kRowChunk * 2];
    for (int y = 0; y < record.height; ++y) {
        std::uint16_t* row = rows + static_cast<long long>(y) * pitch;
        for (int x = 0; x < record.width;) {
            int n = record.width - x < kRowChunk ? record.width - x : kRowChunk;
            if (std::fread(chunk, 2, static_cast<std::size_t>(n), file) != static_cast<std::size_t>(n))
                return false;
            for (int i = 0; i < n; ++i, ++x) {
                int p = chunk[2 * i] | (chunk[2 * i + 1] << 8);
                int r = (p >> kRedPlace) & kChannelMax;
                int g = (p >> kGreenPlace) & kChannelMax;
                int b = p & kChannelMax;
                row[x] =
                    static_cast<std::uint16_t>((r << shifts.red) | (g << shifts.green) | (b << shifts.blue));
            }
        }
    }
    return true;
}

}  // namespace elDraw
