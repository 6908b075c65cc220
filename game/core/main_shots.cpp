#include "game/core/main_shots.h"

#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/scoring.h"
#include "game/core/trace_hook.h"
#include "game/enemies/enemy_hits.h"
#include "game/enemies/enemy_pools.h"

namespace {

constexpr int kSideShotFlag = 0;
constexpr int kStrongCentreFlag = 1;

// Forward shots leave 38 pixels above the ship's top; the third kind's rear shots 28 below it.
constexpr int kMuzzleAbove = 38;
constexpr int kRearMuzzle = 28;
constexpr int kNarrowSideOffset = 15;
constexpr int kWideSideOffset = 30;
constexpr int kNormalStep = 10;
constexpr int kStrongStep = 20;
constexpr int kNarrowSideStep = 2;
constexpr int kWideSideStep = 3;
constexpr int kRearInnerStep = 1;

constexpr int kHardDifficulty = 3;
constexpr int kShotCell = 60;

// Special animation: 16 frames drawn at (ship x - 90, ship y - 170); frame 16 hits small enemies at the
// point (120, 4) of the picture.
constexpr int kSpecialFrames = 16;
constexpr int kSpecialOffsetX = 90;
constexpr int kSpecialOffsetY = 170;
constexpr int kSpecialWidth = 240;
constexpr int kSpecialHeight = 280;
constexpr int kSpecialHitX = 120;
constexpr int kSpecialHitY = 4;
constexpr int kSpecialEnemyBox = 80;
constexpr float kSpecialEnemyFloor = -10.0f;
constexpr int kSpecialPoints = 500;
constexpr int kPanelOffsetY = 160;

int* const kSpecialPictures[kSpecialFrames] = {
    &PicMYRCL51, &PicMYRCL52, &PicMYRCL53, &PicMYRCL54, &PicMYRCL55, &PicMYRCL56, &PicMYRCL57, &PicMYRCL58,
    &PicMYRCL59, &PicMYRCL60, &PicMYRCL61, &PicMYRCL62, &PicMYRCL63, &PicMYRCL64, &PicMYRCL65, &PicMYRCL66,
};

bool SideShot() {
    return PowerFlags[kSideShotFlag] != 0;
}
bool StrongCentre() {
    return PowerFlags[kStrongCentreFlag] != 0;
}
int ForwardStep() {
    return StrongCentre() ? kStrongStep : kNormalStep;
}

int ShipX() {
    return DrawInt(PlayerPosition.x);
}
int ShipY() {
    return DrawInt(PlayerPosition.y);
}

bool InPool(int index, int count) {
    return index >= 0 && index < count;
}

// Arms a free record; false when it is still in flight (or not a record of the pool).
template <int N>
bool ArmShot(MainShot (&pool)[N], int index, int x, int y, int stepX, int stepY) {
    if (!InPool(index, N) || pool[index].active != 0) return false;
    MainShot& shot = pool[index];
    shot.active = 1;
    shot.x = x;
    shot.y = y;
    shot.stepX = stepX;
    shot.stepY = stepY;
    TraceArm(&shot, 0, static_cast<float>(x), static_cast<float>(y));
    return true;
}

template <int N>
void ForwardVolley(MainShot (&pool)[N], int kind, int sideOffset, int sideStep, int a, int b, int c) {
    const int sx = ShipX();
    const int sy = ShipY();
    if (ArmShot(pool, a, sx, sy - kMuzzleAbove, 0, ForwardStep())) {
        MainShotFired[kind] = 1;
        elSound::Play(SoundShot, -1);
    }
    if (!SideShot()) return;
    const int stepX = StrongCentre() ? 2 * sideStep : sideStep;
    ArmShot(pool, b, sx - sideOffset, sy - kMuzzleAbove, stepX, ForwardStep());
    ArmShot(pool, c, sx + sideOffset, sy - kMuzzleAbove, stepX, ForwardStep());
}

void Cadence(int kind, void (*volley)(int v)) {
    int& counter = MainShotCadence[kind];
    counter += 1;
    for (int v = 1; v <= kCadenceVolleys; ++v) {
        if (counter == kCadenceStep * v) volley(v);
    }
    if (counter >= kCadenceWrap) counter = 0;
}

int Pick(int normal, int hard) {
    return Difficulty == kHardDifficulty ? hard : normal;
}

void DrawCell(int x, int y, int slot, int width, int height) {
    elDraw::DrawAdditive(x, y, slot, 0, 0, width, height);
}

void DrawBurstShots() {
    constexpr int kBankSize = kBurstShotCount / kBurstBanks;
    constexpr int kLargeSize = 30;
    constexpr int kSmallSize = 20;
    constexpr int kLargeInset = 5;
    for (int i = 0; i < kBurstShotCount; ++i) {
        const PhaseShot& shot = BurstShots[i];
        if (shot.active == 0) continue;
        if (i < 2 * kBankSize) {
            DrawCell(shot.x - kLargeInset, shot.y - kLargeInset, Pick(PicRAY1, PicRAY11), kLargeSize,
                     kLargeSize);
        } else {
            DrawCell(shot.x, shot.y, Pick(PicRAY2, PicRAY22), kSmallSize, kSmallSize);
        }
    }
}

// Muzzle flashes sit 5 left of and 15 above the ship; the wide one 32 left of it.
constexpr int kFlashOffsetX = 5;
constexpr int kFlashOffsetY = 15;
constexpr int kWideFlashOffsetX = 32;

void DrawKind1() {
    constexpr int kFlashWidth = 70;
    constexpr int kFlashHeight = 50;
    if (MainShotFired[0] != 0) {
        DrawCell(ShipX() - kFlashOffsetX, ShipY() - kFlashOffsetY, Pick(PicFLHST12, PicFLHST3), kFlashWidth,
                 kFlashHeight);
        MainShotFired[0] = 0;
    }
    const int pictures[3] = {Pick(PicSFLH7, PicSFLH22), Pick(PicSFLH8, PicSFLH33), Pick(PicSFLH6, PicSFLH11)};
    for (int i = 0; i < kMainShotPoolCount; ++i) {
        const MainShot& shot = MainShots1[i];
        if (shot.active != 0)
            DrawCell(shot.x, shot.y, pictures[i / kMainShotGroupSize], kShotCell, kShotCell);
    }
}

constexpr int kSmallFlashWidth = 70;
constexpr int kSmallFlashHeight = 36;
constexpr int kWideFlashWidth = 124;
constexpr int kWideFlashHeight = 70;

void DrawKind2() {
    constexpr int kWideShotWidth = 120;
    constexpr int kWideShotInset = 30;
    for (int i = 0; i < kMainShotPoolCount; ++i) {
        const MainShot& shot = MainShots2[i];
        if (shot.active == 0) continue;
        switch (i / kMainShotGroupSize) {
            case 0:
                DrawCell(shot.x, shot.y, Pick(PicFLW2_1, PicFLW22), kShotCell, kShotCell);
                break;
            case 1:
                DrawCell(shot.x, shot.y, Pick(PicFLW3_2, PicFLW33), kShotCell, kShotCell);
                break;
            default:
                DrawCell(shot.x - kWideShotInset, shot.y, Pick(PicFLW1_3, PicFLW11), kWideShotWidth,
                         kShotCell);
                break;
        }
    }
    if (MainShotFired[1] != 0) {
        DrawCell(ShipX() - kFlashOffsetX, ShipY() - kFlashOffsetY, Pick(PicFLHST2, PicFLHST33),
                 kSmallFlashWidth, kSmallFlashHeight);
        constexpr int kWideFlashAbove = 40;
        if (SideShot()) {
            DrawCell(ShipX() - kWideFlashOffsetX, ShipY() - kWideFlashAbove, PicFLHST22, kWideFlashWidth,
                     kWideFlashHeight);
        }
        MainShotFired[1] = 0;
    }
}

void DrawKind3() {
    constexpr int kForwardCell = 2;
    for (int i = 0; i < kWideMainShotPoolCount; ++i) {
        const MainShot& shot = MainShots3[i];
        if (shot.active == 0) continue;
        const int group = i / kMainShotGroupSize;
        if (group == 0) {
            elDraw::DrawAdditive(shot.x, shot.y, PicSFLHV1, kForwardCell * kShotCell, 0,
                                 (kForwardCell + 1) * kShotCell, kShotCell);
        } else {
            const int cell = group - 1;
            elDraw::DrawAdditive(shot.x, shot.y, PicSFLHV2, cell * kShotCell, 0, (cell + 1) * kShotCell,
                                 kShotCell);
        }
    }
    if (MainShotFired[2] != 0) {
        DrawCell(ShipX() - kFlashOffsetX, ShipY() - kFlashOffsetY, Pick(PicFLHST2, PicFLHST33),
                 kSmallFlashWidth, kSmallFlashHeight);
        constexpr int kWideFlashBelow = 5;
        if (SideShot()) {
            DrawCell(ShipX() - kWideFlashOffsetX, ShipY() + kWideFlashBelow, PicFLHST22, kWideFlashWidth,
                     kWideFlashHeight);
        }
        MainShotFired[2] = 0;
    }
}

// Frame 16 of the special animation: the point (x + 120, y + 4) against every small enemy's box.
void SpecialHit(const SpecialEffect& effect) {
    const int px = effect.x + kSpecialHitX;
    const int py = effect.y + kSpecialHitY;
    for (int i = 0; i < kSmallEnemyCount; ++i) {
        const SmallEnemy& enemy = SmallEnemies[i];
        if (enemy.busy != 0 || !(enemy.y >= kSpecialEnemyFloor)) continue;
        const int ex = DrawInt(enemy.x);
        const int ey = DrawInt(enemy.y);
        if (ex <= px && px <= ex + kSpecialEnemyBox && ey <= py && py <= ey + kSpecialEnemyBox) {
            MarkSmallEnemyHit(i);
            AddScore(kSpecialPoints);
        }
    }
}

}  // namespace

void SpawnShotVolley1(int a, int b, int c) {
    ForwardVolley(MainShots1, 0, kNarrowSideOffset, kNarrowSideStep, a, b, c);
}

void SpawnShotVolley2(int a, int b, int c) {
    ForwardVolley(MainShots2, 1, kWideSideOffset, kWideSideStep, a, b, c);
}

void SpawnShotVolley3(int a, int b, int c, int d, int e, int f) {
    const int sx = ShipX();
    const int sy = ShipY();
    const int stepY = ForwardStep();
    const int outer = StrongCentre() ? 2 * kNarrowSideStep : kNarrowSideStep;
    const int inner = StrongCentre() ? 2 * kRearInnerStep : kRearInnerStep;
    if (ArmShot(MainShots3, a, sx, sy - kMuzzleAbove, 0, stepY)) {
        MainShotFired[2] = 1;
        elSound::Play(SoundShot, -1);
    }
    ArmShot(MainShots3, b, sx - kNarrowSideOffset, sy + kRearMuzzle, outer, stepY);
    ArmShot(MainShots3, c, sx - kNarrowSideOffset, sy + kRearMuzzle, inner, stepY);
    ArmShot(MainShots3, d, sx, sy + kRearMuzzle, 0, stepY);
    ArmShot(MainShots3, e, sx + kNarrowSideOffset, sy + kRearMuzzle, inner, stepY);
    ArmShot(MainShots3, f, sx + kNarrowSideOffset, sy + kRearMuzzle, outer, stepY);
    if (!SideShot()) return;
    for (SpecialEffect& effect : SpecialEffects) {
        if (effect.active == 0) effect.active = 1;
    }
}

void AutoFireShots1() {
    Cadence(0, [](int v) { SpawnShotVolley1(v, kMainShotGroupSize + v, 2 * kMainShotGroupSize + v); });
}

void AutoFireShots2() {
    Cadence(1, [](int v) { SpawnShotVolley2(v, kMainShotGroupSize + v, 2 * kMainShotGroupSize + v); });
}

void AutoFireShots3() {
    Cadence(2, [](int v) {
        constexpr int g = kMainShotGroupSize;
        SpawnShotVolley3(v, g + v, 2 * g + v, 3 * g + v, 4 * g + v, 5 * g + v);
    });
}

// Groups 0, 1, 2: up; up and left; up and right.
void StepForwardShot(MainShot& shot, int index) {
    shot.y -= shot.stepY;
    switch (index / kMainShotGroupSize) {
        case 1:
            shot.x -= shot.stepX;
            break;
        case 2:
            shot.x += shot.stepX;
            break;
        default:
            break;
    }
}

// Group 0 up; groups 1 and 2 down and left, 3 straight down, 4 and 5 down and right.
void StepWideShot(MainShot& shot, int index) {
    const int group = index / kMainShotGroupSize;
    if (group == 0) {
        shot.y -= shot.stepY;
        return;
    }
    shot.y += shot.stepY;
    if (group == 1 || group == 2) shot.x -= shot.stepX;
    if (group == 4 || group == 5) shot.x += shot.stepX;
}

void DrawPlayerShots() {
    if (WeaponType != 1) return;
    DrawBurstShots();
    DrawKind1();
    DrawKind2();
    DrawKind3();
}

void DrawPlayerSpecial() {
    if (WeaponType != 1) return;
    const int sx = ShipX();
    const int sy = ShipY();
    constexpr int kPanelWidth = 60;
    constexpr int kPanelHeight = 50;
    if (SideShot()) elDraw::Draw(sx, sy - kPanelOffsetY, PicRPANEL3R, 0, 0, kPanelWidth, kPanelHeight);
    for (SpecialEffect& effect : SpecialEffects) {
        if (effect.active == 0) continue;
        effect.x = sx - kSpecialOffsetX;
        effect.y = sy - kSpecialOffsetY;
        effect.frame += 1;
        if (effect.frame >= 1 && effect.frame <= kSpecialFrames) {
            elDraw::DrawHalfTransparent(effect.x, effect.y, *kSpecialPictures[effect.frame - 1], 0, 0,
                                        kSpecialWidth, kSpecialHeight);
        } else if (effect.frame > kSpecialFrames) {
            effect.active = 0;
            effect.frame = 0;
        }
    }
    for (const SpecialEffect& effect : SpecialEffects) {
        if (effect.frame == kSpecialFrames) SpecialHit(effect);
    }
}
