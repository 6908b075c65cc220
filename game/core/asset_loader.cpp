#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"

namespace {
// Surfaces in system memory.
constexpr int kScreenType = 2;
// Pictures in system memory; sounds with one buffer each.
constexpr int kPictureMode = 1;
constexpr int kSoundMix = 1;

void LoadPictures(int from, int to) {
    for (int i = from; i < to; ++i)
        *kPictureLoads[i].slot = elDraw::LoadObject(kPictureLoads[i].name, kPictureMode);
}
}  // namespace

void LoadAllAssets() {
    elDraw::Screen(build::kScreenWidth, build::kScreenHeight, kScreenType);
    elDraw::SetClipRect(build::kFieldLeft, 0, build::kFieldRight, build::kScreenHeight);
    LoadPictures(0, kPicturesBeforeSounds);
    SoundShot = elSound::LoadObject("SOUND/SHOT.WAV", kSoundMix);
    SoundBom = elSound::LoadObject("SOUND/BOM.WAV", kSoundMix);
    LoadPictures(kPicturesBeforeSounds, kPictureCount);
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    HiScore = kStartingHiScore;
    SceneNumber = kSceneTitle;
    PreviousScene = 0;
}
