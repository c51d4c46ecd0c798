#include "model/Money.h"

#include "base/HalfEven.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Largest double strictly inside the int64 range (2^63 is not representable as int64).
constexpr double Int64Limit = 9223372036854775808.0;

// The exact binary value of amount, in ten-thousandths, rounded to the nearest
// whole tick, an exact half to the even neighbour. Working on the double's own
// bits avoids rounding twice (amount * 10000 rounded in double, then to an
// integer), which lands a value within an ulp of a tie one tick off.
int64_t exactTicks(double amount)
{
    if (std::isnan(amount))
        return 0;
    if (std::isinf(amount))
        return amount > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(amount), &exponent);  // in [0.5, 1)
    // |amount| = mantissa * 2^(exponent - 53), mantissa a whole number below 2^53.
    const auto mantissa = static_cast<unsigned __int128>(std::ldexp(fraction, 53));
    const int shift = exponent - 53;
    unsigned __int128 magnitude = mantissa * 10000u;
    constexpr unsigned __int128 Limit = static_cast<unsigned __int128>(1) << 63;
    if (shift >= 0) {
        // A whole number of ticks; beyond the range at once if shifted far.
        if (shift > 63)
            magnitude = Limit;
        else
            magnitude = std::min<unsigned __int128>(magnitude << shift, Limit);
    } else if (-shift >= 127) {
        magnitude = 0;
    } else {
        const int k = -shift;
        const unsigned __int128 whole = magnitude >> k;
        const unsigned __int128 rest = magnitude - (whole << k);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (k - 1);
        magnitude = whole + ((rest > half || (rest == half && (whole & 1u))) ? 1u : 0u);
    }
    if (amount < 0)
        return magnitude >= Limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
    return magnitude >= Limit ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
}

int64_t saturatingAdd(int64_t a, int64_t b)
{
    int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return a > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    return sum;
}

} // namespace

Money Money::fromDouble(double amount)
{
    return Money(exactTicks(amount));
}

Money Money::wholeUnits(double amount)
{
    const double units = double(base::roundHalfEven(amount));
    if (units >= Int64Limit / TicksPerUnit)
        return Money(std::numeric_limits<int64_t>::max() / TicksPerUnit * TicksPerUnit);
    if (units <= -Int64Limit / TicksPerUnit)
        return Money(std::numeric_limits<int64_t>::min() / TicksPerUnit * TicksPerUnit);
    return Money(static_cast<int64_t>(units) * TicksPerUnit);
}

Money Money::wholeUnits() const
{
    // Integer half-to-even rounding of the tick count, so no double rounding.
    int64_t units = ticks_ / TicksPerUnit;
    const int64_t rest = ticks_ % TicksPerUnit;  // same sign as ticks_
    const int64_t half = TicksPerUnit / 2;
    if (rest > half || (rest == half && (units % 2 != 0)))
        ++units;
    else if (rest < -half || (rest == -half && (units % 2 != 0)))
        --units;
    // The ends of the range round to a whole unit Money cannot hold: the
    // largest whole amount is the nearest one it can.
    constexpr int64_t MostUnits = std::numeric_limits<int64_t>::max() / TicksPerUnit;
    return Money(std::clamp(units, -MostUnits, MostUnits) * TicksPerUnit);
}

Money operator+(Money a, Money b) { return Money(saturatingAdd(a.ticks_, b.ticks_)); }

Money operator-(Money a, Money b)
{
    if (b.ticks_ == std::numeric_limits<int64_t>::min())
        return Money(saturatingAdd(saturatingAdd(a.ticks_, std::numeric_limits<int64_t>::max()), 1));
    return Money(saturatingAdd(a.ticks_, -b.ticks_));
}
