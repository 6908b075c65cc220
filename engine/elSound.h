// elSound: sound objects and looping MIDI music.
#pragma once

#include <cstddef>

#include "engine/elSystem.h"
#include "platform/dsound.h"
#include "platform/mci.h"

inline constexpr int kSoundSlots = 70;
inline constexpr int kSoundCopies = 10;
inline constexpr int kSoundNameLength = 30;  // characters a stored name may have
inline constexpr std::size_t kMidiStatusSize = 32;

// Where a streamed sound's data lie in its file. No sound is streamed.
struct SoundStream {
    DWORD dataOffset;
    DWORD dataSize;
    DWORD readPosition;
    int streamed;
    char file[kFolderBufferSize];
};

struct SoundObject {
    int used;
    int copies;  // buffers played in turn
    LPDIRECTSOUNDBUFFER buffers[kSoundCopies];
    int current;  // the copy the next round-robin play uses
    char name[kSoundNameLength + 1];
    DWORD frequency[kSoundCopies];  // each copy's own rate, read after loading
    LONG pan[kSoundCopies];
    LONG volume[kSoundCopies];
    DWORD defaultRate;
    SoundStream stream;
};

extern SoundObject SoundObjects[kSoundSlots];

namespace elSound {

struct DeviceState {
    LPDIRECTSOUND device;
    LPDIRECTSOUNDBUFFER primary;
    int available;  // 0: every sound call does nothing
};
extern DeviceState Device;

struct MidiState {
    int open;      // the alias "midi" is open
    int finished;  // set by each end of the piece; nothing reads it
    int loop;      // restart at the end
    char command[kTextBufferSize];
    char status[kMidiStatusSize];
};
extern MidiState Midi;

// Opens the sound device; 0 without one (the game then runs silent).
int Init();
// Empties the sound table: every slot unused with one copy, no buffers, no names.
void ClearTable();
// Loads a WAVE (file, else "WAVE" resource, else RT_RCDATA resource) into a free slot with |mix| copies.
// Returns the slot, or -1.
int LoadObject(const char* name, int mix);
// Reads a RIFF WAVE file: 0 with a format block and a data block (the caller frees both with
// FreeWaveBlock), or 1 with nothing to free.
int ReadWaveFile(const char* path, WAVEFORMATEX** format, unsigned char** data, DWORD* size);
void FreeWaveBlock(void* block);
// Stops, rewinds and starts a copy: -1 the next copy in turn, 0.. that copy. Does nothing and returns 0
// for a slot that is not loaded or a copy it does not have.
int Play(int slot, int copy);
// Back to the copy's own rate, the centre, full volume: copy >= 0 that copy, -2 the current copy, other
// negative values every copy.
int ResetFrequency(int slot, int copy);
int CenterPan(int slot, int copy);
int ResetVolume(int slot, int copy);
// Reloads a streamed sound's data from its file into its first buffer.
int ResetStream(int slot);
// Releases every sound object and the sound device; later plays do nothing.
void Release();

void InitMidiState();
// Plays a MIDI file named relative to the program folder; loop 1 restarts it at each end.
void PlayMidi(const char* file, int loop);
// Stops and closes the music; returns the sequencer's result, or 0 when nothing was open.
MCIERROR CloseMidi();
// The end-of-piece step: play again from the start, or close.
void RestartMidi();
// The sequencer's end-of-piece notice, as the window procedure receives it.
void OnMidiNotify(WPARAM flags, LPARAM device);

}  // namespace elSound
