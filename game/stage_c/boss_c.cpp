#include "game/stage_c/boss_c.h"

#include <limits>

#include "build_config.h"
#include "game/core/boss_sequence.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "game/stage_c/stage_c_entities.h"

namespace {

// The boss rests at (kHomeX, 0) between the sections of its loop.
constexpr float kHomeX = 180.0f - build::kFieldShiftX;
constexpr float kAboveScreen = -480.0f;
constexpr float kLoopStart = 80.0f;
constexpr float kForever = std::numeric_limits<float>::max();

constexpr PathAction kPlace = PathAction::kPlace;
constexpr PathAction kMove = PathAction::kMove;

// Windows on the path clock (10 a second), tested in order with the same clock.
constexpr PathRow kPath[] = {
    {0.0f, 30.0f, true, kPlace, kHomeX, kAboveScreen},  // waits above the screen
    {31.0f, 75.0f, false, kMove, 0.0f, 104.0f},         // comes down
    {75.0f, 90.0f, false, kPlace, kHomeX, 0.0f},
    {91.0f, 115.0f, false, kMove, 0.0f, 60.0f},  // a dip
    {116.0f, 140.0f, false, kMove, 0.0f, -60.0f},
    {141.0f, 162.0f, false, kPlace, kHomeX, 0.0f},
    {162.0f, 171.0f, false, kMove, 80.0f, 0.0f},  // a sway
    {172.0f, 190.0f, false, kMove, -80.0f, 0.0f},
    {191.0f, 200.0f, false, kMove, 80.0f, 0.0f},
    {201.0f, 210.0f, false, kMove, 100.0f, 50.0f},  // a diamond
    {211.0f, 220.0f, false, kMove, -100.0f, -50.0f},
    {221.0f, 230.0f, false, kMove, -100.0f, 50.0f},
    {231.0f, 240.0f, false, kMove, 100.0f, -50.0f},
    {240.0f, 250.0f, false, kPlace, kHomeX, 0.0f},
    {250.0f, 260.0f, false, kMove, 150.0f, 0.0f},  // a wider sway
    {261.0f, 280.0f, false, kMove, -150.0f, 0.0f},
    {281.0f, 290.0f, false, kMove, 150.0f, 0.0f},
    {291.0f, 300.0f, false, kMove, 200.0f, 100.0f},  // a larger diamond
    {301.0f, 310.0f, false, kMove, -200.0f, -100.0f},
    {311.0f, 320.0f, false, kMove, -200.0f, 100.0f},
    {321.0f, 330.0f, false, kMove, 200.0f, -100.0f},
    {331.0f, kForever, false, PathAction::kRewind, kLoopStart, 0.0f},
};

const BossPath kBossCPath{.boss = &BossCRecord,
                          .warning = nullptr,
                          .warningPicture = nullptr,
                          .warningWidth = 0,
                          .warningHeight = 0,
                          .warningSpeed = 0.0f,
                          .rows = kPath,
                          .name = "bossC"};

constexpr int kBodyWidth = 440;
constexpr int kBodyHeight = 380;
constexpr float kBodyGone = -100.0f;
const BodyBand kBodies[] = {
    {500.0f, kBossCHealth, &PicBOSS41},
    {300.0f, 500.0f, &PicBOSS41_1},
    {150.0f, 300.0f, &PicBOSS41_2},
    {kBodyGone, 150.0f, &PicBOSS41_3},
};
constexpr int kWipeLength = 30;

const BossLook kBossCLook{
    .boss = &BossCRecord,
    .bodyWidth = kBodyWidth,
    .bodyHeight = kBodyHeight,
    .bodies = kBodies,
    .setsFlashShown = false,
    // Two smoke columns from 90 down, two more from 70 down.
    .flames = {{140, 70, 28}, {220, 70, 28}, {60, 150, 19}, {300, 150, 19}},
    .flameFrame = &BossCSmokeFrame,
    .flameCycle = nullptr,
    .markers1 = BossCPartMarkers1,
    .markers2 = BossCPartMarkers2,
    .clearBursts = BossCClearBursts,
    .clearBurstScatter = {440, -100, 320, 0},
    .clearBlasts = BossCClearBlasts,
    .clearBlastScatter = {440, -40, 310, 0},
    .closesMusic = true,
    .nextScene = kSceneEnding,
    .transitionLength = kWipeLength,
    .name = "bossC",
};

}  // namespace

void MoveBossCPath() {
    RunBossPath(kBossCPath);
}

void DrawBossDeathC() {
    DrawBossDeath(kBossCLook);
}

void RunStageCClearSequence() {
    RunBossClearSequence(kBossCLook);
}
