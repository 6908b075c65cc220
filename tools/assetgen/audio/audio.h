// The two sound effects and the two pieces of music.
#pragma once

#include "formats/byte_buffer.h"
#include "formats/midi_writer.h"

namespace assetgen {

inline constexpr int kSoundSampleRate = 22050;

Bytes makeShotSound();
Bytes makeExplosionSound();

MidiSong composeStageTheme();
MidiSong composeEndingTheme();

}  // namespace assetgen
