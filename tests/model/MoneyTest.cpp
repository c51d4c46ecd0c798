// Money: fixed-point ten-thousandths, halves to even.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <limits>

#include "model/Money.h"
#include "model/Rounding.h"

namespace {

TEST(Money, FromDoubleRoundsToTenThousandthsHalfToEven)
{
    struct Case {
        double amount;
        int64_t ticks;
    } cases[] = {
        // 0.03125 and 0.09375 are exact binary fractions: 312.5 and 937.5 ticks.
        {545.10001, 5451000}, {9.5, 95000}, {0.03125, 312}, {0.09375, 938},
        {-0.03125, -312},     {-1.23456, -12346}, {0.0, 0},
        // Within an ulp of a tie, the exact binary value decides: 30544685.98875 is
        // stored as 30544685.988749999..., and 5e-05 as 0.0000500000000000000024.
        {30544685.98875, 305446859887}, {-30544685.98875, -305446859887}, {5e-05, 1}, {-5e-05, -1},
        {0.00015, 1}, {4.9999999999999996e-05, 0},
        // The largest amounts Money holds, and one beyond.
        {922337203685477.5, 9223372036854775000}, {1e15, std::numeric_limits<int64_t>::max()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Money::fromDouble(c.amount).ticks(), c.ticks) << c.amount;
}

TEST(Money, WholeUnitsRoundHalfToEven)
{
    struct Case {
        double amount;
        int64_t units;
    } cases[] = {{12.5, 12}, {13.5, 14}, {2502.5, 2502}, {2507.5, 2508}, {545.10001, 545},
                 {-12.5, -12}, {-13.5, -14}, {134.99, 135}, {0.4999, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(Money::wholeUnits(c.amount).ticks(), c.units * Money::TicksPerUnit) << c.amount;
        EXPECT_EQ(Money::fromDouble(c.amount).wholeUnits().ticks(), c.units * Money::TicksPerUnit) << c.amount;
    }
}

TEST(Money, WholeUnitsAtTheEndsOfTheRangeStayInIt)
{
    constexpr int64_t most = std::numeric_limits<int64_t>::max() / Money::TicksPerUnit * Money::TicksPerUnit;
    const std::pair<Money, int64_t> cases[] = {
        {Money::fromTicks(std::numeric_limits<int64_t>::max()), most},
        {Money::fromTicks(std::numeric_limits<int64_t>::min()), -most},
        {Money::fromDouble(1e300), most},
        {Money::fromTicks(most + 4999), most},
    };
    for (const auto& [amount, ticks] : cases)
        EXPECT_EQ(amount.wholeUnits().ticks(), ticks) << amount.ticks();
}

TEST(Money, ArithmeticAndComparison)
{
    const Money a = Money::fromTicks(12345);
    const Money b = Money::fromTicks(55);
    EXPECT_EQ((a + b).ticks(), 12400);
    EXPECT_EQ((a - b).ticks(), 12290);
    EXPECT_LT(b, a);
    EXPECT_EQ(a.toDouble(), 1.2345);
    EXPECT_EQ(Money(), Money::fromTicks(0));
}

TEST(Money, SaturatesInsteadOfOverflowing)
{
    const Money top = Money::fromTicks(std::numeric_limits<int64_t>::max());
    EXPECT_EQ((top + Money::fromTicks(1)).ticks(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Money::fromDouble(1e300).ticks(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Money::fromDouble(-1e300).ticks(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Money::fromDouble(std::numeric_limits<double>::quiet_NaN()).ticks(), 0);
}

TEST(Rounding, WholeCountHalfToEvenBeyondSixteenBits)
{
    struct Case {
        double value;
        int64_t whole;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-0.5, 0}, {12.6, 13}, {40000.4, 40000}, {-40000.5, -40000},
                 // beyond 32 bits the caption shows every digit, and so does its read-back
                 {3e9, 3'000'000'000}, {1e12, 1'000'000'000'000},
                 {1e300, std::numeric_limits<int64_t>::max()}};
    // The same halves whatever the floating-point rounding mode, for counts
    // and for whole amounts alike.
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        for (const Case& c : cases) {
            EXPECT_EQ(Rounding::WholeCount(c.value), c.whole) << c.value << " mode " << mode;
            if (c.whole > -1'000'000'000'000 && c.whole < 1'000'000'000'000) {
                EXPECT_EQ(Money::wholeUnits(c.value), Money::fromDouble(double(c.whole))) << c.value << " mode " << mode;
            }
        }
    }
    std::fesetround(FE_TONEAREST);
}

} // namespace
