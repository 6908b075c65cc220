#include "soak/soak_player.h"

#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless.h"
#include "platform/types.h"
#include "support/boss_target.h"

namespace soak {

const int kWeaponKeys[kWeaponKeyCount] = {VK_SHIFT, VK_CONTROL, 'C', 'V', 'N', 'B'};
const char* const kWeaponKeyNames[kWeaponKeyCount] = {"Shift", "Ctrl", "C", "V", "N", "B"};

namespace {

constexpr int kKeyT = 'T';
constexpr int kKeyS = 'S';
constexpr int kKeyY = 'Y';

// Frames a person keeps a key down for a single press.
constexpr int kTapFrames = 6;
// Frames on the title before the first key, and between `T` and Enter there.
constexpr int kTitleWait = 30;
constexpr int kTitleEnterAt = 70;
// Each stage is paused once, this many frames into it, for kPauseLength frames.
constexpr int kPauseAt = 150;
constexpr int kPauseLength = 90;
// `T` from a stage this many frames into it (after the pause), or this long after boss A came in.
constexpr int kStageTAt = 400;
constexpr int kBossTAfter = 240;
// The ending: exits this many frames into it; the ship fires meanwhile.
constexpr int kEndingExitAt = 150;
constexpr float kEndingJump = 985.0f;
// The extra weapon keys take turns: each is held a stretch, then none for a gap.
constexpr int kWeaponHoldMin = 20;
constexpr int kWeaponHoldSpread = 40;
constexpr int kWeaponGap = 25;
// A short climb now and then, so Up is used as well; the ship keeps low otherwise.
constexpr int kClimbEvery = 600;
constexpr int kClimbFrames = 12;
constexpr float kSteerSlack = 4.0f;
constexpr std::uint32_t kScheduleSeed = 20261209u;
constexpr int kLargestPowerGain = 2;

constexpr RoundPlan kPlans[kRoundsPerLoop] = {
    {3, {PassEnd::kTitleT, PassEnd::kStageAT, PassEnd::kEndingSpace}},
    {2, {PassEnd::kBossAT, PassEnd::kEndingTimeline}},
    {3, {PassEnd::kStageBT, PassEnd::kStageCT, PassEnd::kEndingT}},
};

bool InStage(int scene) {
    return scene == kSceneStageA || scene == kSceneStageB || scene == kSceneStageC;
}

}  // namespace

const RoundPlan& PlanFor(int roundIndex) {
    return kPlans[roundIndex % kRoundsPerLoop];
}

const char* PassEndName(PassEnd end) {
    switch (end) {
        case PassEnd::kTitleT:
            return "T on the title";
        case PassEnd::kStageAT:
            return "T in stage A";
        case PassEnd::kBossAT:
            return "T at boss A";
        case PassEnd::kStageBT:
            return "T in stage B";
        case PassEnd::kStageCT:
            return "T in stage C";
        case PassEnd::kEndingT:
            return "T in the ending";
        case PassEnd::kEndingSpace:
            return "Space in the ending";
        case PassEnd::kEndingTimeline:
            return "the ending's timeline";
    }
    return "?";
}

void Player::StartRound(int roundIndex) {
    plan_ = &PlanFor(roundIndex);
    passIndex_ = 0;
    leftTitle_ = false;
    sceneFrames_ = bossFrames_ = pauseStep_ = pausedFrames_ = 0;
    weaponSlot_ = weaponFramesLeft_ = upFramesLeft_ = 0;
    exitPressed_ = false;
    random_ = kScheduleSeed;
    coverage_ = RoundCoverage{};
}

std::uint32_t Player::Random() {
    random_ = random_ * 1664525u + 1013904223u;
    return random_ >> 8;
}

void Player::Press(int key, bool down) {
    if (down && !held_[key]) headless::PressKey(key);
    if (!down && held_[key]) headless::ReleaseKey(key);
    held_[key] = down;
    if (!down) releaseAt_[key] = 0;
}

void Player::Tap(int key, int frames) {
    if (held_[key]) return;
    Press(key, true);
    releaseAt_[key] = frame_ + frames;
}

void Player::ReleaseAll() {
    for (int key = 0; key < 256; ++key) Press(key, false);
}

// Under the middle of the stage's boss once it is in the field, keeping low.
void Player::Steer() {
    const float target = ShipTargetX();
    const bool playing = Frozen == 0 && InStage(SceneNumber);
    if (playing && upFramesLeft_ == 0 && sceneFrames_ % kClimbEvery == kClimbEvery - 1) {
        upFramesLeft_ = kClimbFrames;
    }
    const bool climbing = playing && upFramesLeft_ > 0;
    if (upFramesLeft_ > 0) --upFramesLeft_;
    Press(VK_LEFT, playing && PlayerPosition.x > target + kSteerSlack);
    Press(VK_RIGHT, playing && PlayerPosition.x < target - kSteerSlack);
    Press(VK_UP, climbing);
    Press(VK_DOWN, playing && !climbing);
}

// Main fire held throughout; the other weapon keys in turn, each for a random stretch.
void Player::FireSchedule(bool playing) {
    Press(kWeaponKeys[0], playing);
    if (!playing) {
        for (int i = 1; i < kWeaponKeyCount; ++i) Press(kWeaponKeys[i], false);
        return;
    }
    if (weaponFramesLeft_ == 0) {
        weaponSlot_ = weaponSlot_ % (kWeaponKeyCount - 1) + 1;
        weaponFramesLeft_ = kWeaponHoldMin + static_cast<int>(Random() % kWeaponHoldSpread) + kWeaponGap;
    }
    --weaponFramesLeft_;
    for (int i = 1; i < kWeaponKeyCount; ++i) {
        Press(kWeaponKeys[i], i == weaponSlot_ && weaponFramesLeft_ >= kWeaponGap);
    }
}

// S once a stage, a moment in; S again after a while.
void Player::PauseSchedule(bool running) {
    if (pauseStep_ == 0 && running && sceneFrames_ >= kPauseAt && ContinueShown == 0) {
        Tap(kKeyS, kTapFrames);
        ++coverage_.pauses;
        pauseStep_ = 1;
        pausedFrames_ = 0;
    } else if (pauseStep_ == 1) {
        if (++pausedFrames_ >= kPauseLength && !held_[kKeyS]) {
            Tap(kKeyS, kTapFrames);
            ++coverage_.resumes;
            pauseStep_ = 2;
        }
    }
}

bool Player::ExitDue() const {
    if (Transition.direction != 0 || exitPressed_) return false;
    switch (plan_->passes[passIndex_]) {
        case PassEnd::kTitleT:
            return SceneNumber == kSceneTitle && sceneFrames_ >= kTitleWait;
        case PassEnd::kStageAT:
            return SceneNumber == kSceneStageA && sceneFrames_ >= kStageTAt && pauseStep_ == 2;
        case PassEnd::kBossAT:
            return SceneNumber == kSceneStageA && bossFrames_ >= kBossTAfter;
        case PassEnd::kStageBT:
            return SceneNumber == kSceneStageB && sceneFrames_ >= kStageTAt && pauseStep_ == 2;
        case PassEnd::kStageCT:
            return SceneNumber == kSceneStageC && sceneFrames_ >= kStageTAt && pauseStep_ == 2;
        case PassEnd::kEndingT:
        case PassEnd::kEndingSpace:
        case PassEnd::kEndingTimeline:
            return SceneNumber == kSceneEnding && sceneFrames_ >= kEndingExitAt;
    }
    return false;
}

int Player::BeforeFrame() {
    ++frame_;
    for (int key = 0; key < 256; ++key) {
        if (releaseAt_[key] != 0 && frame_ >= releaseAt_[key]) Press(key, false);
    }
    if (RoundDone()) return -1;

    // The continue prompt is answered with Y.
    if (Frozen != 0 && ContinueShown == 1 && !held_[kKeyY]) {
        Tap(kKeyY, kTapFrames);
        ++coverage_.continuesAnswered;
    }

    const bool stage = InStage(SceneNumber) && Transition.direction == 0;
    const bool playing = stage && Frozen == 0;
    Steer();
    // The ship reads the fire keys in the ending as well.
    FireSchedule(playing || (SceneNumber == kSceneEnding && Transition.direction == 0));
    if (stage && pauseStep_ != 2) PauseSchedule(playing);
    if (playing && BossARecord.x > kParkedX && SceneNumber == kSceneStageA) ++bossFrames_;

    int pressedT = -1;
    if (ExitDue()) {
        const PassEnd end = plan_->passes[passIndex_];
        if (end == PassEnd::kEndingSpace) {
            Tap(VK_SPACE, kTapFrames);
        } else if (end == PassEnd::kEndingTimeline) {
            // The ending only waits out its timeline: jump to its last second.
            StageScroll = kEndingJump;
        } else {
            Tap(kKeyT, kTapFrames);
            pressedT = static_cast<int>(end);
        }
        exitPressed_ = true;
    } else if (SceneNumber == kSceneTitle && Transition.direction == 0 && !leftTitle_) {
        // Enter starts the game, unless this pass ends with `T` on the title (then Enter follows it in the
        // next pass).
        if (sceneFrames_ >= kTitleEnterAt && plan_->passes[passIndex_] != PassEnd::kTitleT) {
            Tap(VK_RETURN, kTapFrames);
        }
    }
    return pressedT;
}

void Player::AfterFrame(int sceneBefore) {
    const bool stage = InStage(SceneNumber) && Frozen == 0 && WeaponType == 1 && InputLock == 0;
    const bool ending = SceneNumber == kSceneEnding && WeaponType == 1;
    if (stage || ending) {
        for (int i = 0; i < kWeaponKeyCount; ++i) {
            if (held_[kWeaponKeys[i]]) ++coverage_.weaponFrames[i];
        }
    }
    if (wasAlive_ && PlayerAlive == 0 && InStage(SceneNumber)) ++coverage_.hits;
    wasAlive_ = PlayerAlive != 0;
    if (InStage(SceneNumber) && SceneNumber == sceneBefore && PowerCount > lastPowerCount_ &&
        PowerCount - lastPowerCount_ <= kLargestPowerGain) {
        ++coverage_.powerItems;
    }
    lastPowerCount_ = PowerCount;

    if (SceneNumber != sceneBefore) {
        sceneFrames_ = 0;
        pauseStep_ = 0;
        bossFrames_ = 0;
        if (sceneBefore == kSceneTitle) leftTitle_ = true;
        if (SceneNumber == kSceneTitle && exitPressed_) {
            if (sceneBefore == kSceneEnding) ++coverage_.endingExits;
            NextPass();
        }
        return;
    }
    // `T` on the title changes nothing but the title's first frame.
    if (SceneNumber == kSceneTitle && exitPressed_ && plan_->passes[passIndex_] == PassEnd::kTitleT &&
        !held_[kKeyT]) {
        NextPass();
        return;
    }
    ++sceneFrames_;
}

void Player::NextPass() {
    if (plan_->passes[passIndex_] != PassEnd::kEndingSpace &&
        plan_->passes[passIndex_] != PassEnd::kEndingTimeline) {
        ++coverage_.titleReturnsByT;
    }
    ++passIndex_;
    leftTitle_ = false;
    exitPressed_ = false;
    sceneFrames_ = 0;
    pauseStep_ = 0;
    bossFrames_ = 0;
}

}  // namespace soak
