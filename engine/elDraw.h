// elDraw: the screen, the picture table, blits, screen transitions and the present step.
#pragma once

// The running screen transition.
struct ScreenTransition {
    int kind;
    int step;
    int direction;  // +1 opening, -1 closing into opening
    int length;
};

extern ScreenTransition Transition;

namespace elDraw {

void SetWaitVBlank(int on);
// Presents the back buffer, running the screen transition first.
int Present();
// Shows the system's own surface, so that a message box can be seen over the full screen.
void FlipToGdiSurface();
// Releases every picture, the surfaces and the display; every later drawing call does nothing.
void Release();

}  // namespace elDraw
