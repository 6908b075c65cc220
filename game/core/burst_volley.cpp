#include "game/core/burst_volley.h"

#include "engine/draw_position.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/main_shots.h"
#include "game/core/trace_hook.h"

namespace {

constexpr int kSideShotFlag = 0;
constexpr int kLeftMuzzleX = 12;
constexpr int kRightMuzzleX = 28;
constexpr int kMuzzleY = 10;
// The phase clock runs at 20 units a second.
constexpr float kPhaseRate = 20.0f;
constexpr int kFreeAboveY = -60;

// A step window: the shot moves (dx, dy) pixels a frame while lo <= phase <= hi. Listed for banks 1 and
// 3, moving left first; banks 2 and 4 mirror dx.
struct PhaseWindow {
    float lo, hi;
    int dx, dy;
};

constexpr PhaseWindow kLongPath[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},  {10, 12, -3, -6}, {13, 15, 0, -6},
    {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 24, 3, -6}, {25, 27, 4, -6},  {28, 200, 5, -6},
};
constexpr PhaseWindow kShortPath[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},  {10, 12, -3, -6},
    {13, 15, 0, -6}, {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 250, 3, -6},
};

template <int N>
void StepBy(const PhaseWindow (&path)[N], PhaseShot& shot, int mirror) {
    for (const PhaseWindow& w : path) {
        if (shot.phase >= w.lo && shot.phase <= w.hi) {
            shot.x += w.dx * mirror;
            shot.y += w.dy;
            return;
        }
    }
}

bool ArmBurstShot(int index, int x, int y) {
    if (index < 0 || index >= kBurstShotCount || BurstShots[index].active != 0) return false;
    BurstShots[index].active = 1;
    BurstShots[index].x = x;
    BurstShots[index].y = y;
    TraceArm(&BurstShots[index], 0, static_cast<float>(x), static_cast<float>(y));
    return true;
}

}  // namespace

void StartBurstVolley() {
    if (BurstActive[0] != 0) return;
    for (int& flag : BurstActive) flag = 1;
    for (int& counter : BurstCounters) counter = 0;
}

void FireBurstVolley() {
    int& counter = BurstCounters[0];
    counter += 1;
    for (int k = 1; k <= kBurstReleases; ++k) {
        if (counter == kBurstInterval * k) {
            SpawnPlayerShots(k, kBurstBankSize + k, 2 * kBurstBankSize + k, 3 * kBurstBankSize + k);
        }
    }
    if (counter >= kBurstLength) {
        counter = 0;
        BurstActive[0] = 0;
        ClearEnemyShots = 0;
        FireEnable[0] = FireEnable[1] = 1;
    }
}

void SpawnPlayerShots(int a, int b, int c, int d) {
    const int sx = DrawInt(PlayerPosition.x);
    const int sy = DrawInt(PlayerPosition.y);
    if (PowerFlags[kSideShotFlag] != 0) {
        ArmBurstShot(a, sx + kLeftMuzzleX, sy + kMuzzleY);
        ArmBurstShot(b, sx + kRightMuzzleX, sy + kMuzzleY);
    }
    ArmBurstShot(c, sx + kLeftMuzzleX, sy + kMuzzleY);
    ArmBurstShot(d, sx + kRightMuzzleX, sy + kMuzzleY);
}

void StepBurstShot(PhaseShot& shot, int index) {
    shot.phase += kPhaseRate * FrameTime;
    const int bank = index / kBurstBankSize;
    const int mirror = bank % 2 == 0 ? 1 : -1;
    if (bank < 2) {
        StepBy(kLongPath, shot, mirror);
    } else {
        StepBy(kShortPath, shot, mirror);
    }
    if (shot.y < kFreeAboveY) {
        shot.active = 0;
        shot.x = kRemovedShotX;
        shot.y = kRemovedShotY;
        shot.phase = 0.0f;
    }
}
