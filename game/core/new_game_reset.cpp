#include "build_config.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"

namespace {

// Tile i starts kStripTileSpacing pixels above tile i - 1; every y is an exact integer.
void BuildStrip(BackgroundStrip* strip, float x, float firstY) {
    for (int i = 0; i < kStripTileCount; ++i) {
        strip[i].x = x;
        strip[i].y = firstY - kStripTileSpacing * static_cast<float>(i);
        strip[i].zero = 0.0f;
    }
}

// The spare strip keeps its fourth word and always starts at y 0.
void BuildSpareStrip() {
    for (int i = 0; i < kStripTileCount; ++i) {
        SpareStrip[i].x = kParkedX;
        SpareStrip[i].y = -kStripTileSpacing * static_cast<float>(i);
    }
}

}  // namespace

void InitNewGame() {
    BuildStrip(StageAStrip, build::kStageStripX, build::kStripFirstTileY);
    BuildStrip(StageBStrip, build::kStageStripX, build::kStripFirstTileY);
    BuildStrip(StageCStrip, build::kStageStripX, build::kStripFirstTileY);
    BuildStrip(BackdropStrip, kParkedX, build::kStripFirstTileY);
    BuildStrip(SideStrip1, build::kSideStripX, build::kStripFirstTileY);
    BuildStrip(SideStrip2, build::kSideStripX, build::kStripFirstTileY);
    BuildStrip(SideStrip3, build::kSideStripX, build::kStripFirstTileY);
    BuildStrip(SideStrip4, build::kSideStripX, build::kStripFirstTileY);
    BuildSpareStrip();

    Score = 0;
    PlayerPosition = {build::kShipStartX, build::kShipStartY};
    ShipStock = kNewGameShipStock;
    PowerCount = kNewGamePowerCount;
    Difficulty = 0;
    AutoFireTrigger = 0;
    PowerFlags[0] = PowerFlags[1] = 0;

    PowerItem.x = kParkedX;
    PowerItem.y = kParkedY;
    PowerItem.fallSpeed = 0.0f;
    PowerItem.spare = 0.0f;
    PowerItem.active = 0;
    PowerItem.collected = 0;
    PowerItem.spawnCount = 0;
    PowerItem.counters[0] = PowerItem.counters[1] = 0;
}
