// elSound: sound objects and looping MIDI music.
#pragma once

#include "platform/types.h"

namespace elSound {

// Stops and closes the music.
void CloseMidi();
// The sequencer's end-of-piece notice, as the window procedure receives it.
void OnMidiNotify(WPARAM flags, LPARAM device);
// Releases every sound object and the sound device; later plays do nothing.
void Release();

}  // namespace elSound
