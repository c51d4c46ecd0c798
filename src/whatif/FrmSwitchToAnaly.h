#pragma once
// The projected PID screen: how many women would develop PID, and what it
// would cost, with each screening test, each NGZ option and no screening at
// all. Its load computes the table once; moving between the result screens
// never recomputes it, only an unload and a new load do.

#include "figures/PidProjection.h"
#include "platform/Control.h"
#include "results/ResultScreens.h"
#include "shell/Resize.h"

#include <array>
#include <vector>

class FrmSwitchToAnaly : public ScalingForm {
public:
    explicit FrmSwitchToAnaly(Program& p);

    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::Label lblTitle{*this, "lblTitle"};

    // ---- the six screening tests ----
    platform::Label Label1{*this, "Label1"};
    platform::Label Label14{*this, "Label14"};
    platform::Shape Shape1{*this, "Shape1"};
    platform::Label Label2{*this, "Label2"}, Label3{*this, "Label3"}, Label4{*this, "Label4"},
        Label5{*this, "Label5"}, Label6{*this, "Label6"}, Label7{*this, "Label7"};
    platform::Label lblGPNoWom{*this, "lblGPNoWom"}, lblEIANoWom{*this, "lblEIANoWom"},
        lblPCRCNoWom{*this, "lblPCRCNoWom"}, lblPCRUNoWom{*this, "lblPCRUNoWom"},
        lblLCRCNoWom{*this, "lblLCRCNoWom"}, lblLCRUNoWom{*this, "lblLCRUNoWom"};
    platform::Label lblGPCOP{*this, "lblGPCOP"}, lblEIACOP{*this, "lblEIACOP"}, lblPCRCCOP{*this, "lblPCRCCOP"},
        lblPCRUCOP{*this, "lblPCRUCOP"}, lblLCRCCOP{*this, "lblLCRCCOP"}, lblLCRUCOP{*this, "lblLCRUCOP"};

    // ---- the NGZ options, hidden until the load shows them ----
    platform::Label Label21{*this, "Label21"};
    platform::Shape Shape2{*this, "Shape2"};
    platform::Label lblNGZ1{*this, "lblNGZ1"}, lblNGZ2{*this, "lblNGZ2"}, lblNGZ3{*this, "lblNGZ3"};
    platform::Label lblNGZ1NoWom{*this, "lblNGZ1NoWom"}, lblNGZ2NoWom{*this, "lblNGZ2NoWom"},
        lblNGZ3NoWom{*this, "lblNGZ3NoWom"};
    platform::Label lblNGZ1COP{*this, "lblNGZ1COP"}, lblNGZ2COP{*this, "lblNGZ2COP"},
        lblNGZ3COP{*this, "lblNGZ3COP"};

    // ---- without screening ----
    // The empty name cell comes first so that the heading above, whose last
    // line it overlaps, is drawn over it.
    platform::Label lblNoScrnTst{*this, "lblNoScrnTst"};
    platform::Label Label25{*this, "Label25"};
    platform::Label lblNoScrNoWom{*this, "lblNoScrNoWom"};
    platform::Label lblNoScrCOP{*this, "lblNoScrCOP"};

    // ---- buttons: three picture buttons; the text buttons stay hidden and
    // their commands are reached through the menus ----
    platform::CommandButton cmdCost{*this, "cmdCost"};
    platform::CommandButton cmdGraph{*this, "cmdGraph"};
    platform::CommandButton cmdPrint{*this, "cmdPrint"};
    platform::CommandButton cmdCSSR{*this, "cmdCSSR"};
    platform::CommandButton cmdTest{*this, "cmdTest"};
    platform::CommandButton cmdGraphNoWom{*this, "cmdGraphNoWom"};
    platform::CommandButton cmdMain{*this, "cmdMain"};

    ResultScreenMenus menus;

    void Form_Load() override;
    // Brought back on screen, it shows the figures in use.
    void Form_Shown() override { showFiguresInUse(); }
    // Projects the PID cases over the figures in use and shows them.
    void showFiguresInUse();
    void cmdCost_Click();
    void cmdTest_Click();
    void cmdCSSR_Click();
    void cmdGraph_Click();
    void cmdGraphNoWom_Click();
    void cmdMain_Click();
    void cmdPrint_Click();
    void mnuPrint_Click();

private:
    using TestColumn = std::array<platform::Label*, ScrTestCount>;
    using NgzColumn = std::array<platform::Label*, NgzOptionCount>;

    void showTests(const PidProjection& projection);
    void showNgzOptions(const PidProjection& projection);
    void showNoScreening(const PidProjection& projection);
    // The NGZ heading, names, rule and cells, in the order they are shown.
    std::vector<platform::Control*> ngzRows();

    const TestColumn rowNames{&Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
    const TestColumn testCases{&lblGPNoWom,   &lblEIANoWom,  &lblPCRCNoWom,
                               &lblPCRUNoWom, &lblLCRCNoWom, &lblLCRUNoWom};
    const TestColumn testCost{&lblGPCOP, &lblEIACOP, &lblPCRCCOP, &lblPCRUCOP, &lblLCRCCOP, &lblLCRUCOP};
    const NgzColumn ngzNames{&lblNGZ1, &lblNGZ2, &lblNGZ3};
    const NgzColumn ngzCases{&lblNGZ1NoWom, &lblNGZ2NoWom, &lblNGZ3NoWom};
    const NgzColumn ngzCost{&lblNGZ1COP, &lblNGZ2COP, &lblNGZ3COP};
};
