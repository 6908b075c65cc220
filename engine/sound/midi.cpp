// Looping MIDI music on the sequencer under the alias "midi", restarted on each end notification.
#include <cstring>

#include "engine/elSound.h"
#include "engine/elSystem.h"

namespace elSound {

constinit MidiState Midi = {};

namespace {
constexpr const char* kStatusPrefix = "st";  // "stopped"
}  // namespace

void InitMidiState() {
    Midi.open = 0;
    Midi.finished = 0;
    Midi.loop = 1;
}

void PlayMidi(const char* file, int loop) {
    const char* folder = elSystem::GetProgramFolder(0);
    // A command that does not fit is not sent: the piece is silent, as for a missing file.
    bool fits = elSystem::State.folderValid && file != nullptr &&
                elSystem::FormatText(Midi.command, "open \"%s%s\" type sequencer alias midi", folder, file);
    if (Midi.open) CloseMidi();
    if (fits) {
        mciSendStringA(Midi.command, nullptr, 0, nullptr);
        mciSendStringA("seek midi to start", nullptr, 0, nullptr);
        mciSendStringA("play midi notify", nullptr, 0, elSystem::State.mainWindow);
    }
    Midi.open = 1;
    Midi.finished = 0;
    Midi.loop = loop;
}

MCIERROR CloseMidi() {
    if (!Midi.open) return 0;
    mciSendStringA("stop midi", nullptr, 0, nullptr);
    MCIERROR result = mciSendStringA("close midi", nullptr, 0, nullptr);
    Midi.open = 0;
    return result;
}

void RestartMidi() {
    if (Midi.loop) {
        mciSendStringA("seek midi to start", nullptr, 0, nullptr);
        mciSendStringA("play midi notify", nullptr, 0, elSystem::State.mainWindow);
    } else {
        CloseMidi();
    }
    Midi.finished = 1;
}

void OnMidiNotify(WPARAM flags, LPARAM) {
    if (flags != MCI_NOTIFY_SUCCESSFUL || !Midi.open) return;
    // A query that fails leaves the buffer empty, which reads as "not stopped".
    std::memset(Midi.status, 0, sizeof Midi.status);
    if (mciSendStringA("status midi mode", Midi.status, sizeof Midi.status, nullptr) != 0) return;
    if (std::strncmp(Midi.status, kStatusPrefix, std::strlen(kStatusPrefix)) == 0) RestartMidi();
}

}  // namespace elSound
