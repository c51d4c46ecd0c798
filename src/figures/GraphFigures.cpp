#include "figures/GraphFigures.h"

#include "figures/WhatIfCells.h"
#include "model/Families.h"
#include "platform/Numbers.h"

#include <array>

namespace {

constexpr std::array<const char*, ScrTestCount> kTestLabels{"GP", "EIA", "PCRC", "PCRU", "LCRC", "LCRU"};

// The rows of the six tests, then with the long form those of the three NGZ
// options; `bar` gives a row's value and caption from its figure.
template <typename Tests, typename Ngz, typename Bar>
std::vector<platform::ChartRow> chartRows(const Tests& tests, const Ngz& ngz, bool withNgz, Bar bar)
{
    std::vector<platform::ChartRow> rows;
    auto add = [&](const char* label, const auto& figure) {
        platform::ChartRow row = bar(figure);
        row.label = label;
        rows.push_back(std::move(row));
    };
    for (int t = 0; t < ScrTestCount; ++t)
        add(kTestLabels[t], tests[t]);
    if (withNgz)
        for (int n = 0; n < NgzOptionCount; ++n)
            add(NgzOptionName[n], ngz[n]);
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

platform::ChartData PidCasesChart(const PidProjection& projection, bool withNgz)
{
    const auto cases = [](const PidOutlook& o) { return women(o.cases); };
    platform::ChartData d{"Number of Women Developing PID",
                          chartRows(projection.tests, projection.ngz, withNgz, cases)};
    // The results screen's caption, grouped as it shows it.
    const QString none = platform::numbers::groupedCountText(double(projection.noScreeningCases));
    d.rows.push_back({"None", none, none});
    return d;
}

platform::ChartData PidCostChart(const PidProjection& projection, bool withNgz)
{
    const auto cost = [](const PidOutlook& o) { return wholeUnits(o.cost); };
    platform::ChartData d{"Cost of PID in Dollars", chartRows(projection.tests, projection.ngz, withNgz, cost)};
    platform::ChartRow none = wholeUnits(projection.noScreeningCost);
    none.label = QStringLiteral("None");
    d.rows.push_back(std::move(none));
    return d;
}

platform::ChartData CostPerPositiveChart(const CostComparison& costs, bool withNgz)
{
    // A test's row and an NGZ option's alike: the cost per true positive.
    const auto perTrue = [](const auto& row) { return perPositive(row.perTruePositive); };
    return {"Test Cost per Positive Identified", chartRows(costs.tests, costs.ngz, withNgz, perTrue)};
}
