// elInput: key polling.
#pragma once

namespace elInput {

// Leaves key-capture mode (the window procedure then handles keys itself).
void EndKeyCapture();

}  // namespace elInput
