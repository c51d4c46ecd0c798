#pragma once
// The treatment questions: how the treated women split between the two
// antibiotics (percentages adding up to 100), and what share of the women
// with a positive test return for treatment within 30 days.

#include "platform/Control.h"
#include "platform/Menu.h"
#include "fields/BoundField.h"
#include "questionnaire/QuestionFields.h"
#include "shell/Resize.h"

#include <array>
#include <optional>

class FrmQuestPercent : public ScalingForm {
public:
    explicit FrmQuestPercent(Program& p);

    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::Label lblDrug{*this, "lblDrug"};
    platform::Label lblAzi{*this, "lblAzi"};
    platform::TextBox txtAzi{*this, "txtAzi"};
    platform::Label LabelAzi{*this, "LabelAzi"};
    platform::Label lblDox{*this, "lblDox"};
    platform::TextBox txtDox{*this, "txtDox"};
    platform::Label LabelDox{*this, "LabelDox"};
    platform::Label Label3{*this, "Label3"};
    platform::Label lblReturnRate{*this, "lblReturnRate"};
    platform::Label lblPerReturn{*this, "lblPerReturn"};
    platform::TextBox txtPerReturn{*this, "txtPerReturn"};
    platform::Label labelReturn{*this, "labelReturn"};
    platform::CommandButton cmdOk{*this, "cmdOk"};
    platform::CommandButton cmdBack{*this, "cmdBack"};

    platform::MenuItem mnuNavigation{*this, "mnuNavigation", "&File"};
    platform::MenuItem mnuForward{*this, "mnuForward", "Forward", &mnuNavigation};
    platform::MenuItem mnuMain{*this, "mnuMain", "Back to Main", &mnuNavigation};
    platform::MenuItem mnuBack{*this, "mnuBack", "Back to Confirm Test", &mnuNavigation};
    platform::MenuItem mnuSep{*this, "mnuSep", "-", &mnuNavigation};
    platform::MenuItem mnuExit{*this, "mnuExit", "Exit", &mnuNavigation};

    // The answers of the pass: the two shares in percent and the return rate
    // as a fraction, none until given. They outlive an unload within the
    // pass; the fields show them whenever it loads.
    std::optional<double> AziPercent;
    std::optional<double> DoxPercent;
    std::optional<float> ReturnFrac;

    void Form_Load() override;
    // d: 0 Azithromycin, 1 Doxycycline.
    void txtShare_GotFocus(int d) { shares_[size_t(d)].gotFocus(); }
    void txtPerReturn_GotFocus() { return_.gotFocus(); }
    void cmdOk_Click();
    void mnuForward_Click();
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuMain_Click();
    void mnuExit_Click();

    static constexpr const char* MsgShare =
        "Percentage receiving antibiotic cannot be less than zero or greater than 100";
    static constexpr const char* MsgReturn = "Percentage Returning cannot be less than zero or greater than 100";
    static constexpr const char* MsgSum = "value must equal 100%";

private:
    void offerOk();
    void message(const char* text);
    // OK was offered in this pass: the Doxycycline share was left with a figure.
    bool okOffered_ = false;

    std::array<fields::Bound<std::optional<double>>, 2> shares_;
    fields::Bound<std::optional<float>> return_;
};
