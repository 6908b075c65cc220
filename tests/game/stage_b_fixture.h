// A loaded game standing at stage B's first frame, as stage A's clear sequence leaves it: every entity
// reset, the title's difficulty and scoring flags, scene 3. Helpers read the back buffer and place boss B.
#pragma once

#include <vector>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/stage_b/stage_b_entities.h"
#include "platform/headless.h"
#include "player_fixture.h"

class StageBTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        if (IsSkipped()) return;
        ResetGameStateA();
        ResetGameStateB();
        Difficulty = 1;
        SceneNumber = kSceneStageB;
        PreviousScene = kSceneStageB;
        SceneFirstFrame = 0;
        FrameTime = kFrame;
    }

public:
    // Boss B settled at the top of the field, its clock inside the row that holds it there.
    static void SettleBoss(float health = kBossBHealth) {
        BossB.x = 150.0f;
        BossB.y = 0.0f;
        BossB.clock = 150.0f;
        BossB.health = health;
    }

    // The back buffer's pixels inside the play field.
    static std::vector<int> FieldPixels() {
        std::vector<int> pixels;
        for (int y = ClipWindow.top; y < ClipWindow.bottom; ++y) {
            for (int x = ClipWindow.left; x < ClipWindow.right; ++x) {
                pixels.push_back(headless::SurfacePixel(elDraw::State.backBuffer, x, y));
            }
        }
        return pixels;
    }

    static int LitPixels(int left, int top, int right, int bottom) {
        int lit = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                lit += headless::SurfacePixel(elDraw::State.backBuffer, x, y) > 0;
        }
        return lit;
    }

    template <typename Record, int N>
    static int ActiveRecords(const Record (&records)[N]) {
        int active = 0;
        for (const Record& r : records) active += r.active != 0;
        return active;
    }
};
