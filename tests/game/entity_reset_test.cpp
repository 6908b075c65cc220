#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <set>
#include <string>

#include "game/core/game_state.h"
#include "game/core/resets.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "support/fresh_process.h"
#include "tests/game/entity_walk.h"

namespace {

using entity_walk::AllArrays;
using entity_walk::Find;

class EntityResetTest : public FreshProcessTest {
protected:
    void RunBothHalves() {
        ResetGameStateA();
        ResetGameStateB();
    }
};

constexpr long long kSomeSecond = 1'700'000'000;

// The float every spoiled word holds.
float SpoiledFloat(unsigned char pattern) {
    float f;
    std::memset(&f, pattern, sizeof f);
    return f;
}

// ---- Record layouts -------------------------------------------------------------------------------

TEST(EntityRecordLayout, FieldsKeepTheirPlacesRoundTheSpares) {
    EXPECT_EQ(offsetof(EnemyShot, degrees), 12u);
    EXPECT_EQ(offsetof(EnemyShot, x), 16u);
    EXPECT_EQ(offsetof(EnemyShot, heading), 48u);
    EXPECT_EQ(offsetof(EnemyShot, active), 60u);
    EXPECT_EQ(offsetof(EnemyShot60, x), 8u);
    EXPECT_EQ(offsetof(EnemyShot60, ramp), 48u);
    EXPECT_EQ(offsetof(EnemyShot60, active), 56u);
    // The gun-shot order is the EnemyShot order without the degrees word.
    EXPECT_EQ(offsetof(EnemyShot60Timed, timer), offsetof(EnemyShot, timer));
    EXPECT_EQ(offsetof(EnemyShot60Timed, heading) + 4, offsetof(EnemyShot, heading));
    EXPECT_EQ(offsetof(EnemyShot56, spare3), 24u);
    EXPECT_EQ(offsetof(EnemyShot56, heading), 44u);
    EXPECT_EQ(offsetof(EnemyShot56Ramp, ramp), 48u);
    EXPECT_EQ(offsetof(EnemyShot56Ramp, active), 52u);
    EXPECT_EQ(offsetof(AimedPellet, active), 28u);
    EXPECT_EQ(offsetof(AimedPellet, heading), 48u);
    EXPECT_EQ(offsetof(CurveFanBullet, driftX), 32u);
    EXPECT_EQ(offsetof(CurveFanBullet, phase), 52u);
    EXPECT_EQ(offsetof(CurveFanBullet, active), 60u);
    EXPECT_EQ(offsetof(EnemyDrop, spare), 24u);
    EXPECT_EQ(offsetof(PhaseShot, phase), 16u);
    EXPECT_EQ(offsetof(BackgroundStrip, zero), 12u);
    // The three enemy layouts share one tail after 3, 5 and 6 leading words.
    EXPECT_EQ(offsetof(EnemyRecord, x), 12u);
    EXPECT_EQ(offsetof(EnemyRecordSpin, x), 20u);
    EXPECT_EQ(offsetof(EnemyRecordPhased, phase), 20u);
    EXPECT_EQ(offsetof(EnemyRecordPhased, x), 24u);
    EXPECT_EQ(sizeof(EnemyRecordPhased) - offsetof(EnemyRecordPhased, x), sizeof(EnemyRecord) - 12u);
    EXPECT_EQ(offsetof(SmallEnemy, explosionStyle), 12u);
    EXPECT_EQ(offsetof(SmallEnemy, busy), 64u);
    EXPECT_EQ(offsetof(BossRecord, health), 20u);
    EXPECT_EQ(offsetof(BossRecord, hitFlash), 36u);
}

// ---- The lists of arrays --------------------------------------------------------------------------

TEST(EntityArrayLists, EveryArrayIsListedOnceUnderItsOwnName) {
    std::set<std::string> names;
    std::set<const void*> places;
    for (const EntityArray* a : AllArrays()) {
        EXPECT_TRUE(names.insert(a->name).second) << a->name;
        EXPECT_TRUE(places.insert(a->records).second) << a->name;
        EXPECT_GT(a->count, 0) << a->name;
    }
}

int CountOf(const char* name) {
    const EntityArray* a = Find(name);
    return a == nullptr ? -1 : a->count;
}

TEST(EntityArrayLists, FamiliesHaveTheirCounts) {
    EXPECT_EQ(CountOf("MainShots1"), 78);
    EXPECT_EQ(CountOf("MainShots3"), 156);
    EXPECT_EQ(CountOf("BurstShots"), 200);
    EXPECT_EQ(CountOf("HomingSalvos4"), 45);
    EXPECT_EQ(CountOf("SmallEnemySpreads"), 75);
    EXPECT_EQ(CountOf("Pellets17"), 3);
    EXPECT_EQ(CountOf("Pellets18"), 1);
    EXPECT_EQ(CountOf("Pellets35"), 5);
    EXPECT_EQ(CountOf("Pellets36"), -1);
    EXPECT_EQ(CountOf("ShotLines5"), 15);
    EXPECT_EQ(CountOf("ShotLines7"), 10);
    EXPECT_EQ(CountOf("CarrierMissiles4"), 25);
    EXPECT_EQ(CountOf("CarrierMissiles6"), 15);
    EXPECT_EQ(CountOf("SpinShots08"), 5);
    EXPECT_EQ(CountOf("CurveShotsRight"), 21);
    EXPECT_EQ(CountOf("BossASpread03"), 35);
    EXPECT_EQ(CountOf("BossAShots06"), 108);
    EXPECT_EQ(CountOf("BossAPods03"), 4);
    EXPECT_EQ(CountOf("BossBSpread07"), 55);
    EXPECT_EQ(CountOf("BossBExtraRing01"), 200);
    EXPECT_EQ(CountOf("BossBPods09"), 4);
    EXPECT_EQ(CountOf("BossBExtraPods01"), 2);
    EXPECT_EQ(CountOf("BossFanShot01"), 15);
    EXPECT_EQ(CountOf("BossFanShot21"), 75);
    EXPECT_EQ(CountOf("BossShotLine28"), 5);
    EXPECT_EQ(CountOf("BossShotLine30"), 8);
    EXPECT_EQ(CountOf("BossCTriFan02"), 72);
    EXPECT_EQ(CountOf("BossCTriFan04"), 15);
    EXPECT_EQ(CountOf("BossSpray06"), 50);
}

TEST(EntityArrayLists, SparkSetsHaveOneGroupPerShotOfTheirPool) {
    int mainShotSets = 0;
    int burstSets = 0;
    for (const EntityArray& a : SparkEntityArrays()) {
        ASSERT_EQ(a.kind, RecordKind::kExplosionParticle);
        if (a.count == 30 * 78) ++mainShotSets;
        if (a.count == 3 * 200) ++burstSets;
    }
    EXPECT_EQ(SparkEntityArrays().size(), 15u);
    EXPECT_EQ(mainShotSets, 10);
    EXPECT_EQ(burstSets, 5);
    EXPECT_EQ(CountOf("BossSparksA3"), 600);
    EXPECT_EQ(CountOf("BossSparksC6"), 600);
    EXPECT_EQ(CountOf("BossSparksB2"), 2340);
}

// ---- The stage reset ------------------------------------------------------------------------------

TEST_F(EntityResetTest, AfterBothHalvesEveryRecordIsFreeAndParked) {
    entity_walk::SpoilAll();
    RunBothHalves();
    for (const EntityArray* a : AllArrays()) EXPECT_EQ(entity_walk::FirstUnparked(*a), "") << a->name;
}

TEST_F(EntityResetTest, ParkedHeightIsThePerSetOne) {
    entity_walk::SpoilAll();
    RunBothHalves();
    EXPECT_EQ(Divers[0].y, kParkedHighY);
    EXPECT_EQ(FormationShooters4[4].y, kParkedHighY);
    EXPECT_EQ(EnemySet08[4].y, kParkedHighY);
    EXPECT_EQ(WaveFlyers1[0].y, kParkedY);
    EXPECT_EQ(Swoopers2[1].y, kParkedY);
    EXPECT_EQ(Spinners1[2].y, kParkedY);
    EXPECT_EQ(SmallEnemies[14].y, kParkedY);
    EXPECT_EQ(BossSparksC6[599].x, kParticleParkedX);
}

TEST_F(EntityResetTest, StartFramesStayInsideTheirKindsRanges) {
    entity_walk::SpoilAll();
    RunBothHalves();
    for (const EnemyShot& r : CarrierMissiles1) EXPECT_LT(static_cast<unsigned>(r.frame), 7u);
    for (const EnemyShot& r : BossFanShot21) EXPECT_LT(static_cast<unsigned>(r.frame), 7u);
    for (const EnemyShot60& r : SmallEnemySpreads) EXPECT_LT(static_cast<unsigned>(r.frame), 10u);
    for (const EnemyShot60Timed& r : BossAGunShots01) EXPECT_LT(static_cast<unsigned>(r.frame), 7u);
    for (const EnemyShot56& r : BossBExtraRing01) EXPECT_LT(static_cast<unsigned>(r.frame), 10u);
    for (const EnemyShot56& r : BossCTriFan03) EXPECT_LT(static_cast<unsigned>(r.frame), 7u);
    for (const EnemyDrop& r : BossBArm09) EXPECT_LT(static_cast<unsigned>(r.frame), 10u);
    for (const AimedPellet& r : AimedPellets2) EXPECT_EQ(r.frame, 0);
    for (const SmallEnemy& r : SmallEnemies) EXPECT_LT(static_cast<unsigned>(r.explosionStyle), 4u);
    for (const HomingSalvo& r : HomingMissiles19) EXPECT_EQ(r.frame, 0);
    // The frames are spread, not all equal.
    std::set<int> seen;
    for (const EnemyShot& r : BossAShots01) seen.insert(r.frame);
    EXPECT_EQ(seen.size(), 7u);
}

TEST_F(EntityResetTest, HeadingsTimersAndClocksStartFromTheirResetValues) {
    entity_walk::SpoilAll();
    RunBothHalves();
    EXPECT_EQ(BossASpiral06[35].heading, kStartHeading);
    EXPECT_EQ(BossASpiral06[35].timer, 0);
    EXPECT_EQ(BossASpiral06[35].speed, 0.0f);
    EXPECT_EQ(BossFanShot07[0].timer, 0);
    EXPECT_EQ(BossShotLine29[7].ramp, SpoiledFloat(0x41)) << "the ramp is not a reset field of EnemyShot60";
    EXPECT_EQ(BossBRing02[71].heading, kStartHeading);
    EXPECT_EQ(BossBRing02[71].spare3, 0.0f);
    EXPECT_EQ(BossCurveFan04[6].phase, 0.0f);
    EXPECT_EQ(BossCurveFan04[6].driftX, 0.0f);
    EXPECT_EQ(BossSpray03[49].phase, 0.0f);
    EXPECT_EQ(BossCTwin03[19].timer, 0);
    EXPECT_EQ(BlastFragments[79].heading, kStartHeading);
    EXPECT_EQ(SpiralShots[79].heading, kStartHeading);
    EXPECT_EQ(BossDamageBursts[7].frame, 0);
    EXPECT_EQ(BossCClearBlasts[5].frame, 0);
}

TEST_F(EntityResetTest, TheShallowThreeWayFansKeepTheirThirdSpare) {
    entity_walk::SpoilAll(0x42);
    const float spoiled = SpoiledFloat(0x42);
    RunBothHalves();
    for (const EnemyShot56& r : BossCTriFan04) {
        EXPECT_EQ(r.heading, kShallowStartHeading);
        EXPECT_EQ(r.spare3, spoiled);
        EXPECT_EQ(r.spare1, 0.0f);
    }
    EXPECT_EQ(BossCTriFan01[0].heading, kStartHeading);
    EXPECT_EQ(BossCTriFan01[0].spare3, 0.0f);
}

TEST_F(EntityResetTest, EnemyLayoutsKeepTheWordsTheResetLeaves) {
    entity_walk::SpoilAll();
    Spinners2[1].spinAngle = 133;
    WaveFlyers2[3].phase = 7.5f;
    FormationShooters1[3].phase = 7.5f;
    EnemySet06[2].spare2 = 9;
    RunBothHalves();
    EXPECT_EQ(Spinners2[1].spinAngle, 133);
    EXPECT_EQ(Spinners2[1].explosionFrame, 0);
    EXPECT_EQ(WaveFlyers2[3].phase, 7.5f);
    EXPECT_EQ(WaveFlyers2[3].spawnTimer, 0);
    EXPECT_EQ(FormationShooters1[3].phase, 0.0f);
    EXPECT_EQ(EnemySet06[2].spare2, 9);
    EXPECT_EQ(EnemySet06[2].spare1, 0);
    EXPECT_EQ(Divers[1].spare, 0);
}

TEST_F(EntityResetTest, BossesAndBigEnemiesComeBackParkedWithFullHealth) {
    BossAAttackClock = 4000;
    BossASpiralCounters[5] = 300;
    BossAFlameCycle = 3;
    BossARecord = {10, 20, 1, 2, 55, 0, 71, 1, 1, 1};
    BossB = {10, 20, 1, 2, 55, 0, 71, 1, 1, 1};
    BossBAttackTimer = 2000;
    BossBFlameFrame = 7;
    BossCRecord = {10, 20, 1, 2, 55, 0, 71, 1, 1, 1};
    BossCAttackClock = 4800;
    BossCSprayCounters[0] = 120;
    BossCSmokeFrame = 9;
    BigEnemy3 = {10, 20, 1, 2, 55, 0, 71, 1, 1, 1};
    BigEnemy3Counter = 12;
    BossWarningPicture = {10, 20, 1, 300, 55, 5, 71, 1, 1, 1};
    BossBFlyBy = {10, 20, 1, 300, 55, 5, 71, 1, 1, 1};

    RunBothHalves();

    EXPECT_EQ(BossARecord.x, kParkedX);
    EXPECT_EQ(BossARecord.y, kParkedY);
    EXPECT_EQ(BossARecord.health, 1020.0f);
    EXPECT_EQ(BossARecord.clock, 0.0f);
    EXPECT_EQ(BossARecord.destructionTimer, 0.0f);
    EXPECT_EQ(BossARecord.dead, 0);
    EXPECT_EQ(BossARecord.flashShown, 0);
    EXPECT_EQ(BossARecord.hitFlash, 0);
    EXPECT_EQ(BossAAttackClock, 0);
    EXPECT_EQ(BossASpiralCounters[5], 0);
    EXPECT_EQ(BossAFlameCycle, 0);

    EXPECT_EQ(BossB.health, 1000.0f);
    EXPECT_EQ(BossB.y, kParkedY);
    EXPECT_EQ(BossB.dead, 0);
    EXPECT_EQ(BossB.hitFlash, 1) << "boss B's flash words are left to its setter and draw";
    EXPECT_EQ(BossBAttackTimer, 0);
    EXPECT_EQ(BossBFlameFrame, 0);

    EXPECT_EQ(BossCRecord.health, 1000.0f);
    EXPECT_EQ(BossCRecord.clock, 0.0f);
    EXPECT_EQ(BossCRecord.hitFlash, 1);
    EXPECT_EQ(BossCAttackClock, 0);
    EXPECT_EQ(BossCSprayCounters[0], 0);
    EXPECT_EQ(BossCSmokeFrame, 0);

    EXPECT_EQ(BigEnemy2.health, 600.0f);
    EXPECT_EQ(BigEnemy3.health, 1500.0f);
    EXPECT_EQ(BigEnemy4.health, 1000.0f);
    EXPECT_EQ(BigEnemy5.health, 1400.0f);
    EXPECT_EQ(BigEnemy6.health, 1220.0f);
    EXPECT_EQ(BigEnemy3.x, kParkedX);
    EXPECT_EQ(BigEnemy3.dead, 0);
    EXPECT_EQ(BigEnemy3Counter, 0);

    // The warning pictures: position, spare and speed written; clock, health and timer left.
    EXPECT_EQ(BossWarningPicture.x, kParkedX);
    EXPECT_EQ(BossWarningPicture.spare2, 0.0f);
    EXPECT_EQ(BossWarningPicture.health, 5.0f);
    EXPECT_EQ(BossWarningPicture.hitFlash, 0);
    EXPECT_EQ(BossBFlyBy.y, kParkedY);
    EXPECT_EQ(BossBFlyBy.spare2, 0.0f);
    EXPECT_EQ(BossBFlyBy.clock, 55.0f);
}

TEST_F(EntityResetTest, PlayerBlockIsBackToItsStageStart) {
    StageScroll = 9000.0f;
    ClearEnemyShots = 1;
    PlayerAlive = 0;
    InputLock = 1;
    Frozen = ContinueShown = 1;
    StageFrameCounter = 77;
    FireEnable[0] = FireEnable[1] = 0;
    BurstActive[0] = BurstActive[3] = 1;
    BurstCounters[2] = 40;
    ShipSpeed = {300.0f, -300.0f};
    ShipBankFrame = 6;
    ShipBankStep = -1;
    MainShotCadence[2] = 5;
    MainShotFired[1] = 1;
    SalvoTickCounters[3][2] = 8;
    SpiralVolleyCounter = 12;
    ContinueRecovery = 1;
    RecoveryCounter = 100;
    BlinkCounter = 3;

    RunBothHalves();

    EXPECT_EQ(StageScroll, 0.0f);
    EXPECT_EQ(ClearEnemyShots, 0);
    EXPECT_EQ(PlayerAlive, 1);
    EXPECT_EQ(InputLock, 0);
    EXPECT_EQ(Frozen, 0);
    EXPECT_EQ(ContinueShown, 0);
    EXPECT_EQ(StageFrameCounter, 0);
    EXPECT_EQ(FireEnable[0], 1);
    EXPECT_EQ(FireEnable[1], 1);
    EXPECT_EQ(BurstActive[0], 0);
    EXPECT_EQ(BurstActive[3], 0);
    EXPECT_EQ(BurstCounters[2], 0);
    EXPECT_EQ(ShipSpeed.x, 0.0f);
    EXPECT_EQ(ShipSpeed.y, 0.0f);
    EXPECT_EQ(ShipBankFrame, 3);
    EXPECT_EQ(ShipBankStep, 0);
    EXPECT_EQ(MainShotCadence[2], 0);
    EXPECT_EQ(MainShotFired[1], 0);
    EXPECT_EQ(SalvoTickCounters[3][2], 0);
    EXPECT_EQ(SpiralVolleyCounter, 0);
    EXPECT_EQ(ContinueRecovery, 0);
    EXPECT_EQ(RecoveryCounter, 0);
    EXPECT_EQ(BlinkCounter, 0);
}

TEST_F(EntityResetTest, GameStateCarriesOverAStageReset) {
    Score = 5000;
    ShipStock = 3;
    PowerCount = 12;
    WeaponType = 1;
    Difficulty = 1;
    HiScore = 9000;
    PlayerPosition = {250.0f, 300.0f};
    PowerFlags[0] = PowerFlags[1] = 1;
    PowerItem = {300.0f, 200.0f, 150.0f, 1.0f, 1, 1, 4, {7, 8}};

    RunBothHalves();

    EXPECT_EQ(Score, 5000);
    EXPECT_EQ(ShipStock, 3);
    EXPECT_EQ(PowerCount, 12);
    EXPECT_EQ(WeaponType, 1);
    EXPECT_EQ(Difficulty, 1);
    EXPECT_EQ(HiScore, 9000);
    EXPECT_EQ(PlayerPosition.x, 250.0f);
    EXPECT_EQ(PowerFlags[0], 1);
    EXPECT_EQ(PowerFlags[1], 1);
    // The item is parked; its spawn count stays for the next new game or death to clear.
    EXPECT_EQ(PowerItem.x, kParkedX);
    EXPECT_EQ(PowerItem.y, kParkedY);
    EXPECT_EQ(PowerItem.fallSpeed, 0.0f);
    EXPECT_EQ(PowerItem.spare, 0.0f);
    EXPECT_EQ(PowerItem.active, 0);
    EXPECT_EQ(PowerItem.collected, 0);
    EXPECT_EQ(PowerItem.counters[0], 0);
    EXPECT_EQ(PowerItem.counters[1], 0);
    EXPECT_EQ(PowerItem.spawnCount, 4);
}

TEST_F(EntityResetTest, StarsAreScatteredNotParked) {
    for (Star& s : Stars) s = {99, -9999.0f, -9999.0f, 55.0f, 0.0f};
    RunBothHalves();
    std::set<int> looks;
    for (const Star& s : Stars) {
        EXPECT_GE(s.look, 0);
        EXPECT_LT(s.look, 7);
        EXPECT_GE(s.x, -400.0f);
        EXPECT_LE(s.x, 839.0f);
        EXPECT_EQ(s.x, static_cast<float>(static_cast<int>(s.x)));
        EXPECT_GE(s.y, 0.0f);
        EXPECT_LE(s.y, 479.0f);
        EXPECT_EQ(s.sideSpeed, 0.0f);
        EXPECT_GE(s.fallSpeed, 100.0f);
        EXPECT_LE(s.fallSpeed, 199.0f);
        looks.insert(s.look);
    }
    EXPECT_GT(looks.size(), 1u);
}

// ---- Random start values --------------------------------------------------------------------------

TEST_F(EntityResetTest, TwoResetsInTheSameSecondDrawTheSameStartValues) {
    headless::SetTime(kSomeSecond);
    RunBothHalves();
    const std::vector<int> first = entity_walk::AllFrames();
    const Star firstStar = Stars[57];

    // The generator moved on in between; the reseed puts it back.
    for (int i = 0; i < 1000; ++i) crt::rand();
    entity_walk::SpoilAll();
    RunBothHalves();
    EXPECT_EQ(entity_walk::AllFrames(), first);
    EXPECT_EQ(Stars[57].x, firstStar.x);
    EXPECT_EQ(Stars[57].fallSpeed, firstStar.fallSpeed);

    headless::SetTime(kSomeSecond + 1);
    RunBothHalves();
    EXPECT_NE(entity_walk::AllFrames(), first);
}

TEST_F(EntityResetTest, TheGeneratorIsReseededBeforeTheFirstStartFrame) {
    headless::SetTime(kSomeSecond);
    RunBothHalves();
    // The whole pair draws from one sequence started at this second's seed: the generator's state after
    // the pair equals a fresh seed advanced by every draw the pair made.
    const int next = crt::rand();
    crt::srand(static_cast<unsigned>(kSomeSecond));
    std::size_t draws = entity_walk::AllFrames().size();
    draws += 4 * kStarCount;
    // Arrays whose frames are not drawn at random (frame 0) do not draw.
    for (const EntityArray* a : AllArrays()) {
        if (a->kind == RecordKind::kAimedPellet || a->kind == RecordKind::kBossBurst ||
            a->kind == RecordKind::kHomingSalvo) {
            draws -= static_cast<std::size_t>(a->count);
        }
    }
    for (std::size_t i = 0; i < draws; ++i) crt::rand();
    EXPECT_EQ(crt::rand(), next);
}

// ---- The new-game reset ---------------------------------------------------------------------------

TEST_F(EntityResetTest, NewGameSetsTheStartingState) {
    Score = 5000;
    ShipStock = -15;
    PowerCount = 12;
    Difficulty = 1;
    AutoFireTrigger = 1;
    HiScore = 7777;
    PlayerPosition = {1.0f, 2.0f};
    PowerFlags[0] = PowerFlags[1] = 1;
    PowerItem = {300.0f, 200.0f, 150.0f, 1.0f, 1, 1, 4, {7, 8}};

    InitNewGame();

    EXPECT_EQ(Score, 0);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(Difficulty, 0);
    EXPECT_EQ(AutoFireTrigger, 0);
    EXPECT_EQ(HiScore, 7777);
    EXPECT_EQ(PlayerPosition.x, 370.0f);
    EXPECT_EQ(PlayerPosition.y, 520.0f);
    EXPECT_EQ(PowerFlags[0], 0);
    EXPECT_EQ(PowerFlags[1], 0);
    EXPECT_EQ(PowerItem.x, kParkedX);
    EXPECT_EQ(PowerItem.y, kParkedY);
    EXPECT_EQ(PowerItem.fallSpeed, 0.0f);
    EXPECT_EQ(PowerItem.active, 0);
    EXPECT_EQ(PowerItem.collected, 0);
    EXPECT_EQ(PowerItem.spawnCount, 0);
    EXPECT_EQ(PowerItem.counters[1], 0);
}

TEST_F(EntityResetTest, StripsAreBuiltTileByTile) {
    for (BackgroundStrip* strip : {StageAStrip, SideStrip4, SpareStrip}) {
        for (int i = 0; i < kStripTileCount; ++i) strip[i] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
    }
    InitNewGame();
    EXPECT_EQ(StageAStrip[0].y, 120.0f);
    EXPECT_EQ(StageAStrip[1].y, -360.0f);
    EXPECT_EQ(StageAStrip[4999].y, -2399400.0f);
    EXPECT_EQ(StageBStrip[4999].y, -2399400.0f);
    EXPECT_EQ(StageCStrip[4999].y, -2399400.0f);
    EXPECT_EQ(BackdropStrip[4999].y, -2399400.0f);
    for (int i = 0; i < kStripTileCount; ++i) {
        ASSERT_EQ(StageAStrip[i].y, static_cast<float>(120 - 480 * i)) << i;
        ASSERT_EQ(SpareStrip[i].y, static_cast<float>(-480 * i)) << i;
    }
    EXPECT_EQ(StageAStrip[2500].x, 180.0f);
    EXPECT_EQ(StageAStrip[2500].zero, 0.0f);
    EXPECT_EQ(StageAStrip[2500].spare0, 3.0f);
    EXPECT_EQ(StageCStrip[0].x, 180.0f);
    EXPECT_EQ(BackdropStrip[0].x, -500.0f);
    EXPECT_EQ(SideStrip4[17].x, 80.0f);
    EXPECT_EQ(SideStrip4[17].y, static_cast<float>(120 - 480 * 17));
    EXPECT_EQ(SideStrip4[17].zero, 0.0f);
    EXPECT_EQ(SpareStrip[9].x, -500.0f);
    EXPECT_EQ(SpareStrip[9].zero, 4.0f) << "the spare strip's fourth word is not written";
}

TEST_F(EntityResetTest, EndingOrderLeavesANewGameBehindTheStageReset) {
    Score = 5000;
    ShipStock = 3;
    PowerCount = 12;
    entity_walk::SpoilAll();
    RunBothHalves();
    InitNewGame();
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(PowerCount, 5);
    EXPECT_EQ(PlayerPosition.x, 370.0f);
    for (const EntityArray* a : AllArrays()) EXPECT_EQ(entity_walk::FirstUnparked(*a), "") << a->name;
}

}  // namespace
