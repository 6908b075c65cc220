// elFont: fonts and text lines on the back buffer.
#pragma once

namespace elFont {

// Frees the font description block.
void ReleaseFontBlock();

}  // namespace elFont
