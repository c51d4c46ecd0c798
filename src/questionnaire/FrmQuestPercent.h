#pragma once
// The treatment questions: how the treated women split between the two
// antibiotics (percentages adding up to 100), and what share of the women
// with a positive test return for treatment within 30 days.

#include "platform/Control.h"
#include "platform/Menu.h"
#include "questionnaire/QuestionFields.h"
#include "shell/Resize.h"

#include <array>

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

    // The two shares in percent and the return rate as a fraction, as last
    // left; they outlive an unload.
    float AziPercent = 0;
    float DoxPercent = 0;
    float ReturnFrac = 0;

    void Form_Load() override;
    // d: 0 Azithromycin, 1 Doxycycline.
    void txtShare_GotFocus(int d);
    void txtShare_Validate(int d, bool& cancel);
    void txtShare_LostFocus(int d);
    void txtPerReturn_GotFocus();
    void txtPerReturn_Validate(bool& cancel);
    void txtPerReturn_LostFocus();
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
    void showAnswersInUse();
    void offerOk();
    struct ShareField {
        platform::TextBox& field;
        platform::TextBox& other;
        platform::Label& echo;
        platform::Label& otherEcho;
        float& percent;
        quest::WrittenText& written;
        quest::WrittenText& otherWritten;
    };
    ShareField share(int d);
    void message(const char* text);

    std::array<quest::WrittenText, 2> writtenShare_;
    quest::WrittenText writtenReturn_;
};
