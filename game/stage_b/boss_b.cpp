#include "game/stage_b/boss_b.h"

#include <limits>

#include "build_config.h"
#include "game/core/boss_sequence.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "game/stage_b/stage_b_entities.h"

namespace {

constexpr float kX = build::kBossBPathX;
constexpr float kForever = std::numeric_limits<float>::max();
constexpr int kBodyWidth = 500;
constexpr int kBodyHeight = 400;
constexpr float kWarningSpeed = 500.0f;
constexpr float kEntryTop = -400.0f;
constexpr float kEntrySpeed = 93.0f;
constexpr float kSlowSway = 80.0f;
constexpr float kSway = 100.0f;
constexpr float kLoopStart = 145.0f;
constexpr int kClearLength = 60;

constexpr PathAction kPlace = PathAction::kPlace;
constexpr PathAction kMove = PathAction::kMove;

// The path on the boss clock (10 a second): the warning picture rises from the bottom edge, the boss
// comes down from above, settles at the top and sways; from 331 on the clock goes back to 145.
constexpr PathRow kPath[] = {
    {0.0f, 13.0f, false, PathAction::kWarningShow, kX, build::kBossBWarningStartY},
    {14.0f, 59.0f, true, PathAction::kWarningRise, kX, 0.0f},
    {60.0f, 90.0f, true, kPlace, kX, kEntryTop},
    {91.0f, 135.0f, false, kMove, 0.0f, kEntrySpeed},
    {135.0f, 162.0f, false, kPlace, kX, 0.0f},
    {162.0f, 171.0f, false, kMove, kSlowSway, 0.0f},
    {172.0f, 190.0f, false, kMove, -kSlowSway, 0.0f},
    {191.0f, 200.0f, false, kMove, kSlowSway, 0.0f},
    {201.0f, 210.0f, false, kMove, kSway, 0.0f},
    {211.0f, 220.0f, false, kMove, -kSway, 0.0f},
    {221.0f, 230.0f, false, kMove, -kSway, 0.0f},
    {231.0f, 240.0f, false, kMove, kSway, 0.0f},
    {241.0f, 250.0f, false, kPlace, kX, 0.0f},
    {251.0f, 270.0f, false, kMove, kSway, 0.0f},
    {271.0f, 290.0f, false, kMove, -kSway, 0.0f},
    {291.0f, 310.0f, false, kMove, -kSway, 0.0f},
    {311.0f, 330.0f, false, kMove, kSway, 0.0f},
    {331.0f, kForever, false, PathAction::kRewind, kLoopStart, 0.0f},
};

const BossPath kBossBPath{&BossB,      &BossBFlyBy,   &PicBOSS71, kBodyWidth,
                          kBodyHeight, kWarningSpeed, kPath,      "bossB"};

const BodyBand kBodies[] = {
    {500.0f, 1000.0f, &PicBOSS71},
    {300.0f, 500.0f, &PicBOSS71_1},
    {150.0f, 300.0f, &PicBOSS71_2},
    {-100.0f, 150.0f, &PicBOSS71_3},
};

// Two flames over the middle of the body, then two at its sides, each sliding 28 pixels a frame.
constexpr int kFlameSlide = 28;

const BossLook kBossBLook{
    .boss = &BossB,
    .bodyWidth = kBodyWidth,
    .bodyHeight = kBodyHeight,
    .bodies = kBodies,
    .setsFlashShown = true,
    .flames = {{150, 70, kFlameSlide}, {270, 70, kFlameSlide}, {90, 0, kFlameSlide}, {330, 0, kFlameSlide}},
    .flameFrame = &BossBFlameFrame,
    .flameCycle = nullptr,
    .markers1 = std::span<LockRecord>(BossBLockMarkers, kBossBLockMarkerCount),
    .markers2 = {},
    .clearBursts = BossBClearBursts,
    .clearBurstScatter = {500, -100, 350, 0},
    .clearBlasts = BossBClearBlasts,
    .clearBlastScatter = {500, -40, 350, 0},
    .closesMusic = false,
    .nextScene = kSceneStageC,
    .transitionLength = kClearLength,
    .name = "bossB",
};

}  // namespace

void RunStageBBossScript() {
    RunBossPath(kBossBPath);
}

void DrawBossDeathB() {
    DrawBossDeath(kBossBLook);
}

void RunStageBClearSequence() {
    RunBossClearSequence(kBossBLook);
}
