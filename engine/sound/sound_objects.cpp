#include "engine/elSound.h"

namespace elSound {

void Release() {}

}  // namespace elSound
