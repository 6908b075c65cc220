#include "engine/elInput.h"
#include "engine/elSystem.h"

namespace elInput {

void EndKeyCapture() {
    elSystem::State.keyCapture = 0;
}

}  // namespace elInput
