#include "engine/elFont.h"

namespace elFont {

void ReleaseFontBlock() {}

}  // namespace elFont
