#include "whatif/FrmGraph.h"

#include "app/Program.h"
#include "model/Families.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Printer.h"
#include "whatif/FrmGraphResponse.h"
#include "whatif/WhatIfCells.h"
#include "whatif/WhatIfStyle.h"

#include <QEvent>
#include <QMainWindow>

#include <functional>

namespace {

const QString kPrintPrompt = QStringLiteral(
    "Which graph would you like to print: \r\n"
    "Select 1 for Number of women \r\n"
    "Select 2 Cost of PID \r\n"
    "Select 3 for Cost per Positive \r\n"
    "Select 4 for all ");

const QString kNothingPrinted = QStringLiteral(
    "If you want to print a graph choose 1, 2 , 3, or 4 Otherwise select ok to not print any graphs.");

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

// Runs an action each time the watched window is shown; it lives as long as the window.
class OnShow : public QObject {
public:
    OnShow(QObject* window, std::function<void()> action) : QObject(window), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            action_();
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

FrmGraph::FrmGraph(Program& p) : ScalingForm(p, "FrmGraph")
{
    designCaption("Graph");
    designClientSize(11880, 8535);
    designBackColor(Qt::white);
    designFont("Arial", 9);

    chrNoWomen.designGeometry(120, 240, 11415, 7215);
    chrCost.designGeometry(120, 240, 11295, 7215);
    chrPerPos.designGeometry(120, 360, 11415, 7095);

    DesignPictureButton(cmdResume, ":/arrow_left.png", 8880, 7680, 735, 615);
    DesignPictureButton(cmdNext, ":/arrow_right.png", 9720, 7680, 735, 615);
    DesignPictureButton(cmdPrint, ":/printer.png", 10560, 7680, 735, 615);
    // Forward first: the arrow that leads on has the focus when the screen opens.
    cmdNext.designTabIndex(0);
    cmdResume.designTabIndex(1);
    cmdPrint.designTabIndex(2);

    cmdResume.Click = [this] { cmdResume_Click(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    mnuPrint.Click = [this] { mnuPrint_Click(); };
    mnuReturn.Click = [this] { mnuReturn_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
    mnuNoWomenPID.Click = [this] { mnuNoWomenPID_Click(); };
    mnuCostofPID.Click = [this] { mnuCostofPID_Click(); };
    mnuCostPerPositive.Click = [this] { mnuCostPerPositive_Click(); };
}

void FrmGraph::Form_Load()
{
    scalingPreamble(Centring::Centred);
    cmdNoWomen_Click();
    // Whoever shows the screen again, it charts the figures as they are then.
    window()->installEventFilter(new OnShow(window(), [this] {
        program.bringResultsUpToDate();
        chartLatestFigures();
    }));
}

void FrmGraph::chartLatestFigures()
{
    if (isLoaded())
        draw(drawn_);
}

// --- the charts ------------------------------------------------------------------------

void FrmGraph::cmdNoWomen_Click() { draw(Graph::NoWomen); }
void FrmGraph::cmdCost_Click() { draw(Graph::Cost); }
void FrmGraph::cmdCostPerPos_Click() { draw(Graph::PerPos); }

platform::Chart& FrmGraph::chartOf(Graph graph)
{
    switch (graph) {
    case Graph::NoWomen: return chrNoWomen;
    case Graph::Cost: return chrCost;
    case Graph::PerPos: break;
    }
    return chrPerPos;
}

void FrmGraph::draw(Graph graph)
{
    platform::Chart& chart = chartOf(graph);
    chart.setVisible(true);
    for (platform::Chart* other : {&chrNoWomen, &chrCost, &chrPerPos})
        if (other != &chart)
            other->setVisible(false);
    drawn_ = graph;

    const QString region = QString::fromStdString(program.vc.Region);
    switch (graph) {
    case Graph::NoWomen:
        chart.setData(noWomenData());
        chart.setTitle("Number Of Women Developing PID in " + region);
        break;
    case Graph::Cost:
        chart.setData(costData());
        chart.setTitle("Cost of Pid in Dollars for " + region);
        break;
    case Graph::PerPos:
        chart.setData(perPosData());
        chart.setTitle("Test Cost per Positive Identified in " + region);
        break;
    }
}

bool FrmGraph::longForm() const
{
    return program.sel.OptScrTest(int(ScrTestKind::GenProbe)) || program.sel.OptScrTest(int(ScrTestKind::EIA));
}

platform::ChartData FrmGraph::noWomenData()
{
    const VarCon& vc = program.vc;
    platform::ChartData d{"Number of Women Developing PID",
                          chartRows(vc, PerTest::PidNoWom, kPidNoWomNgz, longForm(), women)};
    // The results screen's caption, grouped as it shows it.
    const QString none = platform::numbers::groupedCountText(vc.lblNoPID2);
    d.rows.push_back({"None", none, none});
    return d;
}

platform::ChartData FrmGraph::costData()
{
    const VarCon& vc = program.vc;
    platform::ChartData d{"Cost of PID in Dollars",
                          chartRows(vc, PerTest::PidCost, kPidCostNgz, longForm(), wholeUnits)};
    platform::ChartRow none = wholeUnits(vc.lblPIDCost2);
    none.label = QStringLiteral("None");
    d.rows.push_back(std::move(none));
    return d;
}

platform::ChartData FrmGraph::perPosData()
{
    return {"Test Cost per Positive Identified",
            chartRows(program.vc, PerTest::Pi, kTctpiNgz, longForm(), perPositive)};
}

// --- commands --------------------------------------------------------------------------

void FrmGraph::cmdResume_Click() { hide(); }
void FrmGraph::mnuReturn_Click() { hide(); }

void FrmGraph::cmdNext_Click()
{
    setVisible(false);
    ::FrmGraphResponse& chooser = program.FrmGraphResponse();
    chooser.load();
    chooser.showModal();
}

void FrmGraph::mnuNoWomenPID_Click() { cmdNoWomen_Click(); }
void FrmGraph::mnuCostofPID_Click() { cmdCost_Click(); }
void FrmGraph::mnuCostPerPositive_Click() { cmdCostPerPos_Click(); }
void FrmGraph::mnuExit_Click() { program.end(); }

// --- printing ----------------------------------------------------------------------------

void FrmGraph::cmdPrint_Click() { mnuPrint_Click(); }

void FrmGraph::mnuPrint_Click()
{
    const QString answer = runtime().dialogs().inputBox(kPrintPrompt, {}, QStringLiteral("4"));
    if (answer == QLatin1String("1"))
        printGraphs({Graph::NoWomen});
    else if (answer == QLatin1String("2"))
        printGraphs({Graph::Cost});
    else if (answer == QLatin1String("3"))
        printGraphs({Graph::PerPos});
    else if (answer == QLatin1String("4"))
        printGraphs({Graph::NoWomen, Graph::PerPos, Graph::Cost});
    else
        runtime().dialogs().msgBox(kNothingPrinted, platform::Buttons::Ok, platform::Icon::None);
    // Sends what was printed as one job; a failure has been reported to the user.
    runtime().printer().endDoc();
}

void FrmGraph::setButtonsVisible(bool visible)
{
    cmdResume.setVisible(visible);
    cmdNext.setVisible(visible);
    cmdPrint.setVisible(visible);
}

// Each chart goes on a page of its own, as the screen shows it without its
// buttons. The buttons come back whatever became of the print.
void FrmGraph::printGraphs(const std::vector<Graph>& graphs)
{
    setButtonsVisible(false);
    for (Graph g : graphs) {
        draw(g);
        printForm();
    }
    setButtonsVisible(true);
}
