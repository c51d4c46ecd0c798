#pragma once
// "Switch To Test": what the current screening test finds beside what each
// of the five other tests would find, and what an NGZ retest of the other of
// GenProbe and EIA would add. The load computes the table once; moving
// between the result screens shows it again unchanged.

#include "figures/SwitchToComparison.h"
#include "platform/Control.h"
#include "results/ResultScreens.h"
#include "shell/Resize.h"

#include <QKeySequence>

#include <memory>
#include <vector>

// The four cells of a figure group, named after the group's stem with the age
// suffix 18, 182, 25 or Tot.
struct CountCells {
    CountCells(platform::Form& f, const QString& stem);
    platform::Label c18, c182, c25, Tot;
    // 0..3: 18, 182, 25, Tot.
    platform::Label& operator[](int i);
};

// A test's row: its name, positives identified, truly infected detected,
// positives missed and false positives.
struct TestRowCells {
    TestRowCells(platform::Form& f, const QString& nameLabel, const QString& stem, const QString& identified,
                 const QString& detected, const QString& missed);
    platform::Label name;
    CountCells NP, ID, PM;
    platform::Label FP;
};

// An NGZ retest's row: its name, truly infected detected, positives missed.
struct NgzRowCells {
    NgzRowCells(platform::Form& f, const QString& nameLabel, const QString& stem);
    platform::Label name;
    CountCells ID, PM;
};

class FrmSwitchTo : public ScalingForm {
public:
    explicit FrmSwitchTo(Program& p);

    platform::Label Label22{*this, "Label22"};
    platform::Label Label23{*this, "Label23"};

    platform::Label Label18{*this, "Label18"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label19{*this, "Label19"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label21{*this, "Label21"};
    CountCells lblATI{*this, "lblATI"};

    platform::Label Label1{*this, "Label1"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label11{*this, "Label11"};
    platform::Label Label12{*this, "Label12"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label14{*this, "Label14"};
    platform::Label Label15{*this, "Label15"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label17{*this, "Label17"};
    platform::Label lblFalsePos{*this, "lblFalsePos"};
    TestRowCells CT{*this, "lblCTSTest", "lblCT", "NPI", "TID", "NPM"};

    platform::Label Label36{*this, "Label36"};
    TestRowCells SAT1{*this, "lblSAT1", "lblSAT1", "NP", "ID", "PM"};
    TestRowCells SAT2{*this, "lblSAT2", "lblSAT2", "NP", "ID", "PM"};
    TestRowCells SAT3{*this, "lblSAT3", "lblSAT3", "NP", "ID", "PM"};
    TestRowCells SAT4{*this, "lblSat4", "lblSAT4", "NP", "ID", "PM"};
    TestRowCells SAT5{*this, "lblSAT5", "lblSAT5", "NP", "ID", "PM"};

    platform::Label labelNgz{*this, "labelNgz"};
    NgzRowCells NGZ1{*this, "lblNGZ1", "lblNGZ1"};
    NgzRowCells NGZ2{*this, "lblNGZ2", "lblNGZ2"};

    platform::CommandButton cmdCost{*this, "cmdCost"};
    platform::CommandButton cmdProject{*this, "cmdProject"};
    platform::CommandButton cmdGraph{*this, "cmdGraph"};
    platform::CommandButton cmdCSSR{*this, "cmdCSSR"};
    platform::CommandButton cmdReturn{*this, "cmdReturn"};
    platform::CommandButton cmdPrint{*this, "cmdPrint"};

    // "&File", "&Result Screens" (this screen's own entry disabled) and "&Graph".
    ResultScreenMenus menus;

    // The rectangles that outline the table, Shape1..Shape46.
    platform::Shape& shape(int number) { return *shapes_.at(static_cast<std::size_t>(number - 1)); }

    // The rows in display order: the current test, then slots 1..5.
    TestRowCells& testRow(int slot);

    void Form_Load() override;
    // Brought back on screen, it shows the figures in use.
    void Form_Shown() override { showFiguresInUse(); }
    // Compares the tests over the figures in use and shows the comparison.
    void showFiguresInUse();
    void cmdCost_Click();
    void cmdCSSR_Click();
    void cmdGraph_Click();
    void cmdPrint_Click();
    void cmdProject_Click();
    void cmdReturn_Click();
    void mnuCSS_Click();
    void mnuSwToCost_Click();
    void mnuSwToAny_Click();
    void mnuGraph_Click();
    void mnuPrint_Click();

private:
    void designTable();
    void designHeads();
    void designShapes();
    void designButtons();
    void showNgzRows(int rows);
    void fill(const switchto::Comparison& comparison);

    std::vector<std::unique_ptr<platform::Shape>> shapes_;
};
