#include "game/enemies/enemy_looks.h"

#include "engine/elDraw.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/enemies/bullet_pool.h"

namespace {

constexpr int kTurnedLookSize = 80;
// Turned looks are drawn upright while the angle lies in -90..0.
constexpr int kUprightLow = -90;
constexpr int kUprightHigh = 0;
constexpr int kQuarterTurn = 90;
constexpr int kThreeQuarterTurn = 270;

constexpr int kBigCell = 80;
constexpr int kSmallCell = 40;
constexpr int kCentre = 20;  // the offset that centres a cell's growth on the enemy

constexpr CellBlit kAdd = CellBlit::kAdditive;
constexpr CellBlit kHalf = CellBlit::kHalf;
constexpr CellBlit kKey = CellBlit::kKeyed;

constexpr ExplosionCell Big(const int* picture, CellBlit blit, int fx, int fy) {
    return {picture, kBigCell, blit, fx, kCentre, fy, kCentre};
}
constexpr ExplosionCell Debris(int fx, int fy) {
    return {&PicZBAK6B, kSmallCell, kAdd, fx, kCentre, fy, kCentre};
}
constexpr ExplosionCell AtCorner(const int* picture, CellBlit blit, int ox = 0, int oy = 0) {
    return {picture, kBigCell, blit, 0, ox, 0, oy};
}

// Five fireballs of the fire strip round the enemy.
constexpr ExplosionCell kFireCells[] = {
    AtCorner(&PicZBAK3B, kAdd),   Big(&PicZBAK3B, kHalf, -6, -6), Big(&PicZBAK3B, kAdd, 6, 2),
    Big(&PicZBAK3B, kAdd, -6, 6), Big(&PicZBAK3B, kAdd, 1, -6),
};
// A half-transparent fireball and six pieces of debris flung out.
constexpr ExplosionCell kDebrisCells[] = {
    AtCorner(&PicZBAK2B, kHalf),
    Debris(-4, -6),
    Debris(1, 7),
    Debris(7, -1),
    Debris(-6, 3),
    Debris(-7, -6),
    Debris(5, -8),
};
// Six fireballs, three of them half-transparent.
constexpr ExplosionCell kClusterCells[] = {
    Big(&PicZBAK2B, kAdd, 6, -1),  Big(&PicZBAK2B, kHalf, 6, 6), Big(&PicZBAK2B, kAdd, -6, 4),
    Big(&PicZBAK2B, kHalf, 2, -6), AtCorner(&PicZBAK2B, kAdd),   Big(&PicZBAK2B, kAdd, -6, -6),
};
// An additive fireball and six pieces of debris.
constexpr ExplosionCell kScatterCells[] = {
    AtCorner(&PicZBAK2B, kAdd),
    Debris(-4, -6),
    Debris(1, 7),
    Debris(7, -1),
    Debris(-6, 3),
    Debris(7, 6),
    Debris(5, -8),
};
constexpr ExplosionCell kFormationCells[] = {
    Big(&PicZBAK2B, kAdd, -6, 1),  Big(&PicZBAK2B, kHalf, -6, -6), Big(&PicZBAK2B, kAdd, 6, -4),
    Big(&PicZBAK2B, kHalf, -2, 6), AtCorner(&PicZBAK2B, kAdd),     Big(&PicZBAK2B, kAdd, 6, 6),
};
constexpr ExplosionCell kSingleCell[] = {AtCorner(&PicZBAK2B, kAdd)};
constexpr ExplosionCell kPlainCell[] = {AtCorner(&PicZBAK2B, kKey)};
// Eight fireballs over the carrier's 200x160 body, the two strips in turn.
constexpr ExplosionCell kCarrierCells[] = {
    AtCorner(&PicZBAK2B, kKey, 0, 0),   AtCorner(&PicZBAK3B, kKey, 60, 0),
    AtCorner(&PicZBAK2B, kKey, 120, 0), AtCorner(&PicZBAK3B, kKey, 30, 40),
    AtCorner(&PicZBAK2B, kKey, 90, 40), AtCorner(&PicZBAK3B, kKey, 0, 80),
    AtCorner(&PicZBAK2B, kKey, 60, 80), AtCorner(&PicZBAK3B, kKey, 120, 80),
};

void DrawCell(const ExplosionCell& cell, CellBlit blit, int x, int y, int frame) {
    const int slot = *cell.picture;
    const int left = cell.size * frame;
    const int dx = x + cell.fx * frame + cell.ox;
    const int dy = y + cell.fy * frame + cell.oy;
    switch (blit) {
        case CellBlit::kAdditive:
            elDraw::DrawAdditive(dx, dy, slot, left, 0, left + cell.size, cell.size);
            break;
        case CellBlit::kHalf:
            elDraw::DrawHalfTransparent(dx, dy, slot, left, 0, left + cell.size, cell.size);
            break;
        case CellBlit::kKeyed:
            elDraw::Draw(dx, dy, slot, left, 0, left + cell.size, cell.size);
            break;
    }
}

void DrawFlames(const SpriteLook& look, int x, int y, int flameFrame) {
    const int frame = flameFrame >= 0 && flameFrame < kFlameFrames ? flameFrame : 0;
    const int left = kFlameCellWidth * frame;
    for (int k = 0; k < look.flameCount && k < kMaxFlames; ++k) {
        elDraw::Draw(x + look.flames[k].x, y + look.flames[k].y, *look.flame, left, 0, left + kFlameCellWidth,
                     kFlameCellHeight);
    }
}

}  // namespace

const ExplosionStyle kSmallExplosions[kSmallExplosionVariants] = {
    {kFireCells, kFireCells, false, VelocityClear::kAlways},
    {kFireCells, kFireCells, false, VelocityClear::kAlways},
    {kDebrisCells, kDebrisCells, false, VelocityClear::kAlways},
    {kClusterCells, kClusterCells, false, VelocityClear::kAlways},
};
const ExplosionStyle kScatterExplosion{kScatterCells, kPlainCell};
const ExplosionStyle kClusterExplosion{kClusterCells, kClusterCells};
const ExplosionStyle kFormationExplosion{kFormationCells, kPlainCell, false, VelocityClear::kWhenBlended};
const ExplosionStyle kBurstExplosion{kFireCells, kFireCells};
const ExplosionStyle kSingleExplosion{kSingleCell, kSingleCell};
const ExplosionStyle kCarrierExplosion{kCarrierCells, kCarrierCells, true};

void DrawSpriteLook(const SpriteLook& look, int x, int y, int flameFrame, float heading) {
    if (look.body == nullptr) return;
    if (look.flame != nullptr) DrawFlames(look, x, y, flameFrame);
    const int bx = x + look.offsetX;
    const int by = y + look.offsetY;
    if (look.turn != Turn::kNone) {
        const int degrees = HeadingDegrees(heading);
        const int angle =
            look.turn == Turn::kHeadingLess90 ? degrees - kQuarterTurn : kThreeQuarterTurn + degrees;
        if (angle < kUprightLow || angle > kUprightHigh) {
            elDraw::DrawRotated(bx, by, bx + kTurnedLookSize, by + kTurnedLookSize, angle, *look.body, 0, 0,
                                kTurnedLookSize, kTurnedLookSize);
            return;
        }
    }
    elDraw::Draw(bx, by, *look.body, 0, 0, look.width, look.height);
}

int NextFlameFrame(int frame) {
    return frame >= 0 && frame + 1 < kFlameFrames ? frame + 1 : 0;
}

void DrawExplosion(const ExplosionStyle& style, int x, int y, int frame) {
    const int f = frame >= 0 && frame < kExplosionCells ? frame : 0;
    if (style.alwaysKeyed) {
        for (const ExplosionCell& cell : style.cells) DrawCell(cell, CellBlit::kKeyed, x, y, f);
    } else if (BlendEffects == 1) {
        for (const ExplosionCell& cell : style.cells) DrawCell(cell, cell.blit, x, y, f);
    } else if (BlendEffects == 0) {
        for (const ExplosionCell& cell : style.plain) DrawCell(cell, CellBlit::kKeyed, x, y, f);
    }
}

bool ExplosionClearsVelocity(const ExplosionStyle& style) {
    switch (style.clear) {
        case VelocityClear::kAlways:
            return true;
        case VelocityClear::kWhenBlended:
            return BlendEffects == 1;
        case VelocityClear::kNever:
            break;
    }
    return false;
}
