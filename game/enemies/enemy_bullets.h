// The bullet pools of the ordinary enemies: one row of the shared pool description each (enemy_bullets.cpp),
// with its draw, move and, where something arms it, fire routine. Slot and style arguments are the small
// enemies' own; a slot outside the pool does nothing.
#pragma once

// Small enemies: one aimed shot and one five-shot spread per slot. Shot styles 0 (animated pellet) and 1
// (rotated dart); spread styles 0, 1 and 2 (the dart turned like the slot's aimed shot).
void FireSmallEnemyShot(int slot);
void MoveSmallEnemyShot(int slot);
void DrawSmallEnemyShot(int slot, int style);
void FireSmallEnemySpread(int slot);
void MoveSmallEnemySpread(int slot);
void DrawSmallEnemySpread(int slot, int style);
// Every stage moves and draws the same slots' shots and spreads in the same styles.
void RunSmallEnemyBullets();

// Spinner volleys: five aimed shots per spinner.
void FireSpinnerVolleys1();
void FireSpinnerVolleys2();
void MoveSpinnerVolleys1();
void MoveSpinnerVolleys2();
void DrawSpinnerVolleys1();
void DrawSpinnerVolleys2();

// Carrier missiles: fans on per-record volley timers.
void FireCarrierMissile1(int index, int first);
void FireCarrierMissile2(int index, int first);
void FireCarrierMissile3(int index, int first);
void FireCarrierMissile4(int index, int first);
void FireCarrierMissile5(int index, int first);
void FireCarrierMissile6(int index, int first);
void TickCarrierMissiles1();
void TickCarrierMissiles2();
void TickCarrierMissiles3();
void TickCarrierMissiles4();
void TickCarrierMissiles5();
void TickCarrierMissiles6();
void MoveCarrierMissiles1();
void MoveCarrierMissiles2();
void MoveCarrierMissiles3();
void MoveCarrierMissiles4();
void MoveCarrierMissiles5();
void MoveCarrierMissiles6();
void DrawCarrierMissiles1();
void DrawCarrierMissiles2();
void DrawCarrierMissiles3();
void DrawCarrierMissiles4();
void DrawCarrierMissiles5();
void DrawCarrierMissiles6();

// Formation shots: one aimed shot per shooter; a shooter's call re-arms its companions' free shots.
void FireFormationShot1(int slot);
void FireFormationShot2(int slot);
void FireFormationShot3(int slot);
void FireFormationShot4(int slot);
void MoveFormationShots1();
void MoveFormationShots2();
void MoveFormationShots3();
void MoveFormationShots4();
void DrawFormationShots1();
void DrawFormationShots2();
void DrawFormationShots3();
void DrawFormationShots4();

// Pools that nothing arms: spin shots, aimed pellets, missiles.
void MoveSpinShots01();
void MoveSpinShots02();
void MoveSpinShots03();
void MoveSpinShots04();
void MoveSpinShots05();
void MoveSpinShots06();
void MoveSpinShots07();
void MoveSpinShots08();
void DrawSpinShots01();
void DrawSpinShots02();
void DrawSpinShots03();
void DrawSpinShots04();
void DrawSpinShots05();
void DrawSpinShots06();
void DrawSpinShots07();
void DrawSpinShots08();
void MoveAimedPellets1();
void MoveAimedPellets2();
void DrawAimedPellets1();
void DrawAimedPellets2();
void MoveMissiles1();
void MoveMissiles2();
void DrawMissiles1();
void DrawMissiles2();

// Pellets: falling single bullets paired with their source's records.
void FirePellets01();
void FirePellets04();
void FirePellets07();
void FirePellets08();
void FirePellets09();
void FirePellets10();
void FirePellets11();
void FirePellets18();
void FirePellets19();
void FirePellets20();
void FirePellets21();
void FirePellets22();
void FirePellets23();
void FirePellets24();
void FirePellets25();
void FirePellets26();
void FirePellets27();
void FirePellets28();
void FirePellets29();
void FirePellets30();
void FirePellets31();
void FirePellets32();
void FirePellets33();
void FirePellets34();
void FirePellets35();
// Move and draw of pellet pool n (1..35); other numbers do nothing.
void MovePellets(int n);
void DrawPellets(int n);
void MovePellets01();
void MovePellets02();
void MovePellets03();
void MovePellets04();
void MovePellets05();
void MovePellets06();
void MovePellets07();
void MovePellets08();
void MovePellets09();
void MovePellets10();
void MovePellets11();
void MovePellets12();
void MovePellets13();
void MovePellets14();
void MovePellets15();
void MovePellets16();
void MovePellets17();
void MovePellets18();
void MovePellets19();
void MovePellets20();
void MovePellets21();
void MovePellets22();
void MovePellets23();
void MovePellets24();
void MovePellets25();
void MovePellets26();
void MovePellets27();
void MovePellets28();
void MovePellets29();
void MovePellets30();
void MovePellets31();
void MovePellets32();
void MovePellets33();
void MovePellets34();
void MovePellets35();
void DrawPellets01();
void DrawPellets02();
void DrawPellets03();
void DrawPellets04();
void DrawPellets05();
void DrawPellets06();
void DrawPellets07();
void DrawPellets08();
void DrawPellets09();
void DrawPellets10();
void DrawPellets11();
void DrawPellets12();
void DrawPellets13();
void DrawPellets14();
void DrawPellets15();
void DrawPellets16();
void DrawPellets17();
void DrawPellets18();
void DrawPellets19();
void DrawPellets20();
void DrawPellets21();
void DrawPellets22();
void DrawPellets23();
void DrawPellets24();
void DrawPellets25();
void DrawPellets26();
void DrawPellets27();
void DrawPellets28();
void DrawPellets29();
void DrawPellets30();
void DrawPellets31();
void DrawPellets32();
void DrawPellets33();
void DrawPellets34();
void DrawPellets35();

// Shot lines: five falling pieces per source slot, each faster than the last.
void FireShotLines1();
void FireShotLines2();
void FireShotLines3();
void FireShotLines4();
void FireShotLines5();
void FireShotLines6();
void FireShotLines7();
void MoveShotLines1();
void MoveShotLines2();
void MoveShotLines3();
void MoveShotLines4();
void MoveShotLines5();
void MoveShotLines6();
void MoveShotLines7();
void DrawShotLines1();
void DrawShotLines2();
void DrawShotLines3();
void DrawShotLines4();
void DrawShotLines5();
void DrawShotLines6();
void DrawShotLines7();
