// The soak: the whole game played over and over on the headless backend through the program's own scene
// loop, at 60 frames a second on the virtual clock, by a scripted player (see soak_player.h). It checks,
// and ends with a non-zero exit code and a message when one fails:
//  - every time the game runs the stage reset (the title's Enter, each stage's clear, the ending's exits),
//    every record of every entity array is free and at its park place the moment the reset returns;
//  - every scene change the game makes itself comes with a stage reset, and right after the frame that
//    made it, before any frame of the next scene runs, no record is in play (active, hit, busy or
//    launched). The rest of that frame may move free records (they drift at their parked height), so
//    places are not looked at there. `T` leaves every entity as it was, so its changes are not checked;
//  - every loop ends with the game state hash the first loop ended with, and from the third loop on every
//    round ends as the same round of the second loop did;
//  - resident memory after every later loop is within 1 MB of what it was after the first loop (under
//    AddressSanitizer only with its quarantine off, see QuarantineOff);
//  - no error box, the program never quits by itself, each round covers what its plan promises (every
//    weapon key fired, a death, Y at the prompt, S both ways, each `T`, every scene change), and Esc ends
//    the program at the end.
// The starting conditions the harness sets: the time of day stays at one fixed second for the whole run,
// so every stage reset seeds the generator alike; the player's key schedule restarts with the same seed
// every round; and every round starts with the clocks in the same state (see AlignClock).
//
// Usage: soak800|soak640 [--frames N | --loops N | --rounds N] [--build 800|640] [--trace]
// A loop is three rounds (see soak_player.h). --frames plays whole loops until N frames have run, --rounds
// N rounds; the default is one loop. --build runs the program of the other screen size when it is not
// this one; --trace prints every scene change with the state hash.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>

#include "build_config.h"
#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/entity_walk.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/system.h"
#include "platform/window.h"
#include "soak/soak_player.h"
#include "support/program_window.h"
#include "support/state_hash.h"

namespace {

constexpr long long kTimeOfDay = 1700000000;
constexpr std::uint64_t kIdleMicroseconds = 1000;
constexpr int kPassLimit = 100;
constexpr int kQuitPassLimit = 100000;
constexpr long kRssGrowthLimitKb = 1024;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kQuarantine = true;
#else
constexpr bool kQuarantine = false;
#endif
constexpr int kRoundFrameLimit = 200000;  // a round that has not come back to the title by then never will
constexpr int kSceneSlots = kSceneTableSize;
constexpr std::uint64_t kBlankPatternMicroseconds = 50000;  // three vertical blanks, fifty polls
constexpr int kAlignFramesMin = 6;                          // the title runs steadily by then

struct Options {
    long long frames = 0;
    int loops = 0;
    int rounds = 0;
    int build = build::kScreenWidth;
    bool trace = false;
};

constinit bool gTrace = false;

// The clock's place in the pattern the frame gate, the 1 ms polls and the 1/60 s vertical blanks repeat.
struct ClockPhase {
    std::uint64_t inPattern = 0;
    std::int64_t sinceDue = 0;
    float frameTime = 0.0f;  // the time since the loop's pass before, which the next frame builds on
    bool operator==(const ClockPhase&) const = default;
};

// AddressSanitizer's quarantine holds freed blocks (up to 256 MB), so resident memory says something
// about leaks there only with the quarantine turned off.
bool QuarantineOff() {
    const char* options = std::getenv("ASAN_OPTIONS");
    return options != nullptr && std::strstr(options, "quarantine_size_mb=0") != nullptr;
}

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "soak%d: FAIL: %s\n", build::kScreenWidth, message.c_str());
    std::fflush(stdout);
    std::exit(1);
}

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

long ResidentKb() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return 0;
    long size = 0;
    long resident = 0;
    const int read = std::fscanf(f, "%ld %ld", &size, &resident);
    std::fclose(f);
    if (read != 2) return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--frames" && hasValue) {
            o.frames = std::atoll(argv[++i]);
        } else if (arg == "--loops" && hasValue) {
            o.loops = std::atoi(argv[++i]);
        } else if (arg == "--rounds" && hasValue) {
            o.rounds = std::atoi(argv[++i]);
        } else if (arg == "--trace") {
            o.trace = true;
        } else if (arg == "--build" && hasValue) {
            o.build = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr,
                         "usage: %s [--frames N | --loops N | --rounds N] [--build 800|640] [--trace]\n",
                         argv[0]);
            std::exit(2);
        }
    }
    if (o.frames <= 0 && o.loops <= 0 && o.rounds <= 0) o.loops = 1;
    return o;
}

// The program of the other screen size lies beside this one.
void RunOtherBuild(int size, char** argv) {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) Fail("cannot find this program's folder");
    std::string path(self, static_cast<std::size_t>(length));
    path = path.substr(0, path.rfind('/') + 1) + "soak" + std::to_string(size);
    argv[0] = path.data();
    execv(path.c_str(), argv);
    Fail("cannot run " + path);
}

// The program's start, as its entry makes it: window, seed, data, frame clock; then the title.
void StartProgram() {
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game" + std::to_string(build::kScreenWidth));
    headless::SetTime(kTimeOfDay);
    elSystem::InitState();
    OpenProgramWindow();
    crt::srand(static_cast<unsigned int>(crt::time(nullptr)));
    LoadAllAssets();
    elSystem::ResetFrameClock();
}

// One frame of the scene loop: passes a millisecond apart until the scene ran (an opening transition
// steps once a pass). False when the program quit.
bool Frame() {
    int exitCode = 0;
    const auto before = elSystem::Clock.lastDueTick;
    for (int pass = 0; pass < kPassLimit; ++pass) {
        const bool opening = Transition.direction == 1;
        if (!RunLoopPass(&exitCode)) return false;
        if (opening || elSystem::Clock.lastDueTick != before) break;
        headless::AdvanceClock(kIdleMicroseconds);
    }
    return true;
}

// Describes the first entity record that is not free and parked; empty when all are.
std::string FirstUnparked() {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        const std::string where = entity_walk::FirstUnparked(*a);
        if (where.empty()) continue;
        const int i = std::atoi(where.c_str() + where.rfind('[') + 1);
        const entity_walk::RecordView v = entity_walk::View(*a, i);
        char detail[160];
        if (v.intPosition) {
            std::snprintf(detail, sizeof detail, " (active %d at %d, %d)", v.active, v.ix, v.iy);
        } else {
            std::snprintf(detail, sizeof detail, " (active %d at %g, %g)", v.active, v.fx, v.fy);
        }
        return where + detail;
    }
    return {};
}

// Describes the first entity record still in play (active, hit, busy or launched); empty when none is.
std::string FirstInPlay() {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        for (int i = 0; i < a->count; ++i) {
            const entity_walk::RecordView v = entity_walk::View(*a, i);
            if (v.active != 0) return std::string(a->name) + "[" + std::to_string(i) + "]";
        }
    }
    return {};
}

// What the last stage reset left unparked, and how many resets ran.
constinit int gResets = 0;
std::string gUnparkedAfterReset;

int ExpectedTReturns(const soak::RoundPlan& plan) {
    int n = 0;
    for (int i = 0; i < plan.passCount; ++i) {
        const soak::PassEnd end = plan.passes[i];
        n += end != soak::PassEnd::kEndingSpace && end != soak::PassEnd::kEndingTimeline;
    }
    return n;
}

int ExpectedEndingExits(const soak::RoundPlan& plan) {
    int n = 0;
    for (int i = 0; i < plan.passCount; ++i) {
        const soak::PassEnd end = plan.passes[i];
        n += end == soak::PassEnd::kEndingSpace || end == soak::PassEnd::kEndingTimeline ||
             end == soak::PassEnd::kEndingT;
    }
    return n;
}

void CheckCoverage(int round, const soak::RoundPlan& plan, const soak::RoundCoverage& c,
                   const int (&changes)[kSceneSlots][kSceneSlots]) {
    const std::string at = "round " + std::to_string(round + 1) + ": ";
    for (int i = 0; i < soak::kWeaponKeyCount; ++i) {
        if (c.weaponFrames[i] == 0)
            Fail(at + "the weapon key " + soak::kWeaponKeyNames[i] + " was never fired");
    }
    if (c.hits == 0) Fail(at + "the ship was never hit");
    if (c.continuesAnswered == 0) Fail(at + "no continue prompt was answered");
    if (c.pauses == 0 || c.resumes != c.pauses) Fail(at + "S did not pause and resume the game");
    if (c.titleReturnsByT != ExpectedTReturns(plan)) Fail(at + "T did not return to the title as planned");
    if (c.endingExits != ExpectedEndingExits(plan)) Fail(at + "the ending was not left as planned");
    const int needed[][2] = {{kSceneTitle, kSceneStageA},
                             {kSceneStageA, kSceneStageB},
                             {kSceneStageB, kSceneStageC},
                             {kSceneStageC, kSceneEnding}};
    for (const auto& change : needed) {
        if (changes[change[0]][change[1]] == 0) {
            Fail(at + "no change from scene " + std::to_string(change[0]) + " to scene " +
                 std::to_string(change[1]));
        }
    }
}

// The length of the clock's whole pattern: the frame gate's beat and the vertical blanks' three-frame
// pattern (which holds the millisecond polls) meet again after it.
std::uint64_t ClockPattern() {
    return std::lcm(kBlankPatternMicroseconds, static_cast<std::uint64_t>(elSystem::Clock.ticksPerFrame));
}

ClockPhase CurrentPhase() {
    const std::uint64_t now = headless::NowMicroseconds();
    return {now % ClockPattern(), static_cast<std::int64_t>(now) - elSystem::Clock.lastDueTick, FrameTime};
}

// Every round starts on the title in the same state of the clocks, or the frames' times would fall
// differently and the rounds would part in the last bits of the positions. The title waits out its
// transition; `T` closes the music that may still play; the window loses the focus, and while it is away
// the virtual clock moves on to the place in its pattern where the first round began; the focus comes
// back, and after a few title frames every clock must read as it did in the first round.
constinit bool gPhaseKnown = false;
constinit std::uint64_t gStartPlace = 0;
ClockPhase gStartPhase;

int TitleFrames(int count) {
    for (int i = 0; i < count; ++i) {
        if (!Frame()) Fail("the program quit by itself on the title");
    }
    return count;
}

void HandleMessage() {
    int exitCode = 0;
    if (!RunLoopPass(&exitCode)) Fail("the program quit by itself on the title");
}

int AlignClock(int round) {
    int frames = 0;
    while (Transition.direction != 0) frames += TitleFrames(1);
    frames += TitleFrames(kAlignFramesMin);
    headless::PressKey('T');
    frames += TitleFrames(kAlignFramesMin);
    headless::ReleaseKey('T');
    frames += TitleFrames(kAlignFramesMin);
    headless::SetActive(false);
    HandleMessage();
    const std::uint64_t pattern = ClockPattern();
    if (!gPhaseKnown) gStartPlace = headless::NowMicroseconds() % pattern;
    headless::AdvanceClock((gStartPlace + pattern - headless::NowMicroseconds() % pattern) % pattern);
    headless::SetActive(true);
    HandleMessage();
    frames += TitleFrames(kAlignFramesMin);
    const ClockPhase now = CurrentPhase();
    if (!gPhaseKnown) {
        gPhaseKnown = true;
        gStartPhase = now;
    }
    if (!(now == gStartPhase)) {
        Fail("round " + std::to_string(round + 1) + ": the clocks do not start as in the first round");
    }
    return frames;
}

// Plays one round from the title back to it; returns its frames.
int PlayRound(int round, soak::Player& player) {
    int changes[kSceneSlots][kSceneSlots] = {};
    player.ReleaseAll();
    if (SceneNumber != kSceneTitle)
        Fail("round " + std::to_string(round + 1) + " does not start on the title");
    int frames = AlignClock(round);
    player.StartRound(round);
    while (!player.RoundDone()) {
        // `T` acts as its message is handled, in the frame it is pressed.
        const bool tPending = player.BeforeFrame() >= 0;
        const int resetsBefore = gResets;
        const int before = SceneNumber;
        if (!Frame()) Fail("the program quit by itself in round " + std::to_string(round + 1));
        ++frames;
        // The backend records every sound and music command; the soak does not read them.
        headless::ClearSoundCalls();
        headless::ClearMciCommands();
        if (!headless::MessageBoxes().empty()) {
            Fail("an error box appeared: " + headless::MessageBoxes().front().text);
        }
        if (!gUnparkedAfterReset.empty()) {
            Fail("round " + std::to_string(round + 1) + ", frame " + std::to_string(frames) + " (scene " +
                 std::to_string(before) + "): after the stage reset " + gUnparkedAfterReset +
                 " is not parked");
        }
        if (SceneNumber != before) {
            if (gTrace) {
                std::printf("  frame %d, pass %d: scene %d -> %d%s, hash %s\n", frames,
                            player.PassIndex() + 1, before, SceneNumber, tPending ? " by T" : "",
                            Hex(GameStateHash()).c_str());
            }
            if (before >= 0 && before < kSceneSlots && SceneNumber >= 0 && SceneNumber < kSceneSlots) {
                ++changes[before][SceneNumber];
            }
            if (!tPending) {  // `T` leaves every entity as it was
                const std::string where = "round " + std::to_string(round + 1) + ", pass " +
                                          std::to_string(player.PassIndex() + 1) +
                                          ", at the change from scene " + std::to_string(before) +
                                          " to scene " + std::to_string(SceneNumber);
                if (gResets == resetsBefore) Fail(where + ": the stage reset did not run");
                const std::string inPlay = FirstInPlay();
                if (!inPlay.empty()) Fail(where + ": " + inPlay + " is still in play");
            }
        }
        player.AfterFrame(before);
        if (frames > kRoundFrameLimit) {
            Fail("round " + std::to_string(round + 1) + " did not come back to the title within " +
                 std::to_string(kRoundFrameLimit) + " frames (scene " + std::to_string(SceneNumber) + ")");
        }
    }
    CheckCoverage(round, soak::PlanFor(round), player.Coverage(), changes);
    const soak::RoundCoverage& c = player.Coverage();
    std::printf("round %d: ship hit %d times, %d continues, %d pauses, %d returns by T, %d power items\n",
                round + 1, c.hits, c.continuesAnswered, c.pauses, c.titleReturnsByT, c.powerItems);
    return frames;
}

// Esc, as a player ends the program: the loop must see WM_QUIT.
void Quit(soak::Player& player) {
    player.ReleaseAll();
    headless::PressKey(VK_ESCAPE);
    int exitCode = -1;
    for (int pass = 0; pass < kQuitPassLimit; ++pass) {
        if (!RunLoopPass(&exitCode)) return;
        headless::AdvanceClock(kIdleMicroseconds);
    }
    Fail("Esc did not end the program");
}

}  // namespace

// The stage reset's second half, wherever the game calls it, with the check of everything it leaves: the
// link step sends the game's calls here (--wrap), and the reset itself is the real one.
extern "C" void __real__Z15ResetGameStateBv();
extern "C" void __wrap__Z15ResetGameStateBv() {
    __real__Z15ResetGameStateBv();
    ++gResets;
    if (gUnparkedAfterReset.empty()) gUnparkedAfterReset = FirstUnparked();
}

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    if (options.build != build::kScreenWidth) RunOtherBuild(options.build, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    gTrace = options.trace;

    const auto wallStart = std::chrono::steady_clock::now();
    StartProgram();
    soak::Player player;
    std::uint64_t firstLoopHash = 0;
    std::uint64_t roundHashes[soak::kRoundsPerLoop] = {};
    int roundFrames[soak::kRoundsPerLoop] = {};
    std::uint64_t secondLoopHashes[soak::kRoundsPerLoop] = {};
    long long totalFrames = 0;
    long rssAfterFirst = 0;
    long rssLast = 0;
    long worstGrowth = 0;
    int rounds = 0;
    int loops = 0;
    auto more = [&] {
        if (rounds % soak::kRoundsPerLoop != 0) return options.rounds <= 0 || rounds < options.rounds;
        return (options.loops > 0 && loops < options.loops) ||
               (options.frames > 0 && totalFrames < options.frames) ||
               (options.rounds > 0 && rounds < options.rounds);
    };
    while (more()) {
        const int plan = rounds % soak::kRoundsPerLoop;
        const int frames = PlayRound(rounds, player);
        const std::uint64_t hash = GameStateHash();
        totalFrames += frames;
        ++rounds;
        std::printf("round %d: plan %d, %d frames (%lld in all), hash %s, resident %ld kB\n", rounds,
                    plan + 1, frames, totalFrames, Hex(hash).c_str(), ResidentKb());
        if (loops == 0) {
            roundHashes[plan] = hash;
            roundFrames[plan] = frames;
        }
        // The first loop starts from a new process's memory, where the small enemies' speeds (which
        // neither the resets nor a spawn write) are still 0; from the second loop on every round starts
        // from what the same round of the loop before left, so each must end as it did in loop 2.
        if (loops == 1) secondLoopHashes[plan] = hash;
        if (loops >= 2 && hash != secondLoopHashes[plan]) {
            Fail("round " + std::to_string(rounds) + " ended in state " + Hex(hash) +
                 ", the same round of loop 2 in " + Hex(secondLoopHashes[plan]));
        }
        if (plan != soak::kRoundsPerLoop - 1) continue;
        // A whole loop: its end state and the memory it leaves.
        ++loops;
        const long rss = ResidentKb();
        std::printf("loop %d: hash %s, resident %ld kB\n", loops, Hex(hash).c_str(), rss);
        if (loops == 1) {
            firstLoopHash = hash;
            rssAfterFirst = rss;
        } else if (hash != firstLoopHash) {
            Fail("loop " + std::to_string(loops) + " ended in state " + Hex(hash) + ", loop 1 in " +
                 Hex(firstLoopHash));
        }
        rssLast = rss;
        if (rss - rssAfterFirst > worstGrowth) worstGrowth = rss - rssAfterFirst;
    }
    Quit(player);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf(
        "soak%d: %d loops (%d rounds), %lld frames, %.1f s; resident after loop 1 %ld kB, at the end %ld "
        "kB\n",
        build::kScreenWidth, loops, rounds, totalFrames, wall, rssAfterFirst, rssLast);
    for (int p = 0; p < soak::kRoundsPerLoop && p < rounds; ++p) {
        std::printf("  plan %d (", p + 1);
        const soak::RoundPlan& plan = soak::PlanFor(p);
        for (int i = 0; i < plan.passCount; ++i) {
            std::printf("%s%s", i > 0 ? ", " : "", soak::PassEndName(plan.passes[i]));
        }
        std::printf("): %d frames, hash %s in loop 1\n", roundFrames[p], Hex(roundHashes[p]).c_str());
    }
    if (kQuarantine && !QuarantineOff()) {
        std::printf(
            "soak%d: resident memory not judged: AddressSanitizer keeps freed blocks in quarantine "
            "(ASAN_OPTIONS quarantine_size_mb=0 turns it off)\n",
            build::kScreenWidth);
    } else if (worstGrowth > kRssGrowthLimitKb) {
        Fail("resident memory grew by " + std::to_string(worstGrowth) + " kB after the first loop");
    }
    std::printf("soak%d: PASS\n", build::kScreenWidth);
    return 0;
}
