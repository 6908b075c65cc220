#include "support/fresh_process.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/draw/blit_rows.h"
#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "engine/elInput.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/ending_scene.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "game/core/ship.h"
#include "game/core/ship_death.h"
#include "game/enemies/enemy_pools.h"
#include "game/entity_walk.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless.h"
#include "platform/system.h"

namespace {

// The bytes of every global of the engine and the game as the process started with them. All of them are
// constant-initialised, so they hold their start values before any dynamic initialiser runs, this one too.
class StartValues {
public:
    StartValues() {
        KeepAll(FrameTime, FullScreen, BlinkPhase, LastKey, LastKeyCopy, SceneNumber, PreviousScene,
                SceneFirstFrame, PendingScene, MouseState, MouseButtons, WaitTable, KeyStates, Joysticks,
                elSystem::State, elSystem::Clock);
        KeepAll(elDraw::State, DrawObject, ClipWindow, Transition, SineTable, ChannelSplitTable,
                AdditiveTables, elDraw::Additive, elDraw::UseWideLanes, FontTable, FontCount, elFont::State);
        KeepAll(SoundObjects, elSound::Device, elSound::Midi);
        KeepAll(SceneTable, LastIdleTime, SoundShot, SoundBom);
        for (const PictureLoad& picture : kPictureLoads) Keep(*picture.slot);
        KeepAll(Score, HiScore, ShipStock, PowerCount, WeaponType, Difficulty, ScoringMode, Frozen,
                ContinueShown, ContinueRecovery, ClearEnemyShots, BlendEffects, BackgroundOff, MouseShip,
                ShipVisible, Invincible, PlayerAlive, StageScroll, PlayerPosition, InputLock, FireEnable,
                BurstActive, StageFrameCounter, AutoFireTrigger, ShipLoopCounter);
        KeepAll(PowerItem, PowerFlags, ShipSpeed, ShipBankFrame, ShipBankStep, MainShotCadence, MainShotFired,
                BurstCounters, SalvoTickCounters, SpiralVolleyCounter, RecoveryCounter, BlinkCounter, Stars,
                StageAStrip, StageBStrip, StageCStrip, BackdropStrip, SideStrip1, SideStrip2, SideStrip3,
                SideStrip4, SpareStrip, RankingTable, EndingBannerHeight, LockBannerHeight);
        KeepAll(DiverFlameFrame, BigEnemy2, BigEnemy3, BigEnemy4, BigEnemy5, BigEnemy6, BigEnemy2Counter,
                BigEnemy3Counter, BigEnemy4Counter, BigEnemy5Counter, BigEnemy6Counter);
        KeepAll(BossARecord, BossWarningPicture, BossAAttackClock, BossASpiralCounters, BossAFlameFrame,
                BossAFlameCycle, FallingObjectFlameFrame);
        KeepAll(BossB, BossBFlyBy, BossBFlameFrame, BossBFlameCycle, BossBAttackTimer);
        KeepAll(BossCRecord, BossCAttackClock, BossCSmokeFrame, BossCSmokeCycle, BossCSprayCounters);
        for (const EntityArray* a : entity_walk::AllArrays()) {
            Keep(a->records, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
        }
        seed_ = crt::randState();
    }

    void Restore() const {
        for (const Kept& k : kept_) std::memcpy(k.place, k.bytes.get(), k.size);
        crt::srand(seed_);
    }

private:
    struct Kept {
        void* place;
        std::size_t size;
        std::unique_ptr<unsigned char[]> bytes;
    };

    void Keep(void* place, std::size_t size) {
        Kept k{place, size, std::make_unique<unsigned char[]>(size)};
        std::memcpy(k.bytes.get(), place, size);
        kept_.push_back(std::move(k));
    }
    template <typename T>
    void Keep(T& global) {
        static_assert(std::is_trivially_copyable_v<T>, "only plain records go back byte by byte");
        Keep(static_cast<void*>(&global), sizeof global);
    }
    template <typename... T>
    void KeepAll(T&... globals) {
        (Keep(globals), ...);
    }

    std::vector<Kept> kept_;
    unsigned int seed_ = 0;
};

const StartValues kStartValues;

}  // namespace

void StartFreshProcess() {
    // The engine's own releases first, while the platform still knows the objects they hand back.
    elDraw::EndText();
    elFont::ReleaseFontBlock();
    headless::Reset();
    kStartValues.Restore();
    // The program lives beside the data files the build generated.
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game800");
    // What the engine's static initialiser does before the entry (its exit handler is registered once).
    timeBeginPeriod(1);
    elSystem::SetFrameRate(60);
    elSystem::SetFrameWait(1);
}
