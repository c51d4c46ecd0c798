#pragma once
// The graph chooser: a small modal dialog at the end of the application that
// offers another chart on the graph screen or the end of the program.

#include "platform/Control.h"
#include "platform/Form.h"

class Program;
class FrmGraph;

class FrmGraphResponse : public platform::Form {
public:
    explicit FrmGraphResponse(Program& p);

    platform::Label Label1{*this, "Label1"};
    platform::CommandButton cmdNoWom{*this, "cmdNoWom"};
    platform::CommandButton cmdCostPerPos{*this, "cmdCostPerPos"};
    platform::CommandButton cmdTestCost{*this, "cmdTestCost"};
    platform::CommandButton cmdEnd{*this, "cmdEnd"};

    void cmdNoWom_Click();
    void cmdCostPerPos_Click();
    void cmdTestCost_Click();
    void cmdEnd_Click();

    // Closing the dialog returns to the graph screen as it was: otherwise the
    // graph screen would stay hidden behind a dialog that is gone.
    void Form_CloseBox() override;
    // Escape leaves the dialog as its close box does.
    void Form_KeyPress(int keyAscii) override;

private:
    // Hides the dialog and brings the graph screen back; the caller then draws its chart.
    ::FrmGraph& backToGraph();

    Program& program;
};
