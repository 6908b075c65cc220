// Text controls of the headless backend, for tests.
#pragma once

#include <string>

namespace headless {

// How many faces the system reports (default 3: a Japanese Gothic, a Japanese Mincho, a symbol face).
void SetFontFaceCount(int count);

// What the last text call drew: its text, place, face, height and colours.
struct TextRecord {
    std::string text;
    int x;
    int y;
    std::string face;
    int height;
    unsigned textColor;
    unsigned backgroundColor;
    bool opaque;
};
const TextRecord& LastText();
int TextCount();
// Fonts created and not yet deleted.
int LiveFontCount();
// Fonts, text state and records back to none.
void ResetText();

}  // namespace headless
