#include "support/state_hash.h"

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/entity_walk.h"
#include "game/enemies/enemy_pools.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/system.h"

namespace {

class Hasher {
public:
    void Bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value_ ^= p[i];
            value_ *= 1099511628211ull;
        }
    }
    template <typename T>
    void Add(const T& item) {
        Bytes(&item, sizeof(item));
    }
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 14695981039346656037ull;
};

}  // namespace

std::uint64_t GameStateHash() {
    Hasher h;
    for (const EntityArray* a : entity_walk::AllArrays()) {
        h.Bytes(a->records, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
    }
    h.Add(Score);
    h.Add(HiScore);
    h.Add(ShipStock);
    h.Add(PowerCount);
    h.Add(WeaponType);
    h.Add(Difficulty);
    h.Add(ScoringMode);
    h.Add(Frozen);
    h.Add(ContinueShown);
    h.Add(ContinueRecovery);
    h.Add(ClearEnemyShots);
    h.Add(PlayerAlive);
    h.Add(StageScroll);
    h.Add(PlayerPosition);
    h.Add(InputLock);
    h.Add(FireEnable);
    h.Add(BurstActive);
    h.Add(StageFrameCounter);
    h.Add(AutoFireTrigger);
    h.Add(SceneNumber);
    h.Add(PreviousScene);
    h.Add(Transition);
    h.Add(PowerItem);
    h.Add(PowerFlags);
    h.Add(ShipSpeed);
    h.Add(ShipBankFrame);
    h.Add(ShipBankStep);
    h.Add(MainShotCadence);
    h.Add(BurstCounters);
    h.Add(SalvoTickCounters);
    h.Add(SpiralVolleyCounter);
    h.Add(RecoveryCounter);
    h.Add(BlinkCounter);
    h.Add(DiverFlameFrame);
    h.Add(FallingObjectFlameFrame);
    h.Add(BossARecord);
    h.Add(BossWarningPicture);
    h.Add(BossAAttackClock);
    h.Add(BossASpiralCounters);
    h.Add(BossAFlameFrame);
    h.Add(BossAFlameCycle);
    h.Add(BossB);
    h.Add(BossBFlyBy);
    h.Add(BossBFlameFrame);
    h.Add(BossBFlameCycle);
    h.Add(BossBAttackTimer);
    h.Add(BossCRecord);
    h.Add(BossCAttackClock);
    h.Add(BossCSmokeFrame);
    h.Add(BossCSmokeCycle);
    h.Add(BossCSprayCounters);
    h.Add(BigEnemy2);
    h.Add(BigEnemy3);
    h.Add(BigEnemy4);
    h.Add(BigEnemy5);
    h.Add(BigEnemy6);
    h.Add(Stars);
    h.Add(StageAStrip);
    h.Add(StageBStrip);
    h.Add(StageCStrip);
    h.Add(BackdropStrip);
    h.Add(crt::randState());
    return h.value();
}
