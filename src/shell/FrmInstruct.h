#pragma once
// The instruction chooser: a small modal dialog that offers another
// instruction page or goes on to the model.

#include "platform/Control.h"
#include "platform/Form.h"

class Program;
class FrmInstructSwitch;

class FrmInstruct : public platform::Form {
public:
    explicit FrmInstruct(Program& p);

    platform::Label Label1{*this, "Label1"};
    platform::CommandButton cmdAbout{*this, "cmdAbout"};
    platform::CommandButton cmdDocumen{*this, "cmdDocumen"};
    platform::CommandButton cmdDetInstruc{*this, "cmdDetInstruc"};
    platform::CommandButton cmdGenInstruc{*this, "cmdGenInstruc"};
    platform::CommandButton cmdHotKey{*this, "cmdHotKey"};
    platform::CommandButton cmdModel{*this, "cmdModel"};

    void cmdAbout_Click();
    void cmdDocumen_Click();
    void cmdDetInstruc_Click();
    void cmdGenInstruc_Click();
    void cmdHotKey_Click();
    void cmdModel_Click();

    // Closing the dialog goes on to the model: otherwise the viewer would
    // stay hidden and no window of the program would be left on screen.
    void Form_CloseBox() override;

private:
    // Brings the viewer back; the caller then sets its page.
    ::FrmInstructSwitch& backToViewer();

    Program& program;
};
