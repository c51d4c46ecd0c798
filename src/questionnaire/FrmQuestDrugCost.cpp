#include "questionnaire/FrmQuestDrugCost.h"

#include "app/Program.h"
#include "model/Equations.h"
#include "platform/Dialogs.h"
#include "model/Families.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "fields/Figures.h"
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
    // Each field is bound to its cost in the model: an accepted cost is the
    // one in use, and the agree step has nothing of its own to write back.
    platform::TextBox* boxes[] = {&txtAzi, &txtDox, &txtPID};
    Money* figures[] = {&program.vc.CostAzi, &program.vc.CostDox, &program.vc.CostPID};
    for (size_t c = 0; c < 3; ++c) {
        boxes[c]->designTabIndex(int(c));
        costs_[c] = std::make_unique<fields::Bound<Money>>(
            program.fields, *boxes[c], *figures[c],
            fields::costFormat(QString::fromUtf8(MsgCost), false, false, QStringLiteral("Cost out of range")),
            fields::OnRefusal::PutBack);
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

void FrmQuestDrugCost::Form_Load()
{
    scalingPreamble();
    lblInstruct.setCaption("What is your cost in the following areas: ");
}

void FrmQuestDrugCost::cmdAgree_Click()
{
    // The three costs are checked first, from the menu as from the button:
    // a refused text stops the step with the field's message.
    for (size_t c = 0; c < 3; ++c) {
        const QString text = costs_[c]->box.text();
        if (!costs_[c]->accept()) {
            runtime().dialogs().msgBox(fields::costRefusal(text, QString::fromUtf8(MsgCost),
                                                           QStringLiteral("Cost out of range")));
            txtCost_GotFocus(int(c));
            return;
        }
    }
    // A positivity changed after the test was chosen may no longer fit the
    // screening test in use; the results are not computed from such figures.
    // The user fixes it on the population form and agrees again. The test's
    // own figures are the ones to check: the result screens leave other
    // tests' figures in the working values.
    if (const std::optional<ScrTestKind> test = program.sel.scrTest()) {
        const VarCon& vc = program.vc;
        if (testchars::refusePositivity(program, [&vc, t = *test] { return testchars::figuresInModel(vc, t); },
                                        PositivityRule::Both, testchars::LeadBack::Positivity))
            return;
    }
    Equations::SetUnitCostsInUse(program.vc, program.sel);
    program.figuresChanged();
    program.showResults();
    hide();
}

void FrmQuestDrugCost::mnuForward_Click() { cmdAgree_Click(); }

void FrmQuestDrugCost::cmdBack_Click()
{
    hide();
    program.FrmQuestPercent().show();
}

void FrmQuestDrugCost::mnuBack_Click() { cmdBack_Click(); }

void FrmQuestDrugCost::mnuExit_Click() { program.end(); }
