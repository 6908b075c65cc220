// The three bosses follow one sequence with their own numbers: a path of clock windows (with the warning
// picture that flies up before bosses A and B), the body drawn by health band with damage bursts, flames
// and lock markers, and the clear sequence that explodes the boss and opens the next scene.
#pragma once

#include <span>

#include "game/core/records.h"

// ---- Path ------------------------------------------------------------------------------------------------

enum class PathAction : unsigned char {
    kPlace,        // boss := (a, b)
    kMove,         // boss += (a, b) x FrameTime
    kWarningShow,  // draw the warning picture where it is, then put it at (a, b) with its rise speed
    kWarningRise,  // draw it, x := a, y -= speed x FrameTime; parked once above -480
    kRewind,       // clock := a
};

// Applies while low <= clock <= high (low < clock with lowOpen). Rows are tested in order with the same
// clock, so a clock on a shared bound runs both.
struct PathRow {
    float low;
    float high;
    bool lowOpen;
    PathAction action;
    float a;
    float b;
};

struct BossPath {
    BossRecord* boss;
    // The warning picture's record: x, y, a spare and the rise speed in its first four words.
    BossRecord* warning;
    const int* warningPicture;
    int warningWidth;
    int warningHeight;
    float warningSpeed;
    std::span<const PathRow> rows;
    const char* name = nullptr;  // the boss's name in a test's trace
};

// Clock += 10 a second, then every row that holds it.
void RunBossPath(const BossPath& path);

// ---- Body, damage and clear sequence ------------------------------------------------------------------

// A body picture, drawn while low < health <= high.
struct BodyBand {
    float low;
    float high;
    const int* picture;
};

// A flame (or smoke) spot on the body: at (x, y + step x frame) from the body's corner.
struct FlameSpot {
    int x;
    int y;
    int step;
};

// A burst's next place: boss x + rand() % spreadX + shiftX, boss y + rand() % spreadY + shiftY.
struct Scatter {
    int spreadX;
    int shiftX;
    int spreadY;
    int shiftY;
};

struct BossLook {
    BossRecord* boss;
    int bodyWidth;
    int bodyHeight;
    std::span<const BodyBand> bodies;
    bool setsFlashShown;  // clearing the hit flag also sets the flash-shown flag
    // Two flames while 0 < health <= 90, two more while 0 < health <= 70; the frame runs 0..9 on every
    // draw, and the optional cycle count goes round 0..4 with it.
    FlameSpot flames[4];
    int* flameFrame;
    int* flameCycle;
    // Lock markers drawn where locked.
    std::span<LockRecord> markers1;
    std::span<LockRecord> markers2;
    // The clear sequence's own bursts and blasts.
    std::span<BossBurst> clearBursts;
    Scatter clearBurstScatter;
    std::span<BossBurst> clearBlasts;
    Scatter clearBlastScatter;
    bool closesMusic;  // the music stops while 50 < clear time < 60
    int nextScene;
    int transitionLength;
    const char* name = nullptr;  // the boss's name in a test's trace
};

// Damage bursts in the three bands, the body, the hit flag, flames, markers, then the clear sequence.
void DrawBossDeath(const BossLook& look);
// Acts only while the health is 0 or less: bursts, blasts, BOM, the clear time; past 70 the stage reset
// and the scene change with its opening transition.
void RunBossClearSequence(const BossLook& look);
