// A loaded game standing in stage A, with boss A in place and helpers to read the back buffer.
#pragma once

#include <vector>

#include "build_config.h"
#include "engine/draw/draw_state.h"
#include "game/core/picture_slots.h"
#include "game/stage_a/stage_a_entities.h"
#include "player_fixture.h"

class StageATest : public PlayerTest {
protected:
    static constexpr float kBossX = 180.0f - build::kFieldShiftX;

    static void PlaceBoss(float x = kBossX, float y = 0.0f, float health = kBossAHealth) {
        BossARecord.x = x;
        BossARecord.y = y;
        BossARecord.health = health;
    }

    // Non-black pixels of the back buffer inside a rectangle (the whole screen by default).
    static int LitPixels(int left = 0, int top = 0, int right = build::kScreenWidth,
                         int bottom = build::kScreenHeight) {
        int lit = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                lit += headless::SurfacePixel(elDraw::State.backBuffer, x, y) > 0;
            }
        }
        return lit;
    }

    static std::vector<int> BackBuffer() {
        std::vector<int> pixels;
        pixels.reserve(static_cast<std::size_t>(build::kScreenWidth * build::kScreenHeight));
        for (int y = 0; y < build::kScreenHeight; ++y) {
            for (int x = 0; x < build::kScreenWidth; ++x) {
                pixels.push_back(headless::SurfacePixel(elDraw::State.backBuffer, x, y));
            }
        }
        return pixels;
    }
};
