#include "questionnaire/FrmConfirm.h"

#include "app/Program.h"
#include "platform/Dialogs.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmTesting.h"
#include "testchars/FrmTestCost.h"

namespace {
const QColor kButtonCyan(0, 255, 255);
} // namespace

FrmConfirm::FrmConfirm(Program& p) : platform::Form(p.runtime(), "FrmConfirm"), program(p)
{
    designCaption("Confirmation Testing");
    designBorder(platform::BorderStyle::FixedDialog);
    designClientSize(5460, 2850);
    designBackColor(Qt::white);

    Label1.designGeometry(240, 600, 3972, 372);
    Label1.designCaption("Do you confirm positive test results?");
    Label1.designBackColor(Qt::white);

    optConfirm[0].designGeometry(360, 1320, 1212, 252);
    optConfirm[0].designCaption("Yes");
    optConfirm[0].designTabIndex(2);
    optConfirm[1].designGeometry(360, 1800, 1212, 252);
    optConfirm[1].designCaption("No");
    optConfirm[1].designTabIndex(1);
    for (int i = 0; i < 2; ++i)
        optConfirm[i].designBackColor(Qt::white);

    cmdForward.designGeometry(3720, 1560, 732, 615);
    cmdForward.designPicture(":/arrow_right.png");
    cmdForward.designTabIndex(3);
    cmdBack.designGeometry(2880, 1560, 735, 615);
    cmdBack.designPicture(":/arrow_left.png");
    cmdBack.designTabIndex(4);
    cmdForward.designBackColor(kButtonCyan);
    cmdBack.designBackColor(kButtonCyan);

    optConfirm.GotFocus = [this](int index) { optConfirm_GotFocus(index); };
    optConfirm.Click = [this](int index) { optConfirm_Click(index); };
    cmdBack.Click = [this] { cmdBack_Click(); };
    cmdForward.Click = [this] { cmdForward_Click(); };
}

void FrmConfirm::optConfirm_GotFocus(int index)
{
    // The question opens answered: the first option to take the focus is
    // chosen. Once an answer stands, a click chooses for itself.
    if (!optConfirm[0].value() && !optConfirm[1].value())
        optConfirm[index].setValue(true);
}

void FrmConfirm::optConfirm_Click(int)
{
    program.sel.confirmsPositives = optConfirm[0].value();
    if (!optConfirm[0].value())
        return;
    const int screening = program.FrmTesting().lstScreenTest.listIndex();
    if (screening == 0 || screening == 1) {
        // The confirmation test's cost, to check or change: PCA after
        // GenProbe, DFA after EIA.
        ::FrmTestCost& costs = program.FrmTestCost();
        costs.show();
        platform::Label& label = screening == 0 ? costs.lblPCA : costs.lblDFA;
        platform::TextBox& field = screening == 0 ? costs.TxtCostPCA : costs.TxtCostDFA;
        label.setVisible(true);
        field.setVisible(true);
        field.setFocus();
        return;
    }
    runtime().dialogs().msgBox(MsgNoConfirmation);
    optConfirm[1].setFocus();
    optConfirm[1].setValue(true);
}

// The question unloaded is unanswered again.
void FrmConfirm::Form_Unload() { program.sel.confirmsPositives = false; }

void FrmConfirm::cmdBack_Click()
{
    unload();
    program.FrmTesting().show();
}

void FrmConfirm::cmdForward_Click()
{
    hide();
    program.FrmQuestPercent().show();
}
