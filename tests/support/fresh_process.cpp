#include "support/fresh_process.h"

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/system.h"

void StartFreshProcess() {
    headless::Reset();
    elSystem::State = elSystem::EngineState{};
    for (int& w : WaitTable) w = 0;
    Transition = ScreenTransition{};
    FrameTime = 0.0f;
    FullScreen = 1;
    LastKey = LastKeyCopy = 0;
    SceneNumber = PreviousScene = SceneFirstFrame = PendingScene = 0;
    MouseState = MouseStateRecord{};
    MouseButtons = MouseButtonsRecord{};
    for (SceneFunction& f : SceneTable) f = nullptr;
    Score = HiScore = ShipStock = PowerCount = WeaponType = Difficulty = 0;
    ScoringMode[0] = ScoringMode[1] = 0;
    Frozen = ContinueShown = ContinueRecovery = ClearEnemyShots = 0;
    BlendEffects = BackgroundOff = MouseShip = ShipVisible = Invincible = PlayerAlive = 0;
    StageScroll = 0.0f;
    // What the engine's static initialiser does before the entry (its exit handler is registered once).
    timeBeginPeriod(1);
    elSystem::SetFrameRate(60);
    elSystem::SetFrameWait(1);
}
