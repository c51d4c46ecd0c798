#include "model/Money.h"

#include <cmath>
#include <limits>

namespace {

// Largest double strictly inside the int64 range (2^63 is not representable as int64).
constexpr double Int64Limit = 9223372036854775808.0;

int64_t saturatingRound(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);  // default mode: halves to even
    if (rounded >= Int64Limit)
        return std::numeric_limits<int64_t>::max();
    if (rounded < -Int64Limit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(rounded);
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
    return Money(saturatingRound(amount * TicksPerUnit));
}

Money Money::wholeUnits(double amount)
{
    const double units = std::isnan(amount) ? 0.0 : std::nearbyint(amount);
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
    return Money(units * TicksPerUnit);
}

Money operator+(Money a, Money b) { return Money(saturatingAdd(a.ticks_, b.ticks_)); }

Money operator-(Money a, Money b)
{
    if (b.ticks_ == std::numeric_limits<int64_t>::min())
        return Money(saturatingAdd(saturatingAdd(a.ticks_, std::numeric_limits<int64_t>::max()), 1));
    return Money(saturatingAdd(a.ticks_, -b.ticks_));
}
