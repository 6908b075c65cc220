#include "support/stage_b_run.h"

#include "engine/elDraw.h"
#include "engine/elInput.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scene_change.h"
#include "game/core/scenes.h"
#include "game/enemies/enemy_pools.h"
#include "game/entity_walk.h"
#include "game/stage_b/stage_b_entities.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/window.h"
#include "support/state_hash.h"

namespace {

// Key messages reach the engine's window procedure as the scene loop would pass them on.
void PumpMessages() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Hold(int key, bool down) {
    if (down) {
        headless::PressKey(key);
    } else {
        headless::ReleaseKey(key);
    }
}

// Follows the boss's middle with a little weave, staying low in the field.
void Steer(int frame) {
    const float target = BossB.x > -400.0f ? BossB.x + 230.0f : 370.0f;
    const float weave = static_cast<float>((frame / 40) % 3 - 1) * 30.0f;
    Hold(VK_LEFT, PlayerPosition.x > target + weave + 4.0f);
    Hold(VK_RIGHT, PlayerPosition.x < target + weave - 4.0f);
    Hold(VK_DOWN, PlayerPosition.y < 480.0f);
}

bool EveryEnemyPoolFree() {
    for (const auto table : {SquadronPoolArrays(), StageBBossArrays()}) {
        for (const EntityArray& a : table) {
            for (int i = 0; i < a.count; ++i) {
                if (entity_walk::View(a, i).active != 0) return false;
            }
        }
    }
    return true;
}

void NoteBands(StageBRun& run) {
    const float h = BossB.health;
    const float bands[3][2] = {{470.0f, 530.0f}, {270.0f, 330.0f}, {120.0f, 180.0f}};
    for (int b = 0; b < 3; ++b) run.burstBands[b] |= h > bands[b][0] && h <= bands[b][1];
    run.twoFlames |= h > 70.0f && h <= 90.0f;
    run.fourFlames |= h > 0.0f && h <= 70.0f;
    run.clearSequence |= h <= 0.0f;
    if (h <= 0.0f) ++run.clearFrames;
}

}  // namespace

StageBRun RunWholeStageB(unsigned seed, float frameTime, int frameLimit, void (*afterFrame)(int)) {
    StageBRun run;
    // Where stage A's clear sequence leaves the game.
    ResetGameStateA();
    ResetGameStateB();
    crt::srand(seed);
    StartSceneTransition(kSceneStageB, 30);
    PreviousScene = kSceneStageB;
    SceneFirstFrame = 0;
    Hold(VK_SHIFT, true);
    bool aliveBefore = PlayerAlive != 0;
    for (; run.frames < frameLimit && SceneNumber == kSceneStageB; ++run.frames) {
        Steer(run.frames);
        if (ContinueShown == 1 && Frozen == 1) {
            headless::PressKey('Y');
            ++run.continues;
        }
        PumpMessages();
        FrameTime = frameTime;
        const float scroll = StageScroll + 18.0f * frameTime;
        RunStageB();
        if (SceneNumber != kSceneStageB) run.scrollAtChange = scroll;
        if (LastKey == 'Y') headless::ReleaseKey('Y');
        PumpMessages();
        if (aliveBefore && PlayerAlive == 0) ++run.shipHits;
        aliveBefore = PlayerAlive != 0;
        run.warningSeen |= BossBFlyBy.y < 300.0f && BossBFlyBy.y > -480.0f;
        run.entered |= BossB.y == 0.0f && BossB.clock >= 135.0f;
        run.swayed |= run.entered && BossB.clock < 150.0f && BossB.clock >= 145.0f;
        if (SceneNumber == kSceneStageB) NoteBands(run);
        if (afterFrame != nullptr) afterFrame(run.frames);
    }
    run.sceneChanged = SceneNumber == kSceneStageC;
    run.poolsFreeAtChange = EveryEnemyPoolFree();
    for (int key : {VK_SHIFT, VK_LEFT, VK_RIGHT, VK_DOWN}) Hold(key, false);
    PumpMessages();
    run.hash = GameStateHash();
    return run;
}
