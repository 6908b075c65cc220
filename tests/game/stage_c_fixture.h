// Stage C loaded and reset, as its first frame finds it, with boss C placed by hand and helpers to look at
// its pools and at what a draw left on the back buffer.
#pragma once

#include <cmath>
#include <vector>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "game/core/picture_slots.h"
#include "game/stage_c/stage_c_driver.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless_devices.h"
#include "player_fixture.h"

class StageCTest : public PlayerTest {
protected:
    static constexpr float kPi = 3.1415927410125732f;
    // A frame time whose steps are exact in binary: 16 x 0.0625 = 1 on the stage clock, 0.625 on the path.
    static constexpr float kExactFrame = 0.0625f;

    void SetUp() override {
        PlayerTest::SetUp();
        if (IsSkipped()) return;
        SceneNumber = kSceneStageC;
        PreviousScene = kSceneStageC;
        SceneFirstFrame = 0;
        PlayerPosition = {370.0f, 520.0f};
    }

    // Boss C in place with the given health; its path clock inside the dip so the next path frame moves it.
    static void PlaceBoss(float x, float y, float health = kBossCHealth) {
        BossCRecord.x = x;
        BossCRecord.y = y;
        BossCRecord.health = health;
        BossCRecord.clock = kInTheDip;
    }
    static constexpr float kInTheDip = 100.0f;

public:
    // Every record of stage C's arrays that is in use.
    static int ActiveStageCRecords() {
        int active = 0;
        for (const EntityArray& a : StageCBossArrays()) active += ActiveIn(a);
        return active;
    }

    static int ActiveIn(const EntityArray& a) {
        switch (a.kind) {
            case RecordKind::kEnemyShot:
                return CountActive(static_cast<const EnemyShot*>(a.records), a.count);
            case RecordKind::kEnemyShot60:
                return CountActive(static_cast<const EnemyShot60*>(a.records), a.count);
            case RecordKind::kEnemyShot56:
                return CountActive(static_cast<const EnemyShot56*>(a.records), a.count);
            case RecordKind::kCurveFanBullet:
                return CountActive(static_cast<const CurveFanBullet*>(a.records), a.count);
            case RecordKind::kEnemyDrop:
                return CountActive(static_cast<const EnemyDrop*>(a.records), a.count);
            case RecordKind::kPhaseShot:
                return CountActive(static_cast<const PhaseShot*>(a.records), a.count);
            default:
                return 0;
        }
    }

    template <typename R>
    static int CountActive(const R* records, int count) {
        int active = 0;
        for (int i = 0; i < count; ++i) active += records[i].active != 0;
        return active;
    }
    template <typename R, int N>
    static int CountActive(const R (&records)[N]) {
        return CountActive(records, N);
    }

    // The back buffer's pixels inside a rectangle, row by row.
    static std::vector<int> Pixels(int left, int top, int right, int bottom) {
        std::vector<int> out;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                out.push_back(headless::SurfacePixel(elDraw::State.backBuffer, x, y));
        }
        return out;
    }
    static int LitPixels(int left, int top, int right, int bottom) {
        int lit = 0;
        for (int p : Pixels(left, top, right, bottom)) lit += p > 0;
        return lit;
    }

    // The direction, in radians, from the middle of a drawn box to its lit pixel farthest from that middle:
    // a sprite's nose.
    static float NoseDirection(int left, int top, int size) {
        const float middle = size / 2.0f;
        float best = -1.0f;
        float direction = 0.0f;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (headless::SurfacePixel(elDraw::State.backBuffer, left + x, top + y) <= 0) continue;
                const float dx = x + 0.5f - middle;
                const float dy = y + 0.5f - middle;
                const float d = dx * dx + dy * dy;
                if (d > best) {
                    best = d;
                    direction = std::atan2(dy, dx);
                }
            }
        }
        return direction;
    }

    // The smallest angle between two directions, in degrees.
    static float DegreesApart(float a, float b) {
        float d = std::fmod(std::fabs(a - b), 2.0f * kPi);
        if (d > kPi) d = 2.0f * kPi - d;
        return d * 180.0f / kPi;
    }

    static int MciCount(const char* command) {
        int n = 0;
        for (const std::string& c : headless::MciCommands()) n += c == command;
        return n;
    }
};
