// The rules every ordinary enemy kind shares, written once over its record type:
// - a spawn arms only a free record (active 0) and starts it alive with its explosion counters at 0;
// - a mover frees a record that leaves its bounds by parking it at the kind's own place;
// - the draw shows each active, unhit record with its live sprite, plays the explosion of each active,
//   hit record (BOM at the start of each of its two runs) and parks the record at its end, and keeps the
//   lock-on marker of a lockable kind on its record while the record is active.
#pragma once

#include <cstddef>

#include "engine/draw_position.h"
#include "game/core/records.h"
#include "game/enemies/enemy_looks.h"

// Where the explosion leaves a lockable kind's marker, and where a spawn puts a swooper's.
inline constexpr int kMarkerRestX = 290;
inline constexpr int kMarkerRestY = 0;

// The lock-on marker sign drawn on a locked enemy.
void DrawLockMarker(const LockRecord& marker);
// Unlocks the marker and puts it at (x, y).
void ResetMarker(LockRecord& marker, int x, int y);
void PlayExplosionSound();

template <typename R>
int& ExplosionFrameOf(R& r) {
    if constexpr (requires { r.explosionFrame; }) {
        return r.explosionFrame;
    } else {
        return r.frame;  // the small enemies keep it in their frame word
    }
}

// Arms a free record: alive, unhit, its explosion counters at 0. False (and nothing written) while it is
// alive or exploding; the caller then writes nothing either.
template <typename R>
bool ArmFreeRecord(R& r) {
    if (r.active != 0) return false;
    r.active = 1;
    r.hit = 0;
    r.runCounter = 0;
    ExplosionFrameOf(r) = 0;
    return true;
}

// Frees a record that left its bounds: inactive at the kind's park place.
template <typename R>
void FreeRecord(R& r, float parkX, float parkY) {
    r.active = 0;
    r.x = parkX;
    r.y = parkY;
}

// What a kind's draw needs besides the live sprite.
struct KindDraw {
    const ExplosionStyle* explosion;
    int framesPerRun = kKindExplosionFrames;
    bool drawsParked = false;          // the live sprite shows whether or not the record is active
    float markerOffset = 0.0f;         // a lockable kind's marker sits at the record's place plus this
    const SpriteLook* look = nullptr;  // the live sprite, when the kind draws a plain look
    int* flameFrame = nullptr;         // the kind's one flame counter, when its look has flames
};

// One frame of a hit record's explosion: its cells, the velocities where the style clears them, BOM on
// the first frame of each run, and at the end of the second run the record parked with every flag and
// counter at 0 (and its marker back at rest, unlocked).
template <typename R>
void ExplodeRecord(R& r, const ExplosionStyle& style, int framesPerRun, LockRecord* marker) {
    int& frame = ExplosionFrameOf(r);
    DrawExplosion(style, DrawInt(r.x), DrawInt(r.y), frame);
    if (ExplosionClearsVelocity(style)) {
        r.vx = 0.0f;
        r.vy = 0.0f;
    }
    if (frame == 0) PlayExplosionSound();
    frame += 1;
    if (frame >= framesPerRun) {
        r.runCounter += 1;
        frame = 0;
    }
    if (r.runCounter < kExplosionRuns) return;
    r.x = kParkedX;
    r.y = kParkedY;
    r.active = 0;
    r.hit = 0;
    r.busy = 0;
    r.runCounter = 0;
    frame = 0;
    if (marker != nullptr) ResetMarker(*marker, kMarkerRestX, kMarkerRestY);
}

// Draws one record by the kind's rules; `live` draws its live sprite. True when the live sprite was drawn.
template <typename R, typename Live>
bool DrawKindRecord(R& r, const KindDraw& kind, LockRecord* marker, Live&& live) {
    bool shown = false;
    if (r.hit == 0) {
        if (r.active != 0 || kind.drawsParked) {
            live(r);
            shown = true;
        }
    } else if (r.active != 0) {
        ExplodeRecord(r, *kind.explosion, kind.framesPerRun, marker);
    }
    if (marker != nullptr && marker->locked != 0 && r.active != 0) {
        marker->x = DrawInt(r.x + kind.markerOffset);
        marker->y = DrawInt(r.y + kind.markerOffset);
        DrawLockMarker(*marker);
    }
    return shown;
}

// Draws every record of the kind in index order, with its marker where the kind has a set of them (one
// per record); the kind's flame counter steps once a frame in which a live sprite showed.
template <typename R, std::size_t N, typename Live>
void DrawKind(R (&records)[N], const KindDraw& kind, LockRecord (*markers)[N], Live&& live) {
    bool shown = false;
    for (std::size_t i = 0; i < N; ++i) {
        LockRecord* marker = markers != nullptr ? &(*markers)[i] : nullptr;
        shown = DrawKindRecord(records[i], kind, marker, live) || shown;
    }
    if (shown && kind.flameFrame != nullptr) *kind.flameFrame = NextFlameFrame(*kind.flameFrame);
}

template <typename R, std::size_t N, typename Live>
void DrawKind(R (&records)[N], const KindDraw& kind, std::nullptr_t, Live&& live) {
    DrawKind(records, kind, static_cast<LockRecord(*)[N]>(nullptr), live);
}

// The same for a kind whose live sprite is its plain look.
template <typename R, std::size_t N>
void DrawKind(R (&records)[N], const KindDraw& kind, LockRecord (*markers)[N] = nullptr) {
    DrawKind(records, kind, markers, [&kind](R& r) {
        const int flame = kind.flameFrame != nullptr ? *kind.flameFrame : 0;
        DrawSpriteLook(*kind.look, DrawInt(r.x), DrawInt(r.y), flame, 0.0f);
    });
}
