#include "figures/WhatIfCells.h"

#include "platform/Numbers.h"

QString UnitCostCell(Money amount) { return platform::numbers::formatCurrency(amount.toDouble()); }

QString MoneyCell(Money amount) { return platform::numbers::formatCurrency(amount.wholeUnits().toDouble()); }

QString MoneyCell(const OptionalMoney& amount)
{
    return amount ? MoneyCell(*amount) : QString::fromLatin1(NotApplicable);
}

QString CountCell(float count) { return platform::numbers::countText(count); }
