#include "game/enemies/enemy_pools.h"

SmallEnemy SmallEnemies[kSmallEnemyCount];
EnemyRecord Swoopers1[kSwooperCount];
EnemyRecord Swoopers2[kSwooperCount];
LockRecord SwooperMarkers1[kSwooperCount];
LockRecord SwooperMarkers2[kSwooperCount];
EnemyRecordPhased WaveFlyers1[kWaveFlyerCount];
EnemyRecordPhased WaveFlyers2[kWaveFlyerCount];
EnemyRecordPhased FormationShooters1[kFormationShooterCount];
EnemyRecordPhased FormationShooters2[kFormationShooterCount];
EnemyRecordPhased FormationShooters3[kFormationShooterCount];
EnemyRecordPhased FormationShooters4[kFormationShooterCount];
EnemyRecordSpin Spinners1[kSpinnerCount];
EnemyRecordSpin Spinners2[kSpinnerCount];
EnemyRecord Divers[kDiverCount];
int DiverFlameFrame;
EnemyRecord Carrier1[kCarrierCount];
EnemyRecord Carrier2[kCarrierCount];
EnemyRecord EnemySet01[kSmallEnemySetCount];
EnemyRecord EnemySet02[kSmallEnemySetCount];
EnemyRecord EnemySet03[kSmallEnemySetCount];
EnemyRecord EnemySet04[kSmallEnemySetCount];
EnemyRecordPhased EnemySet05[kLargeEnemySetCount];
EnemyRecordPhased EnemySet06[kLargeEnemySetCount];
EnemyRecordPhased EnemySet07[kLargeEnemySetCount];
EnemyRecordPhased EnemySet08[kLargeEnemySetCount];
LockRecord LockMarkers01[kLockSetCount];
LockRecord LockMarkers02[kLockSetCount];
LockRecord LockMarkers03[kLockSetCount];
LockRecord LockMarkers04[kLockSetCount];
LockRecord LockMarkers05[kLockSetCount];
LockRecord LockMarkers06[kLockSetCount];
LockRecord LockMarkers07[kLockSetCount];
LockRecord LockMarkers08[kLockSetCount];
LockRecord BigEnemy3PartMarkers1[kBigEnemyPartMarkerCount];
LockRecord BigEnemy3PartMarkers2[kBigEnemyPartMarkerCount];

EnemyShot60 SmallEnemyShots[kSmallEnemyCount];
EnemyShot60 SmallEnemySpreads[kSmallEnemySpreadCount];
EnemyShot60 SpinnerVolleys1[kSpinnerVolleyCount];
EnemyShot60 SpinnerVolleys2[kSpinnerVolleyCount];
EnemyShot CarrierMissiles1[kCarrierMissileLongCount];
EnemyShot CarrierMissiles2[kCarrierMissileCount];
EnemyShot CarrierMissiles3[kCarrierMissileCount];
EnemyShot CarrierMissiles4[kCarrierMissileLongCount];
EnemyShot CarrierMissiles5[kCarrierMissileCount];
EnemyShot CarrierMissiles6[kCarrierMissileCount];
EnemyShot60 FormationShots1[kFormationShooterCount];
EnemyShot60 FormationShots2[kFormationShooterCount];
EnemyShot60 FormationShots3[kFormationShooterCount];
EnemyShot60 FormationShots4[kFormationShooterCount];
EnemyShot60 SpinShots01[kSpinShotShortCount];
EnemyShot60 SpinShots02[kSpinShotLongCount];
EnemyShot60 SpinShots03[kSpinShotShortCount];
EnemyShot60 SpinShots04[kSpinShotLongCount];
EnemyShot60 SpinShots05[kSpinShotShortCount];
EnemyShot60 SpinShots06[kSpinShotLongCount];
EnemyShot60 SpinShots07[kSpinShotShortCount];
EnemyShot60 SpinShots08[kSpinShotLongCount];
AimedPellet AimedPellets1[kAimedPelletCount];
AimedPellet AimedPellets2[kAimedPelletCount];
EnemyShot60 Missiles1[kMissileCount];
EnemyShot60 Missiles2[kMissileCount];
EnemyDrop Pellets01[kPelletTripleCount];
EnemyDrop Pellets02[kPelletTripleCount];
EnemyDrop Pellets03[kPelletTripleCount];
EnemyDrop Pellets04[kPelletTripleCount];
EnemyDrop Pellets05[kPelletTripleCount];
EnemyDrop Pellets06[kPelletTripleCount];
EnemyDrop Pellets07[kPelletTripleCount];
EnemyDrop Pellets08[kPelletTripleCount];
EnemyDrop Pellets09[kPelletTripleCount];
EnemyDrop Pellets10[kPelletTripleCount];
EnemyDrop Pellets11[kPelletTripleCount];
EnemyDrop Pellets12[kPelletTripleCount];
EnemyDrop Pellets13[kPelletTripleCount];
EnemyDrop Pellets14[kPelletTripleCount];
EnemyDrop Pellets15[kPelletTripleCount];
EnemyDrop Pellets16[kPelletTripleCount];
EnemyDrop Pellets17[kPelletTripleCount];
EnemyDrop Pellets18[kPelletSingleCount];
EnemyDrop Pellets19[kPelletSingleCount];
EnemyDrop Pellets20[kPelletSingleCount];
EnemyDrop Pellets21[kPelletSingleCount];
EnemyDrop Pellets22[kPelletSingleCount];
EnemyDrop Pellets23[kPelletSingleCount];
EnemyDrop Pellets24[kPelletSingleCount];
EnemyDrop Pellets25[kPelletSingleCount];
EnemyDrop Pellets26[kPelletSingleCount];
EnemyDrop Pellets27[kPelletSingleCount];
EnemyDrop Pellets28[kPelletRowCount];
EnemyDrop Pellets29[kPelletRowCount];
EnemyDrop Pellets30[kPelletRowCount];
EnemyDrop Pellets31[kPelletRowCount];
EnemyDrop Pellets32[kPelletRowCount];
EnemyDrop Pellets33[kPelletRowCount];
EnemyDrop Pellets34[kPelletRowCount];
EnemyDrop Pellets35[kPelletRowCount];
EnemyDrop ShotLines1[kShotLineCount];
EnemyDrop ShotLines2[kShotLineCount];
EnemyDrop ShotLines3[kShotLineCount];
EnemyDrop ShotLines4[kShotLineCount];
EnemyDrop ShotLines5[kShotLineCount];
EnemyDrop ShotLines6[kSwooperShotLineCount];
EnemyDrop ShotLines7[kSwooperShotLineCount];

namespace {

const EntityArray kKindArrays[] = {
    Entity("SmallEnemies", SmallEnemies),
    Entity("Swoopers1", Swoopers1),
    Entity("Swoopers2", Swoopers2),
    Entity("SwooperMarkers1", SwooperMarkers1),
    Entity("SwooperMarkers2", SwooperMarkers2),
    Entity("WaveFlyers1", WaveFlyers1, {kKindFrame, kStartHeading, kParkedY, kKeepPhase}),
    Entity("WaveFlyers2", WaveFlyers2, {kKindFrame, kStartHeading, kParkedY, kKeepPhase}),
    Entity("FormationShooters1", FormationShooters1, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("FormationShooters2", FormationShooters2, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("FormationShooters3", FormationShooters3, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("FormationShooters4", FormationShooters4, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("Spinners1", Spinners1),
    Entity("Spinners2", Spinners2),
    Entity("Divers", Divers, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("Carrier1", Carrier1),
    Entity("Carrier2", Carrier2),
    Entity("EnemySet01", EnemySet01),
    Entity("EnemySet02", EnemySet02),
    Entity("EnemySet03", EnemySet03),
    Entity("EnemySet04", EnemySet04),
    Entity("EnemySet05", EnemySet05, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("EnemySet06", EnemySet06, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("EnemySet07", EnemySet07, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("EnemySet08", EnemySet08, {kKindFrame, kStartHeading, kParkedHighY}),
    Entity("LockMarkers01", LockMarkers01),
    Entity("LockMarkers02", LockMarkers02),
    Entity("LockMarkers03", LockMarkers03),
    Entity("LockMarkers04", LockMarkers04),
    Entity("LockMarkers05", LockMarkers05),
    Entity("LockMarkers06", LockMarkers06),
    Entity("LockMarkers07", LockMarkers07),
    Entity("LockMarkers08", LockMarkers08),
    Entity("BigEnemy3PartMarkers1", BigEnemy3PartMarkers1),
    Entity("BigEnemy3PartMarkers2", BigEnemy3PartMarkers2),
};

const EntityArray kPoolArrays[] = {
    Entity("SmallEnemyShots", SmallEnemyShots),
    Entity("SmallEnemySpreads", SmallEnemySpreads),
    Entity("SpinnerVolleys1", SpinnerVolleys1),
    Entity("SpinnerVolleys2", SpinnerVolleys2),
    Entity("CarrierMissiles1", CarrierMissiles1),
    Entity("CarrierMissiles2", CarrierMissiles2),
    Entity("CarrierMissiles3", CarrierMissiles3),
    Entity("CarrierMissiles4", CarrierMissiles4),
    Entity("CarrierMissiles5", CarrierMissiles5),
    Entity("CarrierMissiles6", CarrierMissiles6),
    Entity("FormationShots1", FormationShots1),
    Entity("FormationShots2", FormationShots2),
    Entity("FormationShots3", FormationShots3),
    Entity("FormationShots4", FormationShots4),
    Entity("SpinShots01", SpinShots01),
    Entity("SpinShots02", SpinShots02),
    Entity("SpinShots03", SpinShots03),
    Entity("SpinShots04", SpinShots04),
    Entity("SpinShots05", SpinShots05),
    Entity("SpinShots06", SpinShots06),
    Entity("SpinShots07", SpinShots07),
    Entity("SpinShots08", SpinShots08),
    Entity("AimedPellets1", AimedPellets1),
    Entity("AimedPellets2", AimedPellets2),
    Entity("Missiles1", Missiles1),
    Entity("Missiles2", Missiles2),
    Entity("Pellets01", Pellets01),
    Entity("Pellets02", Pellets02),
    Entity("Pellets03", Pellets03),
    Entity("Pellets04", Pellets04),
    Entity("Pellets05", Pellets05),
    Entity("Pellets06", Pellets06),
    Entity("Pellets07", Pellets07),
    Entity("Pellets08", Pellets08),
    Entity("Pellets09", Pellets09),
    Entity("Pellets10", Pellets10),
    Entity("Pellets11", Pellets11),
    Entity("Pellets12", Pellets12),
    Entity("Pellets13", Pellets13),
    Entity("Pellets14", Pellets14),
    Entity("Pellets15", Pellets15),
    Entity("Pellets16", Pellets16),
    Entity("Pellets17", Pellets17),
    Entity("Pellets18", Pellets18),
    Entity("Pellets19", Pellets19),
    Entity("Pellets20", Pellets20),
    Entity("Pellets21", Pellets21),
    Entity("Pellets22", Pellets22),
    Entity("Pellets23", Pellets23),
    Entity("Pellets24", Pellets24),
    Entity("Pellets25", Pellets25),
    Entity("Pellets26", Pellets26),
    Entity("Pellets27", Pellets27),
    Entity("Pellets28", Pellets28),
    Entity("Pellets29", Pellets29),
    Entity("Pellets30", Pellets30),
    Entity("Pellets31", Pellets31),
    Entity("Pellets32", Pellets32),
    Entity("Pellets33", Pellets33),
    Entity("Pellets34", Pellets34),
    Entity("Pellets35", Pellets35),
    Entity("ShotLines1", ShotLines1),
    Entity("ShotLines2", ShotLines2),
    Entity("ShotLines3", ShotLines3),
    Entity("ShotLines4", ShotLines4),
    Entity("ShotLines5", ShotLines5),
    Entity("ShotLines6", ShotLines6),
    Entity("ShotLines7", ShotLines7),
};

}  // namespace

std::span<const EntityArray> SquadronKindArrays() {
    return kKindArrays;
}
std::span<const EntityArray> SquadronPoolArrays() {
    return kPoolArrays;
}

int BigEnemy2Counter;
BossRecord BigEnemy2;
int BigEnemy3Counter;
BossRecord BigEnemy3;
int BigEnemy4Counter;
BossRecord BigEnemy4;
int BigEnemy5Counter;
BossRecord BigEnemy5;
int BigEnemy6Counter;
BossRecord BigEnemy6;

namespace {

// The flash words are left as they are: their setters and draws keep them consistent.
void ParkBigEnemy(BossRecord& record, int& counter, float health) {
    counter = 0;
    record.x = kParkedX;
    record.y = kParkedY;
    record.spare1 = record.spare2 = 0.0f;
    record.clock = 0.0f;
    record.health = health;
    record.destructionTimer = 0.0f;
    record.dead = 0;
}

}  // namespace

void ResetSquadronEntities() {
    ResetEntityArrays(kKindArrays);
    DiverFlameFrame = 0;
    ResetEntityArrays(kPoolArrays);
}

void ResetBigEnemies() {
    ParkBigEnemy(BigEnemy2, BigEnemy2Counter, kBigEnemy2Health);
    ParkBigEnemy(BigEnemy3, BigEnemy3Counter, kBigEnemy3Health);
    ParkBigEnemy(BigEnemy4, BigEnemy4Counter, kBigEnemy4Health);
    ParkBigEnemy(BigEnemy5, BigEnemy5Counter, kBigEnemy5Health);
    ParkBigEnemy(BigEnemy6, BigEnemy6Counter, kBigEnemy6Health);
}
