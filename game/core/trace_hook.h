// A watch point for the test builds: the game reports what its tables do (schedule rows, boss path rows,
// damage bands, armed bullets and spawns, lost ships) through one function pointer. The programs never set
// it, so play costs one test of a null pointer at each point; a test installs a recorder to compare whole
// runs with recorded ones.
#pragma once

enum class TraceKind : unsigned char {
    kWaveRow,    // table, index = row, clock = the stage clock
    kAttackRow,  // table, index = row, clock = the attack count
    kPathRow,    // table = the boss, index = row, clock = the boss's path clock
    kBodyBand,   // table = the boss, index = the body picture's band, clock = health
    kBurstBand,  // table = the boss, index = the damage burst band, clock = health
    kArm,        // record armed (its array names the pool), index = its group, at (x, y)
    kSpawn,      // a small enemy armed: record, index = pattern, extra = look, at (x, y)
    kLeave,      // a small enemy left the screen: record, index = pattern, at (x, y)
    kShipLost,   // the ship's blast began, at (x, y)
};

struct TraceEvent {
    TraceKind kind;
    const char* table;
    const void* record;
    int index;
    int extra;
    float clock;
    float x;
    float y;
};

using TraceHook = void (*)(const TraceEvent& event);

// Null in play.
extern constinit TraceHook GameTrace;

inline void TraceRow(TraceKind kind, const char* table, int index, int rows, float clock) {
    if (GameTrace != nullptr) GameTrace(TraceEvent{kind, table, nullptr, index, rows, clock, 0.0f, 0.0f});
}

inline void TraceRecord(TraceKind kind, const void* record, int index, int extra, float x, float y) {
    if (GameTrace != nullptr) GameTrace(TraceEvent{kind, nullptr, record, index, extra, 0.0f, x, y});
}

inline void TraceArm(const void* record, int group, float x, float y) {
    TraceRecord(TraceKind::kArm, record, group, 0, x, y);
}
