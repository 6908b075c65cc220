#include "game/core/ending_scene.h"

#include "build_config.h"
#include "engine/draw_position.h"
#include "engine/elDraw.h"
#include "engine/elFont.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/backgrounds.h"
#include "game/core/burst_volley.h"
#include "game/core/collision_pass.h"
#include "game/core/game_state.h"
#include "game/core/hud.h"
#include "game/core/main_shots.h"
#include "game/core/picture_slots.h"
#include "game/core/resets.h"
#include "game/core/scene_change.h"
#include "game/core/scenes.h"
#include "game/core/ship.h"
#include "game/core/ship_death.h"
#include "platform/system.h"

constinit int RankingTable[kRankingRows] = {};
constinit float EndingBannerHeight = 0.0f;

namespace {

constexpr int kDefaultRanking[kRankingRows] = {100000000, 70000000, 30000000, 20000000,
                                               1000000,   700000,   50000};

// The timeline grows 18 units a second; windows are inclusive at both ends.
constexpr float kTimelineRate = 18.0f;
constexpr float kLogoEnd = 100.0f;
constexpr float kRankingStart = 101.0f;
constexpr float kRankingEnd = 250.0f;
constexpr float kCreditsStart = 251.0f;
constexpr float kPlayEnd = 400.0f;
constexpr float kFirstPictureStart = 401.0f;
constexpr float kFirstPictureEnd = 500.0f;
constexpr float kSecondPictureStart = 501.0f;
constexpr float kSecondPictureEnd = 1000.0f;
constexpr float kTimelineEnd = 1001.0f;

constexpr int kFrameCounterWrap = 100999999;
constexpr int kStarSpread = 80;
constexpr int kStarBase = 80;
constexpr DWORD kEndingSleepMs = 10;
constexpr float kBannerStartHeight = 30.0f;
constexpr float kBannerGrowth = 30.0f;
constexpr int kBannerSheetLeft = 81;
constexpr int kBannerSheetTop = 70;
constexpr int kBannerSheetRight = 136;
constexpr int kBannerSheetBottom = 80;
constexpr int kBannerWidth = 300;

constexpr int kLogoWidth = 300;
constexpr int kLogoHeight = 100;
constexpr int kClosingWidth = 360;
constexpr int kClosingHeight = 480;
constexpr int kHeaderWidth = 400;
constexpr int kHeaderHeight = 100;
constexpr int kRowSpacing = 40;
constexpr int kRankValueDigits = 9;

constexpr int kCreditLineCount = 7;
constexpr int kCreditFirstY = 180;
constexpr int kCreditSpacing = 20;
constexpr const char* kCreditLines[kCreditLineCount] = {
    "QUENDRAVOLT",
    "",
    "PROGRAM   THE QUENDRAVOLT TEAM",
    "GRAPHICS  THE QUENDRAVOLT TEAM",
    "MUSIC     THE QUENDRAVOLT TEAM",
    "",
    "(C) 2026 THE QUENDRAVOLT TEAM",
};

constexpr int kReturnTransitionLength = 60;

bool Within(float t, float from, float to) {
    return t >= from && t <= to;
}

void ReturnToTitle() {
    StartSceneTransition(kSceneTitle, kReturnTransitionLength);
}

void DrawCredits() {
    for (int i = 0; i < kCreditLineCount; ++i) {
        elFont::DrawLine(build::kCreditX, kCreditFirstY + kCreditSpacing * i, kCreditLines[i]);
    }
}

void DrawTimeline(float t) {
    if (Within(t, 0.0f, kLogoEnd)) {
        elDraw::Draw(build::kEndingLogoX, build::kEndingLogoY, PicMYGOODN, 0, 0, kLogoWidth, kLogoHeight);
    }
    if (Within(t, kRankingStart, kRankingEnd)) DrawRankingTable();
    if (Within(t, kCreditsStart, kPlayEnd)) DrawCredits();
    if (Within(t, 0.0f, kPlayEnd)) {
        DrawPlayerShots();
        DrawPlayerShip();
    }
    if (Within(t, kFirstPictureStart, kFirstPictureEnd)) {
        elDraw::Draw(build::kClosingPictureX, build::kClosingPictureY, PicLSCG1, 0, 0, kClosingWidth,
                     kClosingHeight);
    }
    if (Within(t, kSecondPictureStart, kSecondPictureEnd)) {
        elDraw::Draw(build::kClosingPictureX, build::kClosingPictureY, PicLSCG2, 0, 0, kClosingWidth,
                     kClosingHeight);
    }
    if (Within(t, 0.0f, kPlayEnd)) DrawScoreHud();
}

}  // namespace

void DrawRankingTable() {
    for (int i = 0; i < kRankingRows; ++i) RankingTable[i] = kDefaultRanking[i];
    for (int i = 0; i < kRankingRows; ++i) {
        if (HiScore >= RankingTable[i] || Score >= RankingTable[i]) {
            RankingTable[i] = HiScore;
            break;
        }
    }
    elDraw::Draw(build::kRankingHeaderX, build::kRankingHeaderY, PicRANKING1, 0, 0, kHeaderWidth,
                 kHeaderHeight);
    for (int i = 0; i < kRankingRows; ++i) {
        const int y = build::kRankFirstRowY + kRowSpacing * i;
        const int rank = i + 1;
        elDraw::Draw(build::kRankNumberX, y, PicSUJI09, kLargeDigitWidth * rank, 0,
                     kLargeDigitWidth * rank + kLargeDigitWidth, kLargeDigitHeight);
        char text[kShortTextSize];
        FormatShortText(text, "%09d", RankingTable[i]);
        DrawLargeDigits(text, kRankValueDigits, build::kRankValueX, y);
    }
}

void RunEndingScene() {
    if (SceneFirstFrame == 1) {
        EndingBannerHeight = kBannerStartHeight;
        StageScroll = 0.0f;
    }
    StageFrameCounter += 1;
    if (StageFrameCounter == 1) elSound::PlayMidi("MIDI/Qvnd6.MID", 1);
    if (StageFrameCounter >= kFrameCounterWrap) StageFrameCounter = 0;

    elDraw::ClearBackBuffer();
    StageScroll += kTimelineRate * FrameTime;
    DrawStarfield(kStarSpread, kStarBase);
    DrawTimeline(StageScroll);
    if (InputLock) {
        const int h = DrawInt(EndingBannerHeight);
        elDraw::DrawStretch(build::kBannerX, (build::kScreenHeight - h) / 2, PicMYMY, kBannerSheetLeft,
                            kBannerSheetTop, kBannerSheetRight, kBannerSheetBottom, kBannerWidth, h);
        EndingBannerHeight += kBannerGrowth * FrameTime;
    }
    elDraw::SetWaitVBlank(1);
    elDraw::Present();
    Sleep(kEndingSleepMs);

    UpdatePlayerShip();
    if (BurstActive[0] == 1) FireBurstVolley();
    HitTestPlayerAttacks();

    if (StageScroll >= kTimelineEnd) {
        ResetGameStateA();
        ResetGameStateB();
        ReturnToTitle();
    }
    if (LastKey == VK_SPACE) {
        ResetGameStateA();
        ResetGameStateB();
        InitNewGame();
        ReturnToTitle();
    }
}
