#include <ctime>

#include <time.h>

#include "platform/system.h"

namespace {

constexpr long long kNanosPerSecond = 1000000000LL;

long long MonotonicNanos() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * kNanosPerSecond + ts.tv_nsec;
}

}  // namespace

BOOL QueryPerformanceCounter(LARGE_INTEGER* count) {
    if (count == nullptr) return FALSE;
    count->QuadPart = MonotonicNanos();
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (frequency == nullptr) return FALSE;
    frequency->QuadPart = kNanosPerSecond;
    return TRUE;
}

DWORD timeGetTime() {
    return static_cast<DWORD>(MonotonicNanos() / 1000000LL);
}

DWORD GetTickCount() {
    return timeGetTime();
}

MMRESULT timeGetDevCaps(TIMECAPS* caps, UINT size) {
    if (caps == nullptr || size < sizeof(TIMECAPS)) return TIMERR_NOCANDO;
    caps->wPeriodMin = 1;
    caps->wPeriodMax = 1000000;
    return TIMERR_NOERROR;
}

// The system timer here is already fine-grained; the period calls only have to succeed.
MMRESULT timeBeginPeriod(UINT period) {
    return period == 0 ? TIMERR_NOCANDO : TIMERR_NOERROR;
}
MMRESULT timeEndPeriod(UINT period) {
    return period == 0 ? TIMERR_NOCANDO : TIMERR_NOERROR;
}

void Sleep(DWORD milliseconds) {
    timespec ts{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

namespace crt {
long long time(long long* out) {
    long long now = static_cast<long long>(::time(nullptr));
    if (out != nullptr) *out = now;
    return now;
}
}  // namespace crt
