// Plays stage C on the headless backend through the program's own scene loop at 60 frames a second,
// with a scripted ship: it keeps under boss C and fires until the health is below the attack ceiling,
// holds fire through one whole attack cycle, then fires until the boss explodes; every continue prompt is
// answered with Y. The run goes on through the clear sequence and the ending (its timeline jumped to its
// last second) back to the title.
// Header-only, so that both programs' test binaries share it.
#pragma once

#include <cstdint>

#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scene_change.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "support/boss_target.h"
#include "support/fresh_process.h"
#include "support/program_window.h"
#include "support/state_hash.h"

namespace stage_c_run {

inline constexpr std::uint64_t kIdleMicroseconds = 1000;
inline constexpr float kEndingJump = 985.0f;
inline constexpr long long kTimeOfDay = 1700000000;
inline constexpr int kVkShift = 16;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;
inline constexpr int kVkY = 'Y';
inline constexpr int kVkReturn = 13;

enum class Phase { kWound, kHoldFire, kKill, kClearing, kEnding, kTitle };

struct Result {
    bool reachedEnding = false;
    bool backAtTitle = false;
    int frames = 0;
    int stageFrames = 0;
    int highestClock = 0;  // as seen after a frame: the frame of 4900 sets it back to 0
    int wraps = 0;
    int continues = 0;
    int podsArmedFrames = 0;
    bool secondFanWindowRan = false;  // the 3-way fans' timers moved inside 300..400
    int closeMidiCount = 0;
    int wipeLength = 0;
    float scoreAtKill = 0.0f;
    std::uint64_t hash = 0;
};

class Runner {
public:
    // Stage C's first frame as stage B's clear sequence leaves it: the stage reset has run, the wipe into
    // scene 5 is under way and stage A's music loops on.
    static void EnterFromStageB(int firstFlag, int secondFlag) {
        elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
        WeaponType = 1;
        ScoringMode[0] = firstFlag;
        ScoringMode[1] = secondFlag;
        ResetGameStateA();
        ResetGameStateB();
        StartSceneTransition(kSceneStageC, 60);
    }

    Result Run(int frameLimit) {
        Result r;
        int exitCode = 0;
        bool yDown = false;
        bool musicWasOpen = elSound::Midi.open;
        int lastClock = 0;
        int triTimerAt300 = -1;
        while (r.frames < frameLimit && phase_ != Phase::kTitle) {
            Steer(r);
            if (yDown) {
                headless::ReleaseKey(kVkY);
                yDown = false;
            } else if (Frozen != 0 && ContinueShown == 1 && SceneNumber == kSceneStageC) {
                headless::PressKey(kVkY);
                yDown = true;
                ++r.continues;
            }
            if (!Frame(&exitCode)) break;
            ++r.frames;
            if (SceneNumber == kSceneStageC) ++r.stageFrames;
            if (musicWasOpen && !elSound::Midi.open) ++r.closeMidiCount;
            musicWasOpen = elSound::Midi.open;
            if (BossCAttackClock > r.highestClock) r.highestClock = BossCAttackClock;
            if (lastClock == 4899 && BossCAttackClock == 0) {
                ++r.wraps;
            }
            if (BossCAttackClock == 300) triTimerAt300 = BossCTriFan03[0].timer;
            if (BossCAttackClock == 400 && triTimerAt300 >= 0 && BossCTriFan03[0].timer != triTimerAt300) {
                r.secondFanWindowRan = true;
            }
            lastClock = BossCAttackClock;
            for (const EnemyDrop& pod : BossCPods09) {
                if (pod.active != 0) {
                    ++r.podsArmedFrames;
                    break;
                }
            }
            Advance(r);
        }
        r.hash = GameStateHash();
        return r;
    }

    // One frame of the scene loop: passes, a millisecond apart, until the scene ran (the frame gate and
    // the present's wait for the vertical blank keep the frames 1/60 s apart, as on a real display). An
    // opening transition steps once a pass.
    static bool Frame(int* exitCode) {
        const auto before = elSystem::Clock.lastDueTick;
        for (int pass = 0; pass < kPassLimit; ++pass) {
            const bool opening = Transition.direction == 1;
            if (!RunLoopPass(exitCode)) return false;
            if (opening || elSystem::Clock.lastDueTick != before) break;
            headless::AdvanceClock(kIdleMicroseconds);
        }
        return true;
    }

private:
    static constexpr int kPassLimit = 100;

    void Press(int key, bool down) {
        if (down && !held_[key]) headless::PressKey(key);
        if (!down && held_[key]) headless::ReleaseKey(key);
        held_[key] = down;
    }

    void Steer(const Result&) {
        const bool playing = SceneNumber == kSceneStageC && Frozen == 0;
        const bool fire = playing && (phase_ == Phase::kWound || phase_ == Phase::kKill);
        // The main shots leave the ship's middle; boss C is hit between its x + 80 and x + 300.
        const float target = BossCRecord.x + 190.0f;
        Press(kVkLeft, playing && PlayerPosition.x > target + 4.0f);
        Press(kVkRight, playing && PlayerPosition.x < target - 4.0f);
        Press(kVkDown, playing);
        Press(kVkShift, fire);
    }

    void Advance(Result& r) {
        switch (phase_) {
            case Phase::kWound:
                if (BossCRecord.health < 780.0f) phase_ = Phase::kHoldFire;
                break;
            case Phase::kHoldFire:
                if (r.wraps > 0) phase_ = Phase::kKill;
                break;
            case Phase::kKill:
                if (BossCRecord.health <= 0.0f) {
                    r.scoreAtKill = static_cast<float>(Score);
                    phase_ = Phase::kClearing;
                }
                break;
            case Phase::kClearing:
                if (SceneNumber == kSceneEnding) {
                    r.reachedEnding = true;
                    r.wipeLength = Transition.length;
                    phase_ = Phase::kEnding;
                }
                break;
            case Phase::kEnding:
                // The ending's timeline only waits: jump to its last second.
                if (SceneNumber == kSceneEnding && StageScroll > 1.0f && StageScroll < kEndingJump) {
                    StageScroll = kEndingJump;
                }
                if (SceneNumber == kSceneTitle) {
                    r.backAtTitle = true;
                    phase_ = Phase::kTitle;
                }
                break;
            case Phase::kTitle:
                break;
        }
    }

    Phase phase_ = Phase::kWound;
    bool held_[256] = {};
};

// A fresh process with the program's window and data, at a fixed time of day, then stage C played from its
// first frame with the given ScoringMode flags.
inline Result PlayStageC(int firstFlag, int secondFlag, int frameLimit = 12000) {
    StartFreshProcess();
    headless::SetTime(kTimeOfDay);
    OpenProgramWindow();
    LoadAllAssets();
    InitNewGame();
    Runner::EnterFromStageB(firstFlag, secondFlag);
    Runner runner;
    return runner.Run(frameLimit);
}

// The whole game from the title: Enter, stages A, B and C with fire held and the ship under each boss
// (`Y` at every prompt), the ending (its timeline jumped to its last second) and back to the title.
struct GameResult {
    bool reachedStageB = false;
    bool reachedStageC = false;
    bool reachedEnding = false;
    bool backAtTitle = false;
    int frames = 0;
    int continues = 0;
    std::uint64_t hash = 0;
};

class GameRunner {
public:
    GameResult Run(int frameLimit) {
        GameResult r;
        int exitCode = 0;
        bool yDown = false;
        bool leftTitle = false;
        while (r.frames < frameLimit) {
            const bool onTitle = SceneNumber == kSceneTitle;
            // Enter a moment after the title shows; released once the game has started.
            Press(kVkReturn, onTitle && !leftTitle && r.frames > kTitleWait);
            if (!onTitle) leftTitle = true;
            Steer();
            if (yDown) {
                headless::ReleaseKey(kVkY);
                yDown = false;
            } else if (Frozen != 0 && ContinueShown == 1) {
                headless::PressKey(kVkY);
                yDown = true;
                ++r.continues;
            }
            if (!Runner::Frame(&exitCode)) break;
            ++r.frames;
            r.reachedStageB |= SceneNumber == kSceneStageB;
            r.reachedStageC |= SceneNumber == kSceneStageC;
            r.reachedEnding |= SceneNumber == kSceneEnding;
            if (SceneNumber == kSceneEnding && StageScroll > 1.0f && StageScroll < kEndingJump) {
                StageScroll = kEndingJump;
            }
            if (leftTitle && r.reachedEnding && SceneNumber == kSceneTitle) {
                r.backAtTitle = true;
                break;
            }
        }
        for (int key = 0; key < 256; ++key) Press(key, false);
        r.hash = GameStateHash();
        return r;
    }

private:
    static constexpr int kTitleWait = 30;

    void Press(int key, bool down) {
        if (down && !held_[key]) headless::PressKey(key);
        if (!down && held_[key]) headless::ReleaseKey(key);
        held_[key] = down;
    }

    // Under the middle of the stage's boss once it is in the field, firing.
    void Steer() {
        const float target = ShipTargetX();
        const bool playing = Frozen == 0 && (SceneNumber == kSceneStageA || SceneNumber == kSceneStageB ||
                                             SceneNumber == kSceneStageC);
        Press(kVkLeft, playing && PlayerPosition.x > target + 4.0f);
        Press(kVkRight, playing && PlayerPosition.x < target - 4.0f);
        Press(kVkDown, playing);
        Press(kVkShift, playing);
    }

    bool held_[256] = {};
};

// A fresh process at a fixed time of day with the program's window and data, on its title.
inline void StartOnTitle() {
    StartFreshProcess();
    headless::SetTime(kTimeOfDay);
    OpenProgramWindow();
    LoadAllAssets();
    SceneNumber = kSceneTitle;
    PreviousScene = 0;
}

inline GameResult PlayWholeGame(int frameLimit) {
    StartOnTitle();
    GameRunner runner;
    return runner.Run(frameLimit);
}

}  // namespace stage_c_run
