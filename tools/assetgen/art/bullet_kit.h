// Building blocks shared by the enemy and boss bullet pictures.
#pragma once

#include "draw/image.h"
#include "draw/shapes.h"

namespace assetgen {

inline constexpr Color kBulletWhite = {1, 1, 1};

// Additive pellet: coloured halo and a white-hot core.
void glowPellet(Image& img, Vec2 centre, float radius, Color c);
// Pellet that also reads drawn keyed: a solid disc, white at the middle, with a soft halo.
void solidPellet(Image& img, Vec2 centre, float radius, Color c);
// Falling teardrop, head at `centre`, tail trailing up; `lean` degrees turns the head sideways
// (positive: the head drifts right).
void fallingDrop(Image& img, Vec2 centre, float radius, float lean, Color c);
// Missile nose up inside a cell: `style` 0 slim dart, 1 double-pointed shell.
void missile(Image& img, Vec2 centre, float size, int style, Color body, Color flame);
// Streak along a direction: bright line fading toward its tail.
void streak(Image& img, Vec2 head, Vec2 tail, float width, Color c);

}  // namespace assetgen
