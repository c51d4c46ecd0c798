// How the cost and projection screens write money and counts.
#include "figures/WhatIfCells.h"

#include <gtest/gtest.h>

namespace {

Money Amount(double units) { return Money::fromDouble(units); }

TEST(WhatIfCells, WholeAmountsAndCountsRoundHalvesToEvenAndAreNeverCutOff)
{
    struct Case {
        const char* name;
        QString shown;
        const char* expected;
    };
    const Case cases[] = {
        {"unit cost keeps its cents", UnitCostCell(Amount(3.35)), "$3.35"},
        {"half down to even", MoneyCell(Amount(1234.5)), "$1,234.00"},
        {"half up to even", MoneyCell(Amount(1235.5)), "$1,236.00"},
        {"just above a half", MoneyCell(Amount(166.5001)), "$167.00"},
        {"negative amount", MoneyCell(Amount(-3)), "($3.00)"},
        {"beyond 32 bits", MoneyCell(Amount(3e9)), "$3,000,000,000.00"},
        {"no divisor", MoneyCell(OptionalMoney()), "n/a"},
        {"a cost per positive", MoneyCell(OptionalMoney(Amount(47.5))), "$48.00"},
        {"count half down", CountCell(2.5f), "2"},
        {"count half up", CountCell(3.5f), "4"},
        {"small negative", CountCell(-0.4f), "0"},
        {"negative count", CountCell(-3), "-3"},
        {"no grouping, beyond 16 bits", CountCell(40000), "40000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown.toStdString(), c.expected) << c.name;
}

} // namespace
