#pragma once
// The graph screen: one of three charts of the what-if results for the
// user's area (women developing PID, the cost of that PID, and the test cost
// per positive identified, under each test and NGZ option). It computes
// nothing: it charts what the cost and projection screens left in the model
// state. It prints its charts by printing itself, and its forward arrow leads
// to the graph chooser.

#include "platform/Chart.h"
#include "platform/Control.h"
#include "platform/Menu.h"
#include "shell/Resize.h"

#include <QKeySequence>

class FrmGraph : public ScalingForm {
public:
    explicit FrmGraph(Program& p);

    platform::Chart chrNoWomen{*this, "chrNoWomen"};
    platform::Chart chrCost{*this, "chrCost"};
    platform::Chart chrPerPos{*this, "chrPerPos"};
    platform::CommandButton cmdResume{*this, "cmdResume"};
    platform::CommandButton cmdNext{*this, "cmdNext"};
    platform::CommandButton cmdPrint{*this, "cmdPrint"};

    platform::MenuItem mnuFile{*this, "mnuFile", "&File"};
    platform::MenuItem mnuPrint{*this, "mnuPrint", "Print", &mnuFile, QKeySequence(Qt::CTRL | Qt::Key_P)};
    platform::MenuItem mnuSep{*this, "mnuSep", "-", &mnuFile};
    platform::MenuItem mnuReturn{*this, "mnuReturn", "Return to Previous Screen", &mnuFile,
                                 QKeySequence(Qt::CTRL | Qt::Key_R)};
    platform::MenuItem mnuExit{*this, "mnuExit", "Exit", &mnuFile, QKeySequence(Qt::Key_F12)};
    platform::MenuItem mnuGraph{*this, "mnuGraph", "&Graph"};
    platform::MenuItem mnuNoWomenPID{*this, "mnuNoWomenPID", "No Women PID", &mnuGraph,
                                     QKeySequence(Qt::Key_F1)};
    platform::MenuItem mnuCostofPID{*this, "mnuCostofPID", "Cost of PID", &mnuGraph, QKeySequence(Qt::Key_F2)};
    platform::MenuItem mnuCostPerPositive{*this, "mnuCostPerPositive", "Cost per Positive", &mnuGraph,
                                          QKeySequence(Qt::Key_F3)};

    // Draws the chart on show again from the model state as it is now, when
    // the screen is loaded. Showing the screen does this too, so it never
    // charts the figures of an earlier switch step; the switch step calls it
    // for a graph screen left open meanwhile.
    void chartLatestFigures();

    // The chart procedures: each shows its chart alone, drawn afresh from the
    // model state.
    void cmdNoWomen_Click();
    void cmdCost_Click();
    void cmdCostPerPos_Click();

    void Form_Load() override;
    void cmdResume_Click();
    void cmdNext_Click();
    void cmdPrint_Click();
    void mnuPrint_Click();
    void mnuReturn_Click();
    void mnuExit_Click();
    void mnuNoWomenPID_Click();
    void mnuCostofPID_Click();
    void mnuCostPerPositive_Click();

private:
    enum class Graph { NoWomen, Cost, PerPos };

    void draw(Graph graph);
    platform::Chart& chartOf(Graph graph);
    platform::ChartData noWomenData();
    platform::ChartData costData();
    platform::ChartData perPosData();
    // With GenProbe or EIA in use the charts add the three NGZ options.
    bool longForm() const;
    void setButtonsVisible(bool visible);
    void printGraphs(const std::vector<Graph>& graphs);

    Graph drawn_ = Graph::NoWomen;
};
