#pragma once
// The one rounding to whole numbers that the program uses: nearest, an exact
// half going to the even neighbour (12.5 -> 12, 13.5 -> 14, -2.5 -> -2),
// whatever the floating-point rounding mode. NaN gives 0; values beyond the
// 64-bit range saturate at its ends.
#include <cmath>
#include <cstdint>
#include <limits>

namespace base {

inline std::int64_t roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63: the first double beyond the 64-bit range on either side.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -limit)
        return std::numeric_limits<std::int64_t>::min();
    // value - floor(value) is exact for every double.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole >= limit)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(whole);
}

} // namespace base
