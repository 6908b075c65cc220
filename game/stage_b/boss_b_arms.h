// Boss B's arm blocks, armed only at Difficulty 3, and the idle sets (rain 03 and 04, an extra ring, five
// extra fans, seven extra pod groups) that nothing arms; their movers and draws still run every frame.
#pragma once

// Arm blocks: records 0 to 18 drop one after another, ten update calls apart.
void DrawBossBArm01();
void DropBossBArm01(int index, int first);
void UpdateBossBArm01();
void MoveBossBArm01();
void DrawBossBArm02();
void DropBossBArm02(int index, int first);
void UpdateBossBArm02();
void MoveBossBArm02();
void DrawBossBArm03();
void DropBossBArm03(int index, int first);
void UpdateBossBArm03();
void MoveBossBArm03();
void DrawBossBArm04();
void DropBossBArm04(int index, int first);
void UpdateBossBArm04();
void MoveBossBArm04();
void DrawBossBArm05();
void DropBossBArm05(int index, int first);
void UpdateBossBArm05();
void MoveBossBArm05();
void DrawBossBArm06();
void DropBossBArm06(int index, int first);
void UpdateBossBArm06();
void MoveBossBArm06();
void DrawBossBArm07();
void DropBossBArm07(int index, int first);
void UpdateBossBArm07();
void MoveBossBArm07();
void DrawBossBArm08();
void DropBossBArm08(int index, int first);
void UpdateBossBArm08();
void MoveBossBArm08();
void DrawBossBArm09();
void DropBossBArm09(int index, int first);
void UpdateBossBArm09();
void MoveBossBArm09();

// Idle sets.
void DrawBossBRain03();
void MoveBossBRain03();
void DrawBossBRain04();
void MoveBossBRain04();
void DrawBossBExtraRing01();
void MoveBossBExtraRing01();
void DrawBossBExtraFan01();
void MoveBossBExtraFan01();
void DrawBossBExtraFan02();
void MoveBossBExtraFan02();
void DrawBossBExtraFan03();
void MoveBossBExtraFan03();
void DrawBossBExtraFan04();
void MoveBossBExtraFan04();
void DrawBossBExtraFan05();
void MoveBossBExtraFan05();
void DrawBossBExtraPods01();
void MoveBossBExtraPods01();
void DrawBossBExtraPods02();
void MoveBossBExtraPods02();
void DrawBossBExtraPods03();
void MoveBossBExtraPods03();
void DrawBossBExtraPods04();
void MoveBossBExtraPods04();
void DrawBossBExtraPods05();
void MoveBossBExtraPods05();
void DrawBossBExtraPods06();
void MoveBossBExtraPods06();
void DrawBossBExtraPods07();
void MoveBossBExtraPods07();
