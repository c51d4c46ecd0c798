#pragma once
// The drug and PID costs, and the agree step that ends the questionnaire:
// it takes the cost being typed, fixes the unit costs of the tests in use and
// opens the current strategy's results.

#include "fields/BoundField.h"
#include "model/Money.h"
#include "platform/Control.h"
#include "platform/Menu.h"
#include "questionnaire/QuestionFields.h"
#include "shell/Resize.h"

#include <array>
#include <memory>

class FrmQuestDrugCost : public ScalingForm {
public:
    explicit FrmQuestDrugCost(Program& p);

    platform::Label lblohra{*this, "lblohra"};
    platform::Label Label3{*this, "Label3"};
    platform::Label lblInstruct{*this, "lblInstruct"};
    platform::Label Label1{*this, "Label1"};
    platform::Label lblAzi{*this, "lblAzi"};
    platform::TextBox txtAzi{*this, "txtAzi"};
    platform::Label lblDox{*this, "lblDox"};
    platform::TextBox txtDox{*this, "txtDox"};
    platform::Label Label2{*this, "Label2"};
    platform::Label lblPID{*this, "lblPID"};
    platform::TextBox txtPID{*this, "txtPID"};
    platform::CommandButton cmdAgree{*this, "cmdAgree"};
    platform::CommandButton cmdBack{*this, "cmdBack"};

    platform::MenuItem mnuNavigation{*this, "mnuNavigation", "&File"};
    platform::MenuItem mnuForward{*this, "mnuForward", "Forward", &mnuNavigation};
    platform::MenuItem mnuBack{*this, "mnuBack", "Back", &mnuNavigation};
    platform::MenuItem mnuSep{*this, "mnuSep", "-", &mnuNavigation};
    platform::MenuItem mnuExit{*this, "mnuExit", "Exit", &mnuNavigation};

    void Form_Load() override;
    // c: 0 Azithromycin, 1 Doxycycline, 2 PID.
    void txtCost_GotFocus(int c) { costs_[size_t(c)]->gotFocus(); }
    void cmdAgree_Click();
    void mnuForward_Click();
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();

    static constexpr const char* MsgCost = "Cost has to be numeric and can not be less than or equal to zero.";

private:

    std::array<std::unique_ptr<fields::Bound<Money>>, 3> costs_;
};
