#include "questionnaire/FrmQuestPop.h"

#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "questionnaire/FrmTesting.h"
#include "shell/FrmConsole.h"
#include "shell/HouseStyle.h"
#include "fields/Figures.h"
#include "testchars/PositivityCheck.h"

#include <QMainWindow>
#include <QTimer>

namespace num = platform::numbers;

namespace {

// The model's figures of each age group and the positivity taken when none is given.
struct AgeGroup {
    float VarCon::*noFem;
    float VarCon::*perFem;
    float defaultFraction;
};
const AgeGroup kGroups[] = {
    {&VarCon::NoFem18, &VarCon::PerFem18, 0.12f},
    {&VarCon::NoFem1825, &VarCon::PerFem1825, 0.08f},
    {&VarCon::NoFem25, &VarCon::PerFem25, 0.02f},
};

} // namespace

FrmQuestPop::FrmQuestPop(Program& p) : ScalingForm(p, "FrmQuestPop")
{
    designCaption("Population and Percentages Questionaire");
    designClientSize(8640, 6000);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label11, Label12, {240, 120, 720, 4092, 18, 10, 11});

    quest::designLabels({
        {Label1, "", 120, 1080, 7572, 732},
        {Label5,
         "On average, how many asymptomatic females do you screen for Chlamydia trachomatis annually in the "
         "following age groups:",
         120, 2040, 8292, 612},
        {Label2, "Females Under 18:", 120, 2760, 1812, 252},
        {Label3, "Females 18 to 25:", 120, 3120, 1812, 252},
        {Label4, "Females over 25:", 120, 3480, 1812, 252},
        {Label6, "What was your percentage(prevalence) of positive chlamydial infections in the last 12 months:",
         120, 3960, 7692, 252},
        {Label10, "Your Values", 4560, 4440, 1212, 252},
        {Label7, "Under 18 (If unsure tab through field)", 120, 4680, 3012, 252},
        {Label8, "18 to 25 (If unsure tab through field)", 120, 5040, 3012, 252},
        {Label9, "Over 25 (If unsure tab through field)", 120, 5400, 3012, 252},
        {lblYV18, "", 4800, 4680, 732, 252},
        {lblYV1825, "", 4800, 5040, 732, 252},
        {lblYV25, "", 4800, 5400, 732, 252},
    });

    const double rowTop[] = {0, 360, 720};
    platform::TextBox* countBoxes[] = {&txtNoFem18, &txtNoFem1825, &txtNoFem25};
    platform::TextBox* rateBoxes[] = {&txtPerFem18, &txtPerFem1825, &txtPerFem25};
    platform::Label* echoes[] = {&lblYV18, &lblYV1825, &lblYV25};
    for (int g = 0; g < 3; ++g) {
        countBoxes[g]->designGeometry(2880, 2760 + rowTop[g], 972, 288);
        countBoxes[g]->designTabIndex(g);
        rateBoxes[g]->designGeometry(3480, 4680 + rowTop[g], 972, 288);
        rateBoxes[g]->designTabIndex(3 + g);

        const size_t i = size_t(g);
        countFields_[i] = std::make_unique<CountField>(program.fields, *countBoxes[g], counts[i],
                                                       fields::womenFormat(QString::fromUtf8(MsgPopulation)));
        countFields_[i]->taken = [this, i] { program.vc.*kGroups[i].noFem = float(*counts[i]); };
        // Only the last field asks for a group above zero; a refused count is
        // no figure, so its own message is the only one.
        if (g == 2)
            countFields_[i]->check = [this, g](std::optional<std::int32_t> read, bool) {
                return allCountsZero(g, read) ? fields::Verdict::Refused : fields::Verdict::Accepted;
            };

        positivityFields_[i] = std::make_unique<PositivityField>(
            program.fields, *rateBoxes[g], fractions[i],
            fields::shareFormat(QString::fromUtf8(MsgPositivity), kGroups[i].defaultFraction, true),
            fields::OnRefusal::Empty);
        positivityFields_[i]->taken = [this, i] { program.vc.*kGroups[i].perFem = *fractions[i]; };
        positivityFields_[i]->wrote = [this, i, echo = echoes[g]] {
            echo->setCaption(fractions[i] ? fields::percentText(*fractions[i]) : QString());
        };
        rateBoxes[g]->GotFocus = [this, g] { txtPerFem_GotFocus(g); };
    }

    cmdContinue.designGeometry(7320, 5040, 735, 615);
    cmdContinue.designPicture(":/arrow_right.png");
    cmdContinue.designBackColor(Qt::white);
    cmdContinue.designTabIndex(6);

    cmdContinue.Click = [this] { cmdContinue_Click(); };
    mnuBack.Click = [this] { mnuBack_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
}

void FrmQuestPop::Form_Load()
{
    scalingPreamble();
    const QString region = QString::fromStdString(program.vc.Region);
    Label1.setCaption("It is recommended that you use data relevant to " + region +
                      ". This can be done by using data collected on the number of women screened for "
                      "Chlamydia trachomatis and the percentage of women positive for Chlamydia trachomatis "
                      "at " + region + " over the past year.");
    // A pass asks afresh; loaded again within it (after its close box or its
    // Back), the form shows every figure its fields took.
    if (program.pass().recordLoad(*this)) {
        counts.fill(std::nullopt);
        fractions.fill(std::nullopt);
        program.figuresChanged();
    }
}

void FrmQuestPop::message(const char* text) { runtime().dialogs().msgBox(QString::fromUtf8(text)); }

void FrmQuestPop::txtNoFem_GotFocus(int g) { countFields_[size_t(g)]->gotFocus(); }

// The counts as they stand, with the one just read for group g.
bool FrmQuestPop::allCountsZero(int g, std::optional<std::int32_t> read)
{
    for (size_t i = 0; i < 3; ++i)
        if ((int(i) == g ? read : counts[i]).value_or(0) != 0)
            return false;
    message(MsgAllZero);
    return true;
}

// A group with no women has no positivity: entering its field offers 0.
void FrmQuestPop::txtPerFem_GotFocus(int g)
{
    const size_t i = size_t(g);
    positivityFields_[i]->gotFocus();
    if (counts[i] == 0) {
        positivityFields_[i]->box.setText("0");
        positivityFields_[i]->box.selectAll();
    }
}

// --- commands --------------------------------------------------------------------------

// The answers into the model: the counts, and the positivity of every group,
// its default where none was given.
void FrmQuestPop::storeAnswers()
{
    for (size_t i = 0; i < 3; ++i) {
        program.vc.*kGroups[i].noFem = float(*counts[i]);
        if (!fractions[i])
            fractions[i] = kGroups[i].defaultFraction;
        program.vc.*kGroups[i].perFem = *fractions[i];
    }
    program.figuresChanged();
}

void FrmQuestPop::cmdContinue_Click()
{
    // Every count must be given; the field being typed in counts when its
    // text is accepted.
    for (size_t i = 0; i < 3; ++i) {
        countFields_[i]->accept();
        positivityFields_[i]->accept();
    }
    for (int g = 0; g < 3; ++g) {
        if (!counts[size_t(g)]) {
            message(MsgPopulation);
            txtNoFem_GotFocus(g);
            return;
        }
    }
    if (allCountsZero(-1, std::nullopt)) {
        txtNoFem_GotFocus(2);
        return;
    }
    storeAnswers();

    // Opened over a form that waits for it, Continue only ends that showing,
    // once the positivity fits the test it was opened for. A flag left over
    // from a showing that ended otherwise must not strand the user with no
    // window: it is cleared and the questionnaire goes on.
    if (isModal() && positivityMustFit_ &&
        testchars::refusePositivity(program, positivityMustFit_, PositivityRule::Both, testchars::LeadBack::Positivity))
        return;
    program.vc.QuestPopFromSenSpec = 0;
    if (isModal()) {
        hide();
        return;
    }
    program.FrmTesting().show();
    hide();
}

void FrmQuestPop::showToFit(FiguresNow figures, std::optional<int> group)
{
    positivityMustFit_ = std::move(figures);
    if (group) {
        // Once the form is up: the group's positivity selected, in focus.
        load();
        QTimer::singleShot(0, window(), [this, g = *group] {
            if (isModal())
                txtPerFem_GotFocus(g);
        });
    }
    showModal();
    positivityMustFit_ = nullptr;
}

void FrmQuestPop::leadToPositivity(FiguresNow figures, int group)
{
    if (isModal())
        txtPerFem_GotFocus(group);
    else
        showToFit(std::move(figures), group);
}

void FrmQuestPop::mnuBack_Click()
{
    // Opened over a form that waits for it, Back only ends that showing, as
    // the close box does: the forms behind take over again.
    if (isModal()) {
        hide();
        return;
    }
    program.vc.QuestPopFromSenSpec = 0;
    unload();
    program.FrmConsole().setVisible(true);
}

// Opened over a form that waits for it, the close box ends that showing and
// keeps the figures, so the form comes back as it was left.
void FrmQuestPop::Form_CloseBox()
{
    if (isModal())
        hide();
    else
        ScalingForm::Form_CloseBox();
}

void FrmQuestPop::mnuExit_Click() { program.end(); }
