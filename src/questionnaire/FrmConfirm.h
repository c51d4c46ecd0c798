#pragma once
// The confirmation question: whether positive screening results are
// confirmed. The answer chosen is kept in the selection, where the results
// read it. It survives the return to the console, so the next pass finds
// the last answer.

#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"

class Program;

class FrmConfirm : public platform::Form {
public:
    explicit FrmConfirm(Program& p);

    platform::Label Label1{*this, "Label1"};
    // 0 "Yes", 1 "No".
    platform::ControlArray<platform::OptionButton, 2> optConfirm{*this, "optConfirm"};
    platform::CommandButton cmdForward{*this, "cmdForward"};
    platform::CommandButton cmdBack{*this, "cmdBack"};

    void Form_Unload() override;
    void optConfirm_GotFocus(int index);
    void optConfirm_Click(int index);
    void cmdBack_Click();
    void cmdForward_Click();

    static constexpr const char* MsgNoConfirmation =
        "Confirmatory test are not done on PCR or LCR Cx/Ur because of high Specificity Values So the selection "
        "No to the Confirmatory test question has already been made";

private:
    Program& program;
};
