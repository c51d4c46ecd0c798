#pragma once
// The start-up form: asks once whether every screen is to be maximised, then
// shows the product's name and waits for a key or a click to open the
// instructions.

#include "platform/Control.h"
#include "platform/Form.h"

class Program;

class frmSplash : public platform::Form {
public:
    explicit frmSplash(Program& p);

    platform::Frame Frame1{*this, "Frame1"};
    platform::Image imgLogo{*this, "imgLogo"};
    platform::Label lblProductName{*this, "lblProductName"};
    platform::Label lblProductName2{*this, "lblProductName2"};
    platform::Label lblInstruction{*this, "lblInstruction"};
    platform::Label lblDate{*this, "lblDate"};

    void Form_Load() override;
    void Form_KeyPress(int keyAscii) override;
    void Frame1_Click();
    void imgLogo_Click();
    void lblDate_Click();
    void lblInstruction_Click();
    void lblProductName_Click();
    void lblProductName2_Click();

private:
    // Every key and every click on the splash does the same.
    void leaveSplash();

    Program& program;
};
