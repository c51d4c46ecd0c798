#pragma once
// Whether every result screen and chart on screen shows what its computation
// gives from the figures in use. The screens compute again and the model is
// put back as it was; the chart's figures are worked out on a copy, so the
// check leaves the program under test as it found it.

#include "app/Program.h"
#include "figures/GraphFigures.h"
#include "figures/ResultsInUse.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/TextControls.h"
#include "whatif/FrmGraph.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

inline std::string chartText(const platform::ChartData& data)
{
    std::string out;
    for (const platform::ChartRow& row : data.rows)
        out += platform::Chart::rowCaption(row).replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString() + "; ";
    return out;
}

// What the graph's three charts chart for the figures in use (cases, cost,
// cost per positive), worked out on a copy.
inline std::array<platform::ChartData, 3> chartsInUse(const Program& program)
{
    VarCon vc = program.vc;
    Selection sel = program.sel;
    const Outlook o = OutlookInUse(vc, sel);
    const bool longForm = sel.OptScrTest(0) || sel.OptScrTest(1);
    return {PidCasesChart(o.projection, longForm), PidCostChart(o.projection, longForm),
            CostPerPositiveChart(o.costs, longForm)};
}

// What the first result screen or chart on screen that is not fresh shows,
// beside what it should; nothing when all are.
inline std::optional<std::string> staleResultScreen(Program& program)
{
    if (platform::Form* graph = program.runtime().findForm(QStringLiteral("FrmGraph")); graph && graph->isShown()) {
        FrmGraph& g = program.FrmGraph();
        const std::array<platform::ChartData, 3> inUse = chartsInUse(program);
        const std::pair<platform::Chart*, const platform::ChartData&> charts[] = {
            {&g.chrNoWomen, inUse[0]}, {&g.chrCost, inUse[1]}, {&g.chrPerPos, inUse[2]}};
        for (const auto& [chart, data] : charts)
            if (chart->visible() && chartText(chart->data()) != chartText(data))
                return "FrmGraph." + chart->name().toStdString() + " charts \"" + chartText(chart->data()) +
                       "\", its figures in use \"" + chartText(data) + "\"";
    }
    std::vector<std::pair<platform::Label*, QString>> shown;
    for (const char* name : {"FrmScrResult", "FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"}) {
        platform::Form* form = program.runtime().findForm(QString::fromLatin1(name));
        if (!form || !form->isShown())
            continue;
        for (platform::Control* c : form->controls())
            if (auto* label = dynamic_cast<platform::Label*>(c))
                shown.emplace_back(label, label->caption());
    }
    if (shown.empty())
        return std::nullopt;
    const VarCon vcBefore = program.vc;
    const Selection selBefore = program.sel;
    program.showResultsInUse();
    program.vc = vcBefore;
    program.sel = selBefore;
    for (const auto& [label, caption] : shown)
        if (label->caption() != caption)
            return label->form().name().toStdString() + "." + label->name().toStdString() + " shows \"" +
                   caption.toStdString() + "\", its figures in use \"" + label->caption().toStdString() + "\"";
    return std::nullopt;
}

} // namespace testsupport
