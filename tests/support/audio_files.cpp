#include "support/audio_files.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>

#include <sys/stat.h>
#include <unistd.h>

std::vector<std::int16_t> ReadRawSamples(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

double RecordedSeconds(const char* path, int rate, int channels) {
    struct stat st {};
    if (stat(path, &st) != 0) return 0.0;
    return static_cast<double>(st.st_size) / (static_cast<double>(rate) * channels * sizeof(std::int16_t));
}

void Append(Bytes& to, const Bytes& from) {
    to.reserve(to.size() + from.size());
    for (std::uint8_t v : from) to.push_back(v);
}

void PutLE16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLE32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes MakeWave(int channels, int rate, int bits, const Bytes& samples) {
    Bytes b(44 + samples.size());
    std::copy_n("RIFF", 4, b.begin());
    PutLE32(b, 4, static_cast<std::uint32_t>(36 + samples.size()));
    std::copy_n("WAVEfmt ", 8, b.begin() + 8);
    PutLE32(b, 16, 16);
    int block = channels * bits / 8;
    PutLE16(b, 20, 1);
    PutLE16(b, 22, static_cast<std::uint16_t>(channels));
    PutLE32(b, 24, static_cast<std::uint32_t>(rate));
    PutLE32(b, 28, static_cast<std::uint32_t>(rate * block));
    PutLE16(b, 32, static_cast<std::uint16_t>(block));
    PutLE16(b, 34, static_cast<std::uint16_t>(bits));
    std::copy_n("data", 4, b.begin() + 36);
    PutLE32(b, 40, static_cast<std::uint32_t>(samples.size()));
    std::copy(samples.begin(), samples.end(), b.begin() + 44);
    return b;
}

Bytes MakeSineWave(int rate, double seconds, double hertz, double amplitude) {
    auto frames = static_cast<std::size_t>(rate * seconds);
    Bytes samples(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        double v = amplitude * std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / rate);
        auto s = static_cast<std::int16_t>(std::lround(v * 32767.0));
        PutLE16(samples, 2 * i, static_cast<std::uint16_t>(s));
    }
    return MakeWave(1, rate, 16, samples);
}

Bytes MakeMidi(int notes, int quartersEach, std::uint32_t tempoMicros) {
    constexpr int kTicksPerQuarter = 96;
    Bytes track = {0x00,
                   0xFF,
                   0x51,
                   0x03,
                   static_cast<std::uint8_t>(tempoMicros >> 16),
                   static_cast<std::uint8_t>(tempoMicros >> 8),
                   static_cast<std::uint8_t>(tempoMicros),
                   0x00,
                   0xC0,
                   0x00};  // piano
    auto putVar = [&](std::uint32_t v) {
        std::uint8_t tmp[4];
        int n = 0;
        do {
            tmp[n++] = static_cast<std::uint8_t>(v & 0x7F);
            v >>= 7;
        } while (v != 0);
        while (n-- > 0) track.push_back(static_cast<std::uint8_t>(tmp[n] | (n > 0 ? 0x80 : 0)));
    };
    for (int i = 0; i < notes; ++i) {
        std::uint8_t key = static_cast<std::uint8_t>(60 + (i * 4) % 24);
        putVar(0);
        track.insert(track.end(), {0x90, key, 100});
        putVar(static_cast<std::uint32_t>(quartersEach * kTicksPerQuarter));
        track.insert(track.end(), {0x80, key, 0});
    }
    putVar(0);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});
    Bytes b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, kTicksPerQuarter,
               'M', 'T', 'r', 'k', 0, 0, 0, 0};
    b[18] = static_cast<std::uint8_t>(track.size() >> 24);
    b[19] = static_cast<std::uint8_t>(track.size() >> 16);
    b[20] = static_cast<std::uint8_t>(track.size() >> 8);
    b[21] = static_cast<std::uint8_t>(track.size());
    Append(b, track);
    return b;
}

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    path_ = (std::filesystem::temp_directory_path() /
             ("qv_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter)))
                .string() +
            "/";
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::Write(const std::string& relative, const Bytes& bytes) const {
    std::filesystem::path file = path_ + relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
