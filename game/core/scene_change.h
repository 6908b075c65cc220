// Leaving a scene with the closing-into-opening screen transition: the current screen is captured,
// the next scene is selected for its first frame, and the transition runs from the captured picture.
#pragma once

void StartSceneTransition(int nextScene, int length);
