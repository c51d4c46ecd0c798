#pragma once
// The sensitivity and specificity form: the sensitivity, specificity and unit
// cost of every screening test and NGZ retest, the two PID probabilities and
// the drugs' compliance-and-cure rates. Its first load of a pass puts the
// default rates into the model, a later load shows the figures in use; the
// form that opens it decides which rows and frames it shows.

#include "platform/Control.h"
#include "shell/Resize.h"
#include "fields/BoundField.h"
#include "model/Money.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

struct PositivityConflict;
struct VarCon;
enum class ScrTestKind;

// The rows of the test frame: the six screening tests in the model's order,
// then the three NGZ retests.
enum class SenSpecRow { GP, EIA, PCRC, PCRU, LCRC, LCRU, PCRGP, DFAEIA, PCREIA };

class FrmSenSpec : public ScalingForm {
public:
    explicit FrmSenSpec(Program& p);
    ~FrmSenSpec() override;

    platform::Label lblInstruction{*this, "lblInstruction"};
    platform::Frame fraScrTest{*this, "fraScrTest"};
    platform::Frame fraProb{*this, "fraProb"};
    platform::CommandButton cmdNext{*this, "cmdNext"};
    platform::CommandButton cmdBack{*this, "cmdBack"};

    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::Label lblCost{*this, "lblCost"};
    platform::Label lblNGZTitle{*this, "lblNGZTitle"};

    platform::Label lblGP{*this, "lblGP"};
    platform::TextBox TxtGPSens{*this, "TxtGPSens"};
    platform::TextBox TxtGPSpec{*this, "TxtGPSpec"};
    platform::TextBox txtTestCostGp{*this, "txtTestCostGp"};
    platform::Label lblEIA{*this, "lblEIA"};
    platform::TextBox TxtEIASens{*this, "TxtEIASens"};
    platform::TextBox TxtEIASpec{*this, "TxtEIASpec"};
    platform::TextBox txtTestCostEia{*this, "txtTestCostEia"};
    platform::Label lblPCRC{*this, "lblPCRC"};
    platform::TextBox TxtPCRCSens{*this, "TxtPCRCSens"};
    platform::TextBox TxtPCRCSpec{*this, "TxtPCRCSpec"};
    platform::TextBox txtTestCostPCRC{*this, "txtTestCostPCRC"};
    platform::Label lblPCRU{*this, "lblPCRU"};
    platform::TextBox TxtPCRUSens{*this, "TxtPCRUSens"};
    platform::TextBox TxtPCRUSpec{*this, "TxtPCRUSpec"};
    platform::TextBox txtTestCostPCRU{*this, "txtTestCostPCRU"};
    platform::Label lblLCRC{*this, "lblLCRC"};
    platform::TextBox TxtLCRCSens{*this, "TxtLCRCSens"};
    platform::TextBox TxtLCRCSpec{*this, "TxtLCRCSpec"};
    platform::TextBox txtTestCostLCRC{*this, "txtTestCostLCRC"};
    platform::Label lblLCRU{*this, "lblLCRU"};
    platform::TextBox TxtLCRUSens{*this, "TxtLCRUSens"};
    platform::TextBox TxtLCRUSpec{*this, "TxtLCRUSpec"};
    platform::TextBox txtTestCostLCRU{*this, "txtTestCostLCRU"};
    platform::Label lblPCRGP{*this, "lblPCRGP"};
    platform::TextBox txtPCRGPSens{*this, "txtPCRGPSens"};
    platform::TextBox txtPCRGPSpec{*this, "txtPCRGPSpec"};
    platform::TextBox txtTestCostPCRGP{*this, "txtTestCostPCRGP"};
    platform::Label lblDFAEIA{*this, "lblDFAEIA"};
    platform::TextBox txtDFAEIASens{*this, "txtDFAEIASens"};
    platform::TextBox txtDFAEIASpec{*this, "txtDFAEIASpec"};
    platform::TextBox txtTestCostEIADFA{*this, "txtTestCostEIADFA"};
    platform::Label lblPCREIA{*this, "lblPCREIA"};
    platform::TextBox txtPCREIASens{*this, "txtPCREIASens"};
    platform::TextBox txtPCREIASpec{*this, "txtPCREIASpec"};
    platform::TextBox txtTestCostEIAPCR{*this, "txtTestCostEIAPCR"};

    platform::Label Label20{*this, "Label20"};
    platform::Label Label18{*this, "Label18"};
    platform::TextBox txtProbPid{*this, "txtProbPid"};
    platform::Label Label19{*this, "Label19"};
    platform::TextBox txtProbPidFactor{*this, "txtProbPidFactor"};
    platform::Label lblCCratedox{*this, "lblCCratedox"};
    platform::TextBox txtCCRateDox{*this, "txtCCRateDox"};
    platform::Label lblCCRateAzi{*this, "lblCCRateAzi"};
    platform::TextBox txtCCRateAzi{*this, "txtCCRateAzi"};

    // Form-level texts.
    QString strPrevMsg;
    QString strResponse;
    QString strSorryMsg;

    void Form_Load() override;
    void Form_MouseMove() override;
    void fraProb_MouseMove();
    void fraScrTest_MouseMove();
    void cmdNext_Click();
    void cmdBack_Click();

    // Asks whether to change the positivity (1) or the test's figure (2).
    void Spec_Response(const QString& question);
    // The way back to a screening test's figure that does not fit the
    // positivity: the test's row on screen, the sensitivity or specificity
    // the conflict is about in focus.
    void showFigure(ScrTestKind test, const PositivityConflict& conflict);

    // --- what the opening forms use ---------------------------------------------
    // The rates the form holds, in the order its first load writes their
    // defaults; its costs are the unit-cost form's.
    static std::vector<float VarCon::*> rates();
    // A row's label and its sensitivity, specificity and test-cost fields.
    platform::Label& rowLabel(SenSpecRow row);
    platform::TextBox& sensitivityField(SenSpecRow row);
    platform::TextBox& specificityField(SenSpecRow row);
    platform::TextBox& testCostField(SenSpecRow row);
    // Turns on the row's label, then its three fields, open to change (a
    // view that locks the tests in use locks them after).
    void showRow(SenSpecRow row);
    // Disables the fields of the tests in use, as the selection holds them:
    // the screening test's row and its retests' rows, and any field that
    // shares a figure with one of them (the two PCR retests share one cost).
    // Every other row's fields are enabled.
    void lockTestsInUse();
    // Disables the row's sensitivity, specificity and test-cost fields, in that order.
    void lockRow(SenSpecRow row);
    // The GotFocus operation of a rate or test-cost field: its whole text
    // selected and the focus in it.
    void GotFocusOf(platform::TextBox& field);
    void TxtGPSens_GotFocus() { GotFocusOf(TxtGPSens); }
    void TxtEIASens_GotFocus() { GotFocusOf(TxtEIASens); }
    void TxtPCRCSens_GotFocus() { GotFocusOf(TxtPCRCSens); }
    void TxtPCRUSens_GotFocus() { GotFocusOf(TxtPCRUSens); }
    void TxtLCRCSens_GotFocus() { GotFocusOf(TxtLCRCSens); }
    void TxtLCRUSens_GotFocus() { GotFocusOf(TxtLCRUSens); }
    // The comparison view of the results screen's switch step: every row and
    // the cost heading on, the fields of the tests in use locked and no
    // others, the test frame shown, the probability frame hidden. The caller
    // then shows the form modally.
    void prepareComparisonView();
    // The probability view of the question preview, shown without waiting.
    void showProbabilityView();

private:
    struct Row {
        platform::Label& label;
        platform::TextBox& sens;
        platform::TextBox& spec;
        platform::TextBox& cost;
    };
    Row row(SenSpecRow r);
    fields::Bound<float>* rateField(platform::TextBox& box);
    fields::Field* boundField(platform::TextBox& box);
    void designRows();
    void designProbabilities();
    fields::Verdict checkPositivity(platform::TextBox& field, float read, bool outOfRange);
    fields::Verdict checkLowSpecificities();

    std::vector<std::unique_ptr<fields::Bound<float>>> rates_;
    std::vector<std::unique_ptr<fields::Bound<Money>>> costs_;
};
