#include "switchto/FrmSwitchTo.h"

#include "app/Program.h"
#include "figures/ResultsInUse.h"
#include "platform/Numbers.h"
#include "shell/HouseStyle.h"
#include "results/FrmScrResult.h"
#include "switchto/SwitchToReport.h"
#include "whatif/WhatIfStyle.h"
#include "whatif/FrmGraph.h"

#include <array>

namespace {

constexpr double CellWidth = 732;
constexpr double CellHeight = 252;
constexpr double GroupWidth = 3252;

// Left of the first cell of each figure group, and of the false positives.
constexpr double IdentifiedLeft = 1320;
constexpr double DetectedLeft = 4680;
constexpr double MissedLeft = 8040;
constexpr double FalsePositiveLeft = 11400;
// Cells of a group stand 840 twips apart.
constexpr double CellPitch = 840;

constexpr double ActualTop = 1680;
constexpr double CurrentTop = 3120;
constexpr double FirstSlotTop = 4080;
constexpr double SlotPitch = 240;
constexpr double FirstNgzTop = 6120;

void designCell(platform::Label& cell, double left, double top)
{
    DesignCell(cell, left, top, CellWidth, Qt::AlignHCenter);
}

void designGroup(CountCells& cells, double left, double top)
{
    for (int i = 0; i < 4; ++i)
        designCell(cells[i], left + i * CellPitch, top);
}

void designText(platform::Label& label, const QString& caption, double left, double top, double width,
                double height, bool centred = false)
{
    DesignHeading(label, caption, left, top + height, width, height, centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

void designName(platform::Label& name, double left, double top, double width)
{
    DesignCell(name, left, top, width, Qt::AlignLeft);
}

void designTestRow(TestRowCells& row, double nameLeft, double nameWidth, double top)
{
    designName(row.name, nameLeft, top, nameWidth);
    designGroup(row.NP, IdentifiedLeft, top);
    designGroup(row.ID, DetectedLeft, top);
    designGroup(row.PM, MissedLeft, top);
    designCell(row.FP, FalsePositiveLeft, top);
}

// The four column heads over the cells at `lefts`; "Totals" stands lower.
void designColumnHeads(std::array<platform::Label*, 4> heads, std::array<double, 4> lefts, double top)
{
    static const char* const captions[3] = {"Females under 18", "Females 18 to 25", "Females over 25"};
    for (int i = 0; i < 3; ++i)
        designText(*heads[i], captions[i], lefts[i], top, CellWidth, 612, true);
    designText(*heads[3], "Totals", lefts[3], top + 120, CellWidth, 492, true);
}

void setCounts(CountCells& cells, const switchto::AgeCells& values)
{
    for (int i = 0; i < 4; ++i)
        cells[i].setCaption(platform::numbers::countText(values[i]));
}

void fillTestRow(TestRowCells& row, const switchto::TestFigures& figures)
{
    row.name.setCaption(QString::fromStdString(figures.name));
    setCounts(row.NP, figures.identified);
    setCounts(row.ID, figures.detected);
    setCounts(row.PM, figures.missed);
    row.FP.setCaption(platform::numbers::countText(figures.falsePositives));
}

void showRow(NgzRowCells& row, bool shown)
{
    row.name.setVisible(shown);
    for (int i = 0; i < 4; ++i) {
        row.ID[i].setVisible(shown);
        row.PM[i].setVisible(shown);
    }
}

} // namespace

CountCells::CountCells(platform::Form& f, const QString& stem)
    : c18(f, stem + "18"), c182(f, stem + "182"), c25(f, stem + "25"), Tot(f, stem + "Tot")
{
}

platform::Label& CountCells::operator[](int i)
{
    std::array<platform::Label*, 4> cells{&c18, &c182, &c25, &Tot};
    return *cells.at(static_cast<std::size_t>(i));
}

TestRowCells::TestRowCells(platform::Form& f, const QString& nameLabel, const QString& stem,
                           const QString& identified, const QString& detected, const QString& missed)
    : name(f, nameLabel), NP(f, stem + identified), ID(f, stem + detected), PM(f, stem + missed),
      FP(f, stem + "FP")
{
}

NgzRowCells::NgzRowCells(platform::Form& f, const QString& nameLabel, const QString& stem)
    : name(f, nameLabel), ID(f, stem + "ID"), PM(f, stem + "PM")
{
    name.designVisible(false);
    for (int i = 0; i < 4; ++i) {
        ID[i].designVisible(false);
        PM[i].designVisible(false);
    }
}

FrmSwitchTo::FrmSwitchTo(Program& p)
    : ScalingForm(p, "FrmSwitchTo"),
      menus(p, *this,
            {.fileSeparator = "mnuSep1",
             .screensMenu = "mnuResultScreens",
             .screensCaption = "&Result Screens",
             .testCaption = "Switch to Test",
             .costCaption = "Switch To Test Cost",
             .analysisCaption = "Switch to Test Analysis",
             .screensSeparator = "mnuSep",
             .currentCaption = "Current Screening Strategy",
             .own = ResultScreen::SwitchToTest,
             .withGraph = true})
{
    designCaption("Switch To Test");
    // Wide enough for the false-positive column (11400 + 732): drawn 11880
    // wide, the form cut that column off.
    designClientSize(12240, 7695);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label22, Label23, {120, 120, 600, 3972, 18, 6, 7});
    designHeads();
    designTable();
    designShapes();
    designButtons();

    // Each entry with a button of its own runs that button's command.
    menus.mnuPrint->Click = [this] { mnuPrint_Click(); };
    menus.mnuSwToCost->Click = [this] { mnuSwToCost_Click(); };
    menus.mnuSwToAny->Click = [this] { mnuSwToAny_Click(); };
    menus.mnuCSS->Click = [this] { mnuCSS_Click(); };
    menus.mnuGraph->Click = [this] { mnuGraph_Click(); };
}

void FrmSwitchTo::designHeads()
{
    designText(Label18, "Actual Truly Infected", DetectedLeft, 720, GroupWidth, CellHeight, true);
    designColumnHeads({&Label2, &Label19, &Label20, &Label21}, {4680, 5520, 6360, 7200}, 960);

    designText(Label3, "Number of Positives Identified", IdentifiedLeft, 2040, GroupWidth, CellHeight, true);
    designText(Label8, "Number Truly infected detected", DetectedLeft, 2040, GroupWidth, CellHeight, true);
    designText(Label13, "Number of Positives Missed", 8280, 2040, 3372, CellHeight, true);
    designColumnHeads({&Label4, &Label5, &Label6, &Label7}, {1320, 2280, 3000, 3840}, 2280);
    designColumnHeads({&Label9, &Label10, &Label11, &Label12}, {4680, 5520, 6360, 7200}, 2280);
    designColumnHeads({&Label14, &Label15, &Label16, &Label17}, {8040, 8880, 9720, 10560}, 2280);
    designText(lblFalsePos, "False Positives", FalsePositiveLeft, 2280, CellWidth, 612, true);

    designText(Label1, "Current Testing Strategy", 240, 2160, 972, 732);
    designText(Label36, "Switch to Another Test", 240, 3600, 2412, 372);
    designText(labelNgz, "Adding NGZ Testing", 240, 5520, 2412, 372);
    labelNgz.designVisible(false);
}

void FrmSwitchTo::designTable()
{
    designGroup(lblATI, DetectedLeft, ActualTop);
    designTestRow(CT, 240, 972, CurrentTop);
    for (int k = 1; k <= 5; ++k)
        designTestRow(testRow(k), 120, 1212, FirstSlotTop + (k - 1) * SlotPitch);
    NgzRowCells* ngz[2] = {&NGZ1, &NGZ2};
    for (int j = 0; j < 2; ++j) {
        const double top = FirstNgzTop + j * SlotPitch;
        designName(ngz[j]->name, 240, top, 1452);
        designGroup(ngz[j]->ID, DetectedLeft, top);
        designGroup(ngz[j]->PM, MissedLeft, top);
    }
}

void FrmSwitchTo::designShapes()
{
    for (int n = 1; n <= 46; ++n) {
        shapes_.push_back(std::make_unique<platform::Shape>(*this, QStringLiteral("Shape%1").arg(n)));
        shapes_.back()->designBorder(Qt::black);
    }
    auto outline = [this](int n, double left, double top, double width, double height) {
        shape(n).designGeometry(left, top, width, height);
    };
    // The three narrow rectangles in the gaps between the four cells of a group.
    auto gaps = [this](std::array<int, 3> numbers, double groupLeft, double top, double height) {
        for (int i = 0; i < 3; ++i)
            shape(numbers[i]).designGeometry(groupLeft + (i + 1) * CellPitch - 120, top, 132, height);
    };
    const double block = 4 * SlotPitch + CellHeight;

    outline(1, DetectedLeft, ActualTop, GroupWidth, CellHeight);
    gaps({2, 3, 4}, DetectedLeft, ActualTop, CellHeight);

    outline(5, IdentifiedLeft, CurrentTop, GroupWidth, CellHeight);
    outline(6, DetectedLeft, CurrentTop, GroupWidth, CellHeight);
    outline(7, MissedLeft, CurrentTop, GroupWidth, CellHeight);
    outline(8, FalsePositiveLeft, CurrentTop, CellWidth, CellHeight);
    gaps({9, 10, 11}, IdentifiedLeft, CurrentTop, CellHeight);
    gaps({12, 13, 14}, DetectedLeft, CurrentTop, CellHeight);
    gaps({15, 16, 17}, MissedLeft, CurrentTop, CellHeight);

    outline(18, IdentifiedLeft, FirstSlotTop, GroupWidth, block);
    outline(19, DetectedLeft, FirstSlotTop, GroupWidth, block);
    outline(20, MissedLeft, FirstSlotTop, GroupWidth, block);
    outline(21, FalsePositiveLeft, FirstSlotTop, CellWidth, block);
    gaps({22, 23, 24}, IdentifiedLeft, FirstSlotTop, block);
    gaps({28, 29, 30}, DetectedLeft, FirstSlotTop, block);
    gaps({31, 32, 35}, MissedLeft, FirstSlotTop, block);

    // The NGZ rows: outlines of both rows or of the first alone, and the gaps
    // of each row; all hidden until a load fills those rows.
    const double secondNgzTop = FirstNgzTop + SlotPitch;
    outline(25, DetectedLeft, FirstNgzTop, GroupWidth, SlotPitch + CellHeight);
    outline(34, MissedLeft, FirstNgzTop, GroupWidth, SlotPitch + CellHeight);
    outline(39, DetectedLeft, FirstNgzTop, GroupWidth, CellHeight);
    outline(40, MissedLeft, FirstNgzTop, GroupWidth, CellHeight);
    gaps({26, 27, 33}, DetectedLeft, FirstNgzTop, CellHeight);
    gaps({36, 37, 38}, MissedLeft, FirstNgzTop, CellHeight);
    gaps({41, 42, 43}, DetectedLeft, secondNgzTop, CellHeight);
    gaps({44, 45, 46}, MissedLeft, secondNgzTop, CellHeight);
    for (int n : {25, 26, 27, 33, 34, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46})
        shape(n).designVisible(false);
}

void FrmSwitchTo::designButtons()
{
    DesignPictureButton(cmdCSSR, ":/arrow_left.png", 9120, 6720, 732, 615);
    DesignPictureButton(cmdCost, ":/arrow_right.png", 9960, 6720, 732, 615);
    DesignPictureButton(cmdPrint, ":/printer.png", 10800, 6720, 735, 615);

    // Text buttons that nothing shows; their commands are on the menus.
    DesignHiddenButton(cmdProject, "Cases of PID  \"Click Here\"", 8880, 600, 1455, 495);
    cmdProject.designBackColor(QColor(128, 255, 128));
    DesignHiddenButton(cmdGraph, "Graphs \"Click Here\"", 8880, 1080, 1455, 495);
    DesignHiddenButton(cmdReturn, "Return to Console", 10320, 600, 1455, 495);

    int tab = 0;
    for (platform::CommandButton* b : {&cmdCost, &cmdProject, &cmdGraph, &cmdCSSR, &cmdReturn, &cmdPrint})
        b->designTabIndex(tab++);

    cmdCost.Click = [this] { cmdCost_Click(); };
    cmdCSSR.Click = [this] { cmdCSSR_Click(); };
    cmdGraph.Click = [this] { cmdGraph_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    cmdProject.Click = [this] { cmdProject_Click(); };
    cmdReturn.Click = [this] { cmdReturn_Click(); };
}

TestRowCells& FrmSwitchTo::testRow(int slot)
{
    std::array<TestRowCells*, 6> rows{&CT, &SAT1, &SAT2, &SAT3, &SAT4, &SAT5};
    return *rows.at(static_cast<std::size_t>(slot));
}

void FrmSwitchTo::Form_Load()
{
    scalingPreamble(Centring::Raised);
    showFiguresInUse();
}

void FrmSwitchTo::showFiguresInUse()
{
    if (const std::optional<switchto::Comparison> comparison = ComparisonInUse(program.vc, program.sel))
        fill(*comparison);
}

void FrmSwitchTo::fill(const switchto::Comparison& comparison)
{
    setCounts(lblATI, comparison.actualInfected);
    fillTestRow(CT, comparison.current);
    for (int k = 1; k <= 5; ++k)
        fillTestRow(testRow(k), comparison.alternatives[k - 1]);
    NgzRowCells* ngz[2] = {&NGZ1, &NGZ2};
    for (std::size_t j = 0; j < comparison.ngzRows.size(); ++j) {
        const switchto::NgzFigures& figures = comparison.ngzRows[j];
        ngz[j]->name.setCaption(QString::fromStdString(figures.name));
        setCounts(ngz[j]->ID, figures.detected);
        setCounts(ngz[j]->PM, figures.missed);
    }
    showNgzRows(static_cast<int>(comparison.ngzRows.size()));
}

// The rows the comparison has are shown, the others hidden.
void FrmSwitchTo::showNgzRows(int rows)
{
    labelNgz.setVisible(rows > 0);
    showRow(NGZ1, rows > 0);
    for (int n : {26, 27, 33, 36, 37, 38})
        shape(n).setVisible(rows > 0);
    shape(39).setVisible(rows == 1);
    shape(40).setVisible(rows == 1);
    showRow(NGZ2, rows > 1);
    for (int n : {25, 34, 41, 42, 43, 44, 45, 46})
        shape(n).setVisible(rows > 1);
}

void FrmSwitchTo::cmdCost_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToCost); }

void FrmSwitchTo::cmdProject_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToAnalysis); }

// Back to the current strategy; unlike the cost and projection screens, this
// one also makes sure the results screen offers to resume the comparison.
void FrmSwitchTo::cmdCSSR_Click()
{
    showCurrentStrategy(program, *this);
    program.FrmScrResult().cmdResume.setVisible(true);
}

// The graph screen opens over this screen, which stays visible beneath it.
void FrmSwitchTo::cmdGraph_Click() { program.FrmGraph().show(); }

void FrmSwitchTo::cmdPrint_Click() { mnuPrint_Click(); }

// The questionnaire flags stay as they are; "Return to Main" clears them.
void FrmSwitchTo::cmdReturn_Click() { program.returnToConsole(); }

void FrmSwitchTo::mnuCSS_Click() { cmdCSSR_Click(); }

void FrmSwitchTo::mnuSwToCost_Click() { cmdCost_Click(); }

void FrmSwitchTo::mnuSwToAny_Click() { cmdProject_Click(); }

void FrmSwitchTo::mnuGraph_Click() { cmdGraph_Click(); }

void FrmSwitchTo::mnuPrint_Click() { switchto::PrintReport(*this, runtime().printer()); }
