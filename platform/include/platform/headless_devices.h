// Controls of the headless backend's sound device, sequencer and joysticks, for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dsound.h"
#include "platform/mci.h"

namespace headless {

// Every device back to its start: sound device present, no buffers, no sequencer, no joystick, no records.
void ResetDevices();

// Sound device.
void SetSoundDeviceAvailable(bool available);  // false: DirectSoundCreate finds no device
void SetPriorityLevelRefused(bool refused);    // SetCooperativeLevel(DSSCL_PRIORITY) fails
void SetSecondaryBuffersAllowed(int count);    // later buffers fail to be made; negative: no limit

enum class SoundCallKind { Create, Play, Stop, SetPosition, SetFrequency, SetPan, SetVolume, Release };
struct SoundCall {
    SoundCallKind kind;
    const IDirectSoundBuffer* buffer;
    long value;  // Play: the flags; the others: the value set
};
const std::vector<SoundCall>& SoundCalls();
void ClearSoundCalls();
int LiveSoundBuffers();  // buffers created and not yet released, the primary included
DWORD LastCooperativeLevel();

// Sequencer: every command as sent, and the answer to "status ... mode" queries.
const std::vector<std::string>& MciCommands();
void ClearMciCommands();
// Commands whose first word is verb fail with MCIERR_HARDWARE (empty: none fails).
void SetMciFailingVerb(const std::string& verb);
// Ends the playing piece now, as if it had played to its end.
void EndMidiPiece();
// Length of the open piece in microseconds, or 0 when nothing is open.
std::uint64_t MidiPieceLength();

// Joysticks: a test plugs joystick id in with these readings, or unplugs it.
void SetJoystick(unsigned id, DWORD x, DWORD y, DWORD buttons);
void UnplugJoystick(unsigned id);
int JoystickConfigChanges();

}  // namespace headless
