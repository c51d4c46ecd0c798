#pragma once
// The whole numbers that the screens show for counts: nearest, halves to even.
// A 16-bit integer would overflow for a large programme, so the count is held
// in 64 bits, as the screens write it, saturating at its ends (NaN gives 0):
// no count can stop the program, and what is read back from a caption is the
// number the caption shows.
#include <cmath>
#include <cstdint>
#include <limits>

namespace Rounding {

inline int64_t WholeCount(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);  // default mode: halves to even
    constexpr double Limit = 9223372036854775808.0;  // 2^63
    if (rounded >= Limit)
        return std::numeric_limits<int64_t>::max();
    if (rounded < -Limit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(rounded);
}

} // namespace Rounding
