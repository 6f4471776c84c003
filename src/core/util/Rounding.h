#pragma once

#include <cmath>

namespace tesmi {

// Nearest whole number, halves to the even neighbour (2.5 → 2, 3.5 → 4).
inline int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode is to-nearest-even
}

} // namespace tesmi
