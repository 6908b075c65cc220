// Canonical 44-byte-header RIFF WAVE files, 16-bit PCM, mono.
#pragma once

#include <vector>

#include "formats/byte_buffer.h"

namespace assetgen {

// samples in -1..1; values outside are clipped.
Bytes encodeWavMono16(const std::vector<float>& samples, int sampleRate);

}  // namespace assetgen
