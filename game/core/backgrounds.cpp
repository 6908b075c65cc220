#include "game/core/backgrounds.h"

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "platform/system.h"

namespace {

constexpr int kTileWidth = 440;
constexpr int kTileHeight = 480;
constexpr float kTileSpacing = 480.0f;

// Star pictures: a 3 x 10 column per look on the sheet.
constexpr int kStarSheetX = 139;
constexpr int kStarSheetY = 70;
constexpr int kStarWidth = 3;
constexpr int kStarHeight = 10;
constexpr int kStarLooks = 7;
constexpr int kStarRespawnXRange = 640;
constexpr int kStarRespawnYRange = 50;

struct SpeedWindow {
    float from;
    float to;
    float speed;
};

constexpr SpeedWindow kStageCStripWindows[] = {
    {0, 500, 140},   {500, 530, 150},  {530, 560, 250},   {560, 590, 350},      {590, 620, 450},
    {620, 650, 550}, {650, 1000, 650}, {1000, 1150, 300}, {1150, 3.4e38f, 150},
};
constexpr SpeedWindow kBackdropWindows[] = {
    {0, 500, 150},   {500, 530, 200},  {530, 560, 300},   {560, 590, 400},      {590, 620, 300},
    {620, 650, 400}, {650, 1000, 250}, {1000, 1150, 200}, {1150, 3.4e38f, 150},
};

template <std::size_t N>
float SpeedFor(const SpeedWindow (&windows)[N], float t) {
    float speed = 0.0f;
    for (const SpeedWindow& w : windows) {
        if (t >= w.from && t <= w.to) speed += w.speed;
    }
    return speed;
}

// Every tile moves every frame, but only those reaching into the screen's rows are drawn: the blit clips
// to the screen, so a tile wholly above or below it would draw nothing. Each tile is drawn where it was
// before the move. Only the last tile is ever put back, in the frame it passes the top edge (the
// backdrop: reaches it); the tiles before it test where it was before its own move.
void DrawStrip(BackgroundStrip (&strip)[kStripTileCount], int picture, float speed, bool putBackAtZero) {
    const int screenBottom = elSystem::State.screenHeight;
    for (const BackgroundStrip& tile : strip) {
        const int top = DrawInt(tile.y);
        if (top < screenBottom && top > -kTileHeight) {
            elDraw::Draw(DrawInt(tile.x), top, picture, 0, 0, kTileWidth, kTileHeight);
        }
    }
    const auto pastTop = [putBackAtZero](float y) { return putBackAtZero ? y >= 0.0f : y > 0.0f; };
    const float step = speed * FrameTime;
    constexpr int kLast = kStripTileCount - 1;
    const bool putBack = pastTop(strip[kLast].y);
    for (int i = 0; i < kLast; ++i) {
        strip[i].x = build::kStageStripX;
        strip[i].y = putBack ? -kTileSpacing * static_cast<float>(i) : strip[i].y + step;
    }
    BackgroundStrip& last = strip[kLast];
    last.x = build::kStageStripX;
    last.y += step;
    if (pastTop(last.y)) last.y = -kTileSpacing * static_cast<float>(kLast);
}

}  // namespace

float StageCStripSpeed(float stageScroll) {
    return SpeedFor(kStageCStripWindows, stageScroll);
}
float BackdropSpeed(float stageScroll) {
    return SpeedFor(kBackdropWindows, stageScroll);
}

void DrawStageABackground() {
    DrawStrip(StageAStrip, PicBBACK1S, kStageAStripSpeed, false);
}
void DrawStageBBackground() {
    DrawStrip(StageBStrip, PicBBACK2S, kStageBStripSpeed, false);
}
void DrawStageCBackground() {
    DrawStrip(StageCStrip, PicBBACK3S, StageCStripSpeed(StageScroll), false);
}
void DrawBackdrop() {
    DrawStrip(BackdropStrip, PicBBACK8S, BackdropSpeed(StageScroll), true);
}

void DrawStarfield(int spread, int base) {
    for (Star& star : Stars) {
        const int column = kStarSheetX + kStarWidth * star.look;
        elDraw::Draw(DrawInt(star.x), DrawInt(star.y), PicMYMY, column, kStarSheetY, column + kStarWidth,
                     kStarSheetY + kStarHeight);
        star.y += star.fallSpeed * FrameTime;
        star.x += star.sideSpeed * FrameTime;
        star.sideSpeed = 0.0f;
        if (star.y > static_cast<float>(build::kScreenHeight)) {
            star.look = crt::rand() % kStarLooks;
            star.x = static_cast<float>(crt::rand() % kStarRespawnXRange);
            star.y = static_cast<float>(-(crt::rand() % kStarRespawnYRange));
            star.fallSpeed = static_cast<float>(base + (spread > 0 ? crt::rand() % spread : 0));
        }
    }
}
