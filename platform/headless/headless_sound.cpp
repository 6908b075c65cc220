// The test backend's sound device, sequencer and joysticks: nothing is heard; every call is recorded.
#include "platform/common/sequencer.h"
#include "platform/common/sound_device.h"
#include "platform/headless_devices.h"
#include "platform/joystick.h"

namespace {

constexpr unsigned kJoysticks = 2;

struct JoystickReading {
    bool plugged;
    DWORD x;
    DWORD y;
    DWORD buttons;
};

struct DeviceState {
    bool soundAvailable = true;
    bool priorityRefused = false;
    bool outputOpen = false;
    int buffersAllowed = -1;
    DWORD lastLevel = 0;
    std::vector<headless::SoundCall> soundCalls;
    std::vector<std::string> mciCommands;
    std::string failingVerb;
    JoystickReading joysticks[kJoysticks] = {};
    int configChanges = 0;
};

DeviceState& D() {
    static DeviceState state;
    return state;
}

}  // namespace

namespace backend {

bool OpenSoundOutput() {
    D().outputOpen = D().soundAvailable;
    return D().outputOpen;
}

void CloseSoundOutput() {
    D().outputOpen = false;
}

void NoteSoundCall(SoundCall kind, const IDirectSoundBuffer* buffer, long value) {
    D().soundCalls.push_back(
        headless::SoundCall{static_cast<headless::SoundCallKind>(static_cast<int>(kind)), buffer, value});
}

bool CooperativeLevelAllowed(DWORD level) {
    D().lastLevel = level;
    return !(level == DSSCL_PRIORITY && D().priorityRefused);
}

bool SecondaryBufferAllowed() {
    if (D().buffersAllowed < 0) return true;
    if (D().buffersAllowed == 0) return false;
    --D().buffersAllowed;
    return true;
}

void NoteMciCommand(const char* command) {
    D().mciCommands.emplace_back(command);
}

bool MciCommandFails(const char* verb) {
    return !D().failingVerb.empty() && D().failingVerb == verb;
}

void SilenceMidi() {}

}  // namespace backend

namespace headless {

void ResetDevices() {
    platform_common::ResetSoundDevice();
    platform_common::ResetSequencer();
    D() = DeviceState{};
}

void SetSoundDeviceAvailable(bool available) {
    D().soundAvailable = available;
}
void SetSecondaryBuffersAllowed(int count) {
    D().buffersAllowed = count;
}
void SetPriorityLevelRefused(bool refused) {
    D().priorityRefused = refused;
}
const std::vector<SoundCall>& SoundCalls() {
    return D().soundCalls;
}
void ClearSoundCalls() {
    D().soundCalls.clear();
}
int LiveSoundBuffers() {
    std::lock_guard<std::mutex> lock(platform_common::AudioMutex());
    int live = 0;
    for (int i = 0; i < platform_common::kMaxSoundBuffers; ++i) {
        if (platform_common::RecordAt(i)->used) ++live;
    }
    return live;
}
DWORD LastCooperativeLevel() {
    return D().lastLevel;
}

const std::vector<std::string>& MciCommands() {
    return D().mciCommands;
}
void ClearMciCommands() {
    D().mciCommands.clear();
}
void SetMciFailingVerb(const std::string& verb) {
    D().failingVerb = verb;
}
void EndMidiPiece() {
    platform_common::EndSequencerPiece();
}
std::uint64_t MidiPieceLength() {
    return platform_common::SequencerPieceLength();
}

void SetJoystick(unsigned id, DWORD x, DWORD y, DWORD buttons) {
    if (id < kJoysticks) D().joysticks[id] = JoystickReading{true, x, y, buttons};
}
void UnplugJoystick(unsigned id) {
    if (id < kJoysticks) D().joysticks[id] = JoystickReading{};
}
int JoystickConfigChanges() {
    return D().configChanges;
}

}  // namespace headless

MMRESULT joyGetPosEx(UINT id, JOYINFOEX* info) {
    if (info == nullptr || info->dwSize != sizeof(JOYINFOEX)) return MMSYSERR_INVALPARAM;
    if (id >= kJoysticks) return JOYERR_PARMS;
    const JoystickReading& j = D().joysticks[id];
    if (!j.plugged) return JOYERR_UNPLUGGED;
    info->dwXpos = j.x;
    info->dwYpos = j.y;
    info->dwZpos = info->dwRpos = info->dwUpos = info->dwVpos = 0;
    info->dwButtons = j.buttons;
    info->dwButtonNumber = 0;
    for (DWORD b = j.buttons; b != 0; b &= b - 1) ++info->dwButtonNumber;
    info->dwPOV = JOY_POVCENTERED;
    return JOYERR_NOERROR;
}

MMRESULT joyConfigChanged(DWORD) {
    ++D().configChanges;
    return JOYERR_NOERROR;
}
