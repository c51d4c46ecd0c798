// The charts of the three acceptance programmes after the real switch step,
// against the captions an independent model gives for them: each value the
// chart holds, shown as the result screens show it, is the caption of its
// row. One program runs the three passes in turn, as a user going Back and
// through the switch step again, with the graph screen left open.

#include "WhatIfScreens.h"
#include "switchto/FrmSwitchTo.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmSwitchToAnaly.h"

#include <QTest>

namespace {

enum class Kind { NoWomen, Cost, PerPos };

// The caption key of each row label, per chart.
QString keyOf(Kind kind, const QString& label)
{
    static const QStringList tests{"GP", "EIA", "PCRC", "PCRU", "LCRC", "LCRU"};
    static const QStringList ngz{"GP/PCR", "EIA/DFA", "EIA/PCR"};
    const int t = int(tests.indexOf(label)), n = int(ngz.indexOf(label)) + 1;
    switch (kind) {
    case Kind::NoWomen:
        return label == "None" ? "FrmScrResult.lblNoPID2"
                               : QString("FrmSwitchToAnaly.lbl%1NoWom").arg(t >= 0 ? label : QString("NGZ%1").arg(n));
    case Kind::Cost:
        return label == "None" ? "FrmScrResult.lblPIDCost2"
                               : QString("FrmSwitchToAnaly.lbl%1COP").arg(t >= 0 ? label : QString("NGZ%1").arg(n));
    case Kind::PerPos:
        break;
    }
    return t >= 0 ? QString("FrmSwitchToCost.lblST%1PI").arg(t + 1) : QString("FrmSwitchToCost.lblTCTPI%1").arg(n);
}

// A cell as the result screens caption its value.
QString shown(Kind kind, const QVariant& cell)
{
    using namespace platform::numbers;
    const std::optional<double> v = platform::Chart::number(cell);
    if (cell.typeId() == QMetaType::QString || !v)
        return cell.toString();
    return kind == Kind::NoWomen ? groupedCountText(*v) : formatCurrency(double(roundHalfEven(*v)));
}

class GraphAcceptance : public whatif_test::WhatIfTest {};

TEST_F(GraphAcceptance, TheChartsHoldTheFiguresOfTheLatestPassOfEachProgramme)
{
    const struct {
        std::string name;
        std::size_t rows;  // of the number-of-women and cost charts
        bool fromComparison;  // its Graph menu, else the projection screen's forward arrow
    } cases[] = {{"gp_pcr_confirm", 10, true}, {"pcrc_noconfirm", 7, false}, {"eia_dfa_noconfirm_costs", 10, false}};
    const std::pair<Kind, Qt::Key> charts[] = {{Kind::NoWomen, Qt::Key_F1}, {Kind::PerPos, Qt::Key_F3},
                                               {Kind::Cost, Qt::Key_F2}};
    Kind onScreen = Kind::NoWomen;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const testsupport::Programme programme = whatif_test::Acceptance(c.name);
        Program& p = switched(programme);
        FrmGraph& g = p.FrmGraph();
        platform::Form& beneath = c.fromComparison ? static_cast<platform::Form&>(p.FrmSwitchTo()) : p.FrmSwitchToAnaly();
        if (c.fromComparison) {
            p.FrmSwitchTo().menus.mnuGraph->trigger();
        } else {
            p.FrmSwitchToAnaly().show();
            QTest::mouseClick(p.FrmSwitchToAnaly().cmdGraph.widget(), Qt::LeftButton);
        }
        ASSERT_TRUE(g.isShown());
        EXPECT_TRUE(beneath.isShown()) << "the screen that asked stays beneath the graph screen";
        activate(g);

        // First the chart on screen as the switch step left it, then each one drawn by its key.
        for (std::size_t i = 0; i <= std::size(charts); ++i) {
            const Kind kind = i == 0 ? onScreen : charts[i - 1].first;
            if (i > 0)
                QTest::keyClick(g.window(), charts[i - 1].second);
            platform::Chart& chart = kind == Kind::NoWomen ? g.chrNoWomen : kind == Kind::Cost ? g.chrCost : g.chrPerPos;
            SCOPED_TRACE(chart.name().toStdString());
            ASSERT_TRUE(chart.visible());
            const std::vector<platform::ChartRow> rows = chart.data().rows;
            EXPECT_EQ(rows.size(), kind == Kind::PerPos ? c.rows - 1 : c.rows);
            for (const platform::ChartRow& row : rows)
                EXPECT_EQ((row.label + "=" + shown(kind, row.value)).toStdString(),
                          (row.label + "=" + programme.screens[keyOf(kind, row.label)].toString()).toStdString());
        }
        onScreen = Kind::Cost;
    }
}

} // namespace
