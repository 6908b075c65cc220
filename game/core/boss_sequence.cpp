#include "game/core/boss_sequence.h"

#include <iterator>

#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/picture_slots.h"
#include "game/core/resets.h"
#include "game/core/scene_change.h"
#include "game/core/trace_hook.h"
#include "game/stage_a/stage_a_entities.h"
#include "platform/system.h"

namespace {

constexpr float kClockRate = 10.0f;
constexpr float kWarningGone = -480.0f;
// Damage bursts: 160x160 cells, four frames, flaring while the health lies in one of three bands.
constexpr int kBurstSize = 160;
constexpr int kBurstFrames = 4;
constexpr float kBurstBands[][2] = {{470.0f, 530.0f}, {270.0f, 330.0f}, {120.0f, 180.0f}};
constexpr Scatter kDamageScatter{440, -100, 360, -100};
// Flames: 80x80 cells, ten frames; the cycle count goes round five.
constexpr int kFlameSize = 80;
constexpr int kFlameFrames = 10;
constexpr int kFlameCycles = 5;
constexpr float kTwoFlames = 90.0f;
constexpr float kFourFlames = 70.0f;
constexpr int kMarkerSize = 60;
// Clear sequence: 60x60 blasts of ten frames; the scene changes once the clear time passes 70; the music
// stops while it lies between 50 and 60.
constexpr int kBlastSize = 60;
constexpr int kBlastFrames = 10;
constexpr float kClearEnd = 70.0f;
constexpr float kMusicStopLow = 50.0f;
constexpr float kMusicStopHigh = 60.0f;

bool Holds(const PathRow& row, float t) {
    const bool aboveLow = row.lowOpen ? t > row.low : t >= row.low;
    return aboveLow && t <= row.high;
}

void DrawWarning(const BossPath& path) {
    const BossRecord& w = *path.warning;
    elDraw::Draw(DrawInt(w.x), DrawInt(w.y), *path.warningPicture, 0, 0, path.warningWidth,
                 path.warningHeight);
}

void ApplyRow(const BossPath& path, const PathRow& row, float& clock) {
    BossRecord& boss = *path.boss;
    switch (row.action) {
        case PathAction::kPlace:
            boss.x = row.a;
            boss.y = row.b;
            break;
        case PathAction::kMove:
            boss.x += row.a * FrameTime;
            boss.y += row.b * FrameTime;
            break;
        case PathAction::kWarningShow:
            if (path.warning == nullptr) break;
            DrawWarning(path);
            path.warning->x = row.a;
            path.warning->y = row.b;
            path.warning->spare2 = path.warningSpeed;
            break;
        case PathAction::kWarningRise: {
            if (path.warning == nullptr) break;
            DrawWarning(path);
            BossRecord& w = *path.warning;
            w.x = row.a;
            w.y -= w.spare2 * FrameTime;
            if (w.y < kWarningGone) {
                w.x = kParkedX;
                w.y = kParkedY;
                w.spare2 = 0.0f;
            }
            break;
        }
        case PathAction::kRewind:
            clock = row.a;
            break;
    }
}

// Draws each burst where the previous call put it, advances its frame and scatters it round the boss.
void ScatterBursts(std::span<BossBurst> bursts, const BossRecord& boss, const Scatter& scatter, int picture,
                   int size, int frames, bool additive) {
    for (BossBurst& b : bursts) {
        const int left = b.frame * size;
        if (additive) {
            elDraw::DrawAdditive(DrawInt(b.x), DrawInt(b.y), picture, left, 0, left + size, size);
        } else {
            elDraw::Draw(DrawInt(b.x), DrawInt(b.y), picture, left, 0, left + size, size);
        }
        b.frame = b.frame + 1 < frames ? b.frame + 1 : 0;
        // Boss x + (rand() % spread) + shift, added left to right in single precision.
        b.x = boss.x + static_cast<float>(crt::rand() % scatter.spreadX) + static_cast<float>(scatter.shiftX);
        b.y = boss.y + static_cast<float>(crt::rand() % scatter.spreadY) + static_cast<float>(scatter.shiftY);
        if (additive) elSound::Play(SoundBom, -1);
    }
}

void DrawBody(const BossLook& look, int x, int y) {
    const float h = look.boss->health;
    for (const BodyBand& band : look.bodies) {
        if (h > band.low && h <= band.high) {
            TraceRow(TraceKind::kBodyBand, look.name, static_cast<int>(&band - look.bodies.data()),
                     static_cast<int>(look.bodies.size()), h);
            elDraw::Draw(x, y, *band.picture, 0, 0, look.bodyWidth, look.bodyHeight);
            break;
        }
    }
    if (look.boss->hitFlash > 0) {
        look.boss->hitFlash = 0;
        if (look.setsFlashShown) look.boss->flashShown = 1;
    }
}

void DrawFlames(const BossLook& look, int x, int y) {
    const float h = look.boss->health;
    const int f = *look.flameFrame >= 0 && *look.flameFrame < kFlameFrames ? *look.flameFrame : 0;
    const int spots = h > 0.0f && h <= kFourFlames ? 4 : (h > 0.0f && h <= kTwoFlames ? 2 : 0);
    for (int k = 0; k < spots; ++k) {
        const FlameSpot& s = look.flames[k];
        elDraw::Draw(x + s.x, y + s.y + s.step * f, PicZBAK3B, f * kFlameSize, 0, f * kFlameSize + kFlameSize,
                     kFlameSize);
    }
    *look.flameFrame = f + 1;
    if (*look.flameFrame >= kFlameFrames) {
        *look.flameFrame = 0;
        if (look.flameCycle != nullptr) *look.flameCycle = (*look.flameCycle + 1) % kFlameCycles;
    }
}

void DrawMarkers(std::span<const LockRecord> markers) {
    for (const LockRecord& m : markers) {
        if (m.locked != 0) elDraw::Draw(m.x, m.y, PicROCK1, 0, 0, kMarkerSize, kMarkerSize);
    }
}

}  // namespace

void RunBossPath(const BossPath& path) {
    float& clock = path.boss->clock;
    clock += kClockRate * FrameTime;
    for (const PathRow& row : path.rows) {
        if (!Holds(row, clock)) continue;
        TraceRow(TraceKind::kPathRow, path.name, static_cast<int>(&row - path.rows.data()),
                 static_cast<int>(path.rows.size()), clock);
        ApplyRow(path, row, clock);
    }
}

void DrawBossDeath(const BossLook& look) {
    const BossRecord& boss = *look.boss;
    for (const auto& band : kBurstBands) {
        if (boss.health > band[0] && boss.health <= band[1]) {
            TraceRow(TraceKind::kBurstBand, look.name, static_cast<int>(&band - kBurstBands),
                     static_cast<int>(std::size(kBurstBands)), boss.health);
            ScatterBursts(BossDamageBursts, boss, kDamageScatter, PicBBAK1B, kBurstSize, kBurstFrames, true);
        }
    }
    const int x = DrawInt(boss.x);
    const int y = DrawInt(boss.y);
    DrawBody(look, x, y);
    DrawFlames(look, x, y);
    DrawMarkers(look.markers1);
    DrawMarkers(look.markers2);
    RunBossClearSequence(look);
}

void RunBossClearSequence(const BossLook& look) {
    BossRecord& boss = *look.boss;
    if (boss.health > 0.0f) return;
    ScatterBursts(look.clearBursts, boss, look.clearBurstScatter, PicBBAK1B, kBurstSize, kBurstFrames, false);
    ScatterBursts(look.clearBlasts, boss, look.clearBlastScatter, PicZBAK1B, kBlastSize, kBlastFrames, false);
    elSound::Play(SoundBom, -1);
    boss.destructionTimer += kClockRate * FrameTime;
    if (look.closesMusic && boss.destructionTimer > kMusicStopLow && boss.destructionTimer < kMusicStopHigh) {
        elSound::CloseMidi();
    }
    if (boss.destructionTimer > kClearEnd) {
        ResetGameStateA();
        ResetGameStateB();
        StartSceneTransition(look.nextScene, look.transitionLength);
    }
}
