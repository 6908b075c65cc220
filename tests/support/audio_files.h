// Small WAVE and MIDI files made on the spot, and a scratch folder to put them in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A RIFF WAVE image: "fmt " (16 bytes, PCM) then "data" with the given samples.
Bytes MakeWave(int channels, int rate, int bits, const Bytes& samples);
// A 16-bit mono sine of the given length.
Bytes MakeSineWave(int rate, double seconds, double hertz, double amplitude);
// A one-track MIDI file (format 0, 96 ticks a quarter, 120 beats a minute unless tempoMicros is given)
// holding notes of the given length in quarters, one after another, ending with end-of-track.
Bytes MakeMidi(int notes, int quartersEach, std::uint32_t tempoMicros = 500000);

// The 16-bit samples of a raw recording (as SDL's disk audio driver writes it); empty when unreadable.
std::vector<std::int16_t> ReadRawSamples(const char* path);
// Seconds of 16-bit sound at the given rate and channel count that a raw recording holds so far (0 while
// the file is missing): the recording's own clock, which on a busy machine runs behind the wall clock.
double RecordedSeconds(const char* path, int rate, int channels);

// Appends from to the end of to.
void Append(Bytes& to, const Bytes& from);
void PutLE16(Bytes& b, std::size_t at, std::uint16_t v);
void PutLE32(Bytes& b, std::size_t at, std::uint32_t v);

// A folder of its own under the system's temporary folder, emptied when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The folder with a trailing '/'.
    const std::string& Path() const { return path_; }
    // Writes a file at a path relative to the folder, making its sub-folders.
    void Write(const std::string& relative, const Bytes& bytes) const;
    // Makes the headless program's path lie in this folder, so that the engine's files are found here.
    void BecomeProgramFolder() const;

private:
    std::string path_;
};
