// One number for the whole game state: every entity array, the boss records and their counters, the game
// scalars, the scene and transition, and the generator. Two runs that agree on it agree on everything a
// later frame can read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

std::uint64_t GameStateHash();

// A quick digest of many bytes: four lanes, each folding in every fourth eight-byte word (a tail shorter
// than a step byte by byte into the first lane). Cheap enough to run over a whole screen or the whole
// game state every frame.
class LaneDigest {
public:
    // The lanes start at seed, seed + 1, seed + 2 and seed + 3.
    explicit LaneDigest(std::uint64_t seed);
    void Bytes(const void* data, std::size_t size);
    // Folds the lanes into `digest` one byte at a time, first lane first.
    void FoldInto(std::uint64_t& digest) const;

private:
    std::uint64_t lanes_[4];
};

// Every piece of state that GameStateHash reads, and the generator, folded into `digest`.
void MixGameState(std::uint64_t& digest);

// A copy of everything the hash reads, to start a later run in one process from the same game state as an
// earlier one (the game's resets leave some fields as the last game left them).
class GameStateImage {
public:
    void Take();
    // Puts the state back as it was taken; does nothing before Take.
    void Restore() const;
    bool Taken() const { return taken_; }

private:
    std::vector<unsigned char> bytes_;
    unsigned int randState_ = 0;
    bool taken_ = false;
};
