// The software blits as they were before their pixel loops were rewritten (test-only yardstick).
#pragma once

namespace reference_blits {

int DrawHalfTransparent(int x, int y, int slot, int sl, int st, int sr, int sb);
int DrawAdditive(int x, int y, int slot, int sl, int st, int sr, int sb);
int DrawRotated(int dl, int dt, int dr, int db, int angle, int slot, int sl, int st, int sr, int sb);

}  // namespace reference_blits
