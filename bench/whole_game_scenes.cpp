// The whole game played headless through the program's own scene loop, as the whole-game test plays it
// (title, Enter, stages A, B and C with fire held under each boss, Y at every continue prompt, the ending
// jumped to its end, back to the title), with every scene frame's thread CPU time recorded. Only the scene
// functions are timed, not the loop's idle passes; the headless backend's record of sound and music commands
// is emptied before each frame, so that it does not grow over the game. Each scene reports its median, 99th
// percentile and worst frame in microseconds, with the worst frame's number in the play and its stage clock;
// a stage's frames from its boss phase on count as its boss's. The plays must run the same frames: each
// starts from the game state the first one started from (the game's resets leave some fields as the last game
// left them), and they must agree on every frame's scene and stage clock and on the state they end in. Built
// into both programs' benchmark binaries; the benchmark is named after the screen width.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "build_config.h"
#include "platform/headless_devices.h"
#include "support/stage_c_run.h"
#include "support/state_hash.h"

namespace {

enum Bucket { kTitle, kStageA, kBossA, kStageB, kBossB, kStageC, kBossC, kEnding, kBucketCount };

constexpr const char* kBucketNames[kBucketCount] = {"title",  "a", "a_boss", "b",
                                                    "b_boss", "c", "c_boss", "ending"};

// Stage clock values above which each stage's boss phase is open (see each stage's driver).
constexpr float kBossPhaseA = 1460.0f;
constexpr float kBossPhaseB = 150.0f;
constexpr float kBossPhaseC = 10.0f;
constexpr int kFrameLimit = 200000;
constexpr int kPlays = 3;
constexpr double kPercentile = 0.99;
constexpr double kNanosPerMicro = 1000.0;

struct FrameCost {
    Bucket bucket;
    double micros;
    float clock;  // the stage clock as the frame left it
};

struct Recorder {
    SceneFunction real[kSceneTableSize] = {};
    std::vector<FrameCost> frames;  // of the current play, in order; frame n of the play at n - 1
    int lastScene = -1;
    bool bossOpened = false;
    GameStateImage start;  // the game state the first play started from
};

Recorder& Rec() {
    static Recorder recorder;
    return recorder;
}

double ThreadNanos() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

float BossPhaseOpens(int scene) {
    switch (scene) {
        case kSceneStageA:
            return kBossPhaseA;
        case kSceneStageB:
            return kBossPhaseB;
        default:
            return kBossPhaseC;
    }
}

Bucket BucketOf(int scene, bool boss) {
    switch (scene) {
        case kSceneTitle:
            return kTitle;
        case kSceneStageA:
            return boss ? kBossA : kStageA;
        case kSceneStageB:
            return boss ? kBossB : kStageB;
        case kSceneStageC:
            return boss ? kBossC : kStageC;
        default:
            return kEnding;
    }
}

// Runs the program's scene function for `Scene` under the thread clock.
template <int Scene>
void TimedScene() {
    Recorder& r = Rec();
    if (r.lastScene != Scene) r.bossOpened = false;
    r.lastScene = Scene;
    // The headless backend records every sound and music command, which the real one does not. Emptied
    // before each frame (its room kept), the record holds one frame's commands instead of a whole game's,
    // whose every doubling of room copies megabytes into fresh pages inside the frame that needs it.
    headless::ClearSoundCalls();
    headless::ClearMciCommands();
    const double start = ThreadNanos();
    r.real[Scene]();
    const double spent = ThreadNanos() - start;
    // From the frame whose clock opens the boss phase on, through the clear sequence.
    const bool stage = Scene == kSceneStageA || Scene == kSceneStageB || Scene == kSceneStageC;
    if (stage && SceneNumber == Scene && StageScroll > BossPhaseOpens(Scene)) r.bossOpened = true;
    r.frames.push_back(FrameCost{BucketOf(Scene, r.bossOpened), spent / kNanosPerMicro, StageScroll});
}

void InstallTimers() {
    Recorder& r = Rec();
    std::copy(std::begin(SceneTable), std::end(SceneTable), std::begin(r.real));
    SceneTable[kSceneTitle] = TimedScene<kSceneTitle>;
    SceneTable[kSceneStageA] = TimedScene<kSceneStageA>;
    SceneTable[kSceneStageB] = TimedScene<kSceneStageB>;
    SceneTable[kSceneStageC] = TimedScene<kSceneStageC>;
    SceneTable[kSceneEnding] = TimedScene<kSceneEnding>;
    r.frames.clear();
    r.lastScene = -1;
    r.bossOpened = false;
}

// PlayWholeGame's start, from the first play's game state, with the timers put in the scene table once the
// process is fresh.
stage_c_run::GameResult PlayTimedGame() {
    stage_c_run::StartOnTitle();
    Recorder& r = Rec();
    if (r.start.Taken()) {
        r.start.Restore();
    } else {
        r.start.Take();
    }
    InstallTimers();
    stage_c_run::GameRunner runner;
    return runner.Run(kFrameLimit);
}

struct Summary {
    std::size_t frames = 0;
    double median = 0.0;
    double p99 = 0.0;
    double worst = 0.0;
    std::size_t worstFrame = 0;  // its number in the play, from 1
    float worstClock = 0.0f;
};

// Nearest-rank percentiles of one bucket's frames.
Summary Summarise(const std::vector<FrameCost>& frames, Bucket bucket) {
    Summary s;
    std::vector<double> v;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].bucket != bucket) continue;
        v.push_back(frames[i].micros);
        if (v.size() == 1 || frames[i].micros > s.worst) {
            s.worst = frames[i].micros;
            s.worstFrame = i + 1;
            s.worstClock = frames[i].clock;
        }
    }
    s.frames = v.size();
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    const auto rank = [&](double p) {
        const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
        return v[std::clamp<std::size_t>(i, 1, v.size()) - 1];
    };
    s.median = rank(0.5);
    s.p99 = rank(kPercentile);
    return s;
}

bool SameClock(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Keeps each frame's lowest time over the plays. Returns an empty text when this play ran the same frames
// as the first, else where it parted from it.
std::string KeepLowest(std::vector<FrameCost>& lowest, const std::vector<FrameCost>& play) {
    if (lowest.empty()) {
        lowest = play;
        return {};
    }
    const std::size_t common = std::min(lowest.size(), play.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (play[i].bucket != lowest[i].bucket || !SameClock(play[i].clock, lowest[i].clock)) {
            char where[160];
            std::snprintf(where, sizeof where,
                          "frame %zu: scene %s, stage clock %.3f in the first play; %s, %.3f", i + 1,
                          kBucketNames[lowest[i].bucket], static_cast<double>(lowest[i].clock),
                          kBucketNames[play[i].bucket], static_cast<double>(play[i].clock));
            return where;
        }
        lowest[i].micros = std::min(lowest[i].micros, play[i].micros);
    }
    if (lowest.size() != play.size()) {
        return std::to_string(play.size()) + " frames, the first play " + std::to_string(lowest.size());
    }
    return {};
}

void BM_WholeGameScenes(benchmark::State& state) {
    const auto plays = state.range(0);
    std::vector<FrameCost> lowest;
    std::string parted;
    std::uint64_t firstEnd = 0;
    bool complete = true;
    for (auto _ : state) {
        for (std::int64_t play = 0; play < plays; ++play) {
            const stage_c_run::GameResult result = PlayTimedGame();
            complete = complete && result.backAtTitle;
            std::string where = KeepLowest(lowest, Rec().frames);
            if (play == 0) firstEnd = result.hash;
            if (where.empty() && result.hash != firstEnd) where = "the end state";
            if (parted.empty() && !where.empty())
                parted = "play " + std::to_string(play + 1) + " at " + where;
        }
    }
    if (!complete) state.SkipWithError("the scripted game did not get back to the title");
    if (!parted.empty()) {
        std::fprintf(stderr, "the plays did not run the same frames: %s\n", parted.c_str());
        state.SkipWithError("the plays did not run the same frames");
    }
    std::fprintf(
        stderr,
        "\n%s scene frames, thread CPU time in microseconds (each frame's lowest of %lld plays); the "
        "worst frame's number in the play and stage clock\n",
        build::kBuildName, static_cast<long long>(plays));
    std::fprintf(stderr, "%-8s %8s %10s %10s %10s %8s %10s\n", "scene", "frames", "median", "p99", "worst",
                 "frame", "clock");
    for (int b = 0; b < kBucketCount; ++b) {
        const Summary s = Summarise(lowest, static_cast<Bucket>(b));
        const std::string name = kBucketNames[b];
        state.counters[name + "_median_us"] = s.median;
        state.counters[name + "_p99_us"] = s.p99;
        state.counters[name + "_worst_us"] = s.worst;
        state.counters[name + "_worst_frame"] = static_cast<double>(s.worstFrame);
        std::fprintf(stderr, "%-8s %8zu %10.1f %10.1f %10.1f %8zu %10.1f\n", kBucketNames[b], s.frames,
                     s.median, s.p99, s.worst, s.worstFrame, static_cast<double>(s.worstClock));
    }
}

[[maybe_unused]] const bool kRegistered = [] {
    const std::string name = "BM_WholeGameScenes/" + std::to_string(build::kScreenWidth);
    benchmark::RegisterBenchmark(name.c_str(), BM_WholeGameScenes)
        ->ArgName("plays")
        ->Arg(kPlays)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
