// From stage A's clear into stage B, as the scene loop runs them: the opening wipe plays over stage B's
// first frames, stage A's music plays on, and the score, ships and power carry over.
#include "engine/elDraw.h"
#include "game/core/scenes.h"
#include "game/stage_a/stage_a_entities.h"
#include "platform/headless_devices.h"
#include "stage_b_fixture.h"

namespace {

using StageAIntoBTest = StageBTest;

// One pass of the scene loop's frame for whatever scene is current.
void SceneFrame() {
    const int before = SceneNumber;
    SceneFunctionFor(SceneNumber)();
    SceneFirstFrame = SceneNumber != before ? 1 : 0;
}

TEST_F(StageAIntoBTest, AForcedStageAClearOpensStageBWithTheWipeTheMusicAndTheCarriedScore) {
    SceneNumber = kSceneStageA;
    SceneFirstFrame = 1;
    headless::ClearMciCommands();
    SceneFrame();
    ASSERT_FALSE(headless::MciCommands().empty());  // stage A started its music
    headless::ClearMciCommands();
    Score = 12345;
    ShipStock = 3;
    PowerCount = 7;
    // The boss destroyed inside its phase: the clear sequence runs its 7 s and changes the scene.
    StageScroll = 2000.0f;
    BossARecord.health = 0.0f;
    int frames = 0;
    while (SceneNumber == kSceneStageA && frames < 1000) {
        BossARecord.health = BossARecord.health > 0.0f ? BossARecord.health : 0.0f;
        SceneFrame();
        ++frames;
    }
    ASSERT_EQ(SceneNumber, kSceneStageB);
    EXPECT_EQ(Transition.direction, -1);
    const int steps = Transition.step;
    EXPECT_GT(steps, 0);
    // The wipe runs over stage B's first frames.
    const int presents = headless::PresentCount();
    SceneFrame();
    EXPECT_EQ(headless::PresentCount(), presents + 1);
    EXPECT_LT(Transition.step, steps);
    for (int i = 0; i < 60 && Transition.step > 0; ++i) SceneFrame();
    EXPECT_EQ(Transition.step, 0);
    EXPECT_EQ(SceneNumber, kSceneStageB);
    EXPECT_GT(StageScroll, 0.0f);
    EXPECT_LT(StageScroll, 150.0f);
    EXPECT_TRUE(headless::MciCommands().empty());
    EXPECT_EQ(Score, 12345);
    EXPECT_EQ(ShipStock, 3);
    EXPECT_EQ(PowerCount, 7);
    EXPECT_EQ(BossB.health, kBossBHealth);
}

}  // namespace
