// The scripted player of the soak: decides once a frame which keys are down, holding each for several
// frames as a person does. A loop is three rounds, each played by its own plan; a round is a fixed list of
// passes, each of which starts on the title and ends back on it, either through the game's own way out of
// the ending or with `T` from the scene it names. Every round ends with a whole game.
#pragma once

#include <cstdint>

namespace soak {

// How a pass returns to the title.
enum class PassEnd : int {
    kTitleT,          // `T` on the title itself
    kStageAT,         // `T` early in stage A
    kBossAT,          // `T` with boss A in the field
    kStageBT,         // `T` in stage B
    kStageCT,         // `T` in stage C
    kEndingT,         // `T` in the ending
    kEndingSpace,     // Space in the ending: the resets and the new-game reset
    kEndingTimeline,  // the ending's timeline runs out (jumped to its last second): the resets alone
};

inline constexpr int kRoundsPerLoop = 3;
inline constexpr int kMaxPasses = 4;

struct RoundPlan {
    int passCount;
    PassEnd passes[kMaxPasses];
};

// The plans, taken in turn: round k plays plan k % kRoundsPerLoop.
const RoundPlan& PlanFor(int roundIndex);
const char* PassEndName(PassEnd end);

// The weapon keys, all read by the ship while WeaponType is 1 (the only type a game in play has).
inline constexpr int kWeaponKeyCount = 6;
extern const int kWeaponKeys[kWeaponKeyCount];
extern const char* const kWeaponKeyNames[kWeaponKeyCount];

// What the script did during one round, for the soak's coverage checks.
struct RoundCoverage {
    int weaponFrames[kWeaponKeyCount] = {};  // frames each weapon key was held while the ship reads it
    int hits = 0;                            // frames in which the ship went from alive to hit
    int powerItems = 0;  // power items flown into (they raise the shots' power, not the weapon type)
    int continuesAnswered = 0;
    int pauses = 0;   // S presses that froze a running stage
    int resumes = 0;  // S presses that let it run again
    int titleReturnsByT = 0;
    int endingExits = 0;
};

class Player {
public:
    // Back to the start of a round: the same key schedule every time.
    void StartRound(int roundIndex);
    // Presses and releases keys for the frame about to run. Returns the pass end whose `T` it pressed
    // this frame, so the driver knows the next scene change is `T`'s; -1 when none.
    int BeforeFrame();
    // Reads what the frame did.
    void AfterFrame(int sceneBefore);
    // Lets every key go.
    void ReleaseAll();

    bool RoundDone() const { return passIndex_ >= plan_->passCount; }
    int PassIndex() const { return passIndex_; }
    const RoundCoverage& Coverage() const { return coverage_; }

private:
    void Press(int key, bool down);
    // A key pressed now and held for `frames` frames; nothing when it is already held.
    void Tap(int key, int frames);
    void Steer();
    void FireSchedule(bool playing);
    void PauseSchedule(bool running);
    bool ExitDue() const;
    void NextPass();
    std::uint32_t Random();

    const RoundPlan* plan_ = nullptr;
    int passIndex_ = 0;
    bool leftTitle_ = false;
    int sceneFrames_ = 0;  // frames the current scene has run in this pass
    int bossFrames_ = 0;   // frames boss A has been in the field
    int pauseStep_ = 0;    // 0 not yet, 1 paused, 2 done (per scene)
    int pausedFrames_ = 0;
    int weaponSlot_ = 0;
    int weaponFramesLeft_ = 0;
    int upFramesLeft_ = 0;
    bool exitPressed_ = false;
    bool wasAlive_ = true;
    int lastPowerCount_ = 0;
    std::uint32_t random_ = 1;
    bool held_[256] = {};
    int releaseAt_[256] = {};  // frame number at which a tapped key goes up; 0 when not tapped
    int frame_ = 0;
    RoundCoverage coverage_;
};

}  // namespace soak
