// The small-enemy wave as a whole scene on the headless backend: fixed seed and frame time, the ship
// moving and firing under scripted input.
#include <vector>

#include "engine/draw/draw_state.h"
#include "engine/elInput.h"
#include "game/core/picture_slots.h"
#include "game/enemies/enemy_bullets.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/small_enemies.h"
#include "platform/system.h"
#include "player_fixture.h"
#include "support/dump_screen.h"
#include "support/wave_harness.h"

namespace {

class WaveSceneTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        if (IsSkipped()) return;
        crt::srand(kSeed);
        BlendEffects = 1;
        headless::PressKey(VK_SHIFT);  // fire held throughout
    }

    static constexpr unsigned kSeed = 20260;

    // Runs frames from `first` up to (not including) `last`, steering the ship left and right.
    static void Run(int first, int last) {
        for (int f = first; f < last; ++f) {
            Steer(f);
            wave::Frame(f);
        }
    }

    static void Steer(int frame) {
        const bool left = (frame / 90) % 2 == 0;
        if (left) {
            headless::ReleaseKey(VK_RIGHT);
            headless::PressKey(VK_LEFT);
        } else {
            headless::ReleaseKey(VK_LEFT);
            headless::PressKey(VK_RIGHT);
        }
    }

    static std::vector<int> Screen() {
        std::vector<int> pixels;
        pixels.reserve(800 * 600);
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) pixels.push_back(headless::ScreenPixel(x, y));
        }
        return pixels;
    }
};

TEST_F(WaveSceneTest, DumpedFrameShowsLooksFlamesShotsSpreadsAndAnExplosion) {
    Run(0, 120);
    // An exploding slot in the middle of the field, blended.
    SmallEnemies[0].hit = 1;
    wave::Frame(120);
    wave::Frame(121);
    wave::Frame(122);
    DumpScreen("wave_scene");
    SUCCEED();
}

}  // namespace
