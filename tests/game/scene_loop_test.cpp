#include <vector>

#include "engine/elDraw.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "support/fresh_process.h"
#include "support/game_fixture.h"
#include "support/run_program.h"

namespace {

using SceneLoopTest = FreshProcessTest;

// What a scene function saw each time it ran.
struct SceneRun {
    int scene;
    int firstFrame;
};
std::vector<SceneRun> gRuns;

void RecordTitle() {
    gRuns.push_back({SceneNumber, SceneFirstFrame});
}
void RecordStageA() {
    gRuns.push_back({SceneNumber, SceneFirstFrame});
}

TEST_F(SceneLoopTest, EngineStartsAtSixtyFramesWithWaitingOnBeforeTheEntry) {
    // As the static initialiser left it, before any test changed it.
    EXPECT_EQ(elSystem::Clock.framesPerSecond, 60);
    EXPECT_EQ(elSystem::Clock.frameWait, 1);
    EXPECT_GT(elSystem::Clock.ticksPerFrame, 0);
}

using StartUpTest = GameTest;

TEST_F(StartUpTest, StartUpShowsTheWindowSelectsTheTitleAndEscEndsWithZero) {
    HWND window = nullptr;
    int result = RunProgram([&](int poll) {
        if (poll == 1) {
            window = headless::MainWindow();
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(headless::WindowShown(window));
            EXPECT_EQ(SceneNumber, kSceneTitle);
            EXPECT_EQ(HiScore, kStartingHiScore);
            EXPECT_TRUE(headless::CursorClipped());
        }
        if (poll == 50) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(headless::WindowDestroyed(window));
    EXPECT_EQ(elSystem::State.shutdownDone, 1);
    EXPECT_EQ(elSystem::State.closeState, elSystem::kCloseDone);
    EXPECT_FALSE(headless::CursorClipped());
    EXPECT_TRUE(headless::MessageBoxes().empty());
    // The mutex was released: a new copy could start now.
    CreateMutexA(nullptr, TRUE, "QUENDRAVOLT:ElMutex");
    EXPECT_NE(GetLastError(), ERROR_ALREADY_EXISTS);
}

TEST_F(SceneLoopTest, SecondCopyRaisesTheFirstAndEndsBeforeCreatingAWindow) {
    headless::SimulateOtherInstance("QUENDRAVOLT:ElMutex", "DEFAULT", "QUENDRAVOLT");
    int polls = 0;
    testing::internal::CaptureStderr();
    int result = RunProgram([&](int) { ++polls; });
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(polls, 0);
    EXPECT_EQ(headless::MainWindow(), nullptr);
    EXPECT_EQ(headless::ForegroundRequests(), 1);
    // One line tells whoever started it why this copy ends.
    EXPECT_EQ(said, "QUENDRAVOLT is already running; its window has been brought to the front.\n");
}

TEST_F(SceneLoopTest, SceneFirstFrameStaysSetAcrossPassesWhoseFrameIsNotDue) {
    gRuns.clear();
    SceneTable[kSceneTitle] = RecordTitle;
    SceneTable[kSceneStageA] = RecordStageA;
    int firstFrameSeenWhileWaiting = -1;
    RunProgram([&](int poll) {
        if (gRuns.size() == 3 && SceneNumber == kSceneTitle) {
            // Select another scene the way a scene does; the next frame is not due for a while.
            SceneNumber = kSceneStageA;
            PreviousScene = 0;
        }
        if (SceneNumber == kSceneStageA && gRuns.size() == 3) firstFrameSeenWhileWaiting = SceneFirstFrame;
        if (gRuns.size() >= 6 || poll > 2000) headless::PressKey(VK_ESCAPE);
    });
    ASSERT_GE(gRuns.size(), 6u);
    EXPECT_EQ(gRuns[0].scene, kSceneTitle);
    EXPECT_EQ(gRuns[0].firstFrame, 1);
    EXPECT_EQ(gRuns[1].firstFrame, 0);
    EXPECT_EQ(gRuns[2].firstFrame, 0);
    EXPECT_EQ(firstFrameSeenWhileWaiting, 1);
    EXPECT_EQ(gRuns[3].scene, kSceneStageA);
    EXPECT_EQ(gRuns[3].firstFrame, 1);
    EXPECT_EQ(gRuns[4].firstFrame, 0);
}

TEST_F(SceneLoopTest, ScenesRunAtMostSixtyTimesASecond) {
    gRuns.clear();
    SceneTable[kSceneTitle] = RecordTitle;
    RunProgram([&](int poll) {
        if (poll == 1000) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_GE(gRuns.size(), 58u);
    EXPECT_LE(gRuns.size(), 60u);
}

TEST_F(SceneLoopTest, TKeyReturnsToTheTitleWithAFirstFrameAndNoTransition) {
    gRuns.clear();
    SceneTable[kSceneTitle] = RecordTitle;
    SceneTable[kSceneStageA] = RecordStageA;
    RunProgram([&](int poll) {
        if (poll == 1) {
            SceneNumber = kSceneStageA;
            PreviousScene = 0;
            Frozen = 0;
            WeaponType = 3;
            Invincible = 1;
            BlendEffects = 0;
            ShipVisible = 0;
        }
        if (poll == 200) headless::PressKey('T');
        if (poll == 400) headless::PressKey(VK_ESCAPE);
    });
    bool sawTitleFirstFrame = false;
    for (std::size_t i = 1; i < gRuns.size(); ++i) {
        if (gRuns[i].scene == kSceneTitle && gRuns[i - 1].scene == kSceneStageA) {
            sawTitleFirstFrame = gRuns[i].firstFrame == 1;
        }
    }
    EXPECT_TRUE(sawTitleFirstFrame);
    EXPECT_EQ(WeaponType, 0);
    EXPECT_EQ(Invincible, 0);
    EXPECT_EQ(BlendEffects, 1);
    EXPECT_EQ(ShipVisible, 1);
    EXPECT_EQ(Transition.kind, 0);
    EXPECT_EQ(Transition.length, 0);
}

TEST_F(SceneLoopTest, UnknownSceneRunsNothingButEscStillQuits) {
    gRuns.clear();
    for (SceneFunction& f : SceneTable) f = RecordTitle;
    int result = RunProgram([&](int poll) {
        if (poll == 1) SceneNumber = 4;
        if (poll == 300) {
            EXPECT_EQ(LastKey, 0);
            headless::PressKey('A');
        }
        if (poll == 301) {
            EXPECT_EQ(LastKey, 'A');  // messages are still handled
        }
        if (poll == 400) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(result, 0);
    // Only the title's frames before the switch ran; scene 4 ran nothing.
    for (const SceneRun& run : gRuns) {
        EXPECT_EQ(run.scene, kSceneTitle);
    }
    EXPECT_LE(gRuns.size(), 1u);
}

TEST_F(SceneLoopTest, InactiveProgramWaitsAndReactivationResetsTheFrameClock) {
    gRuns.clear();
    SceneTable[kSceneTitle] = RecordTitle;
    float firstFrameTimeAfterReturn = -1.0f;
    std::size_t runsWhenDeactivated = 0;
    RunProgram([&](int poll) {
        if (poll == 100) {
            headless::SetActive(false);
        }
        if (poll == 101) runsWhenDeactivated = gRuns.size();
        if (poll == 2100) {
            EXPECT_EQ(gRuns.size(), runsWhenDeactivated);  // two seconds without a frame
            headless::SetActive(true);
        }
        if (poll > 2100 && firstFrameTimeAfterReturn < 0 && gRuns.size() > runsWhenDeactivated) {
            firstFrameTimeAfterReturn = FrameTime;
        }
        if (poll == 2300) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_GE(firstFrameTimeAfterReturn, 0.0f);
    EXPECT_LT(firstFrameTimeAfterReturn, 0.1f);
}

TEST_F(SceneLoopTest, MouseClickFlagsLastOneLoopPass) {
    int leftSeen = -1, leftAfter = -1, rightSeen = -1, doubleSeen = -1;
    RunProgram([&](int poll) {
        if (poll == 10) {
            headless::MoveMouse(123, 456);
            headless::PressMouse(1);
        }
        if (poll == 11) {
            leftSeen = MouseButtons.leftClick[0];
            EXPECT_EQ(MouseState.x, 123);
            EXPECT_EQ(MouseState.y, 456);
            EXPECT_EQ(MouseState.leftHeld, 1);
            EXPECT_EQ(MouseState.buttonState, 1);
        }
        if (poll == 12) leftAfter = MouseButtons.leftClick[0];
        if (poll == 20) {
            headless::ReleaseMouse(1);
            headless::PressMouse(2);
        }
        if (poll == 21) {
            rightSeen = MouseButtons.rightClick[1];
            EXPECT_EQ(MouseState.leftHeld, 0);
            EXPECT_EQ(MouseState.buttonState, 2);
            EXPECT_EQ(MouseState.lastButton, 2);
        }
        if (poll == 30) headless::PressMouse(1, true);
        if (poll == 31) doubleSeen = MouseButtons.leftDoubleClick;
        if (poll == 40) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(leftSeen, 1);
    EXPECT_EQ(leftAfter, 0);
    EXPECT_EQ(rightSeen, 1);
    EXPECT_EQ(doubleSeen, 1);
}

TEST_F(SceneLoopTest, WindowCloseShutsDownOnceAndEndsTheLoop) {
    int result = RunProgram([&](int poll) {
        if (poll == 20) headless::RequestClose();
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(elSystem::State.shutdownDone, 1);
    EXPECT_EQ(elSystem::State.closeState, elSystem::kCloseDone);
}

TEST_F(SceneLoopTest, SeedsTheGeneratorFromTheTimeOfDay) {
    auto firstNumberAt = [](long long timeOfDay) {
        StartFreshProcess();
        headless::SetTime(timeOfDay);
        int first = -1;
        RunProgram([&](int poll) {
            if (poll == 1) first = crt::rand();
            if (poll == 2) headless::PressKey(VK_ESCAPE);
        });
        return first;
    };
    const int a = firstNumberAt(12345);
    EXPECT_EQ(firstNumberAt(12345), a);
    EXPECT_NE(firstNumberAt(12346), a);
}

}  // namespace
