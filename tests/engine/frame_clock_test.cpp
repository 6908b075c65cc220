#include <vector>

#include "engine/elSystem.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "support/fresh_process.h"

namespace {

using FrameClockTest = FreshProcessTest;

constexpr std::uint64_t kMicrosPerMs = 1000;

// Polls the gate every millisecond until it answers 1; returns the milliseconds waited.
int MillisecondsUntilDue(int limit = 1000) {
    for (int ms = 0; ms < limit; ++ms) {
        if (elSystem::FrameDue()) return ms;
        headless::AdvanceClock(kMicrosPerMs);
    }
    return -1;
}

constexpr std::uint64_t kPeriodTicks = 1000000 / 60;  // the headless counter runs at 1 MHz

TEST_F(FrameClockTest, FramesSeenALittleLateKeepTheBeat) {
    elSystem::SetFrameRate(60);
    // Polled every 0.3 ms, each frame is seen up to 0.3 ms after its beat; the lateness is not carried
    // on, so one second holds exactly 60 frames, each seen on its own beat.
    std::vector<std::uint64_t> dues;
    for (std::uint64_t us = 0; us < 1000000 + 300; us += 300) {
        if (elSystem::FrameDue()) dues.push_back(headless::NowMicroseconds());
        headless::AdvanceClock(300);
    }
    ASSERT_EQ(dues.size(), 60u);
    for (std::size_t i = 0; i < dues.size(); ++i) {
        const std::uint64_t beat = (i + 1) * kPeriodTicks;
        EXPECT_GE(dues[i], beat);
        EXPECT_LT(dues[i], beat + 300);
        if (i > 0) {
            EXPECT_GT(dues[i] - dues[i - 1], kPeriodTicks - 300);
        }
    }
}

TEST_F(FrameClockTest, AFrameSeenAQuarterPeriodLateStartsTheCountAgain) {
    elSystem::SetFrameRate(60);
    // Due at 16666, seen at 35000, just after the clock's beat at 33332: the count starts again from
    // that beat, so the next frame is due at 49998.
    headless::AdvanceClock(35000);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_EQ(elSystem::Clock.lastDueTick, static_cast<std::int64_t>(2 * kPeriodTicks));
    headless::AdvanceClock(14997);
    EXPECT_EQ(elSystem::FrameDue(), 0);
    headless::AdvanceClock(1);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    // Just under a quarter period late still keeps the beat.
    headless::AdvanceClock(kPeriodTicks + kPeriodTicks / 4 - 1);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_EQ(elSystem::Clock.lastDueTick, static_cast<std::int64_t>(4 * kPeriodTicks));
    // Seen far from any beat (10 ms after one), the count starts from now: the next frame is a whole
    // period away, not 6.7 ms.
    headless::AdvanceClock(6 * kPeriodTicks + 10000 - headless::NowMicroseconds());
    const auto seen = static_cast<std::int64_t>(headless::NowMicroseconds());
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_EQ(elSystem::Clock.lastDueTick, seen);
    // A stall of seconds gives one frame, not a burst to catch up.
    headless::AdvanceClock(5000000);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_EQ(elSystem::FrameDue(), 0);
}

TEST_F(FrameClockTest, DueFramesAreNeverCloserThanThreeQuartersOfAPeriod) {
    elSystem::SetFrameRate(60);
    // Polls at uneven steps of 0.1 to 9 ms, as a loop busy with messages and long frames makes them.
    std::uint64_t lastDue = 0;
    int dues = 0;
    std::uint64_t step = 100;
    for (int i = 0; i < 20000; ++i) {
        if (elSystem::FrameDue()) {
            const std::uint64_t now = headless::NowMicroseconds();
            if (dues > 0) {
                EXPECT_GE(now - lastDue, kPeriodTicks * 3 / 4);
            }
            lastDue = now;
            ++dues;
        }
        step = (step * 7919 + 1301) % 8900 + 100;
        headless::AdvanceClock(step);
    }
    EXPECT_GT(dues, 1000);
}

// Runs frames as a scene that waits for the blank does: each frame ends a millisecond after the next
// beat of the clock (the blank and the present), then the gate is polled every 0.1 ms until due.
// Returns the due times.
std::vector<std::int64_t> FramesOnTheBlank(int frames) {
    std::vector<std::int64_t> dues;
    while (static_cast<int>(dues.size()) < frames) {
        if (!elSystem::FrameDue()) {
            headless::AdvanceClock(100);
            continue;
        }
        const auto now = static_cast<std::int64_t>(headless::NowMicroseconds());
        dues.push_back(now);
        const std::int64_t blank = (now / kPeriodTicks + 1) * kPeriodTicks;
        headless::AdvanceClock(static_cast<std::uint64_t>(blank + 1000 - now));
    }
    return dues;
}

TEST_F(FrameClockTest, ABeatRestartedOffTheClocksBeatIsBroughtBackToItAFrameAtATime) {
    constexpr std::int64_t kPeriod = kPeriodTicks;
    constexpr std::int64_t kMostPull = kPeriod / 16;
    // Each restart leaves the beat well into the clock's period: late in it (10 ms), where the work of
    // a frame would end near the next blank, early in it (5 ms), and just before the clock's beat.
    for (const std::int64_t offBeat : {std::int64_t{10000}, std::int64_t{5000}, kPeriod - 500}) {
        SCOPED_TRACE(offBeat);
        elSystem::SetFrameRate(60);
        headless::AdvanceClock(static_cast<std::uint64_t>(
            (static_cast<std::int64_t>(headless::NowMicroseconds()) / kPeriod + 6) * kPeriod + offBeat -
            static_cast<std::int64_t>(headless::NowMicroseconds())));
        ASSERT_EQ(elSystem::FrameDue(), 1);
        ASSERT_EQ(elSystem::Clock.lastDueTick % kPeriod, offBeat);
        const std::vector<std::int64_t> dues = FramesOnTheBlank(30);
        // The beat moves back by at most a sixteenth of a period a frame, so each frame is still about
        // a period after the one before and no frame is due more than once per blank ...
        std::int64_t previous = static_cast<std::int64_t>(dues.front());
        for (std::size_t i = 1; i < dues.size(); ++i) {
            EXPECT_GE(dues[i] - previous, kPeriod * 3 / 4) << i;
            EXPECT_LE(dues[i] - previous, kPeriod + kMostPull + 100) << i;
            previous = dues[i];
        }
        // ... and within sixteen frames the beat is the clock's own, each frame starting as the present
        // before it ends.
        EXPECT_EQ(elSystem::Clock.lastDueTick % kPeriod, 0);
        for (std::size_t i = 16; i < dues.size(); ++i) EXPECT_EQ(dues[i] % kPeriod, 1000) << i;
    }
}

TEST_F(FrameClockTest, AnEmptyPeekSleepsUntilTheNextFrameIsDue) {
    elSystem::SetFrameRate(60);
    MSG msg{};
    headless::AdvanceClock(5000);
    ASSERT_EQ(elSystem::FrameDue(), 0);
    // The frame is due one period after the last due tick (0): the peek's wait ends then, once.
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(headless::LastPeekWaitDeadline(), static_cast<LONGLONG>(kPeriodTicks));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(headless::LastPeekWaitDeadline(), -1);
    // A due frame hands on the next one's time.
    headless::AdvanceClock(kPeriodTicks + 100 - headless::NowMicroseconds());
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(headless::LastPeekWaitDeadline(), static_cast<LONGLONG>(2 * kPeriodTicks));
    // Without frame waiting every call is due, so there is nothing to wait for.
    elSystem::SetFrameWait(0);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(headless::LastPeekWaitDeadline(), -1);
}

TEST_F(FrameClockTest, FrameTimeIsSecondsSincePreviousDueFrame) {
    elSystem::SetFrameRate(60);
    headless::AdvanceClock(20 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    headless::AdvanceClock(50 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FLOAT_EQ(FrameTime, 0.050f);
    // A stall is not clamped: a long frame gives a long frame time.
    headless::AdvanceClock(3000 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FLOAT_EQ(FrameTime, 3.0f);
}

TEST_F(FrameClockTest, TickSourceGoingBackRestartsThePeriodWithoutADueFrame) {
    elSystem::SetFrameRate(60);
    headless::AdvanceClock(100 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    headless::SetPerformanceCounterOffset(-50000);  // the counter now reads 50 ms earlier
    EXPECT_EQ(elSystem::FrameDue(), 0);
    // The period restarts from the earlier reading: a full period must pass again.
    headless::AdvanceClock(16 * kMicrosPerMs);
    EXPECT_EQ(elSystem::FrameDue(), 0);
    headless::AdvanceClock(1 * kMicrosPerMs);
    EXPECT_EQ(elSystem::FrameDue(), 1);
}

TEST_F(FrameClockTest, MillisecondTickSourceGoingBackAlsoRestarts) {
    headless::SetPerformanceCounterAvailable(false);
    elSystem::SetFrameRate(60);
    EXPECT_EQ(elSystem::Clock.performanceCounter, 0);
    EXPECT_EQ(elSystem::Clock.ticksPerFrame, 16);
    headless::AdvanceClock(130 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    headless::SetTimeGetTimeBase(static_cast<DWORD>(-100));  // reads 100 ms earlier
    EXPECT_EQ(elSystem::FrameDue(), 0);
    EXPECT_EQ(MillisecondsUntilDue(), 16);
}

TEST_F(FrameClockTest, FrameRateZeroMakesEveryCallDue) {
    elSystem::SetFrameRate(0);
    EXPECT_EQ(elSystem::Clock.ticksPerFrame, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(elSystem::FrameDue(), 1);
    headless::SetPerformanceCounterAvailable(false);
    elSystem::SetFrameRate(0);
    EXPECT_EQ(elSystem::Clock.ticksPerFrame, 0);
    EXPECT_EQ(elSystem::FrameDue(), 1);
}

TEST_F(FrameClockTest, WithoutWaitingEveryCallIsDueAndStillMeasured) {
    elSystem::SetFrameRate(60);
    elSystem::SetFrameWait(0);
    headless::AdvanceClock(3 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    headless::AdvanceClock(2 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FLOAT_EQ(FrameTime, 0.002f);
}

TEST_F(FrameClockTest, FirstFrameAfterResetIsMeasuredFromTheReset) {
    elSystem::SetFrameRate(60);
    headless::AdvanceClock(500 * kMicrosPerMs);
    elSystem::ResetFrameClock();
    EXPECT_EQ(FrameTime, 0.0f);
    headless::AdvanceClock(20 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FLOAT_EQ(FrameTime, 0.020f);
}

TEST_F(FrameClockTest, CoarseTimerUsesTickCountForTicksButFrameTimeStaysSane) {
    headless::SetPerformanceCounterAvailable(false);
    headless::SetTimerPeriodMin(10);
    headless::SetTimeGetTimeBase(1000);
    headless::SetTickCountOffset(-1);  // the tick count runs a millisecond behind timeGetTime
    elSystem::SetFrameRate(60);
    EXPECT_EQ(elSystem::Clock.millisecondSource, 0);
    headless::AdvanceClock(40 * kMicrosPerMs);
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FLOAT_EQ(FrameTime, 0.040f);
    EXPECT_LT(FrameTime, 1.0f);
}

TEST_F(FrameClockTest, MillisecondClockWrapGivesAShortFrame) {
    headless::SetTimeGetTimeBase(0xFFFFFFF0u);
    elSystem::SetFrameRate(60);
    elSystem::ResetFrameClock();
    headless::AdvanceClock(30 * kMicrosPerMs);  // timeGetTime wraps past zero
    ASSERT_EQ(elSystem::FrameDue(), 1);
    EXPECT_FLOAT_EQ(FrameTime, 0.030f);
}

}  // namespace
