#include "build_config.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"

void LoadAllAssets() {
    elSystem::State.screenWidth = build::kScreenWidth;
    elSystem::State.screenHeight = build::kScreenHeight;
    elSystem::Start();
    HiScore = kStartingHiScore;
    SceneNumber = kSceneTitle;
    PreviousScene = 0;
}
