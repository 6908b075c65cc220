// One number for the whole game state: every entity array, the boss records and their counters, the game
// scalars, the scene and transition, and the generator. Two runs that agree on it agree on everything a
// later frame can read.
#pragma once

#include <cstdint>

std::uint64_t GameStateHash();
