#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "engine/draw/blit_rows.h"
#include "engine/draw/draw_state.h"

constinit int SineTable[kSineTableSize] = {};
constinit std::uint8_t ChannelSplitTable[kPixelValues][3] = {};
constinit std::uint16_t AdditiveTables[3][kChannelLevels][kChannelLevels] = {};

namespace elDraw {

namespace {
constexpr int kSineScale = 360;
constexpr int kFullTurn = 360;
constexpr int kSixBitMax = 63;
constexpr int kFiveBitMax = 31;
// The highest pack shift whose five bits the additive arithmetic can move to the top of a 16-bit lane.
constexpr int kHighestArithmeticShift = 11;

std::uint8_t FiveBits(int pixel, const ChannelFormat& c) {
    int v = (pixel & static_cast<int>(c.mask)) >> c.shift;
    return static_cast<std::uint8_t>(c.max == kSixBitMax ? v >> 1 : v);
}
}  // namespace

void BuildSineTable() {
    for (int i = 0; i < kFullTurn; ++i) {
        SineTable[i] = static_cast<int>(std::sin(i * std::numbers::pi / 180.0) * kSineScale);
    }
    // The entries past a full turn repeat the first quarter exactly.
    for (int i = kFullTurn; i < kSineTableSize; ++i) SineTable[i] = SineTable[i - kFullTurn];
}

void BuildPixelTables() {
    for (int p = 0; p < kPixelValues; ++p) {
        ChannelSplitTable[p][0] = FiveBits(p, State.red);
        ChannelSplitTable[p][1] = FiveBits(p, State.green);
        ChannelSplitTable[p][2] = FiveBits(p, State.blue);
    }
    const ChannelFormat* channels[3] = {&State.red, &State.green, &State.blue};
    for (int c = 0; c < 3; ++c) {
        for (int s = 0; s < kChannelLevels; ++s) {
            for (int d = 0; d < kChannelLevels; ++d) {
                AdditiveTables[c][s][d] =
                    static_cast<std::uint16_t>(std::min(kFiveBitMax, s + d) << channels[c]->packShift);
            }
        }
    }
    UseWideLanes = WideLanesAvailable();
    Additive.arithmetic = true;
    for (int c = 0; c < 3; ++c) {
        Additive.packShift[c] = channels[c]->packShift;
        if (channels[c]->packShift > kHighestArithmeticShift) Additive.arithmetic = false;
    }
}

void ClearPixelTables() {
    std::memset(ChannelSplitTable, 0, sizeof ChannelSplitTable);
    std::memset(AdditiveTables, 0, sizeof AdditiveTables);
    Additive = AdditiveLayout{};
    UseWideLanes = WideLanesAvailable();
}

}  // namespace elDraw
