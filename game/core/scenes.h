// Scene numbers and the program's entry and loop.
#pragma once

#include "platform/types.h"

enum SceneId : int {
    kSceneNone = 0,
    kSceneTitle = 1,
    kSceneStageA = 2,
    kSceneStageB = 3,
    kSceneStageC = 5,
    kSceneEnding = 10,
};

inline constexpr const char* kWindowTitle = "QUENDRAVOLT";
inline constexpr const char* kWindowClass = "DEFAULT";

// Scene functions by scene number; numbers without one run nothing.
using SceneFunction = void (*)();
inline constexpr int kSceneTableSize = kSceneEnding + 1;
extern SceneFunction SceneTable[kSceneTableSize];
SceneFunction SceneFunctionFor(int scene);

// One pass of the message loop. Returns false when WM_QUIT arrived, with its exit code in *exitCode.
bool RunLoopPass(int* exitCode);
// When the loop's last idle pass ran (milliseconds of timeGetTime); the next idle pass measures FrameTime
// from it. The entry sets it just before the loop starts.
extern DWORD LastIdleTime;

void LoadAllAssets();

// Scene functions.
void RunTitleScene();
void RunStageB();
void RunStageC();
void RunEndingScene();

// The flags that the title puts back as it begins, and the T key with it: background, ship and effects
// shown, keyboard ship, no invincibility, no weapon.
void ResetTitleFlags();
