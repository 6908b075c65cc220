#include "support/golden_runs.h"

#include <cstring>

#include "build_config.h"
#include "engine/elSound.h"
#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "game/core/scene_change.h"
#include "game/core/scenes.h"
#include "game/entity_walk.h"
#include "game/stage_a/stage_a_entities.h"
#include "game/stage_b/stage_b_entities.h"
#include "game/stage_c/stage_c_driver.h"
#include "game/stage_c/stage_c_entities.h"
#include "platform/headless.h"
#include "platform/types.h"
#include "support/boss_target.h"
#include "support/golden_trace.h"
#include "support/stage_c_run.h"

namespace {

constexpr int kStageFrames = 45000;  // the longest stage runs to its limit in about 42,000
constexpr int kGameFrames = 200000;
constexpr int kTitleWait = 30;
constexpr float kEndingJump = 985.0f;
constexpr float kSteerSlack = 4.0f;
// The title's settings, and the ones that open every flag-gated row.
constexpr int kTitleDifficulty = 1;
constexpr int kHardest = 3;
// The opening wipes as the scene before each stage starts them.
constexpr int kTitleWipe = 26;
constexpr int kAfterStageAWipe = 30;
constexpr int kAfterStageBWipe = 60;
// Each boss attacks only below the top of its band; a time-limit run wounds it this far below.
constexpr float kBossAAttackTop = 1010.0f;
constexpr float kBossBAttackTop = 980.0f;
// The stage clocks' rates and time limits.
constexpr float kStageAScrollRate = 20.0f;
constexpr float kStageATimeLimit = 10000.0f;
constexpr float kStageBScrollRate = 18.0f;
constexpr float kStageBTimeLimit = 11000.0f;
constexpr float kStageCScrollRate = 16.0f;
constexpr float kWoundBelowTop = 10.0f;
// A time-limit run plays one whole attack cycle and this many frames of the next, then the stage clock
// jumps to this many seconds before the time limit.
constexpr int kAfterWrap = 300;
constexpr float kSecondsBeforeLimit = 5.0f;
// Boss A's path clock holds between these (it goes back to 138 at 160); a stalled frame carries it to
// each target in turn: one inside each sway window, or half a unit inside each end of every window
// (162..171, 172..190, 191..200, 201..210, 211..220, 221..230, 231..240) and half a unit past it, so that
// a window's end moved by one changes which row the frame runs.
constexpr float kHoldFrom = 150.0f;
constexpr float kRewindAt = 160.0f;
constexpr float kSwayTargets[] = {166.0f, 181.0f, 195.0f, 205.0f, 215.0f, 225.0f, 235.0f};
constexpr float kSwayEdgeTargets[] = {161.5f, 162.5f, 170.5f, 171.5f, 172.5f, 189.5f, 190.5f, 191.5f,
                                      199.5f, 200.5f, 201.5f, 209.5f, 210.5f, 211.5f, 219.5f, 220.5f,
                                      221.5f, 229.5f, 230.5f, 231.5f, 239.5f, 240.5f};
constexpr std::span<const float> kNoStalls{};
constexpr float kPathClockRate = 10.0f;
constexpr int kFramesBetweenStalls = 60;
// The shot clear is set this often (at the middle of each period) in runs with the switches.
constexpr int kClearEvery = 600;
// The other weapon keys take turns while main fire is held: each for kWeaponHold of kWeaponTurn frames.
constexpr int kOtherWeapons[] = {VK_CONTROL, 'C', 'V', 'N', 'B'};
constexpr int kWeaponTurn = 50;
constexpr int kWeaponHold = 35;
// In runs with the flanks the ship holds a corner of its field for a whole attack cycle of the boss, then
// the next: bottom left, bottom right, top left, top right. The stage clock jumps after the last. Before
// the boss comes, the ship goes round the corners kStageFlankTurn frames each.
constexpr int kFlankCorners = 4;
constexpr int kStageFlankTurn = 600;
constexpr bool kFlanks = true;

const std::vector<GoldenRunSpec> kRuns = {
    {"game",
     "the whole game from the title: every weapon, under each boss, Y at every prompt, back to the title",
     GoldenStart::kTitle, GoldenFight::kKill, 0, 0, 0, kGameFrames},
    {"stageA_kill", "stage A as the title starts it, every weapon, boss A killed", GoldenStart::kStageA,
     GoldenFight::kKill, kTitleDifficulty, 1, 0, kStageFrames},
    {"stageA_limit", "stage A as the title starts it, boss A wounded then spared to the time limit",
     GoldenStart::kStageA, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames},
    {"stageA_flags", "stage A at difficulty 3 with scoring flags 2 and 1, to the time limit",
     GoldenStart::kStageA, GoldenFight::kTimeLimit, kHardest, 2, 1, kStageFrames},
    {"stageA_stalls", "stage A with frames stalled while boss A holds, into each of its sway windows",
     GoldenStart::kStageA, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames, kSwayTargets},
    {"stageA_sway_edges",
     "stage A with frames stalled while boss A holds, just inside and just past each end of its sway windows",
     GoldenStart::kStageA, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames, kSwayEdgeTargets},
    {"stageA_switches",
     "stage A with the automatic launch block on and the shot clear set now and then, boss A killed",
     GoldenStart::kStageA, GoldenFight::kKill, kTitleDifficulty, 1, 0, kStageFrames, kNoStalls, true},
    {"stageB_kill", "stage B as stage A's clear leaves it, every weapon, boss B killed", GoldenStart::kStageB,
     GoldenFight::kKill, kTitleDifficulty, 1, 0, kStageFrames},
    {"stageB_switches",
     "stage B with the automatic launch block on and the shot clear set now and then, boss B killed",
     GoldenStart::kStageB, GoldenFight::kKill, kTitleDifficulty, 1, 0, kStageFrames, kNoStalls, true},
    {"stageB_limit", "stage B as stage A's clear leaves it, boss B wounded then spared to the time limit",
     GoldenStart::kStageB, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames},
    {"stageB_flags", "stage B at difficulty 3 with scoring flags 2 and 1, to the time limit",
     GoldenStart::kStageB, GoldenFight::kTimeLimit, kHardest, 2, 1, kStageFrames},
    {"stageC_kill", "stage C as stage B's clear leaves it, every weapon, boss C killed", GoldenStart::kStageC,
     GoldenFight::kKill, kTitleDifficulty, 1, 0, kStageFrames},
    {"stageC_switches",
     "stage C with the automatic launch block on and the shot clear set now and then, boss C killed",
     GoldenStart::kStageC, GoldenFight::kKill, kTitleDifficulty, 1, 0, kStageFrames, kNoStalls, true},
    {"stageC_limit", "stage C as stage B's clear leaves it, boss C wounded then spared to the time limit",
     GoldenStart::kStageC, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames},
    {"stageC_flags", "stage C at difficulty 3 with scoring flags 2 and 1, to the time limit",
     GoldenStart::kStageC, GoldenFight::kTimeLimit, kHardest, 2, 1, kStageFrames},
    {"stageA_flanks",
     "stage A to the time limit, the ship round the corners of its field, and in each for an attack cycle of "
     "boss A",
     GoldenStart::kStageA, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames, kNoStalls, false,
     kFlanks},
    {"stageB_flanks",
     "stage B to the time limit, the ship round the corners of its field, and in each for an attack cycle of "
     "boss B",
     GoldenStart::kStageB, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames, kNoStalls, false,
     kFlanks},
    {"stageC_flanks",
     "stage C to the time limit, the ship round the corners of its field, and in each for an attack cycle of "
     "boss C",
     GoldenStart::kStageC, GoldenFight::kTimeLimit, kTitleDifficulty, 1, 0, kStageFrames, kNoStalls, false,
     kFlanks},
};

int SceneOf(GoldenStart start) {
    switch (start) {
        case GoldenStart::kTitle:
            return kSceneTitle;
        case GoldenStart::kStageA:
            return kSceneStageA;
        case GoldenStart::kStageB:
            return kSceneStageB;
        case GoldenStart::kStageC:
            return kSceneStageC;
    }
    return kSceneTitle;
}

bool InStage(int scene) {
    return scene == kSceneStageA || scene == kSceneStageB || scene == kSceneStageC;
}

// Every record as a new process has it: the resets leave some words as they were.
void ZeroEntities() {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        std::memset(a->records, 0, entity_walk::RecordSize(a->kind) * static_cast<std::size_t>(a->count));
    }
    for (BossRecord* r :
         {&BossARecord, &BossB, &BossCRecord, &BigEnemy2, &BigEnemy3, &BigEnemy4, &BigEnemy5, &BigEnemy6}) {
        *r = BossRecord{};
    }
}

// What the title does on Enter, then the scene before the stage: its reset and its opening wipe (stages B
// and C keep stage A's music playing).
void EnterStage(const GoldenRunSpec& run) {
    WeaponType = 1;
    InitNewGame();
    ResetGameStateA();
    ResetGameStateB();
    Difficulty = run.difficulty;
    ScoringMode[0] = run.scoring0;
    ScoringMode[1] = run.scoring1;
    BackgroundOff = 0;
    MouseShip = 0;
    ShipVisible = 1;
    BlendEffects = 1;
    Invincible = 0;
    AutoFireTrigger = run.switches ? 1 : 0;
    switch (run.start) {
        case GoldenStart::kStageA:
            StartSceneTransition(kSceneStageA, kTitleWipe);
            break;
        case GoldenStart::kStageB:
            elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
            StartSceneTransition(kSceneStageB, kAfterStageAWipe);
            break;
        case GoldenStart::kStageC:
            elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
            StartSceneTransition(kSceneStageC, kAfterStageBWipe);
            break;
        case GoldenStart::kTitle:
            break;
    }
}

// The stage's attack clock, its stage clock's rate and its time limit.
struct StageClocks {
    const int* attackClock;
    float scrollRate;
    float timeLimit;
};

StageClocks ClocksOf(int scene) {
    switch (scene) {
        case kSceneStageA:
            return {&BossAAttackClock, kStageAScrollRate, kStageATimeLimit};
        case kSceneStageB:
            return {&BossBAttackTimer, kStageBScrollRate, kStageBTimeLimit};
        default:
            return {&BossCAttackClock, kStageCScrollRate, kStageCTimeLimit};
    }
}

// How many times the boss's attack clock of the scene a run started in has gone round.
class AttackCycles {
public:
    explicit AttackCycles(int scene) : scene_(scene), clocks_(ClocksOf(scene)) {}

    void AfterFrame() {
        if (SceneNumber != scene_) return;
        const int n = *clocks_.attackClock;
        if (n < last_) ++wraps_;
        last_ = n;
    }
    int wraps() const { return wraps_; }
    int clock() const { return last_; }
    const StageClocks& clocks() const { return clocks_; }

private:
    int scene_;
    StageClocks clocks_;
    int last_ = 0;
    int wraps_ = 0;
};

// Jumps the stage clock of a time-limit run once the boss's attack clock has gone round as often as asked
// and on a little: every row of the schedule has run by then, and what is left is the same cycle again
// up to the time limit.
class LimitJump {
public:
    LimitJump(int scene, int cycles) : scene_(scene), cycles_(cycles) {}

    void AfterFrame(const AttackCycles& attack, GoldenTrace& trace) {
        if (jumped_ || SceneNumber != scene_) return;
        if (attack.wraps() < cycles_ || attack.clock() < kAfterWrap) return;
        StageScroll = attack.clocks().timeLimit - kSecondsBeforeLimit * attack.clocks().scrollRate;
        jumped_ = true;
        trace.Note("attack clock went round; stage clock jumped to " + std::to_string(StageScroll));
    }

private:
    int scene_;
    int cycles_;
    bool jumped_ = false;
};

// Stalls one frame at a time: the virtual clock is moved on before the frame, so that the frame's time
// is the stall. After the last one the stage clock jumps to the time limit.
class Stalls {
public:
    explicit Stalls(std::span<const float> targets) : targets_(targets) {}

    void BeforeFrame(GoldenTrace& trace) {
        ++frames_;
        if (next_ >= static_cast<int>(targets_.size()) || SceneNumber != kSceneStageA) return;
        const float clock = BossARecord.clock;
        if (frames_ - lastStall_ < kFramesBetweenStalls || clock < kHoldFrom || clock >= kRewindAt) return;
        const float seconds = (targets_[next_] - clock) / kPathClockRate;
        const auto micros = static_cast<std::uint64_t>(seconds * 1.0e6f);
        headless::AdvanceClock(micros);
        trace.Note("frame stalled " + std::to_string(micros / 1000) + " ms at boss A's path clock " +
                   Sixteenths(clock));
        ++next_;
        lastStall_ = frames_;
    }

    void AfterFrame(GoldenTrace& trace) {
        if (next_ < static_cast<int>(targets_.size()) || jumped_ || frames_ - lastStall_ < 60) return;
        if (SceneNumber != kSceneStageA) return;
        StageScroll = kStageATimeLimit - kSecondsBeforeLimit * kStageAScrollRate;
        jumped_ = true;
        trace.Note("stalls done; stage clock jumped to " + std::to_string(StageScroll));
    }

private:
    std::span<const float> targets_;
    int frames_ = 0;
    int lastStall_ = 0;
    int next_ = 0;
    bool jumped_ = false;
};

// The boss of the scene and the health below which it attacks.
const BossRecord* SceneBoss(float& attackTop) {
    switch (SceneNumber) {
        case kSceneStageA:
            attackTop = kBossAAttackTop;
            return &BossARecord;
        case kSceneStageB:
            attackTop = kBossBAttackTop;
            return &BossB;
        case kSceneStageC:
            attackTop = kBossCAttackCeiling;
            return &BossCRecord;
        default:
            return nullptr;
    }
}

class Pilot {
public:
    Pilot(const GoldenRunSpec& run, const AttackCycles& attack) : run_(run), attack_(attack) {}

    void BeforeFrame(GoldenTrace& trace) {
        ++frame_;
        // `Y` is held for one frame at the continue prompt.
        if (yDown_) {
            Press('Y', false);
            yDown_ = false;
        } else if (Frozen != 0 && ContinueShown == 1) {
            Press('Y', true);
            yDown_ = true;
            trace.Note("continue answered with Y");
        }
        const bool onTitle = SceneNumber == kSceneTitle;
        Press(VK_RETURN, onTitle && !leftTitle_ && run_.start == GoldenStart::kTitle && frame_ > kTitleWait);
        if (!onTitle) leftTitle_ = true;

        const bool playing = Frozen == 0 && InStage(SceneNumber);
        const bool kill = run_.fight == GoldenFight::kKill;
        float top = 0.0f;
        const BossRecord* boss = SceneBoss(top);
        const bool wounded = boss != nullptr && boss->health < top - kWoundBelowTop;
        float target = ShipTargetX();
        // Pressed towards a point past the bottom edge, the ship stops at the edge.
        float targetY = 2.0f * static_cast<float>(build::kScreenHeight);
        const bool bossAway = boss != nullptr && boss->x <= kParkedX;
        if (run_.flanks && (wounded || bossAway)) {
            const int corner = (wounded ? attack_.wraps() : frame_ / kStageFlankTurn) % kFlankCorners;
            target = corner % 2 == 0 ? -static_cast<float>(build::kScreenWidth)
                                     : 2.0f * static_cast<float>(build::kScreenWidth);
            if (corner >= 2) targetY = -static_cast<float>(build::kScreenHeight);
        }
        Press(VK_LEFT, playing && PlayerPosition.x > target + kSteerSlack);
        Press(VK_RIGHT, playing && PlayerPosition.x < target - kSteerSlack);
        Press(VK_UP, playing && PlayerPosition.y > targetY + kSteerSlack);
        Press(VK_DOWN, playing && PlayerPosition.y < targetY - kSteerSlack);

        const bool fire = playing && (kill || (boss != nullptr && !wounded));
        Press(VK_SHIFT, fire);
        const int turn = (frame_ / kWeaponTurn) % static_cast<int>(std::size(kOtherWeapons));
        for (int i = 0; i < static_cast<int>(std::size(kOtherWeapons)); ++i) {
            Press(kOtherWeapons[i], kill && playing && i == turn && frame_ % kWeaponTurn < kWeaponHold);
        }
    }

    void ReleaseAll() {
        for (int key = 0; key < 256; ++key) Press(key, false);
    }

private:
    void Press(int key, bool down) {
        if (down && !held_[key]) headless::PressKey(key);
        if (!down && held_[key]) headless::ReleaseKey(key);
        held_[key] = down;
    }

    const GoldenRunSpec& run_;
    const AttackCycles& attack_;
    int frame_ = 0;
    bool yDown_ = false;
    bool leftTitle_ = false;
    bool held_[256] = {};
};

}  // namespace

const std::vector<GoldenRunSpec>& GoldenRuns() {
    return kRuns;
}

GoldenResult PlayGoldenRun(const GoldenRunSpec& run) {
    stage_c_run::StartOnTitle();
    ZeroEntities();
    if (run.start != GoldenStart::kTitle) EnterStage(run);

    GoldenTrace trace;
    trace.Comment(std::string("golden run ") + run.name + " of the " + std::to_string(build::kScreenWidth) +
                  "x" + std::to_string(build::kScreenHeight) + " program: " + run.about);
    trace.Comment("written by tests/golden/update.sh; a change to this file is reviewed like code");
    trace.Note("start difficulty " + std::to_string(Difficulty) + " scoring " +
               std::to_string(ScoringMode[0]) + " " + std::to_string(ScoringMode[1]) + " ships " +
               std::to_string(ShipStock));

    const int startScene = SceneOf(run.start);
    AttackCycles attack(startScene);
    Pilot pilot(run, attack);
    LimitJump jump(startScene, run.flanks ? kFlankCorners : 1);
    Stalls stalls(run.stallTargets);
    const bool stalling = !run.stallTargets.empty();
    bool left = false;  // left the scene it started in
    bool reachedEnding = false;
    bool jumped = false;
    GoldenResult result;
    int exitCode = 0;
    for (int frames = 0; frames < run.frameLimit; ++frames) {
        pilot.BeforeFrame(trace);
        if (stalling) stalls.BeforeFrame(trace);
        if (run.switches && InStage(SceneNumber) && frames % kClearEvery == kClearEvery / 2 &&
            ClearEnemyShots == 0) {
            ClearEnemyShots = 1;
            trace.Note("shot clear set");
        }
        if (!stage_c_run::Runner::Frame(&exitCode)) break;
        trace.EndFrame();
        attack.AfterFrame();
        if (stalling) {
            stalls.AfterFrame(trace);
        } else if (run.fight == GoldenFight::kTimeLimit) {
            jump.AfterFrame(attack, trace);
        }
        if (SceneNumber != startScene) left = true;
        reachedEnding |= SceneNumber == kSceneEnding;
        if (SceneNumber == kSceneEnding && StageScroll > 1.0f && StageScroll < kEndingJump) {
            StageScroll = kEndingJump;
            if (!jumped) trace.Note("the ending's timeline jumped to its last second");
            jumped = true;
        }
        const bool done =
            run.start == GoldenStart::kTitle ? reachedEnding && SceneNumber == kSceneTitle : left;
        if (done) {
            result.finished = true;
            break;
        }
    }
    pilot.ReleaseAll();
    if (!result.finished) trace.Note("stopped at the frame limit");
    result.unnamedRecords = trace.unnamedRecords();
    result.text = trace.Finish();
    return result;
}
