// A loaded game in its first stage frame, with the ship's frame run in stage order: draws, present, then
// input and ship, the running burst and the collision pass.
#pragma once

#include <algorithm>

#include "engine/elDraw.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/burst_volley.h"
#include "game/core/collision_pass.h"
#include "game/core/core_entities.h"
#include "game/core/game_state.h"
#include "game/core/main_shots.h"
#include "game/core/resets.h"
#include "game/core/scenes.h"
#include "game/core/ship.h"
#include "game/core/ship_death.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "support/game_fixture.h"

class PlayerTest : public GameTest {
protected:
    static constexpr float kFrame = 1.0f / 60.0f;

    void SetUp() override {
        GameTest::SetUp();
        if (IsSkipped()) return;
        MakeWindow();
        LoadAllAssets();
        InitNewGame();
        ResetGameStateA();
        ResetGameStateB();
        ShipLoopCounter = 0;
        WeaponType = 1;
        ScoringMode[0] = 1;
        ScoringMode[1] = 0;
        ShipVisible = 1;
        FrameTime = kFrame;
        headless::ClearSoundCalls();
    }

    // One stage frame of the ship's part.
    static void Frame() {
        elDraw::ClearBackBuffer();
        DrawPlayerShots();
        DrawPlayerSpecial();
        DrawPlayerShip();
        elDraw::Present();
        UpdatePlayerShip();
        if (BurstActive[0] == 1) FireBurstVolley();
        HitTestPlayerAttacks();
    }

    static void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }

    // Plays of a sound slot's buffers recorded by the sound device.
    static int Plays(int slot) {
        if (slot < 0 || slot >= kSoundSlots) return 0;
        const SoundObject& sound = SoundObjects[slot];
        return static_cast<int>(std::count_if(headless::SoundCalls().begin(), headless::SoundCalls().end(),
                                              [&](const headless::SoundCall& call) {
                                                  if (call.kind != headless::SoundCallKind::Play)
                                                      return false;
                                                  return std::find(std::begin(sound.buffers),
                                                                   std::end(sound.buffers),
                                                                   call.buffer) != std::end(sound.buffers);
                                              }));
    }

    template <int N>
    static int ActiveCount(const MainShot (&pool)[N]) {
        return static_cast<int>(
            std::count_if(pool, pool + N, [](const MainShot& s) { return s.active != 0; }));
    }
};
