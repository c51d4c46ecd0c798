#include "whatif/FrmGraph.h"

#include "app/Program.h"
#include "figures/GraphFigures.h"
#include "figures/ResultsInUse.h"
#include "model/Families.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "whatif/FrmGraphResponse.h"
#include "whatif/WhatIfStyle.h"

namespace {

const QString kPrintPrompt = QStringLiteral(
    "Which graph would you like to print: \r\n"
    "Select 1 for Number of women \r\n"
    "Select 2 Cost of PID \r\n"
    "Select 3 for Cost per Positive \r\n"
    "Select 4 for all ");

const QString kNothingPrinted = QStringLiteral(
    "If you want to print a graph choose 1, 2 , 3, or 4 Otherwise select ok to not print any graphs.");

} // namespace

FrmGraph::FrmGraph(Program& p) : ScalingForm(p, "FrmGraph")
{
    designCaption("Graph");
    // Opened over the result screens.
    designOpensBeside();
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
}

void FrmGraph::showFiguresInUse() { draw(drawn_); }

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

    const Outlook outlook = OutlookInUse(program.vc, program.sel);
    const QString region = QString::fromStdString(program.vc.Region);
    switch (graph) {
    case Graph::NoWomen:
        chart.setData(PidCasesChart(outlook.projection, longForm()));
        chart.setTitle("Number Of Women Developing PID in " + region);
        break;
    case Graph::Cost:
        chart.setData(PidCostChart(outlook.projection, longForm()));
        chart.setTitle("Cost of Pid in Dollars for " + region);
        break;
    case Graph::PerPos:
        chart.setData(CostPerPositiveChart(outlook.costs, longForm()));
        chart.setTitle("Test Cost per Positive Identified in " + region);
        break;
    }
}

bool FrmGraph::longForm() const
{
    return program.sel.OptScrTest(int(ScrTestKind::GenProbe)) || program.sel.OptScrTest(int(ScrTestKind::EIA));
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
