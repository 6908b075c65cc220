#include "support/fresh_process.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/draw/draw_state.h"
#include "engine/elDraw.h"
#include "engine/elInput.h"
#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "game/core/ship.h"
#include "game/core/scenes.h"
#include "platform/headless.h"
#include "platform/system.h"

void StartFreshProcess() {
    headless::Reset();
    // The program lives beside the data files the build generated.
    headless::SetModuleFileName(std::string(QV_DATA_DIR) + "game800");
    for (SoundObject& o : SoundObjects) o = SoundObject{};
    elSound::Device = elSound::DeviceState{};
    elSound::Midi = elSound::MidiState{};
    for (int& k : KeyStates) k = 0;
    Joysticks = JoystickValues{};
    elSystem::State = elSystem::EngineState{};
    for (int& w : WaitTable) w = 0;
    Transition = ScreenTransition{};
    elDraw::State = elDraw::DrawState{};
    for (DrawObjectRecord& o : DrawObject) o = DrawObjectRecord{};
    ClipWindow = ClipRectangle{};
    FrameTime = 0.0f;
    FullScreen = 1;
    LastKey = LastKeyCopy = 0;
    SceneNumber = PreviousScene = SceneFirstFrame = PendingScene = 0;
    MouseState = MouseStateRecord{};
    MouseButtons = MouseButtonsRecord{};
    // The program's own scene table, as it stood before any test changed it.
    static const auto kProgramScenes = [] {
        std::array<SceneFunction, kSceneTableSize> scenes{};
        std::copy(std::begin(SceneTable), std::end(SceneTable), scenes.begin());
        return scenes;
    }();
    std::copy(kProgramScenes.begin(), kProgramScenes.end(), std::begin(SceneTable));
    Score = HiScore = ShipStock = PowerCount = WeaponType = Difficulty = 0;
    ScoringMode[0] = ScoringMode[1] = 0;
    Frozen = ContinueShown = ContinueRecovery = ClearEnemyShots = 0;
    BlendEffects = BackgroundOff = MouseShip = ShipVisible = Invincible = PlayerAlive = 0;
    StageScroll = 0.0f;
    ShipLoopCounter = 0;
    PlayerPosition = {};
    InputLock = StageFrameCounter = AutoFireTrigger = 0;
    for (int& f : FireEnable) f = 0;
    for (int& f : BurstActive) f = 0;
    // What the engine's static initialiser does before the entry (its exit handler is registered once).
    timeBeginPeriod(1);
    elSystem::SetFrameRate(60);
    elSystem::SetFrameWait(1);
}
