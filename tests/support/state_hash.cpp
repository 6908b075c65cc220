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
    void Seed(std::uint64_t value) { value_ = value; }

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

LaneDigest::LaneDigest(std::uint64_t seed) : lanes_{seed, seed + 1, seed + 2, seed + 3} {}

// The bytes read are the game's own globals or the backend's live screen; the sanitizers' checks of every
// read would make a run several times dearer, so this loop goes without them.
__attribute__((no_sanitize("address", "undefined"))) void LaneDigest::Bytes(const void* data,
                                                                            std::size_t size) {
    constexpr std::uint64_t kPrime = 1099511628211ull;
    constexpr std::size_t kStep = 4 * sizeof(std::uint64_t);
    const auto* p = static_cast<const unsigned char*>(data);
    std::size_t at = 0;
    for (; at + kStep <= size; at += kStep) {
        for (int lane = 0; lane < 4; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, p + at + lane * sizeof word, sizeof word);
            lanes_[lane] = (lanes_[lane] ^ word) * kPrime;
        }
    }
    for (; at < size; ++at) lanes_[0] = (lanes_[0] ^ p[at]) * kPrime;
}

void LaneDigest::FoldInto(std::uint64_t& digest) const {
    Hasher h;
    h.Seed(digest);
    for (std::uint64_t lane : lanes_) h.Add(lane);
    digest = h.value();
}

void MixGameState(std::uint64_t& digest) {
    LaneDigest lanes(digest);
    ForEachPart([&](const void* data, std::size_t size) { lanes.Bytes(data, size); });
    const unsigned int rand = crt::randState();
    lanes.Bytes(&rand, sizeof rand);
    lanes.FoldInto(digest);
}

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
