#include "whatif/FrmSwitchToAnaly.h"

#include "app/Program.h"
#include "figures/ResultsInUse.h"
#include "figures/WhatIfCells.h"
#include "platform/Numbers.h"
#include "shell/HouseStyle.h"
#include "whatif/FrmGraph.h"
#include "whatif/WhatIfStyle.h"

namespace {

constexpr double NameLeft = 2280, NameWidth = 1572;
constexpr double CasesLeft = 4200, CasesWidth = 972;
constexpr double CostLeft = 6840, CostWidth = 1332;
constexpr double RowHeight = 240;
constexpr double TestRowTop = 2040, NgzRowTop = 4320;

template <std::size_t N>
void DesignRows(const std::array<platform::Label*, N>& names, const std::array<platform::Label*, N>& cases,
                const std::array<platform::Label*, N>& cost, double top)
{
    for (std::size_t row = 0; row < N; ++row) {
        const double y = top + RowHeight * double(row);
        DesignCell(*names[row], NameLeft, y, NameWidth, Qt::AlignLeft);
        DesignCell(*cases[row], CasesLeft, y, CasesWidth, Qt::AlignLeft);
        DesignCell(*cost[row], CostLeft, y, CostWidth, Qt::AlignRight);
    }
}

} // namespace

FrmSwitchToAnaly::FrmSwitchToAnaly(Program& p)
    : ScalingForm(p, "FrmSwitchToAnaly"),
      menus(p, *this, WhatIfMenuDesign(ResultScreen::SwitchToAnalysis, "mnuSep"))
{
    designCaption("Switch to Test Projected PID");
    designClientSize(8790, 7320);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label8, Label9, {240, 120, 600, 3492, 18, 0, 1});
    DesignCell(lblTitle, 9360, 120, 2412, Qt::AlignLeft, 492);

    DesignCell(Label1, NameLeft, 960, 4332, Qt::AlignLeft, 852);
    Label1.designCaption("Number of  women who will develop PID, under current screening and treatment , with or "
                         "without confirmation, and no NGZ");
    DesignCell(Label14, CostLeft, 1320, CostWidth, Qt::AlignHCenter, 492);
    Label14.designCaption("Cost of PID");
    DesignRule(Shape1, Rule::Horizontal, NameLeft, 1920, 5892);
    DesignRows(rowNames, testCases, testCost, TestRowTop);
    for (int row = 0; row < ScrTestCount; ++row)
        rowNames[row]->designCaption(PerTest::Name[row]);

    DesignCell(Label21, NameLeft, 3600, 5172, Qt::AlignLeft, 492);
    Label21.designCaption("Number of women who will develop PID, under current screening and treatment, with or "
                          "without Confirmation, with NGZ");
    DesignRule(Shape2, Rule::Horizontal, NameLeft, 4200, 5892);
    DesignRows(ngzNames, ngzCases, ngzCost, NgzRowTop);
    for (platform::Control* c : ngzRows())
        c->designVisible(false);

    DesignCell(Label25, NameLeft, 5520, NameWidth, Qt::AlignLeft, 852);
    Label25.designCaption("Number of women who will develop PID without screening");
    DesignCell(lblNoScrnTst, NameLeft, 6000, NameWidth, Qt::AlignLeft);
    DesignCell(lblNoScrNoWom, CasesLeft, 6000, CasesWidth, Qt::AlignLeft);
    DesignCell(lblNoScrCOP, CostLeft, 6000, CostWidth, Qt::AlignRight);

    DesignPictureButton(cmdCost, ":/arrow_left.png", 6240, 6360, 732, 615);
    DesignPictureButton(cmdGraph, ":/arrow_right.png", 7080, 6360, 732, 615);
    DesignPictureButton(cmdPrint, ":/printer.png", 7920, 6360, 732, 615);
    DesignHiddenButton(cmdCSSR, "Current Screening Strategy", 120, 1920, 2052, 372);
    DesignHiddenButton(cmdTest, "Switch Test \"Click Here\"", 120, 2280, 2052, 372);
    DesignHiddenButton(cmdGraphNoWom, "Graph", 120, 3000, 972, 372);
    DesignHiddenButton(cmdMain, "Return to Console ", 120, 3360, 1812, 372);
    platform::CommandButton* const tabOrder[] = {&cmdCost, &cmdTest, &cmdMain, &cmdGraphNoWom,
                                                 &cmdCSSR, &cmdGraph, &cmdPrint};
    for (int i = 0; i < 7; ++i)
        tabOrder[i]->designTabIndex(2 + i);

    cmdCost.Click = [this] { cmdCost_Click(); };
    cmdGraph.Click = [this] { cmdGraph_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdCSSR.Click = [this] { cmdCSSR_Click(); };
    cmdTest.Click = [this] { cmdTest_Click(); };
    cmdGraphNoWom.Click = [this] { cmdGraphNoWom_Click(); };
    cmdMain.Click = [this] { cmdMain_Click(); };
    // Each menu item runs its button's command, hidden button or not.
    menus.mnuPrint->Click = [this] { mnuPrint_Click(); };
    menus.mnuSwToTest->Click = [this] { cmdTest_Click(); };
    menus.mnuSwToCost->Click = [this] { cmdCost_Click(); };
    menus.mnuCSS->Click = [this] { cmdCSSR_Click(); };
    menus.mnuGraph->Click = [this] { cmdGraphNoWom_Click(); };
}

std::vector<platform::Control*> FrmSwitchToAnaly::ngzRows()
{
    std::vector<platform::Control*> rows{&Label21};
    rows.insert(rows.end(), ngzNames.begin(), ngzNames.end());
    rows.push_back(&Shape2);
    rows.insert(rows.end(), ngzCases.begin(), ngzCases.end());
    rows.insert(rows.end(), ngzCost.begin(), ngzCost.end());
    return rows;
}

void FrmSwitchToAnaly::Form_Load()
{
    scalingPreamble(Centring::Raised);
    showFiguresInUse();
}

void FrmSwitchToAnaly::showFiguresInUse()
{
    const PidProjection projection = ProjectionInUse(program.vc, program.sel);
    showTests(projection);
    for (platform::Control* c : ngzRows())
        c->setVisible(projection.ngzProjected);
    if (projection.ngzProjected)
        showNgzOptions(projection);
    showNoScreening(projection);
}

void FrmSwitchToAnaly::showTests(const PidProjection& projection)
{
    for (int row = 0; row < ScrTestCount; ++row) {
        testCases[row]->setCaption(CountCell(projection.tests[row].cases));
        testCost[row]->setCaption(MoneyCell(projection.tests[row].cost));
    }
}

void FrmSwitchToAnaly::showNgzOptions(const PidProjection& projection)
{
    for (int row = 0; row < NgzOptionCount; ++row) {
        ngzNames[row]->setCaption(NgzOptionName[row]);
        ngzCases[row]->setCaption(CountCell(projection.ngz[row].cases));
        ngzCost[row]->setCaption(MoneyCell(projection.ngz[row].cost));
    }
}

// The figures without screening, written as the results screen writes them.
void FrmSwitchToAnaly::showNoScreening(const PidProjection& projection)
{
    lblNoScrNoWom.setCaption(platform::numbers::groupedCountText(double(projection.noScreeningCases)));
    lblNoScrCOP.setCaption(platform::numbers::formatCurrency(projection.noScreeningCost.toDouble()));
}

// ---- commands ----------------------------------------------------------------

void FrmSwitchToAnaly::cmdCost_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToCost); }

void FrmSwitchToAnaly::cmdTest_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToTest); }

void FrmSwitchToAnaly::cmdCSSR_Click() { showCurrentStrategy(program, *this); }

// The graph screen opens over this one, which stays on screen beneath it.
void FrmSwitchToAnaly::cmdGraph_Click() { program.FrmGraph().show(); }

void FrmSwitchToAnaly::cmdGraphNoWom_Click() { program.FrmGraph().show(); }

void FrmSwitchToAnaly::cmdMain_Click() { program.returnToConsole(); }

void FrmSwitchToAnaly::cmdPrint_Click() { mnuPrint_Click(); }
