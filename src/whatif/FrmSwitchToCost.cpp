#include "whatif/FrmSwitchToCost.h"

#include "app/Program.h"
#include "figures/ResultsInUse.h"
#include "figures/WhatIfCells.h"
#include "shell/HouseStyle.h"
#include "whatif/FrmGraph.h"
#include "whatif/WhatIfStyle.h"

namespace {

constexpr Qt::Alignment Left = Qt::AlignLeft;
constexpr Qt::Alignment Centre = Qt::AlignHCenter;
constexpr Qt::Alignment Right = Qt::AlignRight;

// The upper table: row tops, column lefts (row names first) and cell size.
constexpr double TestRowTop = 1920, RowHeight = 240;
constexpr double TestColumnLeft[9] = {480, 1680, 2880, 4080, 5280, 6480, 7680, 8880, 10080};
constexpr double TestCellWidth = 972;
constexpr double TestHeadingBottom = 1812;

// The NGZ table.
constexpr double NgzRowTop = 5760;
constexpr double NgzColumnLeft[7] = {480, 2040, 3480, 4920, 6360, 7800, 9240};
constexpr double NgzCellWidth = 1212, NgzNameWidth = 1332;
constexpr double NgzHeadingBottom = 5652;

template <std::size_t N>
void DesignColumn(const std::array<platform::Label*, N>& column, double left, double top, double width,
                  Qt::Alignment align)
{
    for (std::size_t row = 0; row < column.size(); ++row)
        DesignCell(*column[row], left, top + RowHeight * double(row), width, align);
}

template <std::size_t N, class Value, class Format>
void FillColumn(const std::array<platform::Label*, N>& column, const Value& rows, Format format)
{
    for (std::size_t row = 0; row < column.size(); ++row)
        column[row]->setCaption(format(rows[row]));
}

} // namespace

FrmSwitchToCost::FrmSwitchToCost(Program& p)
    : ScalingForm(p, "FrmSwitchToCost"),
      menus(p, *this, WhatIfMenuDesign(ResultScreen::SwitchToCost, "mnuSepp"))
{
    designCaption("Switch to Test Costs");
    designClientSize(11430, 7770);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label10, Label11, {240, 120, 600, 3972, 18, 0, 1});

    // ---- the six screening tests ----
    DesignCell(Label12, 480, 960, 3000, Left);
    Label12.designCaption("Screening Test Cost");
    const double* x = TestColumnLeft;
    const double w = TestCellWidth, bottom = TestHeadingBottom;
    DesignHeading(Label1, "Screening Test", x[0], bottom, w, 492, Centre);
    DesignHeading(Label2, "Cost per Test", x[1], bottom, w, 492, Centre);
    DesignHeading(Label3, "Initial Screening Cost", x[2], bottom, w, 732, Centre);
    DesignHeading(Label4, "Confirmation Testing Cost", x[3], bottom + 3, w, 732, Right);
    DesignHeading(Label5, "Drug Treatment Cost", x[4], bottom, w, 732, Right);
    DesignHeading(Label6, "Total Cost to Screen and Treat", x[5], bottom, w, 732, Right);
    DesignHeading(Label7, "Total Cost  to Confirm Screen and Treat", x[6], bottom, w, 972, Right);
    DesignHeading(Label8, "Missed Positives", x[7], bottom, w, 492, Right);
    DesignHeading(Label9, "Cost per True Positive Identified", x[8], bottom, w, 1212, Right);

    DesignColumn(rowNames, x[0], TestRowTop, w, Left);
    DesignColumn(costPerTest, x[1], TestRowTop, w, Right);
    DesignColumn(initialScreening, x[2], TestRowTop, w, Right);
    DesignCell(lblST1CTS, x[3], TestRowTop, w, Right);
    DesignCell(lblST2CTS, x[3], TestRowTop + RowHeight, w, Right);
    DesignColumn(drugTreatment, x[4], TestRowTop, w, Right);
    DesignColumn(screenAndTreat, x[5], TestRowTop, w, Right);
    DesignColumn(confirmScreenAndTreat, x[6], TestRowTop, w, Right);
    DesignColumn(missedPositives, x[7], TestRowTop, w, Centre);
    DesignColumn(perTruePositive, x[8], TestRowTop, w, Right);

    DesignRule(Shape1, Rule::Horizontal, 480, TestRowTop, 10572);
    platform::Shape* const testRules[] = {&Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape7, &Shape8, &Shape9};
    for (int i = 0; i < 8; ++i)
        DesignRule(*testRules[i], Rule::Vertical, x[i + 1] - 120, TestRowTop, 1452);

    // ---- the NGZ options ----
    const double* nx = NgzColumnLeft;
    const double nw = NgzCellWidth, nbottom = NgzHeadingBottom;
    DesignCell(labeltitle1, 480, 4680, 3000, Left);
    labeltitle1.designCaption("NGZ Testing Costs");
    DesignHeading(labeltitle2, "NGZ Test", nx[0], nbottom, NgzNameWidth, 252, Left);
    DesignHeading(labeltitle3, "Additional NGZ Testing and Treatment Cost", nx[1], nbottom, nw, 972, Right);
    DesignHeading(labeltitle4, "Total Costs screen Treat and NGZ", nx[2], nbottom, nw, 732, Right);
    DesignHeading(labeltitle5, "Total Costs To Screen, Confirm, Treat, and NGZ", nx[3], nbottom, nw, 972, Right);
    DesignHeading(labeltitle6, "Missed Positives", nx[4], nbottom, nw, 252, Right);
    DesignHeading(labeltitle7, "Cost per additional True Positive Identified", nx[5], nbottom, nw, 972, Right);
    DesignHeading(labeltitle8, "Total Cost per True Positive Identified", nx[6], nbottom, nw, 732, Right);

    DesignColumn(ngzNames, nx[0], NgzRowTop, NgzNameWidth, Left);
    DesignColumn(ngzAdditional, nx[1], NgzRowTop, nw, Right);
    DesignColumn(ngzScreenTreat, nx[2], NgzRowTop, nw, Right);
    DesignColumn(ngzScreenConfirmTreat, nx[3], NgzRowTop, nw, Right);
    DesignColumn(ngzMissed, nx[4], NgzRowTop, nw, Centre);
    DesignColumn(ngzPerAdditional, nx[5], NgzRowTop, nw, Right);
    DesignColumn(ngzPerTruePositive, nx[6], NgzRowTop, nw, Right);

    DesignRule(Shape11, Rule::Horizontal, 480, NgzRowTop, 9972);
    platform::Shape* const ngzRules[] = {&Shape12, &Shape13, &Shape14, &Shape15, &Shape16, &Shape17};
    for (int i = 0; i < 6; ++i)
        DesignRule(*ngzRules[i], Rule::Vertical, nx[i + 1] - 120, NgzRowTop, 732);

    for (platform::Control* c : ngzTable())
        c->designVisible(false);

    // ---- buttons ----
    DesignPictureButton(cmdTest, ":/arrow_left.png", 8640, 6720, 732, 615);
    DesignPictureButton(cmdProject, ":/arrow_right.png", 9480, 6720, 732, 615);
    DesignPictureButton(cmdPrint, ":/printer.png", 10320, 6720, 732, 615);
    DesignHiddenButton(cmdCSSR, "Current Screening Strategy", 1560, 6720, 1215, 372);
    DesignHiddenButton(cmdReturn, "Return to Console", 2760, 6720, 1215, 372);
    DesignHiddenButton(cmdGraph, "Graphs  \"Click Here\"", 1560, 7080, 1215, 372);
    cmdTest.designTabIndex(2);
    cmdProject.designTabIndex(3);
    cmdPrint.designTabIndex(4);
    cmdCSSR.designTabIndex(5);
    cmdReturn.designTabIndex(6);
    cmdGraph.designTabIndex(7);

    cmdTest.Click = [this] { cmdTest_Click(); };
    cmdProject.Click = [this] { cmdProject_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdCSSR.Click = [this] { cmdCSSR_Click(); };
    cmdReturn.Click = [this] { cmdReturn_Click(); };
    cmdGraph.Click = [this] { cmdGraph_Click(); };
    // Each menu item runs its button's command, hidden button or not.
    menus.mnuPrint->Click = [this] { mnuPrint_Click(); };
    menus.mnuSwToTest->Click = [this] { cmdTest_Click(); };
    menus.mnuSwToAny->Click = [this] { cmdProject_Click(); };
    menus.mnuCSS->Click = [this] { cmdCSSR_Click(); };
    menus.mnuGraph->Click = [this] { cmdGraph_Click(); };
}

std::vector<platform::Control*> FrmSwitchToCost::ngzTable()
{
    std::vector<platform::Control*> table{&labeltitle1, &labeltitle2, &labeltitle3, &labeltitle4,
                                          &labeltitle5, &labeltitle6, &labeltitle7, &labeltitle8,
                                          &Shape11,     &Shape12,     &Shape13,     &Shape14,
                                          &Shape15,     &Shape16,     &Shape17};
    for (const NgzColumn* column : {&ngzNames, &ngzAdditional, &ngzScreenTreat, &ngzScreenConfirmTreat,
                                    &ngzMissed, &ngzPerAdditional, &ngzPerTruePositive})
        table.insert(table.end(), column->begin(), column->end());
    return table;
}

void FrmSwitchToCost::Form_Load()
{
    scalingPreamble(Centring::Raised);
    showFiguresInUse();
}

void FrmSwitchToCost::showFiguresInUse()
{
    const CostComparison costs = CostsInUse(program.vc, program.sel);
    showTests(costs);
    for (platform::Control* c : ngzTable())
        c->setVisible(costs.ngzCosted);
    if (costs.ngzCosted)
        showNgzOptions(costs);
}

void FrmSwitchToCost::showTests(const CostComparison& costs)
{
    const auto& t = costs.tests;
    for (int row = 0; row < ScrTestCount; ++row)
        rowNames[row]->setCaption(PerTest::Name[row]);
    FillColumn(costPerTest, t, [](const TestCosts& c) { return UnitCostCell(c.costPerTest); });
    FillColumn(initialScreening, t, [](const TestCosts& c) { return MoneyCell(c.initialScreening); });
    lblST1CTS.setCaption(MoneyCell(t[0].confirmation));
    lblST2CTS.setCaption(MoneyCell(t[1].confirmation));
    FillColumn(drugTreatment, t, [](const TestCosts& c) { return MoneyCell(c.drugTreatment); });
    FillColumn(screenAndTreat, t, [](const TestCosts& c) { return MoneyCell(c.screenAndTreat); });
    FillColumn(confirmScreenAndTreat, t, [](const TestCosts& c) { return MoneyCell(c.confirmScreenAndTreat); });
    FillColumn(missedPositives, t, [](const TestCosts& c) { return CountCell(c.missedPositives); });
    FillColumn(perTruePositive, t, [](const TestCosts& c) { return MoneyCell(c.perTruePositive); });
}

void FrmSwitchToCost::showNgzOptions(const CostComparison& costs)
{
    const auto& n = costs.ngz;
    for (int row = 0; row < NgzOptionCount; ++row)
        ngzNames[row]->setCaption(NgzOptionName[row]);
    FillColumn(ngzAdditional, n, [](const NgzOptionCosts& c) { return MoneyCell(c.additional); });
    FillColumn(ngzScreenTreat, n, [](const NgzOptionCosts& c) { return MoneyCell(c.screenTreatAndNgz); });
    FillColumn(ngzScreenConfirmTreat, n, [](const NgzOptionCosts& c) { return MoneyCell(c.screenConfirmTreatAndNgz); });
    FillColumn(ngzMissed, n, [](const NgzOptionCosts& c) { return CountCell(c.missedPositives); });
    FillColumn(ngzPerAdditional, n, [](const NgzOptionCosts& c) { return MoneyCell(c.perAdditionalPositive); });
    FillColumn(ngzPerTruePositive, n, [](const NgzOptionCosts& c) { return MoneyCell(c.perTruePositive); });
}

// ---- commands ----------------------------------------------------------------

void FrmSwitchToCost::cmdTest_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToTest); }

void FrmSwitchToCost::cmdProject_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToAnalysis); }

void FrmSwitchToCost::cmdCSSR_Click() { showCurrentStrategy(program, *this); }

// The graph screen opens over this one, which stays on screen beneath it.
void FrmSwitchToCost::cmdGraph_Click() { program.FrmGraph().show(); }

void FrmSwitchToCost::cmdPrint_Click() { mnuPrint_Click(); }

void FrmSwitchToCost::cmdReturn_Click() { program.returnToConsole(); }
