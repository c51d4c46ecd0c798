#include "questionnaire/FrmQuestPop.h"

#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "questionnaire/FrmTesting.h"
#include "shell/FrmConsole.h"
#include "shell/HouseStyle.h"
#include "testchars/FieldChecks.h"
#include "testchars/PositivityCheck.h"

#include <QMainWindow>
#include <QTimer>

namespace num = platform::numbers;

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
    platform::TextBox* counts[] = {&txtNoFem18, &txtNoFem1825, &txtNoFem25};
    platform::TextBox* rates[] = {&txtPerFem18, &txtPerFem1825, &txtPerFem25};
    for (int g = 0; g < 3; ++g) {
        counts[g]->designGeometry(2880, 2760 + rowTop[g], 972, 288);
        counts[g]->designTabIndex(g);
        rates[g]->designGeometry(3480, 4680 + rowTop[g], 972, 288);
        rates[g]->designTabIndex(3 + g);
        counts[g]->GotFocus = [this, g] { txtNoFem_GotFocus(g); };
        counts[g]->Validate = [this, g](bool& cancel) { txtNoFem_Validate(g, cancel); };
        counts[g]->LostFocus = [this, g] { txtNoFem_LostFocus(g); };
        rates[g]->GotFocus = [this, g] { txtPerFem_GotFocus(g); };
        rates[g]->Validate = [this, g](bool& cancel) { txtPerFem_Validate(g, cancel); };
        rates[g]->LostFocus = [this, g] { txtPerFem_LostFocus(g); };
    }

    cmdContinue.designGeometry(7320, 5040, 735, 615);
    cmdContinue.designPicture(":/arrow_right.png");
    cmdContinue.designBackColor(Qt::white);
    cmdContinue.designTabIndex(6);

    cmdContinue.Click = [this] { cmdContinue_Click(); };
    mnuBack.Click = [this] { mnuBack_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
}

std::array<FrmQuestPop::AgeGroupFields, 3> FrmQuestPop::groups()
{
    return {{
        {txtNoFem18, CountFem18, &VarCon::NoFem18, txtPerFem18, FracFem18, lblYV18, &VarCon::PerFem18, "12", 0.12f},
        {txtNoFem1825, CountFem1825, &VarCon::NoFem1825, txtPerFem1825, FracFem1825, lblYV1825,
         &VarCon::PerFem1825, "8", 0.08f},
        {txtNoFem25, CountFem25, &VarCon::NoFem25, txtPerFem25, FracFem25, lblYV25, &VarCon::PerFem25, "2",
         0.02f},
    }};
}

void FrmQuestPop::Form_Load()
{
    scalingPreamble();
    const QString region = QString::fromStdString(program.vc.Region);
    Label1.setCaption("It is recommended that you use data relevant to " + region +
                      ". This can be done by using data collected on the number of women screened for "
                      "Chlamydia trachomatis and the percentage of women positive for Chlamydia trachomatis "
                      "at " + region + " over the past year.");
    for (quest::WrittenText& w : writtenPositivity_)
        w.forget();
    if (program.pass().answered(*this))
        showAnswersInUse();
}

// Loaded again in a pass that answered it: the figures in use.
void FrmQuestPop::showAnswersInUse()
{
    for (int g = 0; g < 3; ++g) {
        AgeGroupFields f = groups()[size_t(g)];
        storeCount(g, f.countValue);
        storeFraction(g, program.vc.*f.perFem);
    }
}

void FrmQuestPop::message(const char* text) { runtime().dialogs().msgBox(QString::fromUtf8(text)); }

// --- counts ----------------------------------------------------------------------------

void FrmQuestPop::txtNoFem_GotFocus(int g) { quest::selectWhole(groups()[size_t(g)].count); }

bool FrmQuestPop::allCountsZero()
{
    for (const AgeGroupFields& f : groups())
        if (quest::countOf(f.count.text()).value_or(0) != 0)
            return false;
    return true;
}

void FrmQuestPop::txtNoFem_Validate(int g, bool& cancel)
{
    // A count above the limit is refused with the limit's own message.
    if (!quest::countOf(groups()[size_t(g)].count.text())) {
        cancel = true;
        runtime().dialogs().msgBox(quest::countRefusal(groups()[size_t(g)].count.text(), MsgPopulation));
        txtNoFem_GotFocus(g);
    }
    // Only the last field asks for a group above zero, whatever the first check found.
    if (g == 2 && allCountsZero()) {
        cancel = true;
        message(MsgAllZero);
        txtNoFem_GotFocus(g);
    }
}

void FrmQuestPop::storeCount(int g, std::int32_t count)
{
    AgeGroupFields f = groups()[size_t(g)];
    f.countValue = count;
    f.count.setText(num::formatPattern(count, "##,###,##0"));
    program.vc.*f.noFem = static_cast<float>(count);
}

void FrmQuestPop::txtNoFem_LostFocus(int g)
{
    if (const std::optional<std::int32_t> count = quest::countOf(groups()[size_t(g)].count.text()))
        storeCount(g, *count);
}

// --- positivity -------------------------------------------------------------------------

void FrmQuestPop::txtPerFem_GotFocus(int g)
{
    AgeGroupFields f = groups()[size_t(g)];
    quest::selectWhole(f.positivity);
    const std::optional<std::int32_t> count = quest::countOf(f.count.text());
    if (count && *count == 0) {
        f.positivity.setText("0");
        f.positivity.selectAll();
    }
}

void FrmQuestPop::txtPerFem_Validate(int g, bool& cancel)
{
    AgeGroupFields f = groups()[size_t(g)];
    if (quest::valueWithin(f.positivity.text(), 0, 100))
        return;
    if (f.positivity.text().isEmpty()) {
        f.positivity.setText(f.defaultText);
        return;
    }
    cancel = true;
    message(MsgPositivity);
    f.positivity.setText(QString());
    txtPerFem_GotFocus(g);
}

void FrmQuestPop::txtPerFem_LostFocus(int g)
{
    AgeGroupFields f = groups()[size_t(g)];
    quest::WrittenText& written = writtenPositivity_[size_t(g)];
    const std::optional<double> v = quest::valueWithin(f.positivity.text(), 0, 100);
    if (!v)
        return;
    // The fraction this field wrote itself stands as it is: "1" there means 100 %.
    storeFraction(g, written.shownBy(f.positivity) ? f.fraction : static_cast<float>(*v >= 1 ? *v / 100 : *v));
}

void FrmQuestPop::storeFraction(int g, float fraction)
{
    AgeGroupFields f = groups()[size_t(g)];
    f.fraction = fraction;
    f.echo.setCaption(testchars::percentText(fraction));
    writtenPositivity_[size_t(g)].write(f.positivity, num::generalFormat(fraction));
    program.vc.*f.perFem = fraction;
}

// --- commands --------------------------------------------------------------------------

void FrmQuestPop::cmdContinue_Click()
{
    // Every count is checked and stored from its text, as the fields do, so
    // no figure of an earlier pass or an unchecked text goes on.
    for (int g = 0; g < 3; ++g) {
        if (!quest::countOf(groups()[size_t(g)].count.text())) {
            runtime().dialogs().msgBox(quest::countRefusal(groups()[size_t(g)].count.text(), MsgPopulation));
            txtNoFem_GotFocus(g);
            return;
        }
    }
    if (allCountsZero()) {
        message(MsgAllZero);
        txtNoFem_GotFocus(2);
        return;
    }
    for (int g = 0; g < 3; ++g)
        storeCount(g, *quest::countOf(groups()[size_t(g)].count.text()));

    for (const AgeGroupFields& f : groups())
        if (f.positivity.text().isEmpty())
            program.vc.*f.perFem = f.defaultFraction;

    // Opened over a form that waits for it, Continue only ends that showing,
    // once the positivity fits the test it was opened for. A flag left over
    // from a showing that ended otherwise must not strand the user with no
    // window: it is cleared and the questionnaire goes on.
    if (isModal() && positivityMustFit_ &&
        testchars::refusePositivity(program, positivityMustFit_, PositivityRule::Both, testchars::LeadBack::Positivity))
        return;
    program.pass().recordAnswered(*this);
    program.vc.QuestPopFromSenSpec = 0;
    if (isModal()) {
        hide();
        return;
    }
    program.FrmTesting().show();
    hide();
}

void FrmQuestPop::showToFit(testchars::FiguresNow figures, std::optional<int> group)
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

void FrmQuestPop::leadToPositivity(testchars::FiguresNow figures, int group)
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
