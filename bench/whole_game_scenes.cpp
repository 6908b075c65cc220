// The whole game played headless through the program's own scene loop, as the whole-game test plays it
// (title, Enter, stages A, B and C with fire held under each boss, Y at every continue prompt, the ending
// jumped to its end, back to the title), with every scene frame's thread CPU time recorded. Only the scene
// functions are timed, not the loop's idle passes. Each scene reports its median, 99th percentile and
// worst frame in microseconds; a stage's frames from its boss phase on count as its boss's. Built into
// both programs' benchmark binaries; the benchmark is named after the screen width.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "build_config.h"
#include "support/stage_c_run.h"

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
};

struct Recorder {
    SceneFunction real[kSceneTableSize] = {};
    std::vector<FrameCost> frames;  // of the current play, in order
    int lastScene = -1;
    bool bossOpened = false;
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
    const double start = ThreadNanos();
    r.real[Scene]();
    const double spent = ThreadNanos() - start;
    // From the frame whose clock opens the boss phase on, through the clear sequence.
    const bool stage = Scene == kSceneStageA || Scene == kSceneStageB || Scene == kSceneStageC;
    if (stage && SceneNumber == Scene && StageScroll > BossPhaseOpens(Scene)) r.bossOpened = true;
    r.frames.push_back(FrameCost{BucketOf(Scene, r.bossOpened), spent / kNanosPerMicro});
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

// PlayWholeGame's start, with the timers put in the scene table once the process is fresh.
stage_c_run::GameResult PlayTimedGame() {
    stage_c_run::StartOnTitle();
    InstallTimers();
    stage_c_run::GameRunner runner;
    return runner.Run(kFrameLimit);
}

struct Summary {
    std::size_t frames = 0;
    double median = 0.0;
    double p99 = 0.0;
    double worst = 0.0;
};

// Nearest-rank percentiles.
Summary Summarise(std::vector<double> v) {
    Summary s;
    s.frames = v.size();
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    const auto rank = [&](double p) {
        const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
        return v[std::clamp<std::size_t>(i, 1, v.size()) - 1];
    };
    s.median = rank(0.5);
    s.p99 = rank(kPercentile);
    s.worst = v.back();
    return s;
}

// Each frame's lowest time over the plays; false when the plays did not run the same frames.
bool KeepLowest(std::vector<FrameCost>& lowest, const std::vector<FrameCost>& play) {
    if (lowest.empty()) {
        lowest = play;
        return true;
    }
    if (lowest.size() != play.size()) return false;
    for (std::size_t i = 0; i < play.size(); ++i) {
        if (play[i].bucket != lowest[i].bucket) return false;
        lowest[i].micros = std::min(lowest[i].micros, play[i].micros);
    }
    return true;
}

void BM_WholeGameScenes(benchmark::State& state) {
    const auto plays = state.range(0);
    std::vector<FrameCost> lowest;
    bool alike = true;
    bool complete = true;
    for (auto _ : state) {
        for (std::int64_t play = 0; play < plays; ++play) {
            const stage_c_run::GameResult result = PlayTimedGame();
            complete = complete && result.backAtTitle;
            alike = KeepLowest(lowest, Rec().frames) && alike;
        }
    }
    if (!complete) state.SkipWithError("the scripted game did not get back to the title");
    if (!alike) state.SkipWithError("the plays did not run the same frames");
    std::vector<double> micros[kBucketCount];
    for (const FrameCost& f : lowest) micros[f.bucket].push_back(f.micros);
    std::fprintf(stderr,
                 "\n%s scene frames, thread CPU time in microseconds (each frame's lowest of %lld plays)\n",
                 build::kBuildName, static_cast<long long>(plays));
    std::fprintf(stderr, "%-8s %8s %10s %10s %10s\n", "scene", "frames", "median", "p99", "worst");
    for (int b = 0; b < kBucketCount; ++b) {
        const Summary s = Summarise(micros[b]);
        const std::string name = kBucketNames[b];
        state.counters[name + "_median_us"] = s.median;
        state.counters[name + "_p99_us"] = s.p99;
        state.counters[name + "_worst_us"] = s.worst;
        std::fprintf(stderr, "%-8s %8zu %10.1f %10.1f %10.1f\n", kBucketNames[b], s.frames, s.median, s.p99,
                     s.worst);
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
