// Boss C's falling and fanned shots: twin falling shots (three sets of ten pairs), three-way aimed fans
// (sets 03 and 04 armed; 01 and 02 never), five-way spreading fans (sets 01 and 04 to 07 armed; 02 and 03
// never) and the drop bombs (nine pod groups, launched only outside title games). Each set is one row of
// the shared bullet-pool description; the routines below are one-line calls of the shared routines.
#pragma once

// Twin shots: fire record i of the pair that starts at `first`; the update ticks the pair timers.
void FireBossCTwin01(int index, int first);
void FireBossCTwin02(int index, int first);
void FireBossCTwin03(int index, int first);
void UpdateBossCTwin01();
void UpdateBossCTwin02();
void UpdateBossCTwin03();
void MoveBossCTwin01();
void MoveBossCTwin02();
void MoveBossCTwin03();
void DrawBossCTwin01();
void DrawBossCTwin02();
void DrawBossCTwin03();

// Three-way fans.
void FireBossCTriFan03(int index, int first);
void FireBossCTriFan04(int index, int first);
void UpdateBossCTriFan03();
void UpdateBossCTriFan04();
void MoveBossCTriFan01();
void MoveBossCTriFan02();
void MoveBossCTriFan03();
void MoveBossCTriFan04();
void DrawBossCTriFan01();
void DrawBossCTriFan02();
void DrawBossCTriFan03();
void DrawBossCTriFan04();

// Five-way fans.
void FireBossCFan01(int index, int first);
void FireBossCFan04(int index, int first);
void FireBossCFan05(int index, int first);
void FireBossCFan06(int index, int first);
void FireBossCFan07(int index, int first);
void UpdateBossCFan01();
void UpdateBossCFan04();
void UpdateBossCFan05();
void UpdateBossCFan06();
void UpdateBossCFan07();
void MoveBossCFan01();
void MoveBossCFan02();
void MoveBossCFan03();
void MoveBossCFan04();
void MoveBossCFan05();
void MoveBossCFan06();
void MoveBossCFan07();
void DrawBossCFan01();
void DrawBossCFan02();
void DrawBossCFan03();
void DrawBossCFan04();
void DrawBossCFan05();
void DrawBossCFan06();
void DrawBossCFan07();

// Drop bombs: a launch arms the group's free pods.
void LaunchBossCPods01();
void LaunchBossCPods02();
void LaunchBossCPods03();
void LaunchBossCPods04();
void LaunchBossCPods05();
void LaunchBossCPods06();
void LaunchBossCPods07();
void LaunchBossCPods08();
void LaunchBossCPods09();
void MoveBossCPods01();
void MoveBossCPods02();
void MoveBossCPods03();
void MoveBossCPods04();
void MoveBossCPods05();
void MoveBossCPods06();
void MoveBossCPods07();
void MoveBossCPods08();
void MoveBossCPods09();
void DrawBossCPods01();
void DrawBossCPods02();
void DrawBossCPods03();
void DrawBossCPods04();
void DrawBossCPods05();
void DrawBossCPods06();
void DrawBossCPods07();
void DrawBossCPods08();
void DrawBossCPods09();
