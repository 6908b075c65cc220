#include "engine/elSystem.h"
#include "platform/system.h"
#include "platform/window.h"

namespace elSystem {

constinit FrameClock Clock = {};

namespace {

constexpr UINT kFinestMillisecondPeriod = 9;
constexpr std::int64_t kMillisecondsPerSecond = 1000;
// A frame seen less than this share of a period after a beat is taken as that beat's frame.
constexpr std::int64_t kBeatShare = 4;
// A beat that has come off the clock's own beat is brought back by at most this share of a period a
// frame.
constexpr std::int64_t kPullShare = 16;

std::int64_t ReadMillisecondSource() {
    return Clock.millisecondSource ? static_cast<std::int64_t>(timeGetTime())
                                   : static_cast<std::int64_t>(GetTickCount());
}

std::int64_t ReadTickSource() {
    if (Clock.performanceCounter) {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        return now.QuadPart;
    }
    return ReadMillisecondSource();
}

// The loop that polls the gate sleeps in its empty peeks until the next frame is due (or a message
// comes) instead of polling again and again; frames are still found due only here.
void WakeForNextFrame() {
    if (Clock.performanceCounter && Clock.frameWait && Clock.ticksPerFrame > 0)
        SetPeekWaitDeadline(Clock.lastDueTick + Clock.ticksPerFrame);
}

// How far a tick lies past the clock's last beat (a whole number of periods), in ticks.
std::int64_t SinceClockBeat(std::int64_t tick, std::int64_t period) {
    return ((tick % period) + period) % period;
}

// Moves the beat just kept (the due tick of the frame seen now) toward the clock's own beat by at most
// a sixteenth of a period a frame. The display's vertical blank beats on the clock, so a frame due on the
// clock's beat starts as the previous present ends and has the most of its period to reach the next
// blank; a frame due late in the period has only the rest of it and misses the blank at the first
// stall. A beat just before the clock's is moved later when the frame was seen that late anyway (the
// beat never passes now); otherwise the beat moves earlier, never to more than nearBeat before now, so
// that the next frame is still three quarters of a period away. FrameTime stays within a millisecond
// of a period.
void PullTowardClockBeat(std::int64_t now, std::int64_t period, std::int64_t nearBeat) {
    const std::int64_t phase = SinceClockBeat(Clock.lastDueTick, period);
    const std::int64_t most = period / kPullShare;
    if (phase == 0 || most <= 0) return;
    const std::int64_t later = period - phase < most ? period - phase : most;
    if (phase > period / 2 && now - Clock.lastDueTick >= later) {
        Clock.lastDueTick += later;
        return;
    }
    std::int64_t earlier = phase < most ? phase : most;
    if (earlier > Clock.lastDueTick + nearBeat - now) earlier = Clock.lastDueTick + nearBeat - now;
    if (earlier > 0) Clock.lastDueTick -= earlier;
}

}  // namespace

int SetFrameRate(int fps) {
    Clock.framesPerSecond = fps;
    TIMECAPS caps{};
    Clock.millisecondSource =
        timeGetDevCaps(&caps, sizeof caps) == TIMERR_NOERROR && caps.wPeriodMin <= kFinestMillisecondPeriod
            ? 1
            : 0;
    LARGE_INTEGER frequency{};
    if (QueryPerformanceFrequency(&frequency)) {
        Clock.performanceCounter = 1;
        Clock.ticksPerFrame = fps != 0 ? frequency.QuadPart / fps : 0;
    } else {
        Clock.performanceCounter = 0;
        Clock.ticksPerFrame = fps != 0 ? kMillisecondsPerSecond / fps : 0;
    }
    Clock.lastDueTick = ReadTickSource();
    Clock.lastDueMillisecond = timeGetTime();
    return 1;
}

void SetFrameWait(int on) {
    Clock.frameWait = on;
}

int FrameDue() {
    const std::int64_t now = ReadTickSource();
    const std::int64_t diff = now - Clock.lastDueTick;
    if (diff < 0) {
        Clock.lastDueTick = now;
        WakeForNextFrame();
        return 0;
    }
    if (Clock.frameWait && diff < Clock.ticksPerFrame) {
        WakeForNextFrame();
        return 0;
    }
    // Frames keep a beat of the tick source, one period apart: a frame seen a little late is due at
    // its beat, and the next one a period after that, not a period after it was seen. The display's
    // vertical blank beats on the same clock, so a frame that starts just after a beat has most of a
    // period to reach the next blank; were each frame's small lateness carried on instead, the frames
    // would drift against the blanks until one missed its blank and waited a whole period. A frame
    // seen a quarter period late or more starts the count again: from the beat of the clock just
    // passed when that is less than a quarter period ago, else from now. Either way two due frames are
    // never closer than three quarters of a period: a loop that fell behind does not run frames back
    // to back to catch up.
    const std::int64_t period = Clock.ticksPerFrame;
    const std::int64_t nearBeat = period / kBeatShare;
    if (!Clock.frameWait || period <= 0) {
        Clock.lastDueTick = now;
    } else if (diff - period < nearBeat) {
        Clock.lastDueTick += period;
        PullTowardClockBeat(now, period, nearBeat);
    } else {
        const std::int64_t sinceBeat = SinceClockBeat(now, period);
        Clock.lastDueTick = sinceBeat < nearBeat ? now - sinceBeat : now;
    }
    WakeForNextFrame();
    // Both ends of the frame time come from the same millisecond clock.
    const DWORD nowMs = timeGetTime();
    FrameTime = static_cast<float>(static_cast<std::uint32_t>(nowMs - Clock.lastDueMillisecond)) / 1000.0f;
    Clock.lastDueMillisecond = nowMs;
    return 1;
}

void ResetFrameClock() {
    FrameTime = 0.0f;
    Clock.lastDueMillisecond = timeGetTime();
}

}  // namespace elSystem
