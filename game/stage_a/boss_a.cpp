#include "game/stage_a/boss_a.h"

#include <cfloat>

#include "build_config.h"
#include "game/core/boss_sequence.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"

namespace {

constexpr float kShift = build::kFieldShiftX;
// The warning picture rises from the bottom edge at 400 px/s; the boss holds at (180, 0).
constexpr float kWarningX = 160.0f - kShift;
constexpr float kWarningStartY = build::kMoverBottom;
constexpr float kWarningSpeed = 400.0f;
constexpr int kWarningSize = 480;
constexpr float kHoldX = 180.0f - kShift;
constexpr float kAboveScreenY = -360.0f;
constexpr float kDescentSpeed = 80.0f;

// The path by clock windows (10 a second). The clock goes back to 138 once it reaches 160, so the
// boss holds in place; only a frame long enough to carry it past 162 reaches the sway windows.
constexpr PathRow kPath[] = {
    {0.0f, 20.0f, false, PathAction::kWarningShow, kWarningX, kWarningStartY},
    {21.0f, 59.0f, true, PathAction::kWarningRise, kWarningX, 0.0f},
    {60.0f, 90.0f, true, PathAction::kPlace, kHoldX, kAboveScreenY},
    {91.0f, 135.0f, false, PathAction::kMove, 0.0f, kDescentSpeed},
    {135.0f, 162.0f, false, PathAction::kPlace, kHoldX, 0.0f},
    {162.0f, 171.0f, false, PathAction::kMove, 80.0f, 0.0f},
    {172.0f, 190.0f, false, PathAction::kMove, -80.0f, 0.0f},
    {191.0f, 200.0f, false, PathAction::kMove, 80.0f, 0.0f},
    {201.0f, 210.0f, false, PathAction::kMove, 100.0f, 50.0f},
    {211.0f, 220.0f, false, PathAction::kMove, -100.0f, -50.0f},
    {221.0f, 230.0f, false, PathAction::kMove, -100.0f, 50.0f},
    {231.0f, 240.0f, false, PathAction::kMove, 100.0f, -50.0f},
    {160.0f, FLT_MAX, false, PathAction::kRewind, 138.0f, 0.0f},
};

constexpr BossPath kBossAPath{&BossARecord, &BossWarningPicture, &PicBOS111, kWarningSize,
                              kWarningSize, kWarningSpeed,       kPath,      "bossA"};

constexpr BodyBand kBodies[] = {
    {500.0f, kBossAHealth, &PicBOSS11},
    {300.0f, 500.0f, &PicBOSS11_1},
    {-100.0f, 300.0f, &PicBOSS11_3},
};

constexpr int kBodyWidth = 440;
constexpr int kBodyHeight = 360;
constexpr int kFlameStep = 28;
constexpr int kClearLength = 30;

const BossLook kBossALook{
    .boss = &BossARecord,
    .bodyWidth = kBodyWidth,
    .bodyHeight = kBodyHeight,
    .bodies = kBodies,
    .setsFlashShown = true,
    .flames = {{140, 50, kFlameStep}, {220, 50, kFlameStep}, {60, 100, kFlameStep}, {300, 100, kFlameStep}},
    .flameFrame = &BossAFlameFrame,
    .flameCycle = &BossAFlameCycle,
    .markers1 = BossAPartMarkers1,
    .markers2 = BossAPartMarkers2,
    .clearBursts = BossAClearBursts,
    .clearBurstScatter = {440, -100, 360, 0},
    .clearBlasts = BossAClearBlasts,
    .clearBlastScatter = {440, -40, 360, 0},
    .closesMusic = false,
    .nextScene = kSceneStageB,
    .transitionLength = kClearLength,
    .name = "bossA",
};

}  // namespace

void RunStageABossScript() {
    RunBossPath(kBossAPath);
}

void DrawBossDeathA() {
    DrawBossDeath(kBossALook);
}

void RunStageAClearSequence() {
    RunBossClearSequence(kBossALook);
}
