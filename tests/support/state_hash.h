// One number for the whole game state: every entity array, the boss records and their counters, the game
// scalars, the scene and transition, and the generator. Two runs that agree on it agree on everything a
// later frame can read.
#pragma once

#include <cstdint>
#include <vector>

std::uint64_t GameStateHash();

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
