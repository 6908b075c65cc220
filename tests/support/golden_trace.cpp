#include "support/golden_trace.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>

#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "game/entity_walk.h"
#include "platform/headless.h"
#include "support/state_hash.h"

namespace {

GoldenTrace* gActive = nullptr;

constexpr std::uint64_t kDigestPrime = 1099511628211ull;
constexpr std::uint64_t kDigestStart = 14695981039346656037ull;
// Places past this are printed as "far": they are parked or lost, and their sixteenths would overflow.
constexpr float kFar = 1.0e8f;

std::string Format(const char* format, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string SceneName(int scene) {
    switch (scene) {
        case -1:
            return "none";
        case kSceneNone:
            return "0";
        case kSceneTitle:
            return "title";
        case kSceneStageA:
            return "stageA";
        case kSceneStageB:
            return "stageB";
        case kSceneStageC:
            return "stageC";
        case kSceneEnding:
            return "ending";
        default:
            return std::to_string(scene);
    }
}

long long SixteenthsOf(float v) {
    if (!std::isfinite(v) || std::fabs(v) > kFar) return 0;
    return std::llround(static_cast<double>(v) * 16.0);
}

std::string Clock(float v) {
    return Format("%.3f", static_cast<double>(v));
}

void Mix(std::uint64_t& digest, long long value) {
    for (int i = 0; i < 8; ++i) {
        digest ^= static_cast<std::uint64_t>(value >> (8 * i)) & 0xffu;
        digest *= kDigestPrime;
    }
}

void Mix(std::uint64_t& digest, const std::string& text) {
    for (unsigned char c : text) {
        digest ^= c;
        digest *= kDigestPrime;
    }
}

// Folds the shown screen into `digest`: its size, then its rows.
void MixScreen(std::uint64_t& digest) {
    const headless::ScreenView screen = headless::ShownScreen();
    Mix(digest, screen.width);
    Mix(digest, screen.height);
    if (screen.pixels == nullptr) return;
    LaneDigest lanes(digest);
    for (int y = 0; y < screen.height; ++y) {
        lanes.Bytes(screen.pixels + static_cast<std::ptrdiff_t>(y) * screen.pitch,
                    static_cast<std::size_t>(screen.width) * sizeof *screen.pixels);
    }
    lanes.FoldInto(digest);
}

// "0-5,7,9-10" from a set of rows.
std::string Ranges(const std::set<int>& rows) {
    std::string out;
    auto it = rows.begin();
    while (it != rows.end()) {
        const int first = *it;
        int last = first;
        for (++it; it != rows.end() && *it == last + 1; ++it) last = *it;
        if (!out.empty()) out += ",";
        out += last == first ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
    }
    return out;
}

}  // namespace

std::string Sixteenths(float v) {
    if (!std::isfinite(v)) return "nan";
    if (std::fabs(v) > kFar) return "far";
    return Format("%.4f", static_cast<double>(SixteenthsOf(v)) / 16.0);
}

GoldenTrace::GoldenTrace() {
    for (const EntityArray* a : entity_walk::AllArrays()) {
        named_.push_back({a->name, static_cast<const unsigned char*>(a->records),
                          entity_walk::RecordSize(a->kind), a->count});
    }
    std::sort(named_.begin(), named_.end(), [](const Named& a, const Named& b) { return a.begin < b.begin; });
    blockDigest_ = kDigestStart;
    screenDigest_ = kDigestStart;
    stateDigest_ = kDigestStart;
    gActive = this;
    GameTrace = Hook;
}

GoldenTrace::~GoldenTrace() {
    GameTrace = nullptr;
    gActive = nullptr;
}

void GoldenTrace::Hook(const TraceEvent& event) {
    if (gActive != nullptr) gActive->OnEvent(event);
}

void GoldenTrace::Add(int frame, std::string text) {
    Add(frame, order_++, std::move(text));
}

void GoldenTrace::Add(int frame, long long order, std::string text) {
    lines_.push_back({frame, order, std::move(text)});
}

void GoldenTrace::Comment(const std::string& text) {
    header_.push_back("# " + text);
}

void GoldenTrace::Note(const std::string& text) {
    Add(frame_, text);
}

const GoldenTrace::Named* GoldenTrace::Find(const void* record, int& index) const {
    const auto* p = static_cast<const unsigned char*>(record);
    auto it = std::upper_bound(named_.begin(), named_.end(), p,
                               [](const unsigned char* q, const Named& n) { return q < n.begin; });
    if (it == named_.begin()) return nullptr;
    --it;
    if (p >= it->begin + it->size * static_cast<std::size_t>(it->count)) return nullptr;
    index = static_cast<int>(static_cast<std::size_t>(p - it->begin) / it->size);
    return &*it;
}

void GoldenTrace::OnEvent(const TraceEvent& e) {
    if (finished_) return;
    switch (e.kind) {
        case TraceKind::kWaveRow:
            Row(e, "wave", "row");
            break;
        case TraceKind::kAttackRow:
            Row(e, "attack", "row");
            break;
        case TraceKind::kPathRow:
            Row(e, "path", "row");
            break;
        case TraceKind::kBodyBand:
            Row(e, "body", "band");
            break;
        case TraceKind::kBurstBand:
            Row(e, "burst", "band");
            break;
        case TraceKind::kArm:
        case TraceKind::kSpawn:
        case TraceKind::kLeave:
            Arm(e);
            break;
        case TraceKind::kShipLost:
            Add(frame_, "ship lost at " + Sixteenths(e.x) + "," + Sixteenths(e.y) + " stock " +
                            std::to_string(ShipStock));
            break;
    }
}

void GoldenTrace::Row(const TraceEvent& e, const char* what, const char* part) {
    const Id id{static_cast<int>(e.kind), e.table, e.index, 0, 0};
    auto found = streakIds_.find(id);
    if (found == streakIds_.end()) {
        std::string key = std::string(what) + " " + (e.table != nullptr ? e.table : "?") + " " + part + " " +
                          std::to_string(e.index);
        auto [slot, added] = streakKeys_.try_emplace(key, static_cast<int>(streaks_.size()));
        if (added) streaks_.push_back(Streak{.key = key, .tableRows = e.extra});
        found = streakIds_.emplace(id, slot->second).first;
    }
    Streak& s = streaks_[found->second];
    if (s.open && frame_ > s.last + 1) CloseStreak(s);
    if (!s.open) {
        s.open = true;
        s.order = order_++;
        s.start = frame_;
        s.firstClock = e.clock;
        s.calls = 0;
    }
    s.last = frame_;
    s.lastClock = e.clock;
    ++s.calls;
}

void GoldenTrace::CloseStreak(Streak& s) {
    s.open = false;
    ++s.streaks;
    s.totalCalls += s.calls;
    if (s.streaks > kStreakLines) return;
    Add(s.start, s.order,
        Format("%s to %06d (%d calls) clock %s..%s", s.key.c_str(), s.last, s.calls,
               Clock(s.firstClock).c_str(), Clock(s.lastClock).c_str()));
}

std::string GoldenTrace::ArmKey(const TraceEvent& e) {
    int index = 0;
    const Named* n = Find(e.record, index);
    if (n == nullptr) ++unnamed_;
    const std::string name = n != nullptr ? n->name : "?";
    switch (e.kind) {
        case TraceKind::kSpawn:
            return "spawn " + name + "[" + std::to_string(index) + "] pattern " + std::to_string(e.index) +
                   " look " + std::to_string(e.extra);
        case TraceKind::kLeave:
            return "leave " + name + "[" + std::to_string(index) + "] pattern " + std::to_string(e.index);
        default:
            // A pool's group arms as one: its records' places are not told apart.
            return "arm " + name + " g" + std::to_string(e.index);
    }
}

void GoldenTrace::Arm(const TraceEvent& e) {
    // Spawns and leaves are told apart by the record, arms by the pool and group.
    int index = 0;
    const Named* n = Find(e.record, index);
    const bool byRecord = e.kind != TraceKind::kArm;
    const Id id{static_cast<int>(e.kind), n != nullptr ? n->begin : nullptr, byRecord ? index : 0, e.index,
                e.extra};
    auto found = armIds_.find(id);
    if (found == armIds_.end()) {
        std::string key = ArmKey(e);
        auto [slot, added] = armKeys_.try_emplace(key, static_cast<int>(arms_.size()));
        if (added) {
            std::uint64_t digest = kDigestStart;
            Mix(digest, key);
            arms_.push_back(ArmTotals{.key = key, .keyDigest = digest});
        }
        found = armIds_.emplace(id, slot->second).first;
    }
    ArmTotals& t = arms_[found->second];
    ++t.count;
    if (t.count == 1) {
        t.firstFrame = frame_;
        t.firstX = e.x;
        t.firstY = e.y;
    }
    t.lastFrame = frame_;
    t.lastX = e.x;
    t.lastY = e.y;
    const long long x16 = SixteenthsOf(e.x);
    const long long y16 = SixteenthsOf(e.y);
    t.sumX += x16;
    t.sumY += y16;
    if (t.count <= kArmLines) {
        Add(frame_,
            t.key + " #" + std::to_string(t.count) + " at " + Sixteenths(e.x) + "," + Sixteenths(e.y));
    }
    ++blockArms_;
    Mix(blockDigest_, static_cast<long long>(t.keyDigest));
    Mix(blockDigest_, frame_);
    Mix(blockDigest_, x16);
    Mix(blockDigest_, y16);
}

void GoldenTrace::EndFrame() {
    if (finished_) return;
    if (SceneNumber != scene_) {
        Add(frame_, "scene " + SceneName(scene_) + " -> " + SceneName(SceneNumber) + " score " +
                        std::to_string(Score) + " ships " + std::to_string(ShipStock));
        scene_ = SceneNumber;
    }
    MixScreen(screenDigest_);
    MixGameState(stateDigest_);
    if (frame_ % kHashEvery == 0) {
        Add(frame_, Format("hash %016" PRIx64 " states %016" PRIx64 " arms %lld digest %016" PRIx64
                           " screens %016" PRIx64,
                           GameStateHash(), stateDigest_, blockArms_, blockDigest_, screenDigest_));
        blockArms_ = 0;
        blockDigest_ = kDigestStart;
        screenDigest_ = kDigestStart;
        stateDigest_ = kDigestStart;
    }
    ++frame_;
}

std::string GoldenTrace::Finish() {
    if (finished_) return {};
    for (Streak& s : streaks_) {
        if (s.open) CloseStreak(s);
    }
    const int last = frame_ - 1;
    Add(last,
        Format("end score %d ships %d hash %016" PRIx64 " states %016" PRIx64 " arms %lld digest %016" PRIx64
               " screens %016" PRIx64,
               Score, ShipStock, GameStateHash(), stateDigest_, blockArms_, blockDigest_, screenDigest_));
    finished_ = true;
    std::stable_sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) {
        return a.frame != b.frame ? a.frame < b.frame : a.order < b.order;
    });

    std::string out;
    for (const std::string& h : header_) out += h + "\n";
    for (const Line& l : lines_) out += Format("%06d ", l.frame) + l.text + "\n";

    // Rows whose streaks went past the listed ones.
    for (const auto& [key, slot] : streakKeys_) {
        const Streak& s = streaks_[slot];
        if (s.streaks <= kStreakLines) continue;
        out += Format("more %s: %d streaks, %lld calls, last from %06d\n", key.c_str(), s.streaks,
                      s.totalCalls, s.start);
    }
    // Every group's arms, and every table's rows reached.
    for (const auto& [key, slot] : armKeys_) {
        const ArmTotals& t = arms_[slot];
        out += Format("total %s: %lld, first %06d at %s,%s, last %06d at %s,%s, sum %lld,%lld\n", key.c_str(),
                      t.count, t.firstFrame, Sixteenths(t.firstX).c_str(), Sixteenths(t.firstY).c_str(),
                      t.lastFrame, Sixteenths(t.lastX).c_str(), Sixteenths(t.lastY).c_str(), t.sumX, t.sumY);
    }
    std::map<std::string, std::pair<std::set<int>, int>> reached;
    for (const auto& [key, slot] : streakKeys_) {
        const std::size_t space = key.rfind(' ');
        auto& [rows, of] = reached[key.substr(0, key.rfind(' ', space - 1))];
        rows.insert(std::stoi(key.substr(space + 1)));
        of = streaks_[slot].tableRows;
    }
    for (const auto& [table, seen] : reached) {
        const auto& [rows, of] = seen;
        out += Format("reached %s: %s (%zu of %d)\n", table.c_str(), Ranges(rows).c_str(), rows.size(), of);
    }
    return out;
}
