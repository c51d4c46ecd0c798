#pragma once
// The graph screen: one of three charts of the what-if results for the
// user's area (women developing PID, the cost of that PID, and the test cost
// per positive identified, under each test and NGZ option). It computes its
// figures from the figures in use whenever it charts them, whatever other
// result screen is loaded. It prints its charts by printing itself, and its
// forward arrow leads to the graph chooser.

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

    // Charts the chart on show again from the figures in use.
    void showFiguresInUse();

    // The chart procedures: each shows its chart alone, computed afresh from
    // the figures in use.
    void cmdNoWomen_Click();
    void cmdCost_Click();
    void cmdCostPerPos_Click();

    void Form_Load() override;
    // Brought back on screen, it charts the figures in use.
    void Form_Shown() override { showFiguresInUse(); }
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
    // With GenProbe or EIA in use the charts add the three NGZ options.
    bool longForm() const;
    void setButtonsVisible(bool visible);
    void printGraphs(const std::vector<Graph>& graphs);

    Graph drawn_ = Graph::NoWomen;
};
