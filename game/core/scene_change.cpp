#include "game/core/scene_change.h"

#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"

namespace {
constexpr int kClosingIntoOpening = 3;
constexpr int kScreenGrabSlot = 1;
}  // namespace

void StartSceneTransition(int nextScene, int length) {
    Transition.kind = kClosingIntoOpening;
    Transition.length = length;
    elDraw::GrabScreen(kScreenGrabSlot, 0, 0, build::kScreenWidth, build::kScreenHeight);
    SceneNumber = nextScene;
    PreviousScene = 0;
    Transition.step = length;
    Transition.direction = -1;
}
