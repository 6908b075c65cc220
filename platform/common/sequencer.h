// The MIDI sequencer behind mciSendStringA, shared by both backends.
#pragma once

#include <cstdint>

#include "platform/common/smf_reader.h"

namespace platform_common {

// Main thread, as events are pumped: moves a piece timed by the platform clock, and posts the
// notification of a piece that has reached its end.
void PollSequencer();

// Audio thread, with AudioMutex held: moves a playing piece on by micros of output, handing each message
// that falls due to sink (null: the messages are dropped, and the piece plays silent). True when the
// piece reached its end in this call.
using MidiSink = void (*)(const MidiEvent& event, void* context);
bool RenderSequencer(std::uint64_t micros, MidiSink sink, void* context);

// True while an output stream times the piece; otherwise the platform clock does. Call without
// AudioMutex held.
void SetSequencerAudioClock(bool on);

// Closes everything, as in a fresh process. Call without AudioMutex held.
void ResetSequencer();
// Ends the playing piece at once, as if it had played to its end, and posts its notification.
void EndSequencerPiece();
// Length of the open piece, 0 when none is open.
std::uint64_t SequencerPieceLength();

}  // namespace platform_common

namespace backend {
// Tells the test backend of a command; the real backend ignores it.
void NoteMciCommand(const char* command);
// The test backend can make commands fail.
bool MciCommandFails(const char* verb);
// With AudioMutex held: every sounding note stops and the synthesiser returns to its start state.
void SilenceMidi();
}  // namespace backend
