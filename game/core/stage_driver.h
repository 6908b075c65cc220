// The frame of a stage. The three stages share one shape: freeze test, clock, backgrounds, power items,
// the boss phase with its attack schedule and time limit, the stage's own enemies and pools, the player's
// side, the present, and after the present the ship, the volleys, the collision pass and the missiles.
// Each stage fills a StageDriver with its numbers and its own steps; RunStage runs it.
#pragma once

#include <span>

#include "game/core/records.h"

using Routine = void (*)();

// A row of a boss's attack schedule: while low <= n <= high (and `when`, if given, holds) the calls run
// in order. Rows run in table order every frame.
inline constexpr int kMaxAttackCalls = 14;
struct AttackRow {
    int low;
    int high;
    bool (*when)();
    Routine calls[kMaxAttackCalls];
};

// Runs every row whose window holds n. `table` names the rows for a test's trace.
void RunAttackRows(std::span<const AttackRow> rows, int n, const char* table = nullptr);

// A row of a wave schedule: while low < StageScroll < high (both strict) the calls run in order.
inline constexpr int kMaxWaveCalls = 10;
struct WaveRow {
    float low;
    float high;
    Routine calls[kMaxWaveCalls];
};

void RunWaveRows(std::span<const WaveRow> rows, const char* table = nullptr);

// A pool's move, then its draw (none: only the move), while `when` (if given) holds.
struct PoolStep {
    Routine move;
    Routine draw = nullptr;
    bool (*when)() = nullptr;
};

void RunPoolSteps(std::span<const PoolStep> steps);

// The boss's attack clock: raised by 1 at the start of every boss-phase frame in which the boss's health
// lies strictly inside (low, high); the rows test the raised value, `afterRows` runs next, then the
// clock goes back to 0 once it reaches `wrapAt()` (never when that is 0, and then it stops at INT_MAX).
struct AttackSchedule {
    int* clock;
    float low;
    float high;
    std::span<const AttackRow> rows;
    void (*afterRows)(int n);
    int (*wrapAt)();
    const char* table = nullptr;  // the rows' name in a test's trace
};

// One attack step, as the boss phase runs it.
void RunAttackStep(const AttackSchedule& schedule, const BossRecord& boss);

// A power-item window on the stage clock, inclusive at both ends.
struct PowerWindow {
    float low;
    float high;
};

// Which after-present salvo launchers run.
enum class SalvoLaunch : unsigned char { kNever, kDifficulty3, kAlways };

struct StageDriver {
    // The first frame after a scene change clears the freeze (stage A); otherwise a frozen frame only
    // answers the continue prompt.
    bool firstFrameUnfreezes;
    Routine prelude;  // after the freeze test, before the clear (stage A's music)
    float scrollRate;
    Routine background;
    int starSpread;
    int starBase;
    int starSpreadAlone;  // the starfield when the backgrounds are off
    int starBaseAlone;
    // Power items before the boss phase (stages B and C), or after the stage's enemies (stage A).
    bool powerItemsFirst;
    std::span<const PowerWindow> powerWindows;
    // The boss phase: low < StageScroll < high.
    float bossPhaseLow;
    float bossPhaseHigh;
    Routine bossScript;
    Routine bossDraw;  // ends by running the clear sequence
    Routine bossClear;
    BossRecord* boss;
    AttackSchedule attack;
    float timeLimit;
    // The stage's own steps: its enemies and waves (after the player's shots), the player's lock-on and
    // ship draws stand between them and its pools, then the sparks.
    Routine enemies;
    Routine pools;
    Routine sparks;
    // After the present.
    bool spiralNeedsFireOff;  // the spiral volley also waits for the first main shot to be off
    SalvoLaunch salvos;
    Routine missiles;
    bool autoFire;  // the automatic launch block behind AutoFireTrigger
};

void RunStage(const StageDriver& stage);
