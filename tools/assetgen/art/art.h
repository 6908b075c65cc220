// Every picture group of the game, drawn into a set keyed by file name.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "draw/image.h"
#include "draw/shapes.h"

namespace assetgen {

using PictureSet = std::map<std::string, Image>;

void drawShipArt(PictureSet& set);
void drawPlayerShotArt(PictureSet& set);
void drawEnemyBulletArt(PictureSet& set);
void drawBossBulletArt(PictureSet& set);
void drawExplosionArt(PictureSet& set);
void drawEnemyArt(PictureSet& set);
void drawBossAArt(PictureSet& set);
void drawBossBArt(PictureSet& set);
void drawBossCArt(PictureSet& set);
void drawBackgroundArt(PictureSet& set);
void drawHudArt(PictureSet& set);
void drawTitleAndEndingArt(PictureSet& set);

// The player ship, nose up, centred on `centre`; `scale` 1 fills a 60 x 70 box.
// bank: 0 level, negative rolling left, positive rolling right (-3..3).
void drawShip(Image& img, Vec2 centre, float scale, int bank);

// Small stand-in for a picture that nothing draws.
Image placeholderPicture(int width, int height);

// A strip of `count` cells side by side, each drawn by draw(cell, index).
Image makeStrip(int cellWidth, int cellHeight, int count, const std::function<void(Image&, int)>& draw);

}  // namespace assetgen
