#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/backgrounds.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/resets.h"
#include "game/core/scene_change.h"
#include "game/core/scenes.h"
#include "platform/system.h"

namespace {

constexpr int kTitleWidth = 440;
constexpr int kTitleHeight = 480;
constexpr int kTitleStarSpread = 80;
constexpr int kTitleStarBase = 80;
constexpr DWORD kTitleSleepMs = 20;
constexpr int kKeyEnter = 13;
constexpr int kKeyManyShips = 'K';
constexpr int kKeyInvincible = 'J';
constexpr int kManyShips = 999;
constexpr int kTitleDifficulty = 1;
constexpr int kTitleTransitionLength = 26;

void StartGame() {
    WeaponType = 1;
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
}

}  // namespace

void ResetTitleFlags() {
    BackgroundOff = 0;
    MouseShip = 0;
    ShipVisible = 1;
    BlendEffects = 1;
    Invincible = 0;
    WeaponType = 0;
}

void RunTitleScene() {
    if (SceneFirstFrame == 1) ResetTitleFlags();
    elDraw::ClearBackBuffer();
    DrawBackdrop();
    DrawStarfield(kTitleStarSpread, kTitleStarBase);
    DrawStageABackground();
    elDraw::Draw(build::kTitleX, build::kTitleY, PicTITLEC, 0, 0, kTitleWidth, kTitleHeight);
    elDraw::SetWaitVBlank(1);
    elDraw::Present();
    Sleep(kTitleSleepMs);

    switch (LastKey) {
        case kKeyEnter:
            StartGame();
            break;
        case kKeyManyShips:
            StartGame();
            ShipStock = kManyShips;
            break;
        case kKeyInvincible:
            StartGame();
            Invincible = 1;
            break;
        default:
            return;
    }
    Difficulty = kTitleDifficulty;
    ScoringMode[0] = 1;
    ScoringMode[1] = 0;
    BackgroundOff = 0;
    StartSceneTransition(kSceneStageA, kTitleTransitionLength);
    LastKey = 0;
}
