#include "engine/elSystem.h"
#include "platform/headless.h"
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

TEST_F(FrameClockTest, DueFramesAreAtLeastOneSixtiethApart) {
    elSystem::SetFrameRate(60);
    std::uint64_t lastDue = 0;
    int dues = 0;
    for (int us = 0; us < 1000000; us += 250) {
        if (elSystem::FrameDue()) {
            std::uint64_t now = headless::NowMicroseconds();
            if (dues > 0) {
                EXPECT_GE(now - lastDue, 1000000u / 60);
            }
            lastDue = now;
            ++dues;
        }
        headless::AdvanceClock(250);
    }
    EXPECT_GE(dues, 59);
    EXPECT_LE(dues, 60);
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
