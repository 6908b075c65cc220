#include "engine/elSound.h"

namespace elSound {

void CloseMidi() {}

void OnMidiNotify(WPARAM, LPARAM) {}

}  // namespace elSound
