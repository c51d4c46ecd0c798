#pragma once
// The switch-to costs screen: what screening would cost with each screening
// test and, for a GenProbe or EIA programme, with each NGZ retest option.
// Its load computes the table once; moving between the result screens never
// recomputes it, only an unload and a new load do.

#include "figures/CostComparison.h"
#include "platform/Control.h"
#include "results/ResultScreens.h"
#include "shell/Resize.h"

#include <array>
#include <vector>

class FrmSwitchToCost : public ScalingForm {
public:
    explicit FrmSwitchToCost(Program& p);

    platform::Label Label10{*this, "Label10"};
    platform::Label Label11{*this, "Label11"};

    // ---- the table of the six screening tests ----
    platform::Label Label12{*this, "Label12"};
    platform::Label Label1{*this, "Label1"}, Label2{*this, "Label2"}, Label3{*this, "Label3"},
        Label4{*this, "Label4"}, Label5{*this, "Label5"}, Label6{*this, "Label6"}, Label7{*this, "Label7"},
        Label8{*this, "Label8"}, Label9{*this, "Label9"};
    platform::Label lblST1{*this, "lblST1"}, lblST2{*this, "lblST2"}, lblST3{*this, "lblST3"},
        lblST4{*this, "lblST4"}, lblST5{*this, "lblST5"}, lblST6{*this, "lblST6"};
    platform::Label lblST1CT{*this, "lblST1CT"}, lblST2CT{*this, "lblST2CT"}, lblST3CT{*this, "lblST3CT"},
        lblST4CT{*this, "lblST4CT"}, lblST5CT{*this, "lblST5CT"}, lblST6CT{*this, "lblST6CT"};
    platform::Label lblST1ISC{*this, "lblST1ISC"}, lblST2ISC{*this, "lblST2ISC"}, lblST3ISC{*this, "lblST3ISC"},
        lblST4ISC{*this, "lblST4ISC"}, lblST5ISC{*this, "lblST5ISC"}, lblST6ISC{*this, "lblST6ISC"};
    platform::Label lblST1CTS{*this, "lblST1CTS"}, lblST2CTS{*this, "lblST2CTS"};
    platform::Label lblST1DTC{*this, "lblST1DTC"}, lblST2DTC{*this, "lblST2DTC"}, lblST3DTC{*this, "lblST3DTC"},
        lblST4DTC{*this, "lblST4DTC"}, lblST5DTC{*this, "lblST5DTC"}, lblST6DTC{*this, "lblST6DTC"};
    platform::Label lblST1TST{*this, "lblST1TST"}, lblST2TST{*this, "lblST2TST"}, lblST3TST{*this, "lblST3TST"},
        lblST4TST{*this, "lblST4TST"}, lblST5TST{*this, "lblST5TST"}, lblST6TST{*this, "lblST6TST"};
    platform::Label lblST1CCST{*this, "lblST1CCST"}, lblST2CCST{*this, "lblST2CCST"},
        lblST3CCST{*this, "lblST3CCST"}, lblST4CCST{*this, "lblST4CCST"}, lblST5CCST{*this, "lblST5CCST"},
        lblST6CCST{*this, "lblST6CCST"};
    platform::Label lblST1MP{*this, "lblST1MP"}, lblST2MP{*this, "lblST2MP"}, lblST3MP{*this, "lblST3MP"},
        lblST4MP{*this, "lblST4MP"}, lblST5MP{*this, "lblST5MP"}, lblST6MP{*this, "lblST6MP"};
    platform::Label lblST1PI{*this, "lblST1PI"}, lblST2PI{*this, "lblST2PI"}, lblST3PI{*this, "lblST3PI"},
        lblST4PI{*this, "lblST4PI"}, lblST5PI{*this, "lblST5PI"}, lblST6PI{*this, "lblST6PI"};
    platform::Shape Shape1{*this, "Shape1"}, Shape2{*this, "Shape2"}, Shape3{*this, "Shape3"},
        Shape4{*this, "Shape4"}, Shape5{*this, "Shape5"}, Shape6{*this, "Shape6"}, Shape7{*this, "Shape7"},
        Shape8{*this, "Shape8"}, Shape9{*this, "Shape9"};

    // ---- the table of the NGZ options, hidden until the load shows it ----
    platform::Label labeltitle1{*this, "labeltitle1"}, labeltitle2{*this, "labeltitle2"},
        labeltitle3{*this, "labeltitle3"}, labeltitle4{*this, "labeltitle4"}, labeltitle5{*this, "labeltitle5"},
        labeltitle6{*this, "labeltitle6"}, labeltitle7{*this, "labeltitle7"}, labeltitle8{*this, "labeltitle8"};
    platform::Label lblNGZT1{*this, "lblNGZT1"}, lblNGZT2{*this, "lblNGZT2"}, lblNGZT3{*this, "lblNGZT3"};
    platform::Label lblAdNGZ1{*this, "lblAdNGZ1"}, lblAdNGZ2{*this, "lblAdNGZ2"}, lblAdNGZ3{*this, "lblAdNGZ3"};
    platform::Label lblCSTNGZ1{*this, "lblCSTNGZ1"}, lblCSTNGZ2{*this, "lblCSTNGZ2"},
        lblCSTNGZ3{*this, "lblCSTNGZ3"};
    platform::Label lblCSCTNGZ1{*this, "lblCSCTNGZ1"}, lblCSCTNGZ2{*this, "lblCSCTNGZ2"},
        lblCSCTNGZ3{*this, "lblCSCTNGZ3"};
    platform::Label lblMP1{*this, "lblMP1"}, lblMP2{*this, "lblMP2"}, lblMP3{*this, "lblMP3"};
    platform::Label lblCATPI1{*this, "lblCATPI1"}, lblCATPI2{*this, "lblCATPI2"}, lblCATPI3{*this, "lblCATPI3"};
    platform::Label lblTCTPI1{*this, "lblTCTPI1"}, lblTCTPI2{*this, "lblTCTPI2"}, lblTCTPI3{*this, "lblTCTPI3"};
    // Declared after the cells, so the ruling lines are drawn over them, as the upper table's are.
    platform::Shape Shape11{*this, "Shape11"}, Shape12{*this, "Shape12"}, Shape13{*this, "Shape13"},
        Shape14{*this, "Shape14"}, Shape15{*this, "Shape15"}, Shape16{*this, "Shape16"}, Shape17{*this, "Shape17"};

    // ---- buttons: three picture buttons; the text buttons stay hidden and
    // their commands are reached through the menus ----
    platform::CommandButton cmdTest{*this, "cmdTest"};
    platform::CommandButton cmdProject{*this, "cmdProject"};
    platform::CommandButton cmdPrint{*this, "cmdPrint"};
    platform::CommandButton cmdCSSR{*this, "cmdCSSR"};
    platform::CommandButton cmdReturn{*this, "cmdReturn"};
    platform::CommandButton cmdGraph{*this, "cmdGraph"};

    ResultScreenMenus menus;

    void Form_Load() override;
    // Brought back on screen, it shows the figures in use.
    void Form_Shown() override { showFiguresInUse(); }
    // Compares the costs over the figures in use and shows them.
    void showFiguresInUse();
    void cmdTest_Click();
    void cmdProject_Click();
    void cmdCSSR_Click();
    void cmdGraph_Click();
    void cmdPrint_Click();
    void cmdReturn_Click();
    void mnuPrint_Click();

private:
    using TestColumn = std::array<platform::Label*, ScrTestCount>;
    using NgzColumn = std::array<platform::Label*, NgzOptionCount>;

    void showTests(const CostComparison& costs);
    void showNgzOptions(const CostComparison& costs);
    // The NGZ title, headings, ruling, row names and cells, in the order they are shown.
    std::vector<platform::Control*> ngzTable();

    const TestColumn rowNames{&lblST1, &lblST2, &lblST3, &lblST4, &lblST5, &lblST6};
    const TestColumn costPerTest{&lblST1CT, &lblST2CT, &lblST3CT, &lblST4CT, &lblST5CT, &lblST6CT};
    const TestColumn initialScreening{&lblST1ISC, &lblST2ISC, &lblST3ISC, &lblST4ISC, &lblST5ISC, &lblST6ISC};
    const TestColumn drugTreatment{&lblST1DTC, &lblST2DTC, &lblST3DTC, &lblST4DTC, &lblST5DTC, &lblST6DTC};
    const TestColumn screenAndTreat{&lblST1TST, &lblST2TST, &lblST3TST, &lblST4TST, &lblST5TST, &lblST6TST};
    const TestColumn confirmScreenAndTreat{&lblST1CCST, &lblST2CCST, &lblST3CCST,
                                           &lblST4CCST, &lblST5CCST, &lblST6CCST};
    const TestColumn missedPositives{&lblST1MP, &lblST2MP, &lblST3MP, &lblST4MP, &lblST5MP, &lblST6MP};
    const TestColumn perTruePositive{&lblST1PI, &lblST2PI, &lblST3PI, &lblST4PI, &lblST5PI, &lblST6PI};

    const NgzColumn ngzNames{&lblNGZT1, &lblNGZT2, &lblNGZT3};
    const NgzColumn ngzAdditional{&lblAdNGZ1, &lblAdNGZ2, &lblAdNGZ3};
    const NgzColumn ngzScreenTreat{&lblCSTNGZ1, &lblCSTNGZ2, &lblCSTNGZ3};
    const NgzColumn ngzScreenConfirmTreat{&lblCSCTNGZ1, &lblCSCTNGZ2, &lblCSCTNGZ3};
    const NgzColumn ngzMissed{&lblMP1, &lblMP2, &lblMP3};
    const NgzColumn ngzPerAdditional{&lblCATPI1, &lblCATPI2, &lblCATPI3};
    const NgzColumn ngzPerTruePositive{&lblTCTPI1, &lblTCTPI2, &lblTCTPI3};
};
