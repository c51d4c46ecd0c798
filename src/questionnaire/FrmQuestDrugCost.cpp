#include "questionnaire/FrmQuestDrugCost.h"

#include "app/Program.h"
#include "results/FrmScrResult.h"
#include "model/Equations.h"
#include "platform/Dialogs.h"
#include "model/Families.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "shell/HouseStyle.h"
#include "testchars/PositivityCheck.h"

#include <exception>

FrmQuestDrugCost::FrmQuestDrugCost(Program& p) : ScalingForm(p, "FrmQuestDrugCost")
{
    designCaption("Drug and Disease Cost");
    designClientSize(7560, 5280);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(lblohra, Label3, {360, 120, 720, 3372, 18, 10, 11});

    quest::designLabels({
        {lblInstruct, "", 240, 1080, 6132, 204},
        {Label1, "Antibiotic Cost per Dose", 240, 1560, 2772, 372},
        {lblAzi, "Azithromycin", 480, 2280, 1452, 372},
        {lblDox, "Doxycycline", 480, 2760, 1452, 372},
        {Label2, "Disease Cost per Case", 240, 3600, 2772, 372},
        {lblPID, "Pelvic Inflammatory Disease (PID)", 480, 4440, 3252, 372},
    });
    Label1.designBold();
    Label2.designBold();

    txtAzi.designGeometry(2160, 2280, 1212, 372);
    txtDox.designGeometry(2160, 2760, 1212, 372);
    txtPID.designGeometry(3840, 4440, 1212, 372);
    platform::TextBox* fields[] = {&txtAzi, &txtDox, &txtPID};
    for (int c = 0; c < 3; ++c) {
        fields[c]->designTabIndex(c);
        fields[c]->GotFocus = [this, c] { txtCost_GotFocus(c); };
        fields[c]->Validate = [this, c](bool& cancel) { txtCost_Validate(c, cancel); };
        fields[c]->LostFocus = [this, c] { txtCost_LostFocus(c); };
    }

    cmdAgree.designGeometry(6600, 4440, 732, 612);
    cmdAgree.designPicture(":/arrow_right.png");
    cmdAgree.designTabIndex(3);
    cmdBack.designGeometry(5760, 4440, 732, 612);
    cmdBack.designPicture(":/arrow_left.png");
    cmdBack.designTabIndex(4);
    cmdAgree.designBackColor(Qt::white);
    cmdBack.designBackColor(Qt::white);

    cmdAgree.Click = [this] { cmdAgree_Click(); };
    cmdBack.Click = [this] { cmdBack_Click(); };
    mnuForward.Click = [this] { mnuForward_Click(); };
    mnuBack.Click = [this] { mnuBack_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
}

FrmQuestDrugCost::CostField FrmQuestDrugCost::cost(int c)
{
    switch (c) {
    case 0: return {txtAzi, &VarCon::CostAzi, AziDoseCost, written_[0]};
    case 1: return {txtDox, &VarCon::CostDox, DoxDoseCost, written_[1]};
    default: return {txtPID, &VarCon::CostPID, PidCaseCost, written_[2]};
    }
}

void FrmQuestDrugCost::Form_Load()
{
    scalingPreamble();
    lblInstruct.setCaption("What is your cost in the following areas: ");
    // Each pass starts from the costs the model holds now.
    for (int c : {1, 0, 2}) {
        CostField f = cost(c);
        f.accepted = program.vc.*f.model;
        f.written.write(f.field, quest::currencyMoney(f.accepted));
    }
}

void FrmQuestDrugCost::showAccepted(int c)
{
    CostField f = cost(c);
    f.written.write(f.field, quest::plainMoney(f.accepted));
}

void FrmQuestDrugCost::txtCost_GotFocus(int c)
{
    // The field shows the cost it last accepted, so a typed cost is not lost
    // by coming back to it before the agree step.
    showAccepted(c);
    quest::selectWhole(cost(c).field);
}

std::optional<Money> FrmQuestDrugCost::costShown(int c)
{
    CostField f = cost(c);
    if (f.written.shownBy(f.field))
        return f.accepted;
    return quest::costOf(f.field.text());
}

void FrmQuestDrugCost::txtCost_Validate(int c, bool& cancel)
{
    if (costShown(c))
        return;
    cancel = true;
    runtime().dialogs().msgBox(quest::costRefusal(cost(c).field.text(), MsgCost));
    txtCost_GotFocus(c);
}

void FrmQuestDrugCost::txtCost_LostFocus(int c)
{
    const std::optional<Money> m = costShown(c);
    if (!m)
        return;
    CostField f = cost(c);
    f.accepted = *m;
    f.written.write(f.field, quest::currencyMoney(f.accepted));
}

void FrmQuestDrugCost::cmdAgree_Click()
{
    // The three costs are checked first, from the menu as from the button:
    // a refused text stops the step with the field's message.
    for (int c = 0; c < 3; ++c) {
        if (!costShown(c)) {
            runtime().dialogs().msgBox(quest::costRefusal(cost(c).field.text(), MsgCost));
            txtCost_GotFocus(c);
            return;
        }
    }
    if (refusesPositivity())
        return;
    VarCon& vc = program.vc;
    for (int c : {1, 0, 2}) {
        CostField f = cost(c);
        f.accepted = *costShown(c);
        vc.*f.model = f.accepted;
    }
    program.fields.refresh();
    Equations::SetCostConfirm(vc);
    Equations::SetCostNgz(vc, program.sel);
    Equations::SetCostScrTest(vc, program.sel);
    program.FrmScrResult().show();
    hide();
}

// A positivity changed after the test was chosen may no longer fit the
// screening test in use; the results are not computed from such figures.
// The way back is the population form, over this one, with the group's
// positivity in focus; the user then agrees again.
bool FrmQuestDrugCost::refusesPositivity()
{
    const std::optional<ScrTestKind> test = program.sel.scrTest();
    if (!test)
        return false;
    const auto inUse = [this, test] {
        const VarCon& vc = program.vc;
        return testchars::TestFigures{QString::fromLatin1(PerTest::Name[size_t(*test)]), vc.SensScr, vc.SpecScr};
    };
    const std::optional<testchars::PositivityConflict> conflict = testchars::positivityConflict(program.vc, inUse());
    if (!conflict)
        return false;
    runtime().dialogs().msgBox(testchars::conflictMessage(program.vc, inUse(), *conflict));
    program.FrmQuestPop().showToFit(inUse, conflict->group);
    return true;
}

void FrmQuestDrugCost::mnuForward_Click() { cmdAgree_Click(); }

void FrmQuestDrugCost::cmdBack_Click()
{
    hide();
    program.FrmQuestPercent().show();
}

void FrmQuestDrugCost::mnuBack_Click() { cmdBack_Click(); }

void FrmQuestDrugCost::mnuExit_Click() { program.end(); }
