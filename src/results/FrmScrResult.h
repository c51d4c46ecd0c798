#pragma once
// "Current Screening Strategy Results": what the user's current screening
// strategy finds, misses and costs, with its NGZ retest rows and PID
// projections; the report prints it, and the switch step leads from here into
// the what-if screens.

#include "platform/Control.h"
#include "results/CurrentStrategy.h"
#include "results/ResultScreens.h"
#include "shell/Resize.h"

#include <memory>
#include <vector>

class FrmScrResult : public ScalingForm {
public:
    explicit FrmScrResult(Program& p);

    // --- frames ---------------------------------------------------------------
    platform::Frame fraPopul{*this, "fraPopul"};
    platform::Frame fraTxStrat{*this, "fraTxStrat"};
    platform::Frame fraScrTest{*this, "fraScrTest"};
    platform::Frame fraNGZtest{*this, "fraNGZtest"};
    platform::Frame fraScrCosts{*this, "fraScrCosts"};
    platform::Frame fraPIDProj{*this, "fraPIDProj"};

    // --- population ---------------------------------------------------------------
    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label18{*this, "Label18"};
    platform::Label lblNoScr18{*this, "lblNoScr18"};
    platform::Label lblNoScr1825{*this, "lblNoScr1825"};
    platform::Label lblNoScr25{*this, "lblNoScr25"};
    platform::Label lblNoScrTotal{*this, "lblNoScrTotal"};
    platform::Label lblNoPo18{*this, "lblNoPo18"};
    platform::Label lblNoPo1825{*this, "lblNoPo1825"};
    platform::Label lblNoPo25{*this, "lblNoPo25"};
    platform::Label lblNoPosTotal{*this, "lblNoPosTotal"};

    // --- treatment ------------------------------------------------------------------
    platform::Label lblTxStraDox{*this, "lblTxStraDox"};
    platform::Label lblTxStraAzi{*this, "lblTxStraAzi"};

    // --- screening outcome ------------------------------------------------------------
    platform::Label lblScrTest1{*this, "lblScrTest1"};
    platform::Label lblNoInf{*this, "lblNoInf"};
    platform::Label lblNoInFo{*this, "lblNoInFo"};
    platform::Label lblNoInMi{*this, "lblNoInMi"};
    platform::Label lblNoFaPo{*this, "lblNoFaPo"};

    // --- NGZ outcome rows -----------------------------------------------------------------
    platform::Label lblNgzTest{*this, "lblNgzTest"};
    platform::Label lblAddInf{*this, "lblAddInf"};
    platform::Label lblInfMis{*this, "lblInfMis"};
    platform::Label lblAdFaPo{*this, "lblAdFaPo"};
    platform::Label lblNgzTest2{*this, "lblNgzTest2"};
    platform::Label lblAddInf2{*this, "lblAddInf2"};
    platform::Label lblInfMis2{*this, "lblInfMis2"};
    platform::Label lblAdFaPo2{*this, "lblAdFaPo2"};

    // --- testing costs ------------------------------------------------------------------------
    platform::Label Label22{*this, "Label22"};
    platform::Label Label28{*this, "Label28"};
    platform::Label lblScrTest2{*this, "lblScrTest2"};
    platform::Label lblCostTest{*this, "lblCostTest"};
    platform::Label lblCostScr{*this, "lblCostScr"};
    platform::Label lblcc{*this, "lblcc"};
    platform::Label lblCostTx{*this, "lblCostTx"};
    platform::Label lblCostTxScr{*this, "lblCostTxScr"};
    platform::Label lblsct{*this, "lblsct"};
    platform::Shape Shape12{*this, "Shape12"};
    platform::Shape Shape13{*this, "Shape13"};
    platform::Label labelFNgz{*this, "labelFNgz"};
    platform::Label labelAdd{*this, "labelAdd"};
    platform::Label labelTotal{*this, "labelTotal"};
    platform::Label lblNGZScrTest{*this, "lblNGZScrTest"};
    platform::Label lblAddCost{*this, "lblAddCost"};
    platform::Label lblTotalCost{*this, "lblTotalCost"};
    platform::Label lblNgzScrTest2{*this, "lblNgzScrTest2"};
    platform::Label lblAddCost2{*this, "lblAddCost2"};
    platform::Label lblTotalCost2{*this, "lblTotalCost2"};

    // --- PID projections --------------------------------------------------------------------------
    platform::Label lblScrTest3{*this, "lblScrTest3"};
    platform::Label lblNoPid{*this, "lblNoPid"};
    platform::Label lblPidCost1{*this, "lblPidCost1"};
    platform::Label Label20{*this, "Label20"};
    platform::Label lblNoPID2{*this, "lblNoPID2"};
    platform::Label lblPIDCost2{*this, "lblPIDCost2"};
    platform::Shape Shape10{*this, "Shape10"};
    platform::Label labelPPNGZ{*this, "labelPPNGZ"};
    platform::Label labelPPNGZtest{*this, "labelPPNGZtest"};
    platform::Label labelPPNoWom{*this, "labelPPNoWom"};
    platform::Label labelPPCOP{*this, "labelPPCOP"};
    platform::Label lblScrTest4{*this, "lblScrTest4"};
    platform::Label lblNoPID3{*this, "lblNoPID3"};
    platform::Label lblPIDCost3{*this, "lblPIDCost3"};
    platform::Label labelNgz{*this, "labelNgz"};
    platform::Label labelNow{*this, "labelNow"};
    platform::Label labelCop{*this, "labelCop"};
    platform::Label lblNgzscrTest5{*this, "lblNgzscrTest5"};
    platform::Label lblNoPid5{*this, "lblNoPid5"};
    platform::Label lblPidCost5{*this, "lblPidCost5"};

    // --- buttons --------------------------------------------------------------------------------------
    platform::CommandButton cmdBack{*this, "cmdBack"};
    platform::CommandButton cmdSwitchTo{*this, "cmdSwitchTo"};
    platform::CommandButton cmdResume{*this, "cmdResume"};
    platform::CommandButton cmdPrint{*this, "cmdPrint"};

    ResultScreenMenus menus;

    // The PID counts of the DFA on EIA and PCR on EIA rows as the screen
    // shows them; 0 while it shows no such row.
    float PidCountDfaEia() const { return pidCountDfaEia_; }
    float PidCountPcrEia() const { return pidCountPcrEia_; }

    void Form_Load() override;
    // Brought back on screen, it shows the figures in use.
    void Form_Shown() override { showFiguresInUse(); }
    // Computes the current strategy from the figures in use and shows it.
    void showFiguresInUse();
    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdResume_Click();
    void cmdSwitchTo_Click();
    void mnuBack_Click();
    void mnuPrint_Click();

private:
    void designPopulation();
    void designTreatment();
    void designScreeningTest();
    void designNgzTest();
    void designCosts();
    void designPidProjections();
    void designButtons();

    void showOutcome(const CurrentStrategyFigures& f);
    void showCosts(const CurrentStrategyFigures& f);
    void showPid(const CurrentStrategyFigures& f);
    void showNgzHeadings(NgzRows rows);
    // The labels of one NGZ row in the outcome, cost and PID frames.
    struct NgzRowLabels {
        platform::Label *outcomeName, *addInfected, *stillMissed, *addFalsePositives;
        platform::Label *costName, *addCost, *totalCost;
        platform::Label *pidName, *pidCount, *pidCost;
    };
    void showNgzRow(const std::optional<NgzRowFigures>& row, const NgzRowLabels& labels);
    void keepEiaPidCounts(const CurrentStrategyFigures& f);
    void reviewTestCharacteristics();

    float pidCountDfaEia_ = 0, pidCountPcrEia_ = 0;

    // Headings no code reads or changes.
    std::vector<std::unique_ptr<platform::Label>> headings_;
};
