#include "questionnaire/FrmQuestPercent.h"

#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "shell/FrmConsole.h"
#include "shell/HouseStyle.h"
#include "testchars/FieldChecks.h"

namespace num = platform::numbers;

namespace {
const QColor kEchoBlue(0, 0, 255);
constexpr float kDefaultReturn = 0.79f;
} // namespace

FrmQuestPercent::FrmQuestPercent(Program& p) : ScalingForm(p, "FrmQuestPercent")
{
    designCaption("Percentage");
    designClientSize(7440, 4800);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label1, Label2, {120, 120, 720, 3492, 18, 10, 11});

    quest::designLabels({
        {lblDrug, "", 120, 1200, 5652, 492},
        {lblAzi, "Azithromycin", 120, 1920, 1092, 372},
        {LabelAzi, "", 2160, 1920, 612, 372},
        {lblDox, "Doxycycline", 120, 2400, 1092, 372},
        {LabelDox, "", 2160, 2400, 612, 372},
        {Label3, "Please do not advance to the next screen until the blue values match your inputted values.",
         3120, 1920, 3615, 975},
        {lblReturnRate, "", 120, 3120, 5652, 492},
        {lblPerReturn, "Percentage Returning", 120, 3840, 2175, 372},
        {labelReturn, "", 3360, 3840, 732, 372},
    });
    LabelAzi.designForeColor(kEchoBlue);
    LabelDox.designForeColor(kEchoBlue);

    txtAzi.designGeometry(1320, 1920, 612, 408);
    txtAzi.designTabIndex(0);
    txtDox.designGeometry(1320, 2400, 612, 372);
    txtDox.designTabIndex(1);
    txtPerReturn.designGeometry(2520, 3840, 612, 372);
    txtPerReturn.designTabIndex(2);

    cmdOk.designGeometry(6480, 3960, 735, 615);
    cmdOk.designPicture(":/arrow_right.png");
    cmdOk.designTabIndex(3);
    cmdBack.designGeometry(5640, 3960, 735, 615);
    cmdBack.designPicture(":/arrow_left.png");
    cmdBack.designTabIndex(4);
    for (platform::CommandButton* b : {&cmdOk, &cmdBack}) {
        b->designBackColor(Qt::white);
        b->designVisible(false);
    }

    mnuForward.designEnabled(false);
    mnuForward.designVisible(false);

    platform::TextBox* shares[] = {&txtAzi, &txtDox};
    for (int d = 0; d < 2; ++d) {
        shares[d]->GotFocus = [this, d] { txtShare_GotFocus(d); };
        shares[d]->Validate = [this, d](bool& cancel) { txtShare_Validate(d, cancel); };
        shares[d]->LostFocus = [this, d] { txtShare_LostFocus(d); };
    }
    txtPerReturn.GotFocus = [this] { txtPerReturn_GotFocus(); };
    txtPerReturn.Validate = [this](bool& cancel) { txtPerReturn_Validate(cancel); };
    txtPerReturn.LostFocus = [this] { txtPerReturn_LostFocus(); };
    cmdOk.Click = [this] { cmdOk_Click(); };
    cmdBack.Click = [this] { cmdBack_Click(); };
    mnuForward.Click = [this] { mnuForward_Click(); };
    mnuMain.Click = [this] { mnuMain_Click(); };
    mnuBack.Click = [this] { mnuBack_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
}

void FrmQuestPercent::Form_Load()
{
    scalingPreamble();
    lblReturnRate.setCaption(QStringLiteral("What percentage of women return ") +
                             "for treatment within 30 days after a positive chlamydia test ?  (If unsure tab "
                             "through field)");
    lblDrug.setCaption("What percentage of infected women receive Azithromycin? \r\n"
                       "What percentage receive Doxycycline?");
    for (quest::WrittenText& w : writtenShare_)
        w.forget();
    writtenReturn_.forget();
    if (program.pass().answered(*this))
        showAnswersInUse();
}

// Loaded again in a pass that answered it: the answers in use, ready to go on.
void FrmQuestPercent::showAnswersInUse()
{
    const VarCon& vc = program.vc;
    AziPercent = vc.PerAzi;
    DoxPercent = vc.PerDox;
    ReturnFrac = vc.PerReturn;
    writtenShare_[0].write(txtAzi, num::generalFormat(AziPercent));
    writtenShare_[1].write(txtDox, num::generalFormat(DoxPercent));
    writtenReturn_.write(txtPerReturn, num::generalFormat(ReturnFrac));
    LabelAzi.setCaption(txtAzi.text() + "%");
    LabelDox.setCaption(txtDox.text() + "%");
    labelReturn.setCaption(testchars::percentText(ReturnFrac));
    offerOk();
}

// Both shares given: OK, Back and Forward are offered.
void FrmQuestPercent::offerOk()
{
    mnuForward.setEnabled(true);
    cmdOk.setVisible(true);
    cmdBack.setVisible(true);
}

void FrmQuestPercent::message(const char* text) { runtime().dialogs().msgBox(QString::fromUtf8(text)); }

// --- the drug shares ------------------------------------------------------------------------

FrmQuestPercent::ShareField FrmQuestPercent::share(int d)
{
    if (d == 0)
        return {txtAzi, txtDox, LabelAzi, LabelDox, AziPercent, writtenShare_[0], writtenShare_[1]};
    return {txtDox, txtAzi, LabelDox, LabelAzi, DoxPercent, writtenShare_[1], writtenShare_[0]};
}

void FrmQuestPercent::txtShare_GotFocus(int d) { quest::selectWhole(share(d).field); }

void FrmQuestPercent::txtShare_Validate(int d, bool& cancel)
{
    if (quest::valueWithin(share(d).field.text(), 0, 100))
        return;
    cancel = true;
    message(MsgShare);
    txtShare_GotFocus(d);
}

void FrmQuestPercent::txtShare_LostFocus(int d)
{
    ShareField f = share(d);
    const std::optional<double> v = quest::valueWithin(f.field.text(), 0, 100);
    if (!v)
        return;
    // A share this form wrote (the complement of the other, 0.700000000000003
    // say) is a percentage already; only a typed value below 1 is a fraction.
    if (*v > 0 && *v < 1 && !f.written.shownBy(f.field)) {
        f.otherWritten.write(f.other, num::generalFormat(1 - *v));
        f.otherWritten.write(f.other, num::generalFormat(*num::toDouble(f.other.text()) * 100));
        f.written.write(f.field, num::generalFormat(*v * 100));
    } else {
        f.otherWritten.write(f.other, num::generalFormat(100 - *v));
        f.written.write(f.field, num::asciiDigits(f.field.text()));
    }
    f.echo.setCaption(f.field.text() + "%");
    f.otherEcho.setCaption(f.other.text() + "%");
    f.percent = *num::toFloat(f.field.text());
    if (d == 1)
        offerOk();
}

// --- the return rate --------------------------------------------------------------------------

void FrmQuestPercent::txtPerReturn_GotFocus() { quest::selectWhole(txtPerReturn); }

void FrmQuestPercent::txtPerReturn_Validate(bool& cancel)
{
    if (quest::valueAbove(txtPerReturn.text(), 0, 100))
        return;
    if (txtPerReturn.text().isEmpty()) {
        txtPerReturn.setText(num::generalFormat(kDefaultReturn));
        return;
    }
    cancel = true;
    message(MsgReturn);
    txtPerReturn.setText(QString());
    txtPerReturn_GotFocus();
}

void FrmQuestPercent::txtPerReturn_LostFocus()
{
    const std::optional<double> v = quest::valueAbove(txtPerReturn.text(), 0, 100);
    if (!v)
        return;
    // The fraction this field wrote itself stands: "1" there means 100 %.
    if (*v >= 1 && !writtenReturn_.shownBy(txtPerReturn))
        writtenReturn_.write(txtPerReturn, num::generalFormat(*v / 100));
    else
        writtenReturn_.write(txtPerReturn, num::asciiDigits(txtPerReturn.text()));
    ReturnFrac = *num::toFloat(txtPerReturn.text());
    labelReturn.setCaption(testchars::percentText(ReturnFrac));
    program.vc.PerReturn = ReturnFrac;
}

// --- commands --------------------------------------------------------------------------------

void FrmQuestPercent::cmdOk_Click()
{
    // OK goes by what the fields show now, not by the values of the last
    // time each was left; an untouched return rate takes its default.
    const std::optional<float> azi = num::toFloat(txtAzi.text());
    const std::optional<float> dox = num::toFloat(txtDox.text());
    if (!azi || !dox || static_cast<float>(double(*azi) + double(*dox)) != 100.0f) {
        message(MsgSum);
        txtShare_GotFocus(0);
        return;
    }
    AziPercent = *azi;
    DoxPercent = *dox;
    ReturnFrac = txtPerReturn.text().isEmpty() ? kDefaultReturn : *num::toFloat(txtPerReturn.text());
    program.vc.PerAzi = AziPercent;
    program.vc.PerDox = DoxPercent;
    program.vc.PerReturn = ReturnFrac;
    program.pass().recordAnswered(*this);
    hide();
    program.FrmQuestDrugCost().show();
}

void FrmQuestPercent::mnuForward_Click() { cmdOk_Click(); }

void FrmQuestPercent::cmdBack_Click() { mnuBack_Click(); }

void FrmQuestPercent::mnuBack_Click()
{
    unload();
    program.FrmConfirm().show();
}

void FrmQuestPercent::mnuMain_Click()
{
    program.returnToConsole({"FrmQuestPercent", "FrmDraftCostTest", "FrmGraph", "FrmInitQuest",
                             "FrmInstructSwitch", "FrmQuest", "FrmQuestDrugCost", "FrmQuestPop", "FrmSenSpec",
                             "FrmTesting", "FrmTestCost"});
    program.clearQuestionnaireFlags();
}

void FrmQuestPercent::mnuExit_Click() { program.end(); }
