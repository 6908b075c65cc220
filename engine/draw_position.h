// Float positions and angles become whole pixels and degrees through one conversion. Values in range
// truncate toward zero as a plain conversion would; NaN and values beyond the range land far off every
// screen, where they draw nothing, instead of being undefined.
#pragma once

#include <cmath>

inline constexpr float kFarOffPosition = 1000000.0f;

inline int DrawInt(float value) {
    if (std::isnan(value)) return static_cast<int>(kFarOffPosition);
    if (value > kFarOffPosition) value = kFarOffPosition;
    if (value < -kFarOffPosition) value = -kFarOffPosition;
    return static_cast<int>(value);
}

// The same conversion for a value computed in double precision (whole degrees of a heading).
inline int DrawInt(double value) {
    if (std::isnan(value)) return static_cast<int>(kFarOffPosition);
    if (value > kFarOffPosition) value = kFarOffPosition;
    if (value < -kFarOffPosition) value = -kFarOffPosition;
    return static_cast<int>(value);
}
