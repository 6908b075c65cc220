#include "platform/system.h"

namespace {
constinit unsigned int gSeed = 1;
}

namespace crt {

int rand() {
    gSeed = gSeed * 214013u + 2531011u;
    return static_cast<int>((gSeed >> 16) & 0x7FFFu);
}

void srand(unsigned int seed) {
    gSeed = seed;
}

unsigned int randState() {
    return gSeed;
}

}  // namespace crt
