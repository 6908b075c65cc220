// Reading RIFF WAVE files, as the multimedia file reader does: the "fmt " chunk and the "data" chunk.
// Every offset and size the reader reports lies inside the image it was given.
#pragma once

#include <cstddef>

#include "platform/dsound.h"

// Where the parts of a RIFF WAVE image lie.
struct WaveLayout {
    WAVEFORMATEX format;      // the 16 leading bytes of "fmt ", and the extra-size word when read
    std::size_t extraOffset;  // the extra format bytes that follow (formats other than PCM)
    std::size_t extraBytes;   // equal to format.cbSize
    std::size_t dataOffset;   // the samples of "data"
    std::size_t dataBytes;
};

// Reads a RIFF "WAVE" image: a "fmt " chunk of at least 16 bytes before a "data" chunk. A format other than
// PCM also has its extra-size word and that many extra bytes, read only when the chunk holds them. No
// declared size is trusted: a chunk that runs past the image, or past the RIFF chunk, fails the read.
bool ParseWaveImage(const unsigned char* image, std::size_t size, WaveLayout* out);

// A file read whole into memory, as opened for reading.
struct FileImage {
    unsigned char* bytes;
    std::size_t size;
};
inline constexpr std::size_t kMaxFileImageBytes = 64u * 1024u * 1024u;
// False when the file cannot be opened or read, or is larger than kMaxFileImageBytes; out is then empty.
bool mmioReadFileImage(const char* path, FileImage* out);
void mmioFreeFileImage(FileImage* image);
