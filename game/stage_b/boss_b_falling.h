// Boss B's falling batteries: two curtains of three-bullet columns, two rain sets of pairs, two twin-shot
// sets, five 5-bullet fans, two wide fans and nine pod groups. Each set is one row of the shared bullet-pool
// description; an update call advances the set's volley timers and arms the groups that are due.
#pragma once

// Curtains.
void DrawBossBCurtain01();
void FireBossBCurtainShot01(int index, int first);
void UpdateBossBCurtain01();
void MoveBossBCurtain01();
void DrawBossBCurtain02();
void FireBossBCurtainShot02(int index, int first);
void UpdateBossBCurtain02();
void MoveBossBCurtain02();

// Rain.
void DrawBossBRain01();
void FireBossBRainShot01(int index, int first);
void UpdateBossBRain01();
void MoveBossBRain01();
void DrawBossBRain02();
void FireBossBRainShot02(int index, int first);
void UpdateBossBRain02();
void MoveBossBRain02();

// Twin shots.
void DrawBossBTwin01();
void FireBossBTwin01(int index, int first);
void UpdateBossBTwin01();
void MoveBossBTwin01();
void DrawBossBTwin02();
void FireBossBTwin02(int index, int first);
void UpdateBossBTwin02();
void MoveBossBTwin02();

// Fans.
void DrawBossBFan01();
void FireBossBFan01(int index, int first);
void UpdateBossBFan01();
void MoveBossBFan01();
void DrawBossBFan02();
void FireBossBFan02(int index, int first);
void UpdateBossBFan02();
void MoveBossBFan02();
void DrawBossBFan03();
void FireBossBFan03(int index, int first);
void UpdateBossBFan03();
void MoveBossBFan03();
void DrawBossBFan04();
void FireBossBFan04(int index, int first);
void UpdateBossBFan04();
void MoveBossBFan04();
void DrawBossBFan05();
void FireBossBFan05(int index, int first);
void UpdateBossBFan05();
void MoveBossBFan05();

// Wide fans.
void DrawBossBWideFan01();
void FireBossBWideFan01(int index, int first);
void UpdateBossBWideFan01();
void MoveBossBWideFan01();
void DrawBossBWideFan02();
void FireBossBWideFan02(int index, int first);
void UpdateBossBWideFan02();
void MoveBossBWideFan02();

// Pods: a launch arms every free pod of the group at its start point.
void LaunchBossBPods01();
void MoveBossBPods01();
void DrawBossBPods01();
void LaunchBossBPods02();
void MoveBossBPods02();
void DrawBossBPods02();
void LaunchBossBPods03();
void MoveBossBPods03();
void DrawBossBPods03();
void LaunchBossBPods04();
void MoveBossBPods04();
void DrawBossBPods04();
void LaunchBossBPods05();
void MoveBossBPods05();
void DrawBossBPods05();
void LaunchBossBPods06();
void MoveBossBPods06();
void DrawBossBPods06();
void LaunchBossBPods07();
void MoveBossBPods07();
void DrawBossBPods07();
void LaunchBossBPods08();
void MoveBossBPods08();
void DrawBossBPods08();
void LaunchBossBPods09();
void MoveBossBPods09();
void DrawBossBPods09();
