// A loaded game for the enemy tests, with views of the back buffer to compare draws by their pixels.
#pragma once

#include <vector>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "player_fixture.h"

class EnemyTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        if (IsSkipped()) return;
        BlendEffects = 1;
        PlayerPosition = {370.0f, 520.0f};
    }

    static int Pixel(int x, int y) { return headless::SurfacePixel(elDraw::State.backBuffer, x, y); }

    // Every pixel of the back buffer, row by row.
    static std::vector<int> BackBuffer() {
        std::vector<int> pixels;
        pixels.reserve(800 * 600);
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) pixels.push_back(Pixel(x, y));
        }
        return pixels;
    }

    // Non-black pixels inside a rectangle (right and bottom exclusive).
    static int LitPixels(int left, int top, int right, int bottom) {
        int lit = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) lit += Pixel(x, y) > 0;
        }
        return lit;
    }
    static int LitPixels() { return LitPixels(0, 0, 800, 600); }

    // The back buffer after `draw` ran on a cleared one.
    template <typename Draw>
    static std::vector<int> Drawn(Draw&& draw) {
        elDraw::ClearBackBuffer();
        draw();
        return BackBuffer();
    }
};
