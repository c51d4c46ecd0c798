#pragma once
// The whole numbers that the screens show for counts: nearest, halves to even.
// A 16-bit integer would overflow for a large programme, so the count is held
// in a 32-bit integer, saturating at its ends (NaN gives 0): no count can stop
// the program.
#include <cmath>
#include <cstdint>
#include <limits>

namespace Rounding {

inline int32_t WholeCount(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);  // default mode: halves to even
    if (rounded >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (rounded <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

} // namespace Rounding
