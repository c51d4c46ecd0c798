#include "questionnaire/FrmQuestPercent.h"

#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "shell/FrmConsole.h"
#include "shell/HouseStyle.h"
#include "fields/Figures.h"

namespace num = platform::numbers;

namespace {
const QColor kEchoBlue(0, 0, 255);
constexpr float kDefaultReturn = 0.79f;
} // namespace

FrmQuestPercent::FrmQuestPercent(Program& p)
    : ScalingForm(p, "FrmQuestPercent"),
      shares_{{{p.fields, txtAzi, AziPercent, fields::percentageFormat(QString::fromUtf8(MsgShare))},
               {p.fields, txtDox, DoxPercent, fields::percentageFormat(QString::fromUtf8(MsgShare))}}},
      return_(p.fields, txtPerReturn, ReturnFrac,
              fields::shareFormat(QString::fromUtf8(MsgReturn), kDefaultReturn, false), fields::OnRefusal::Empty)
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

    // A share taken puts its complement into the other; each echo label
    // shows its share.
    std::optional<double>* percents[] = {&AziPercent, &DoxPercent};
    platform::Label* echoes[] = {&LabelAzi, &LabelDox};
    for (size_t d = 0; d < 2; ++d) {
        shares_[d].taken = [this, d, other = percents[1 - d], own = percents[d]] {
            *other = 100 - **own;
            program.figuresChanged();
        };
        shares_[d].wrote = [this, d, echo = echoes[d]] {
            echo->setCaption(shares_[d].figure ? shares_[d].box.text() + "%" : QString());
        };
    }
    // Leaving the Doxycycline share with a figure offers OK.
    txtDox.LostFocus = [this] {
        shares_[1].lostFocus();
        if (DoxPercent)
            offerOk();
    };
    return_.taken = [this] { program.vc.PerReturn = *ReturnFrac; };
    return_.wrote = [this] { labelReturn.setCaption(ReturnFrac ? fields::percentText(*ReturnFrac) : QString()); };
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
    // A pass asks afresh; loaded again within it (after its close box or its
    // Back), the form shows every figure its fields took, the shares the
    // model has not taken yet included, and offers OK where it was offered.
    if (program.pass().recordLoad(*this)) {
        AziPercent = DoxPercent = std::nullopt;
        ReturnFrac = std::nullopt;
        okOffered_ = false;
        program.figuresChanged();
    }
    if (okOffered_)
        offerOk();
}

// Both shares given: OK, Back and Forward are offered.
void FrmQuestPercent::offerOk()
{
    okOffered_ = true;
    mnuForward.setEnabled(true);
    cmdOk.setVisible(true);
    cmdBack.setVisible(true);
}

void FrmQuestPercent::message(const char* text) { runtime().dialogs().msgBox(QString::fromUtf8(text)); }

// --- commands --------------------------------------------------------------------------------

void FrmQuestPercent::cmdOk_Click()
{
    // OK goes by what the fields show now: the one being typed in counts
    // when its text is accepted; an untouched return rate takes its default.
    for (auto& share : shares_)
        share.accept();
    return_.accept();
    const std::optional<float> azi = AziPercent ? std::optional<float>(float(*AziPercent)) : std::nullopt;
    const std::optional<float> dox = DoxPercent ? std::optional<float>(float(*DoxPercent)) : std::nullopt;
    if (!azi || !dox || static_cast<float>(double(*azi) + double(*dox)) != 100.0f) {
        message(MsgSum);
        txtShare_GotFocus(0);
        return;
    }
    if (!ReturnFrac)
        ReturnFrac = kDefaultReturn;
    program.vc.PerAzi = *azi;
    program.vc.PerDox = *dox;
    program.vc.PerReturn = *ReturnFrac;
    program.figuresChanged();
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
