#include "support/stage_a_run.h"

#include <cstring>

#include "build_config.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/enemies/enemy_pools.h"
#include "game/entity_walk.h"
#include "game/stage_a/stage_a.h"
#include "game/stage_a/stage_a_entities.h"
#include "platform/headless.h"
#include "support/run_program.h"
#include "support/state_hash.h"

namespace {

// A whole stage with fire held takes a few minutes of play; without fire it runs to the 500 s limit.
constexpr int kPollLimit = 700000;
constexpr int kEnterPoll = 200;
constexpr int kEnterReleasePoll = 260;
constexpr int kPollsAfterChange = 100;
// The ship stays under the middle of the boss's gun row.
constexpr float kUnderBoss = 160.0f;
constexpr float kSteerSlack = 4.0f;
constexpr float kSparkVanishReach = 400.0f;

StageARunReport* gReport = nullptr;

template <typename R, int N>
bool AnyActive(const R (&records)[N]) {
    for (const R& r : records) {
        if (r.active != 0) return true;
    }
    return false;
}

void Sight(float& at, bool seen) {
    if (seen && at < 0.0f) at = StageScroll;
}

// After the frame, a spark below the line where the mover frees it can only be one the collision pass
// has just put at its shot (shot x + 23, shot y - 6), before or after that shot's step of this frame.
constexpr int kSparkOffsetX = 23;
constexpr int kSparkOffsetY = -6;

void WatchSparks() {
    StageARunReport& r = *gReport;
    const float line = BossARecord.y + kSparkVanishReach;
    bool inField = false;
    for (int i = 0; i < kMainShotSparkCount; ++i) {
        const ExplosionParticle& p = BossSparksA1[i];
        if (p.active == 0 || p.x < build::kFieldLeft || p.x >= build::kFieldRight) continue;
        if (p.y >= 0.0f && p.y < build::kScreenHeight) inField = true;
        const MainShot& shot = MainShots1[i / kMainShotSparksPerShot];
        const float fromShotX = p.x - static_cast<float>(shot.x + kSparkOffsetX);
        const float fromShotY = p.y - static_cast<float>(shot.y + kSparkOffsetY);
        const float stepX = static_cast<float>(shot.stepX < 0 ? -shot.stepX : shot.stepX);
        const bool fresh = fromShotX >= -stepX && fromShotX <= stepX && fromShotY >= 0.0f &&
                           fromShotY <= static_cast<float>(shot.stepY);
        if (p.y >= line && !fresh) ++r.sparksPastTheLine;
    }
    if (inField) ++r.sparksSeen;
}

// Every record free and off the screen (each kind waits at its own place).
std::string FirstRecordInPlay() {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        for (int i = 0; i < a->count; ++i) {
            const entity_walk::RecordView v = entity_walk::View(*a, i);
            const float x = v.intPosition ? static_cast<float>(v.ix) : v.fx;
            const float y = v.intPosition ? static_cast<float>(v.iy) : v.fy;
            const bool offScreen =
                x < 0.0f || x >= build::kScreenWidth || y < 0.0f || y >= build::kScreenHeight;
            // Lock markers rest on the screen, unlocked.
            const bool marker = a->kind == RecordKind::kLockRecord;
            if (v.active != 0 || (!offScreen && !marker))
                return std::string(a->name) + "[" + std::to_string(i) + "]";
        }
    }
    return {};
}

void WatchedStageFrame() {
    StageARunReport& r = *gReport;
    RunStageA();
    if (SceneNumber != kSceneStageA) {
        if (!r.reachedStageB) {
            r.reachedStageB = true;
            r.scrollAtChange = StageScroll;
            r.unparkedAtChange = FirstRecordInPlay();
            r.hashAtChange = GameStateHash();
        }
        return;
    }
    if (Frozen != 0) return;
    ++r.stageFrames;
    if (BossARecord.health > 0.0f) r.healthAtClear = BossARecord.health;
    Sight(r.smallEnemiesAt, AnyActive(SmallEnemies));
    Sight(r.formationAt, AnyActive(FormationShooters1) || AnyActive(FormationShooters2) ||
                             AnyActive(FormationShooters3) || AnyActive(FormationShooters4));
    Sight(r.swoopersAt, AnyActive(Swoopers1) || AnyActive(Swoopers2));
    Sight(r.waveFlyersAt, AnyActive(WaveFlyers1) || AnyActive(WaveFlyers2));
    if (BossARecord.x == 180.0f - build::kFieldShiftX && BossARecord.y == 0.0f) r.bossHeldInPlace = true;
    if (BossAAttackClock > 0 &&
        (AnyActive(BossASpread01) || AnyActive(BossAVolley09) || AnyActive(BossASpiral03))) {
        r.bossAttacked = true;
    }
    WatchSparks();
    if (SpiralVolleyCounter != 0 || AnyActive(SpiralShots)) r.spiralVolleyStarted = true;
}

bool gHeld[256];

void Hold(int key, bool down) {
    if (down == gHeld[key]) return;
    gHeld[key] = down;
    if (down) {
        headless::PressKey(key);
    } else {
        headless::ReleaseKey(key);
    }
}

}  // namespace

StageARunReport RunStageAFromTitle(bool fire) {
    StageARunReport report;
    gReport = &report;
    // The records as a new process has them: the resets leave some words as they were, and a record's
    // history in an earlier run must not steer this one.
    entity_walk::SpoilAll(0);
    std::memset(gHeld, 0, sizeof(gHeld));
    SceneTable[kSceneStageA] = WatchedStageFrame;
    bool firing = false;
    bool answering = false;
    int changePoll = -1;
    RunProgram(
        [&](int poll) {
            if (poll == kEnterPoll) headless::PressKey(VK_RETURN);
            if (poll == kEnterReleasePoll) headless::ReleaseKey(VK_RETURN);
            if (SceneNumber == kSceneStageA && fire && !firing) {
                headless::PressKey(VK_SHIFT);
                firing = true;
            }
            if (SceneNumber == kSceneStageA) {
                const bool bossThere = BossARecord.x > kParkedX && BossARecord.y < build::kScreenHeight;
                const float target = bossThere ? BossARecord.x + kUnderBoss : build::kShipStartX;
                Hold(VK_LEFT, PlayerPosition.x > target + kSteerSlack);
                Hold(VK_RIGHT, PlayerPosition.x < target - kSteerSlack);
            }
            // `Y` is held until the frame that reads it has resumed the stage.
            if (answering && Frozen == 0) {
                headless::ReleaseKey('Y');
                answering = false;
            } else if (!answering && Frozen != 0 && ContinueShown != 0) {
                headless::PressKey('Y');
                answering = true;
                ++report.continues;
            }
            if (report.reachedStageB && changePoll < 0) changePoll = poll;
            if (changePoll >= 0 && poll == changePoll + kPollsAfterChange) headless::PressKey(VK_ESCAPE);
        },
        kPollLimit);
    SceneTable[kSceneStageA] = RunStageA;
    gReport = nullptr;
    return report;
}
