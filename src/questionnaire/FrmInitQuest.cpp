#include "questionnaire/FrmInitQuest.h"

#include "app/Program.h"
#include "questionnaire/FrmQuestPop.h"
#include "shell/HouseStyle.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"

namespace {
const QColor kHeadingGrey(192, 192, 192);
} // namespace

const std::array<const char*, 8> FrmInitQuest::Questions = {
    "On average, how many asymptomatic females do you screen for Chlamydia trachomatis annually? ",
    "Have you determined the percentage of positve chlamydia infections in females?",
    "What screening test do you use for chlamydia trachomatis?  (One test per session please)",
    "Do you test in the Negative Gray Zone?",
    "Do you confirm positive test results?",
    "What percentage of women receive treatment within 30 days after a positive chlamydia test? ",
    "What percentage of women receive Azithromycin or Doxycycline?",
    "What do you pay for a full dose of medication to treat one individual?",
};

FrmInitQuest::FrmInitQuest(Program& p) : ScalingForm(p, "FrmInitQuest")
{
    designCaption("Questions Preview");
    designClientSize(9480, 6000);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(lblOHRA, Label4, {240, 120, 600, 3372, 18, 10, 11});

    Label5.designGeometry(360, 1080, 7935, 615);
    Label5.designCaption("This is a preview of the questions you will be asked in the model. ");
    Label5.designFont("Times New Roman", 12);
    lblInstruction.designGeometry(360, 1800, 7935, 375);

    struct Heading {
        platform::Label& label;
        const char* caption;
        double top;
    };
    for (const Heading& h : {Heading{Label1, "Population", 2400}, Heading{Label2, "Testing", 3360},
                             Heading{Label3, "Treatment", 4560}}) {
        h.label.designGeometry(240, h.top, 972, 252);
        h.label.designCaption(h.caption);
        h.label.designBackColor(kHeadingGrey);
        h.label.designBold();
    }
    const double questionTop[] = {2760, 3000, 3720, 3960, 4200, 4920, 5160, 5400};
    platform::Label* questions[] = {&lblQuest1, &lblQuest2, &lblQuest3, &lblQuest4,
                                    &lblQuest5, &lblQuest6, &lblQuest7, &lblQuest8};
    for (int i = 0; i < 8; ++i)
        questions[i]->designGeometry(360, questionTop[i], 7812, 252);
    for (platform::Label* l : {&Label5, &lblInstruction, &lblQuest1, &lblQuest2, &lblQuest3, &lblQuest4,
                               &lblQuest5, &lblQuest6, &lblQuest7, &lblQuest8})
        l->designBackColor(kCyan);

    cmdNext.designGeometry(8520, 5160, 735, 615);
    cmdNext.designPicture(":/arrow_right.png");
    cmdNext.designBackColor(Qt::white);
    cmdNext.designTabIndex(0);

    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdNext.MouseMove = [this] { cmdNext_MouseMove(); };
    mnuForward.Click = [this] { mnuForward_Click(); };
    mnuTestCostCalculator.Click = [this] { mnuTestCostCalculator_Click(); };
    mnuProbabilities.Click = [this] { mnuProbabilities_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
}

void FrmInitQuest::Form_Load()
{
    scalingPreamble();
    lblInstruction.setCaption(HelpBegin);
    platform::Label* questions[] = {&lblQuest1, &lblQuest2, &lblQuest3, &lblQuest4,
                                    &lblQuest5, &lblQuest6, &lblQuest7, &lblQuest8};
    for (size_t i = 0; i < Questions.size(); ++i)
        questions[i]->setCaption(Questions[i]);
    // The unit-cost form's load puts the default costs into the model, on
    // every pass: the return commands unload it.
    program.FrmTestCost().load();
}

void FrmInitQuest::Form_MouseMove() { lblInstruction.setCaption(HelpBegin); }

void FrmInitQuest::cmdNext_MouseMove() { lblInstruction.setCaption(HelpArrow); }

void FrmInitQuest::cmdNext_Click()
{
    program.FrmQuestPop().show();
    hide();
}

void FrmInitQuest::mnuForward_Click() { cmdNext_Click(); }

void FrmInitQuest::mnuTestCostCalculator_Click() { program.FrmDraftCostTest().show(); }

void FrmInitQuest::mnuProbabilities_Click() { program.FrmSenSpec().showProbabilityView(); }

void FrmInitQuest::mnuExit_Click() { program.end(); }
