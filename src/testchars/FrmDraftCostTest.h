#pragma once
// The test-cost calculator: works out the labour and materials cost of one
// test from a laboratory's own batch, staffing and kit figures. A cost the
// user confirms becomes that test's unit cost at once.

#include "model/Money.h"
#include "platform/Control.h"
#include "platform/Menu.h"
#include "shell/Resize.h"
#include "fields/BoundField.h"

#include <QKeySequence>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

struct TestTypeDesign;
struct VarCon;

class FrmDraftCostTest : public ScalingForm {
public:
    explicit FrmDraftCostTest(Program& p);
    ~FrmDraftCostTest() override;

    platform::Label lblohra{*this, "lblohra"};
    platform::Label lblohra2{*this, "lblohra2"};
    platform::Label lblInstruct{*this, "lblInstruct"};
    platform::Label Labeltestbat{*this, "Labeltestbat"};
    platform::TextBox txtTstPerBat{*this, "txtTstPerBat"};
    platform::Label LabelBatDay{*this, "LabelBatDay"};
    platform::TextBox txtBatPerDay{*this, "txtBatPerDay"};
    platform::Label labelContBat{*this, "labelContBat"};
    platform::TextBox txtContPerBat{*this, "txtContPerBat"};
    platform::Label LabelLabhours{*this, "LabelLabhours"};
    platform::TextBox txtLabHour{*this, "txtLabHour"};
    platform::Label labelTestkits{*this, "labelTestkits"};
    platform::TextBox txtTestKits{*this, "txtTestKits"};
    platform::Label labelReagTrans{*this, "labelReagTrans"};
    platform::TextBox txtReagTrans{*this, "txtReagTrans"};
    platform::Label lblLaborMaterials{*this, "lblLaborMaterials"};
    platform::CommandButton cmdNext{*this, "cmdNext"};
    platform::CommandButton cmdGP{*this, "cmdGP"};
    platform::CommandButton cmdEIA{*this, "cmdEIA"};
    platform::CommandButton cmdLcr{*this, "cmdLcr"};
    platform::CommandButton cmdPcr{*this, "cmdPcr"};
    platform::CommandButton cmdDfa{*this, "cmdDfa"};
    platform::CommandButton cmdPca{*this, "cmdPca"};
    platform::CommandButton cmdReset{*this, "cmdReset"};

    platform::MenuItem mnuFile{*this, "mnuFile", "&File"};
    platform::MenuItem mnuNext{*this, "mnuNext", "Next", &mnuFile};
    platform::MenuItem mnuReset{*this, "mnuReset", "Reset", &mnuFile, QKeySequence(Qt::Key_F9)};
    platform::MenuItem mnuTestType{*this, "mnuTestType", "T&est Type"};
    platform::MenuItem mnuTTGP{*this, "mnuTTGP", "GenProbe", &mnuTestType, QKeySequence(Qt::Key_F1)};
    platform::MenuItem mnuTTEIA{*this, "mnuTTEIA", "EIA", &mnuTestType, QKeySequence(Qt::Key_F2)};
    platform::MenuItem mnuTTLCR{*this, "mnuTTLCR", "LCR", &mnuTestType, QKeySequence(Qt::Key_F3)};
    platform::MenuItem mnuTTPCR{*this, "mnuTTPCR", "PCR", &mnuTestType, QKeySequence(Qt::Key_F4)};
    platform::MenuItem mnuTTDFA{*this, "mnuTTDFA", "DFA", &mnuTestType, QKeySequence(Qt::Key_F5)};
    platform::MenuItem mnuTTPCA{*this, "mnuTTPCA", "PCA", &mnuTestType, QKeySequence(Qt::Key_F6)};
    platform::MenuItem mnuTCTestCost{*this, "mnuTCTestCost", "&Test Cost"};
    platform::MenuItem mnuTCGP{*this, "mnuTCGP", "Genprobe", &mnuTCTestCost, QKeySequence(Qt::CTRL | Qt::Key_F1)};
    platform::MenuItem mnuTCEIA{*this, "mnuTCEIA", "EIA", &mnuTCTestCost, QKeySequence(Qt::CTRL | Qt::Key_F2)};
    platform::MenuItem mnuTCLCR{*this, "mnuTCLCR", "LCR", &mnuTCTestCost, QKeySequence(Qt::CTRL | Qt::Key_F3)};
    platform::MenuItem mnuTCPCR{*this, "mnuTCPCR", "PCR", &mnuTCTestCost, QKeySequence(Qt::CTRL | Qt::Key_F4)};
    platform::MenuItem mnuTCDFA{*this, "mnuTCDFA", "DFA", &mnuTCTestCost, QKeySequence(Qt::CTRL | Qt::Key_F5)};
    platform::MenuItem mnuTCPCA{*this, "mnuTCPCA", "PCA", &mnuTCTestCost, QKeySequence(Qt::CTRL | Qt::Key_F6)};

    // Form-level state: it outlives an unload; a load only clears TestType.
    int16_t TestType = 0;
    QString TestName;
    float TstPerBat = 0;
    float BatPerDay = 0;
    float ContPerBat = 0;
    float TstPerDay = 0;
    Money LabHour;
    Money TestKits;
    Money ReagTrans;
    Money LaborPerTest;
    Money MatPerTest;
    Money MatPerTestCtl;
    Money LaborMaterials;

    void Form_Load() override;
    void Form_MouseMove() override;
    void cmdNext_MouseMove();
    void cmdNext_Click();
    void cmdReset_Click();
    void cmdGP_Click();
    void cmdEIA_Click();
    void cmdLcr_Click();
    void cmdPcr_Click();
    void cmdDfa_Click();
    void txtTstPerBat_GotFocus() { tstPerBat_.gotFocus(); }

private:
    void chooseType(const TestTypeDesign& type);
    void testCostItem(const TestTypeDesign& type);
    void computeCost(const TestTypeDesign& type);
    bool storeFocusedField();
    bool figuresMissing();
    void offerCost(const TestTypeDesign& type);
    void refocus(void (FrmDraftCostTest::*gotFocus)());
    void txtBatPerDay_GotFocus() { batPerDay_.gotFocus(); }

    fields::Bound<float> tstPerBat_;
    fields::Bound<float> batPerDay_;
    fields::Bound<float> contPerBat_;
    fields::Bound<Money> labHour_;
    fields::Bound<Money> testKits_;
    fields::Bound<Money> reagTrans_;
    bool skipValidation_ = false;
};
