#include <vector>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "game/core/game_state.h"
#include "game/core/picture_slots.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "support/game_fixture.h"
#include "support/run_program.h"

namespace {

using LoaderTest = GameTest;
using TitleTest = GameTest;

TEST_F(LoaderTest, EveryDataFileLoadsIntoItsSlotInOrder) {
    MakeWindow();
    LoadAllAssets();
    for (const auto& box : headless::MessageBoxes()) ADD_FAILURE() << box.text;
    for (int i = 0; i < kPictureCount; ++i) {
        EXPECT_EQ(*kPictureLoads[i].slot, i + 4) << kPictureLoads[i].name;
    }
    EXPECT_EQ(PicZBAK1B, 4);
    EXPECT_EQ(PicCONTINU1, 192);
    EXPECT_NE(PicVAL402, PicVAL402Second);
    EXPECT_GE(SoundShot, 0);
    EXPECT_GE(SoundBom, 0);
    EXPECT_NE(SoundShot, SoundBom);
    // The first free slot after loading.
    EXPECT_EQ(elDraw::LoadObject("IMAGE/ZBAK1B.BMP", 1), 193);
    EXPECT_EQ(HiScore, kStartingHiScore);
    EXPECT_EQ(SceneNumber, kSceneTitle);
    EXPECT_EQ(PreviousScene, 0);
    EXPECT_EQ(ShipStock, 1);
}

TEST_F(LoaderTest, MissingFilesShowTheirErrorAndLoadingGoesOn) {
    headless::SetModuleFileName("/nonexistent-folder/game800");
    MakeWindow();
    LoadAllAssets();
    // Every picture and both sounds report, and the loader still selects the title.
    EXPECT_EQ(headless::MessageBoxes().size(), static_cast<std::size_t>(kPictureCount + 2));
    EXPECT_EQ(headless::MessageBoxes().front().text, "elDraw::LoadObject : BMPファイルを読み込めません");
    EXPECT_EQ(PicMYME1, 0);
    EXPECT_EQ(SoundShot, -1);
    EXPECT_EQ(SceneNumber, kSceneTitle);
}

TEST_F(TitleTest, EnterStartsANormalGameWithTheWipeIntoStageA) {
    WeaponType = 5;
    int keyAfterStart = -1;
    int result = RunProgram([&](int poll) {
        if (poll == 200) headless::PressKey(VK_RETURN);
        // A few frames into the wipe: the frames of a scene that waits for the blank come a poll or
        // more apart.
        if (poll == 209) keyAfterStart = LastKey;
        if (poll == 210) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(SceneNumber, kSceneStageA);
    EXPECT_EQ(WeaponType, 1);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(Invincible, 0);
    EXPECT_EQ(Difficulty, 1);
    EXPECT_EQ(ScoringMode[0], 1);
    EXPECT_EQ(ScoringMode[1], 0);
    EXPECT_EQ(Transition.kind, 3);
    EXPECT_EQ(Transition.length, 26);
    EXPECT_EQ(Transition.direction, -1);
    EXPECT_EQ(keyAfterStart, 0);  // the key does not act again
}

TEST_F(TitleTest, KGivesManyShipsAndJAnInvincibleShip) {
    RunProgram([&](int poll) {
        if (poll == 100) headless::PressKey('K');
        if (poll == 150) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(SceneNumber, kSceneStageA);
    EXPECT_EQ(ShipStock, 999);
    EXPECT_EQ(Invincible, 0);

    StartFreshProcess();
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game800");
    RunProgram([&](int poll) {
        if (poll == 100) headless::PressKey('J');
        if (poll == 150) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(SceneNumber, kSceneStageA);
    EXPECT_EQ(ShipStock, 1);
    EXPECT_EQ(Invincible, 1);
}

TEST_F(TitleTest, OtherKeysLeaveTheTitleAnimating) {
    int firstPixelChanges = 0;
    int lastPixel = -2;
    RunProgram([&](int poll) {
        if (poll == 100) headless::PressKey('X');
        if (poll > 100 && poll % 20 == 0) {
            // The backdrop and stars move: the shown screen keeps changing somewhere in the field.
            int sum = 0;
            for (int y = 0; y < 600; y += 7) sum += headless::ScreenPixel(230, y);
            if (lastPixel != -2 && sum != lastPixel) ++firstPixelChanges;
            lastPixel = sum;
        }
        if (poll == 600) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(SceneNumber, kSceneTitle);
    EXPECT_EQ(WeaponType, 0);
    EXPECT_GT(firstPixelChanges, 5);
}

TEST_F(TitleTest, EnterHeldWhenTReturnsToTheTitleStartsAGameOnItsFirstFrame) {
    int sceneAfterReturn = -1;
    RunProgram([&](int poll) {
        if (poll == 100) headless::PressKey(VK_RETURN);  // first game
        if (poll == 200) {
            Invincible = 1;
            headless::PressKey('T');
            headless::PressKey(VK_RETURN);  // held when the title comes back
        }
        if (poll == 201) {
            EXPECT_EQ(SceneNumber, kSceneTitle);
        }
        if (poll == 240) sceneAfterReturn = SceneNumber;
        if (poll == 260) headless::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(sceneAfterReturn, kSceneStageA);
    EXPECT_EQ(Invincible, 0);  // the title's first frame cleared it before the game started
}

TEST_F(TitleTest, TitlePictureIsShownOverTheField) {
    int titlePixels = 0;
    int outside = -1;
    RunProgram([&](int poll) {
        if (poll == 300) {
            for (int y = 60; y < 540; y += 4) {
                for (int x = 220; x < 580; x += 4) titlePixels += headless::ScreenPixel(x, y) > 0 ? 1 : 0;
            }
            // Nothing is drawn outside the play field.
            outside = headless::ScreenPixel(100, 300) + headless::ScreenPixel(700, 300);
            headless::PressKey(VK_ESCAPE);
        }
    });
    EXPECT_GT(titlePixels, 1000);
    EXPECT_EQ(outside, 0);
}

}  // namespace
