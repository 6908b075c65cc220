#include "game/enemies/enemy_kind_rules.h"

#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "game/core/picture_slots.h"

namespace {

constexpr int kMarkerSize = 60;
constexpr int kNextCopy = -1;

}  // namespace

void DrawLockMarker(const LockRecord& marker) {
    elDraw::Draw(marker.x, marker.y, PicROCK1, 0, 0, kMarkerSize, kMarkerSize);
}

void ResetMarker(LockRecord& marker, int x, int y) {
    marker.x = x;
    marker.y = y;
    marker.locked = 0;
}

void PlayExplosionSound() {
    elSound::Play(SoundBom, kNextCopy);
}
