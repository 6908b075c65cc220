// Building blocks shared by the three bosses: plated parts, turrets, lamps and damage.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/image.h"
#include "draw/shapes.h"

namespace assetgen {

// A lit part with a fine noise grain over its colour.
void plate(Image& img, const Shape& s, Color c, float bevel, std::uint32_t grainSeed = 0);
// Dark seam lines across a part, clipped to it.
void panelLines(Image& img, const Shape& within, const std::vector<shapes::Segment>& lines, Color c);
// A round turret with a barrel pointing down the screen.
void turret(Image& img, Vec2 centre, float radius, Color c);
// A glowing core (keyed art: the glow is painted, not added).
void core(Image& img, Vec2 centre, float radius, Color c);

// Battle damage on an existing picture: scorch marks, glowing cracks and fires.
// level 1 light, 2 heavy, 3 wrecked. Only pixels already drawn change, so the outline stays.
void applyDamage(Image& img, int level, std::uint32_t seed);

}  // namespace assetgen
