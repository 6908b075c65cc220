#include "engine/elSystem.h"
#include "platform/system.h"

namespace elSystem {

constinit FrameClock Clock = {};

namespace {

constexpr UINT kFinestMillisecondPeriod = 9;
constexpr std::int64_t kMillisecondsPerSecond = 1000;

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
        return 0;
    }
    if (Clock.frameWait && diff < Clock.ticksPerFrame) return 0;
    Clock.lastDueTick = now;
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
