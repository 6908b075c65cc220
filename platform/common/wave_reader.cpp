// The RIFF WAVE reader: walks the chunks of a whole file image, trusting no declared size.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/mmio.h"

namespace {

constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kPcmFormatBytes = 16;
constexpr std::size_t kExtraSizeWordBytes = 2;

std::uint16_t Read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Read32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool IdIs(const unsigned char* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

// Reads the "fmt " chunk body of size bytes at body.
bool ReadFormat(const unsigned char* body, std::size_t size, std::size_t bodyOffset, WaveLayout* out) {
    if (size < kPcmFormatBytes) return false;
    WAVEFORMATEX& f = out->format;
    f.wFormatTag = Read16(body);
    f.nChannels = Read16(body + 2);
    f.nSamplesPerSec = Read32(body + 4);
    f.nAvgBytesPerSec = Read32(body + 8);
    f.nBlockAlign = Read16(body + 12);
    f.wBitsPerSample = Read16(body + 14);
    f.cbSize = 0;
    out->extraOffset = bodyOffset + kPcmFormatBytes;
    out->extraBytes = 0;
    if (f.wFormatTag == WAVE_FORMAT_PCM) return true;
    // Other formats carry a size word and that many extra bytes, when the chunk holds them.
    if (size < kPcmFormatBytes + kExtraSizeWordBytes) return true;
    std::uint16_t extra = Read16(body + kPcmFormatBytes);
    if (extra > size - kPcmFormatBytes - kExtraSizeWordBytes) return false;
    f.cbSize = extra;
    out->extraOffset = bodyOffset + kPcmFormatBytes + kExtraSizeWordBytes;
    out->extraBytes = extra;
    return true;
}

}  // namespace

bool ParseWaveImage(const unsigned char* image, std::size_t size, WaveLayout* out) {
    if (out == nullptr) return false;
    *out = WaveLayout{};
    if (image == nullptr || size < kRiffHeaderBytes) return false;
    if (!IdIs(image, "RIFF") || !IdIs(image + 8, "WAVE")) return false;
    // The RIFF chunk ends where it says or where the image ends, whichever comes first.
    std::size_t riffEnd = kChunkHeaderBytes + static_cast<std::size_t>(Read32(image + 4));
    if (riffEnd > size || riffEnd < kRiffHeaderBytes) riffEnd = size;
    bool haveFormat = false;
    std::size_t at = kRiffHeaderBytes;
    while (riffEnd - at >= kChunkHeaderBytes) {
        const unsigned char* header = image + at;
        std::size_t body = at + kChunkHeaderBytes;
        std::size_t chunk = Read32(header + 4);
        if (chunk > riffEnd - body) return false;
        if (IdIs(header, "fmt ")) {
            if (!ReadFormat(image + body, chunk, body, out)) return false;
            haveFormat = true;
        } else if (IdIs(header, "data")) {
            // The samples are read only after a format: a "data" chunk first is no WAVE to play.
            if (!haveFormat) return false;
            out->dataOffset = body;
            out->dataBytes = chunk;
            return true;
        }
        // Chunks are padded to an even size.
        std::size_t next = body + chunk + (chunk & 1);
        if (next > riffEnd) break;
        at = next;
    }
    return false;
}

bool mmioReadFileImage(const char* path, FileImage* out) {
    if (out == nullptr) return false;
    *out = FileImage{};
    if (path == nullptr || path[0] == '\0') return false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    bool ok = false;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
    if (length >= 0 && static_cast<unsigned long>(length) <= kMaxFileImageBytes &&
        std::fseek(file, 0, SEEK_SET) == 0) {
        auto size = static_cast<std::size_t>(length);
        // One spare byte, so that an empty file still gets a block of its own.
        auto* bytes = new (std::nothrow) unsigned char[size + 1];
        if (bytes != nullptr && std::fread(bytes, 1, size, file) == size) {
            out->bytes = bytes;
            out->size = size;
            ok = true;
        } else {
            delete[] bytes;
        }
    }
    std::fclose(file);
    return ok;
}

void mmioFreeFileImage(FileImage* image) {
    if (image == nullptr) return;
    delete[] image->bytes;
    *image = FileImage{};
}
