#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/enemies/enemy_pools.h"
#include "game/enemies/lock_sets.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/system.h"

namespace {

// Stars are scattered over a band wider than the screen, at random looks and fall speeds.
constexpr int kStarLooks = 7;
constexpr int kStarSpreadX = 1240;
constexpr int kStarOffsetX = 400;
constexpr int kStarSpreadY = 480;
constexpr int kStarSpeedSpread = 100;
constexpr int kStarSlowestSpeed = 100;

// The power flags and the spawn count are the new-game reset's.
void ParkPowerItem() {
    PowerItem.x = kParkedX;
    PowerItem.y = kParkedY;
    PowerItem.fallSpeed = 0.0f;
    PowerItem.spare = 0.0f;
    PowerItem.active = 0;
    PowerItem.collected = 0;
    PowerItem.counters[0] = PowerItem.counters[1] = 0;
}

void ResetPlayerBlock() {
    StageScroll = 0.0f;
    ClearEnemyShots = 0;
    PlayerAlive = 1;
    InputLock = 0;
    Frozen = 0;
    ContinueShown = 0;
    StageFrameCounter = 0;
    FireEnable[0] = FireEnable[1] = 1;
    for (int& flag : BurstActive) flag = 0;
    for (int& counter : BurstCounters) counter = 0;
    ShipSpeed = {0.0f, 0.0f};
    ShipBankFrame = kShipLevelBank;
    ShipBankStep = 0;
    for (int& counter : MainShotCadence) counter = 0;
    for (int& flag : MainShotFired) flag = 0;
    for (auto& set : SalvoTickCounters) {
        for (int& counter : set) counter = 0;
    }
    SpiralVolleyCounter = 0;
    ContinueRecovery = 0;
    RecoveryCounter = 0;
    BlinkCounter = 0;
}

void ScatterStars() {
    for (Star& star : Stars) {
        star.look = crt::rand() % kStarLooks;
        star.x = static_cast<float>(crt::rand() % kStarSpreadX - kStarOffsetX);
        star.y = static_cast<float>(crt::rand() % kStarSpreadY);
        star.sideSpeed = 0.0f;
        star.fallSpeed = static_cast<float>(crt::rand() % kStarSpeedSpread + kStarSlowestSpeed);
    }
}

}  // namespace

void ResetGameStateA() {
    // Reseeded first, so every random start frame below comes from this second's sequence.
    crt::srand(static_cast<unsigned>(crt::time(nullptr)));
    ParkPowerItem();
    ResetPlayerBlock();
    ResetEntityArrays(PlayerEntityArrays());
    ResetEntityArrays(SparkEntityArrays());
    ResetSquadronEntities();
    ResetEntityArrays(LockSetArrays());
    ResetStageAEntities();
    ScatterStars();
}

void ResetGameStateB() {
    ResetStageABoss();
    ResetStageBEntities();
    ResetStageCEntities();
    ResetBigEnemies();
}
