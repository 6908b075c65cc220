#include <cstring>
#include <string>
#include <vector>

#include "engine/elSound.h"
#include "engine/elSystem.h"
#include "game/core/game_state.h"
#include "platform/headless.h"
#include "platform/headless_devices.h"
#include "platform/window.h"
#include "support/audio_files.h"
#include "support/fresh_process.h"

namespace {

using Commands = std::vector<std::string>;

// Music through the real window procedure: notifications arrive as queued messages.
class MidiTest : public FreshProcessTest {
protected:
    void SetUp() override {
        FreshProcessTest::SetUp();
        folder.BecomeProgramFolder();
        folder.Write("MIDI/Qvnd1.MID", MakeMidi(4, 1));  // 2 seconds
        folder.Write("MIDI/Qvnd6.MID", MakeMidi(2, 1));  // 1 second
        elSystem::InitState();
        WNDCLASSA wc{};
        wc.lpfnWndProc = elSystem::WindowProc;
        wc.lpszClassName = "DEFAULT";
        RegisterClassA(&wc);
        elSystem::State.mainWindow = CreateWindowExA(0, "DEFAULT", "QUENDRAVOLT", WS_POPUP, 0, 0, 800, 600,
                                                     nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(elSystem::State.mainWindow, nullptr);
        elSound::InitMidiState();
    }

    void Drain() {
        MSG msg{};
        headless::SetIdleStep(0);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT) DispatchMessageA(&msg);
        }
    }
    // The commands sent since the last call.
    Commands Sent() {
        Commands out = headless::MciCommands();
        headless::ClearMciCommands();
        return out;
    }
    std::string Open(const char* file) {
        return "open \"" + folder.Path() + file + "\" type sequencer alias midi";
    }
    std::string Mode() {
        char answer[32] = {};
        mciSendStringA("status midi mode", answer, sizeof answer, nullptr);
        headless::ClearMciCommands();
        return answer;
    }

    ScratchFolder folder;
};

TEST_F(MidiTest, APieceIsOpenedRewoundAndPlayedWithNotification) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    EXPECT_EQ(Sent(), (Commands{Open("MIDI/Qvnd1.MID"), "seek midi to start", "play midi notify"}));
    EXPECT_EQ(elSound::Midi.open, 1);
    EXPECT_EQ(elSound::Midi.loop, 1);
    EXPECT_EQ(elSound::Midi.finished, 0);
    EXPECT_EQ(Mode(), "playing");
}

TEST_F(MidiTest, ASecondPieceClosesTheFirstUnderTheSameAlias) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    Sent();
    elSound::PlayMidi("MIDI/Qvnd6.MID", 0);
    EXPECT_EQ(Sent(), (Commands{"stop midi", "close midi", Open("MIDI/Qvnd6.MID"), "seek midi to start",
                                "play midi notify"}));
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(headless::MidiPieceLength(), 1000000u);
    EXPECT_EQ(elSound::Midi.loop, 0);
}

TEST_F(MidiTest, AtItsEndALoopingPieceStartsAgainAndGoesOnLooping) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    Sent();
    for (int round = 0; round < 3; ++round) {
        headless::AdvanceClock(2000000);
        Drain();
        EXPECT_EQ(Sent(), (Commands{"status midi mode", "seek midi to start", "play midi notify"})) << round;
        EXPECT_EQ(elSound::Midi.finished, 1);
        EXPECT_EQ(Mode(), "playing");
    }
}

TEST_F(MidiTest, LoopZeroClosesThePieceAtItsEnd) {
    elSound::PlayMidi("MIDI/Qvnd6.MID", 0);
    Sent();
    headless::EndMidiPiece();
    Drain();
    EXPECT_EQ(Sent(), (Commands{"status midi mode", "stop midi", "close midi"}));
    EXPECT_EQ(elSound::Midi.open, 0);
    EXPECT_EQ(elSound::Midi.finished, 1);
    headless::AdvanceClock(5000000);
    Drain();
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MidiTest, ANotificationWhileTheSequencerStillPlaysRestartsNothing) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    Sent();
    PostMessageA(elSystem::State.mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    Drain();
    EXPECT_EQ(Sent(), (Commands{"status midi mode"}));
    EXPECT_EQ(elSound::Midi.finished, 0);
    // Other results, and any notification once the music is closed, are not even queried.
    PostMessageA(elSystem::State.mainWindow, MM_MCINOTIFY, MCI_NOTIFY_ABORTED, 1);
    Drain();
    EXPECT_TRUE(Sent().empty());
    elSound::CloseMidi();
    Sent();
    PostMessageA(elSystem::State.mainWindow, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    Drain();
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MidiTest, AFailedStatusQueryCountsAsNotStopped) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    std::memcpy(elSound::Midi.status, "stopped", 8);  // an old answer must not be read again
    headless::SetMciFailingVerb("status");
    headless::EndMidiPiece();
    Sent();
    Drain();
    EXPECT_EQ(Sent(), (Commands{"status midi mode"}));
    EXPECT_EQ(elSound::Midi.status[0], '\0');
    EXPECT_EQ(elSound::Midi.finished, 0);
}

TEST_F(MidiTest, ACommandThatDoesNotFitIsNotSentAndThePieceIsSilent) {
    std::string longName = "MIDI/" + std::string(300, 'Q') + ".MID";
    elSound::PlayMidi(longName.c_str(), 1);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(elSound::Midi.open, 1);  // as after a missing file
    elSound::PlayMidi("MIDI/NONE.MID", 1);
    Commands sent = Sent();
    ASSERT_EQ(sent.size(), 5u);  // stop and close of nothing, then the failing open and the rest
    EXPECT_EQ(sent[2], Open("MIDI/NONE.MID"));
    EXPECT_EQ(Mode(), "");
    EXPECT_EQ(elSound::CloseMidi(), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(elSound::CloseMidi(), 0u);
}

TEST_F(MidiTest, EscAndTStopTheMusic) {
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    Sent();
    elSystem::OnKey('T');
    EXPECT_EQ(Sent(), (Commands{"stop midi", "close midi"}));
    EXPECT_EQ(elSound::Midi.open, 0);
    elSound::PlayMidi("MIDI/Qvnd1.MID", 1);
    Sent();
    elSystem::OnKey(VK_ESCAPE);
    EXPECT_EQ(Sent(), (Commands{"stop midi", "close midi"}));
}

}  // namespace
