#include "engine/elDraw.h"

constinit ScreenTransition Transition = {};

namespace elDraw {

namespace {
constinit int gWaitVBlank = 0;
}

void SetWaitVBlank(int on) {
    gWaitVBlank = on;
}

int Present() {
    return 0;
}

void FlipToGdiSurface() {}

void Release() {}

}  // namespace elDraw
