#include "game/core/power_item.h"

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "platform/system.h"

namespace {

constexpr int kSpawnSpreadX = 320;
constexpr float kSpawnY = -60.0f;
constexpr int kFallSpeedSpread = 130;
constexpr int kSlowestFall = 100;
constexpr int kPictureSize = 60;
// Power given by a collection: the first after a death or a new game gives 2, the next two 1 each,
// later ones 2.
constexpr int kLargeGain = 2;
constexpr int kSmallGain = 1;
constexpr int kLastSmallGainCount = 2;

void Park() {
    PowerItem.active = 0;
    PowerItem.collected = 0;
    PowerItem.x = kParkedX;
    PowerItem.y = kParkedY;
}

}  // namespace

void SpawnPowerItem() {
    if (PowerItem.active != 0) return;
    PowerItem.x = static_cast<float>(crt::rand() % kSpawnSpreadX + build::kPowerItemSpawnX);
    PowerItem.y = kSpawnY;
    PowerItem.active = 1;
    PowerItem.collected = 0;
    PowerItem.fallSpeed = static_cast<float>(crt::rand() % kFallSpeedSpread + kSlowestFall);
    PowerItem.spawnCount += 1;
}

void MovePowerItem() {
    if (PowerItem.active != 0) PowerItem.y += PowerItem.fallSpeed * FrameTime;
    if (PowerItem.y > build::kPowerItemBottom) Park();
}

void CollectPowerItem() {
    PowerItem.collected = 1;
    elSound::Play(SoundBom, -1);
}

void DrawPowerItem() {
    if (PowerItem.collected != 0) {
        if (PowerItem.spawnCount == 0) {
            PowerCount += kLargeGain;
            PowerItem.spawnCount = 1;
        } else if (PowerItem.spawnCount <= kLastSmallGainCount) {
            PowerCount += kSmallGain;
        } else {
            PowerCount += kLargeGain;
        }
        PowerFlags[0] = PowerFlags[1] = 1;
        Park();
        return;
    }
    elDraw::DrawAdditive(DrawInt(PowerItem.x), DrawInt(PowerItem.y), PicSPOWER1, 0, 0, kPictureSize,
                         kPictureSize);
}
