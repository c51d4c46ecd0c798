#pragma once
// How the cost and projection screens write their figures into labels.
#include <QString>

#include "model/Money.h"
#include "model/VarCon.h"

// A unit cost as stored, in the currency format with its cents ("$3.35").
QString UnitCostCell(Money amount);
// An amount rounded to whole currency units, halves to even, in the currency
// format ("$1,234.00"). The whole amount is shown: no 32-bit limit cuts it off.
QString MoneyCell(Money amount);
// The same, or "n/a" for a cost per positive that has no divisor.
QString MoneyCell(const OptionalMoney& amount);
// A count rounded to a whole number, halves to even, without grouping ("123",
// "-3"), however large.
QString CountCell(float count);

// What a cost per positive cell shows when nothing is identified.
inline constexpr const char* NotApplicable = "n/a";
