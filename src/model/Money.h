#pragma once
// Money: the program's fixed-point currency with four decimal places, held as a
// 64-bit count of ten-thousandths. Conversions from double round to the nearest
// ten-thousandth, an exact half to the even neighbour.
#include <compare>
#include <cstdint>

class Money {
public:
    static constexpr int64_t TicksPerUnit = 10000;

    constexpr Money() = default;

    // The form layer parses currency text into ticks and builds Money from them.
    static constexpr Money fromTicks(int64_t ticks) { return Money(ticks); }
    // Nearest ten-thousandth, halves to even. A value beyond the Money range
    // saturates at its end and NaN gives 0: no amount may stop the program,
    // and the program must not stop there.
    static Money fromDouble(double amount);
    // Whole currency units, halves to even (12.5 -> 12, 13.5 -> 14), as the
    // results screen stores its costs. Saturates like fromDouble.
    static Money wholeUnits(double amount);
    // This amount rounded to whole currency units, halves to even.
    Money wholeUnits() const;

    constexpr int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / TicksPerUnit; }

    // Exact fixed-point sums, as currency arithmetic must be; they
    // saturate at the ends of the range instead of overflowing.
    friend Money operator+(Money a, Money b);
    friend Money operator-(Money a, Money b);
    Money& operator+=(Money other) { return *this = *this + other; }

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    explicit constexpr Money(int64_t ticks) : ticks_(ticks) {}
    int64_t ticks_ = 0;
};
