#include "game/core/ship_death.h"

#include <cmath>
#include <numbers>

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/trace_hook.h"

constinit float LockBannerHeight = 0.0f;

namespace {

constexpr int kShipWidth = 60;
constexpr int kShipHeight = 70;
constexpr int kMouseShipOffset = 30;

// Ring k is launched when the fragments' counters reach its value; the last ring takes the ships.
constexpr int kRingLaunch[kBlastRings] = {1, 10, 20, 30, 40};
constexpr int kAliveAgainCount = 50;
constexpr int kFragmentEndCount = 91;
constexpr int kFragmentRestartCount = 51;
constexpr float kFragmentStart = 20.0f;
constexpr float kFragmentSpeed = 280.0f;
constexpr float kFragmentSpacing = std::numbers::pi_v<float> / 8.0f;
constexpr float kFreeMargin = -60.0f;
constexpr int kCell = 60;
// Animation counts: 1..7 along row 0, 8..14 along row 1, then column 0.
constexpr int kRowLength = 8;
constexpr int kLastAnimationCount = 14;

constexpr int kContinueWidth = 200;
constexpr int kContinueHeight = 100;
constexpr int kAnswerKey = 'Y';

// The lock banner: a cell of the ship picture stretched 300 wide, centred on a 480-pixel height.
constexpr float kBannerGrowth = 30.0f;
constexpr int kBannerX = 170;
constexpr int kBannerWidth = 300;
constexpr int kBannerCentreHeight = 480;

void ParkFragment(BlastFragment& f) {
    f.x = kParkedX;
    f.y = kParkedY;
    f.launched = 0;
}

void ResetFragments() {
    for (BlastFragment& f : BlastFragments) {
        ParkFragment(f);
        f.frameCounter = 0;
        f.timer = 0.0f;
        f.heading = kStartHeading;
    }
}

}  // namespace

void UpdatePlayerBlast(int) {
    for (int i = 0; i < kBlastFragmentCount; ++i) {
        BlastFragment& f = BlastFragments[i];
        const int ring = i / kFragmentsPerRing;
        f.frameCounter += 1;
        if (i == 0 && f.frameCounter == kRingLaunch[0]) {
            TraceRecord(TraceKind::kShipLost, nullptr, 0, 0, PlayerPosition.x, PlayerPosition.y);
        }
        if (f.frameCounter == kRingLaunch[ring]) {
            f.launched = 1;
            f.startX = PlayerPosition.x + kFragmentStart;
            f.startY = PlayerPosition.y + kFragmentStart;
            f.x = f.startX;
            f.y = f.startY;
            f.speed = kFragmentSpeed;
            f.heading = kFragmentSpacing * static_cast<float>(i % kFragmentsPerRing);
            f.timer = 0.0f;
            if (ring == kBlastRings - 1) ShipStock -= 1;
        }
        if (f.frameCounter >= kAliveAgainCount) {
            PlayerAlive = 1;
            ContinueRecovery = 1;
        }
        if (f.frameCounter >= kFragmentEndCount) {
            ParkFragment(f);
            f.frameCounter = kFragmentRestartCount;
        }
    }
}

void MovePlayerBlast(int) {
    for (BlastFragment& f : BlastFragments) {
        if (f.launched == 0) continue;
        f.x += std::cos(f.heading) * f.speed * FrameTime;
        f.y += std::sin(f.heading) * f.speed * FrameTime;
        if (!(f.x >= kFreeMargin && f.x <= build::kBlastRight && f.y >= kFreeMargin &&
              f.y <= build::kBlastBottom)) {
            ParkFragment(f);
        }
    }
}

void AnimatePlayerBlast(int) {
    for (BlastFragment& f : BlastFragments) {
        const int count = static_cast<int>(f.timer);
        int column = 0;
        int row = 0;
        if (count >= 1 && count < kRowLength) {
            column = count;
        } else if (count >= kRowLength && count <= kLastAnimationCount) {
            column = count - kRowLength;
            row = 1;
        }
        elDraw::DrawAdditive(DrawInt(f.x), DrawInt(f.y), PicGFBAK1, column * kCell, row * kCell,
                             (column + 1) * kCell, (row + 1) * kCell);
        if (count <= kLastAnimationCount) f.timer += 1.0f;
    }
}

void DrawPlayerShip() {
    const int bank = ShipBankFrame;
    if (ShipVisible == 1) {
        elDraw::Draw(DrawInt(PlayerPosition.x), DrawInt(PlayerPosition.y), PicMYME1, kShipWidth * bank, 0,
                     kShipWidth * bank + kShipWidth, kShipHeight);
    }
    if (MouseShip == 1) {
        elDraw::Draw(DrawInt(PlayerPosition.x), DrawInt(PlayerPosition.y), PicMYME1, kShipWidth * bank, 0,
                     kShipWidth * bank + kShipWidth, kShipHeight);
        PlayerPosition = {static_cast<float>(MouseState.x - kMouseShipOffset),
                          static_cast<float>(MouseState.y - kMouseShipOffset)};
    }
    if (PlayerAlive == 0) {
        if (ContinueRecovery != 0) {
            PlayerAlive = 1;
        } else if (Invincible != 1) {
            UpdatePlayerBlast(0);
            AnimatePlayerBlast(0);
            MovePlayerBlast(0);
            elSound::Play(SoundBom, -1);
            PowerFlags[0] = PowerFlags[1] = 0;
            PowerItem.spawnCount = 0;
        }
    }
    if (PlayerAlive == 1 && ContinueRecovery != 0) {
        RecoveryCounter += 1;
        if (RecoveryCounter >= kRecoveryFrames) {
            RecoveryCounter = 0;
            ContinueRecovery = 0;
            ResetFragments();
        }
    }
}

void ShowContinuePrompt() {
    if (ShipStock > 0 || ContinueShown != 0) return;
    elDraw::Draw(build::kContinueX, build::kContinueY, PicCONTINU1, 0, 0, kContinueWidth, kContinueHeight);
    ShipSpeed = {0.0f, 0.0f};
    ContinueShown = 1;
    Frozen = 1;
    PlayerAlive = 0;
}

void AnswerContinuePrompt() {
    if (ContinueShown != 1 || Frozen != 1 || LastKey != kAnswerKey) return;
    Frozen = 0;
    ContinueShown = 0;
    Score = 0;
    PowerCount = kContinuePower;
    ShipStock = kContinueShips;
    ContinueRecovery = 1;
    PlayerAlive = 1;
}

void DrawLockBanner() {
    if (InputLock == 0) return;
    LockBannerHeight += kBannerGrowth * FrameTime;
    const int h = DrawInt(LockBannerHeight);
    constexpr int kSourceLeft = 81;
    constexpr int kSourceTop = 70;
    constexpr int kSourceRight = 136;
    constexpr int kSourceBottom = 80;
    elDraw::DrawStretch(kBannerX, (kBannerCentreHeight - h) / 2, PicMYMY, kSourceLeft, kSourceTop,
                        kSourceRight, kSourceBottom, kBannerWidth, h);
}
