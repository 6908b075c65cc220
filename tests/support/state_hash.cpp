#include "support/state_hash.h"

#include <cstring>

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/enemies/enemy_pools.h"
#include "game/entity_walk.h"
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

// Visits every piece of game state a later frame can read, as a place and a size, always in this order.
template <typename Visit>
void ForEachPart(Visit visit) {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        visit(a->records, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
    }
    const auto part = [&](auto& item) { visit(&item, sizeof item); };
    part(Score);
    part(HiScore);
    part(ShipStock);
    part(PowerCount);
    part(WeaponType);
    part(Difficulty);
    part(ScoringMode);
    part(Frozen);
    part(ContinueShown);
    part(ContinueRecovery);
    part(ClearEnemyShots);
    part(PlayerAlive);
    part(StageScroll);
    part(PlayerPosition);
    part(InputLock);
    part(FireEnable);
    part(BurstActive);
    part(StageFrameCounter);
    part(AutoFireTrigger);
    part(SceneNumber);
    part(PreviousScene);
    part(Transition);
    part(PowerItem);
    part(PowerFlags);
    part(ShipSpeed);
    part(ShipBankFrame);
    part(ShipBankStep);
    part(MainShotCadence);
    part(BurstCounters);
    part(SalvoTickCounters);
    part(SpiralVolleyCounter);
    part(RecoveryCounter);
    part(BlinkCounter);
    part(DiverFlameFrame);
    part(FallingObjectFlameFrame);
    part(BossARecord);
    part(BossWarningPicture);
    part(BossAAttackClock);
    part(BossASpiralCounters);
    part(BossAFlameFrame);
    part(BossAFlameCycle);
    part(BossB);
    part(BossBFlyBy);
    part(BossBFlameFrame);
    part(BossBFlameCycle);
    part(BossBAttackTimer);
    part(BossCRecord);
    part(BossCAttackClock);
    part(BossCSmokeFrame);
    part(BossCSmokeCycle);
    part(BossCSprayCounters);
    part(BigEnemy2);
    part(BigEnemy3);
    part(BigEnemy4);
    part(BigEnemy5);
    part(BigEnemy6);
    part(Stars);
    part(StageAStrip);
    part(StageBStrip);
    part(StageCStrip);
    part(BackdropStrip);
}

}  // namespace

std::uint64_t GameStateHash() {
    Hasher h;
    ForEachPart([&](const void* data, std::size_t size) { h.Bytes(data, size); });
    h.Add(crt::randState());
    return h.value();
}

void GameStateImage::Take() {
    bytes_.clear();
    ForEachPart([&](const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    });
    randState_ = crt::randState();
    taken_ = true;
}

void GameStateImage::Restore() const {
    if (!taken_) return;
    std::size_t at = 0;
    ForEachPart([&](void* data, std::size_t size) {
        std::memcpy(data, bytes_.data() + at, size);
        at += size;
    });
    crt::srand(randState_);
}
