#include "figures/GraphFigures.h"

#include "figures/WhatIfCells.h"
#include "model/Families.h"
#include "platform/Numbers.h"

#include <array>

namespace {

constexpr std::array<const char*, ScrTestCount> kTestLabels{"GP", "EIA", "PCRC", "PCRU", "LCRC", "LCRU"};
constexpr std::array<const char*, 3> kNgzLabels{"GP/PCR", "EIA/DFA", "EIA/PCR"};

template <typename T>
using NgzFamily = std::array<T VarCon::*, 3>;
constexpr NgzFamily<float> kPidNoWomNgz{&VarCon::PidNoWomNgz1, &VarCon::PidNoWomNgz2, &VarCon::PidNoWomNgz3};
constexpr NgzFamily<Money> kPidCostNgz{&VarCon::PidCostNgz1, &VarCon::PidCostNgz2, &VarCon::PidCostNgz3};
constexpr NgzFamily<OptionalMoney> kTctpiNgz{&VarCon::TctpiNgz1, &VarCon::TctpiNgz2, &VarCon::TctpiNgz3};

// The rows of the six tests, then with the long form those of the three NGZ
// options; `bar` gives a row's value and caption.
template <typename T, typename Bar>
std::vector<platform::ChartRow> chartRows(const VarCon& vc, const TestFamily<T>& tests, const NgzFamily<T>& ngz,
                                          bool withNgz, Bar bar)
{
    std::vector<platform::ChartRow> rows;
    auto add = [&](const char* label, const T& value) {
        platform::ChartRow row = bar(value);
        row.label = label;
        rows.push_back(std::move(row));
    };
    for (int t = 0; t < ScrTestCount; ++t)
        add(kTestLabels[t], vc.*tests[t]);
    if (withNgz)
        for (int n = 0; n < 3; ++n)
            add(kNgzLabels[n], vc.*ngz[n]);
    return rows;
}

// Each bar is captioned as the screens write that kind of figure: whole women
// with grouping, amounts in whole dollars with the currency sign.
platform::ChartRow women(float v) { return {{}, QVariant(v), platform::numbers::groupedCountText(v)}; }

// Whole currency units, halves to even. Held in 64 bits, so no cost is too
// large to chart.
platform::ChartRow wholeUnits(Money m)
{
    return {{}, QVariant::fromValue<qint64>(m.wholeUnits().ticks() / Money::TicksPerUnit), MoneyCell(m)};
}

// A cost per positive identified without a value (nothing identified) is charted as "n/a".
platform::ChartRow perPositive(const OptionalMoney& m)
{
    return {{}, m ? QVariant(m->toDouble()) : QVariant(QStringLiteral("n/a")), MoneyCell(m)};
}

} // namespace

platform::ChartData PidCasesChart(const VarCon& vc, bool withNgz)
{
    platform::ChartData d{"Number of Women Developing PID",
                          chartRows(vc, PerTest::PidNoWom, kPidNoWomNgz, withNgz, women)};
    // The results screen's caption, grouped as it shows it.
    const QString none = platform::numbers::groupedCountText(vc.lblNoPID2);
    d.rows.push_back({"None", none, none});
    return d;
}

platform::ChartData PidCostChart(const VarCon& vc, bool withNgz)
{
    platform::ChartData d{"Cost of PID in Dollars",
                          chartRows(vc, PerTest::PidCost, kPidCostNgz, withNgz, wholeUnits)};
    platform::ChartRow none = wholeUnits(vc.lblPIDCost2);
    none.label = QStringLiteral("None");
    d.rows.push_back(std::move(none));
    return d;
}

platform::ChartData CostPerPositiveChart(const VarCon& vc, bool withNgz)
{
    return {"Test Cost per Positive Identified",
            chartRows(vc, PerTest::Pi, kTctpiNgz, withNgz, perPositive)};
}
