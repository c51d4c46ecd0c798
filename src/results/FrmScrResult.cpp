#include "results/FrmScrResult.h"

#include "app/Program.h"
#include "app/ResultsInUse.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmTesting.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "platform/Numbers.h"
#include "results/CurrentStrategyReport.h"

namespace {

using platform::Frame;
using platform::Label;
namespace numbers = platform::numbers;

constexpr double kLine = 252;  // one line of 9-point text, in twips

// A label of a table: where it stands in its frame, and its fixed caption if any.
struct Cell {
    Label* label;
    double left, top, width;
    const char* caption = nullptr;
    double height = kLine;
};

void place(Frame& frame, const Cell& c, Qt::Alignment align)
{
    c.label->designContainer(frame);
    c.label->designGeometry(c.left, c.top, c.width, c.height);
    c.label->designAlignment(align | Qt::AlignTop);
    if (c.caption)
        c.label->designCaption(QString::fromUtf8(c.caption));
}

void hideAtDesign(std::initializer_list<platform::Control*> controls)
{
    for (platform::Control* c : controls)
        c->designVisible(false);
}

void showWhere(bool shown, std::initializer_list<platform::Control*> controls)
{
    for (platform::Control* c : controls)
        c->setVisible(shown);
}

// Counts show as whole numbers, grouped, with all their digits; the 64-bit
// conversion keeps a large programme's counts whole where a 16-bit one would
// overflow, and a float's own format would keep only seven digits.
QString count(float value) { return numbers::groupedCountText(value); }
QString money(Money amount) { return numbers::formatCurrency(amount.toDouble()); }
QString percent(float share) { return numbers::generalFormat(share) + QLatin1Char('%'); }
QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

FrmScrResult::FrmScrResult(Program& p)
    : ScalingForm(p, "FrmScrResult"),
      menus(p, *this,
            {.withBack = true,
             .fileSeparator = "mnusepp",
             .screensMenu = "mnuSwTo",
             .screensCaption = "&Result Screen",
             .screensEnabled = false,
             .testCaption = "Switch to Test",
             .costCaption = "Switch to Cost",
             .analysisCaption = "Switch to Analysis",
             .screensSeparator = "mnusepp2",
             .currentCaption = "Current Screening Strategies",
             .own = ResultScreen::CurrentStrategy,
             .withGraph = false})
{
    designCaption("Current Screening Strategy Results");
    designClientSize(11880, 8040);
    designFont("Times New Roman", 9);

    designPopulation();
    designTreatment();
    designScreeningTest();
    designNgzTest();
    designCosts();
    designPidProjections();
    designButtons();

    cmdBack.Click = [this] { cmdBack_Click(); };
    cmdSwitchTo.Click = [this] { cmdSwitchTo_Click(); };
    cmdResume.Click = [this] { cmdResume_Click(); };
    cmdPrint.Click = [this] { cmdPrint_Click(); };
    menus.mnuPrint->Click = [this] { mnuPrint_Click(); };
    menus.mnuBack->Click = [this] { mnuBack_Click(); };
}

// --- design ------------------------------------------------------------------------------------

namespace {

Label& heading(std::vector<std::unique_ptr<Label>>& headings, platform::Form& form)
{
    headings.push_back(std::make_unique<Label>(form, QStringLiteral("Label%1").arg(100 + headings.size())));
    return *headings.back();
}

void designFrame(Frame& frame, const char* caption, double left, double top, double width, double height)
{
    frame.designCaption(QString::fromUtf8(caption));
    frame.designGeometry(left, top, width, height);
    frame.designBold();
}

} // namespace

void FrmScrResult::designPopulation()
{
    designFrame(fraPopul, "Population Size", 0, 120, 5415, 1692);
    const Cell fixed[] = {
        {&Label1, 2040, 240, 1560, "Number Screened"}, {&Label2, 3720, 240, 1560, "Number Positive"},
        {&Label3, 120, 540, 1800, "Females under 18"},  {&Label4, 120, 810, 1800, "Females 18 to 25"},
        {&Label5, 120, 1080, 1800, "Females over 25"},  {&Label18, 120, 1350, 1800, "Total"},
    };
    for (const Cell& c : fixed)
        place(fraPopul, c, Qt::AlignLeft);
    Label18.designBold();
    const Cell values[] = {
        {&lblNoScr18, 2040, 540, 1560},   {&lblNoScr1825, 2040, 810, 1560}, {&lblNoScr25, 2040, 1080, 1560},
        {&lblNoScrTotal, 2040, 1350, 1560}, {&lblNoPo18, 3720, 540, 1560},  {&lblNoPo1825, 3720, 810, 1560},
        {&lblNoPo25, 3720, 1080, 1560},   {&lblNoPosTotal, 3720, 1350, 1560},
    };
    for (const Cell& c : values)
        place(fraPopul, c, Qt::AlignHCenter);
}

void FrmScrResult::designTreatment()
{
    designFrame(fraTxStrat, "Treatment Strategies", 5400, 120, 3015, 1692);
    const Cell cells[] = {
        {&heading(headings_, *this), 120, 240, 2775, "Treatment Strategy"},
        {&heading(headings_, *this), 240, 660, 1440, "Doxycyline"},
        {&heading(headings_, *this), 240, 1020, 1440, "Azithromycin"},
    };
    for (const Cell& c : cells)
        place(fraTxStrat, c, Qt::AlignLeft);
    place(fraTxStrat, {&lblTxStraDox, 1800, 660, 1000}, Qt::AlignHCenter);
    place(fraTxStrat, {&lblTxStraAzi, 1800, 1020, 1000}, Qt::AlignHCenter);
}

void FrmScrResult::designScreeningTest()
{
    designFrame(fraScrTest, "Screening Test", 0, 1800, 8415, 1332);
    const double left[] = {120, 1800, 3360, 4980, 6600};
    const double width[] = {1560, 1440, 1500, 1500, 1440};
    const char* captions[] = {"Screening Test", "No. of Truly Infected", "No. of True Infections Found",
                              "No. of  True Infections Missed", "No. of False Positives"};
    Label* values[] = {&lblScrTest1, &lblNoInf, &lblNoInFo, &lblNoInMi, &lblNoFaPo};
    for (int i = 0; i < 5; ++i) {
        place(fraScrTest, {&heading(headings_, *this), left[i], 240, width[i], captions[i], 2 * kLine},
              Qt::AlignHCenter);
        place(fraScrTest, {values[i], left[i], 840, width[i]}, Qt::AlignHCenter);
    }
}

void FrmScrResult::designNgzTest()
{
    designFrame(fraNGZtest, "Negative Gray Zone Testing", 0, 3120, 8415, 1692);
    fraNGZtest.designVisible(false);
    const double left[] = {120, 2160, 4200, 6240};
    const char* captions[] = {"NGZ Test", "Additional True Infections", "True Infections Missed",
                              "Additional False Positives"};
    Label* row1[] = {&lblNgzTest, &lblAddInf, &lblInfMis, &lblAdFaPo};
    Label* row2[] = {&lblNgzTest2, &lblAddInf2, &lblInfMis2, &lblAdFaPo2};
    for (int i = 0; i < 4; ++i) {
        place(fraNGZtest, {&heading(headings_, *this), left[i], 240, 1920, captions[i], 2 * kLine},
              Qt::AlignHCenter);
        place(fraNGZtest, {row1[i], left[i], 840, 1920}, Qt::AlignHCenter);
        place(fraNGZtest, {row2[i], left[i], 1200, 1920}, Qt::AlignHCenter);
    }
}

void FrmScrResult::designCosts()
{
    designFrame(fraScrCosts, "Testing Costs", 0, 4800, 8415, 2775);
    // Test, cost per test, screening, confirmation, treatment, screen and
    // treat, screen, confirm and treat.
    const double left[] = {120, 1320, 2400, 3600, 4680, 5880, 7080};
    const double width[] = {1200, 1080, 1200, 1080, 1200, 1200, 1260};
    Label* heads[] = {&heading(headings_, *this), &heading(headings_, *this), &heading(headings_, *this),
                      &Label22, &heading(headings_, *this), &heading(headings_, *this), &Label28};
    const char* captions[] = {"Test", "Cost per Test", "Cost for Screening", "Cost to Confirm",
                              "Cost for Treatment", "Cost to Screen and Treat", "Cost to Screen, Confirm, and Treat"};
    Label* values[] = {&lblScrTest2, &lblCostTest, &lblCostScr, &lblcc, &lblCostTx, &lblCostTxScr, &lblsct};
    for (int i = 0; i < 7; ++i) {
        place(fraScrCosts, {heads[i], left[i], 240, width[i], captions[i], 3 * kLine}, Qt::AlignHCenter);
        place(fraScrCosts, {values[i], left[i], 1020, width[i]}, Qt::AlignHCenter);
    }
    hideAtDesign({&Label22, &Label28, &lblcc, &lblsct});

    for (platform::Shape* s : {&Shape12, &Shape13}) {
        s->designContainer(fraScrCosts);
        s->designFill(Qt::black);
    }
    Shape12.designGeometry(120, 1320, 8175, 15);
    Shape13.designGeometry(120, 1950, 8175, 15);
    const Cell ngzHeads[] = {
        {&labelFNgz, 120, 1410, 1920, "NGZ Test", 2 * kLine},
        {&labelAdd, 2400, 1410, 2640, "Additional NGZ Testing and Treatment Costs", 2 * kLine},
        {&labelTotal, 5280, 1410, 2640, "Total Costs Screen, Treat, and NGZ", 2 * kLine},
    };
    for (const Cell& c : ngzHeads)
        place(fraScrCosts, c, Qt::AlignHCenter);
    const Cell ngzValues[] = {
        {&lblNGZScrTest, 120, 2070, 1920},  {&lblAddCost, 2400, 2070, 2640},  {&lblTotalCost, 5280, 2070, 2640},
        {&lblNgzScrTest2, 120, 2400, 1920}, {&lblAddCost2, 2400, 2400, 2640}, {&lblTotalCost2, 5280, 2400, 2640},
    };
    for (const Cell& c : ngzValues)
        place(fraScrCosts, c, Qt::AlignHCenter);
    hideAtDesign({&Shape12, &Shape13, &labelFNgz, &labelAdd, &labelTotal, &lblNgzScrTest2, &lblAddCost2,
                  &lblTotalCost2});
}

void FrmScrResult::designPidProjections()
{
    designFrame(fraPIDProj, "PID Projections", 8400, 120, 3492, 6732);
    const double col[] = {30, 1500, 2370};
    const double width[] = {1470, 870, 1100};
    auto row = [&](double top, std::array<Label*, 3> labels, std::array<const char*, 3> captions) {
        for (int i = 0; i < 3; ++i)
            place(fraPIDProj, {labels[i], col[i], top, width[i], captions[i]}, Qt::AlignHCenter);
    };
    place(fraPIDProj,
          {&heading(headings_, *this), 120, 240, 3252,
           "Number of women who will develop PID, under current treatment screening, with or without "
           "confirmation, and no NGZ testing done:",
           4 * kLine},
          Qt::AlignLeft);
    row(1320, {&heading(headings_, *this), &heading(headings_, *this), &heading(headings_, *this)},
        {"Screen", "No. Women", "Cost of PID"});
    row(1620, {&lblScrTest3, &lblNoPid, &lblPidCost1}, {});

    place(fraPIDProj,
          {&Label20, 120, 2040, 3252, "Number of women who would develop PID if no screening occurred:", 2 * kLine},
          Qt::AlignLeft);
    row(2640, {&heading(headings_, *this), &heading(headings_, *this), &heading(headings_, *this)},
        {"", "No. Women", "Cost of PID"});
    row(2940, {&heading(headings_, *this), &lblNoPID2, &lblPIDCost2}, {});

    Shape10.designContainer(fraPIDProj);
    Shape10.designFill(Qt::black);
    Shape10.designGeometry(120, 3360, 3252, 15);
    place(fraPIDProj,
          {&labelPPNGZ, 120, 3480, 3252,
           "Number of women who will develop PID, under current treatment screening, with or without "
           "confirmation, with NGZ testing:",
           4 * kLine},
          Qt::AlignLeft);
    row(4560, {&labelPPNGZtest, &labelPPNoWom, &labelPPCOP}, {"NGZ Test", "No. Women", "Cost Of PID"});
    row(4860, {&lblScrTest4, &lblNoPID3, &lblPIDCost3}, {});
    row(5400, {&labelNgz, &labelNow, &labelCop}, {"NGZ Test", "No. Women", "Cost Of PID"});
    row(5700, {&lblNgzscrTest5, &lblNoPid5, &lblPidCost5}, {});
    hideAtDesign({&Shape10, &labelPPNGZ, &labelPPNGZtest, &labelPPNoWom, &labelPPCOP, &labelNgz, &labelNow,
                  &labelCop});
}

void FrmScrResult::designButtons()
{
    struct Button {
        platform::CommandButton* button;
        double left, width;
        const char* picture;
    };
    const Button buttons[] = {
        {&cmdBack, 8760, 732, ":/arrow_left.png"},
        {&cmdSwitchTo, 9600, 732, ":/arrow_right.png"},
        {&cmdResume, 9600, 732, ":/arrow_right.png"},
        {&cmdPrint, 10440, 735, ":/printer.png"},
    };
    int tab = 0;
    for (const Button& b : buttons) {
        b.button->designGeometry(b.left, 6960, b.width, 615);
        b.button->designPicture(QString::fromLatin1(b.picture));
        b.button->designBackColor(Qt::white);
        b.button->designTabIndex(tab++);
    }
    cmdResume.designVisible(false);
}

// --- load: compute and show ------------------------------------------------------------------

void FrmScrResult::Form_Load()
{
    scalingPreamble(Centring::Raised);
    showFiguresInUse();
    program.pass().recordResultsShown();
}

// Every part the figures call for is shown, and every other hidden, so the
// screen computed again after a change holds no row of the figures before.
void FrmScrResult::showFiguresInUse()
{
    const CurrentStrategyFigures f = CurrentStrategyInUse(program.vc, program.sel);
    showOutcome(f);
    showCosts(f);
    showPid(f);
    showNgzHeadings(f.ngzRows);
    const NgzRowLabels first{&lblNgzTest,    &lblAddInf,    &lblInfMis,   &lblAdFaPo, &lblNGZScrTest,
                             &lblAddCost,    &lblTotalCost, &lblScrTest4, &lblNoPID3, &lblPIDCost3};
    const NgzRowLabels second{&lblNgzTest2,    &lblAddInf2,     &lblInfMis2, &lblAdFaPo2, &lblNgzScrTest2,
                              &lblAddCost2,    &lblTotalCost2,  &lblNgzscrTest5, &lblNoPid5, &lblPidCost5};
    showNgzRow(f.row1, first);
    // The second row's cost labels wait hidden until there is a second row.
    showWhere(f.row2.has_value(), {&lblNgzScrTest2, &lblAddCost2, &lblTotalCost2});
    showNgzRow(f.row2, second);
    keepEiaPidCounts(f);
}

void FrmScrResult::showOutcome(const CurrentStrategyFigures& f)
{
    Label* screened[] = {&lblNoScr18, &lblNoScr1825, &lblNoScr25};
    Label* positives[] = {&lblNoPo18, &lblNoPo1825, &lblNoPo25};
    for (int g = 0; g < 3; ++g) {
        screened[g]->setCaption(count(f.screened[g]));
        positives[g]->setCaption(count(f.positives[g]));
    }
    lblNoScrTotal.setCaption(count(f.screenedTotal));
    lblNoPosTotal.setCaption(count(f.positivesTotal));
    lblTxStraDox.setCaption(percent(f.perDox));
    lblTxStraAzi.setCaption(percent(f.perAzi));

    lblScrTest1.setCaption(text(f.scrTest));
    lblNoInf.setCaption(count(f.infected));
    lblNoInFo.setCaption(count(f.found));
    lblNoInMi.setCaption(count(f.missed));
    lblNoFaPo.setCaption(count(f.falsePositives));
}

void FrmScrResult::showCosts(const CurrentStrategyFigures& f)
{
    lblScrTest2.setCaption(text(f.scrTest));
    lblCostTest.setCaption(money(f.costPerTest));
    lblCostScr.setCaption(money(f.costScr));
    lblCostTx.setCaption(money(f.costTx));
    lblCostTxScr.setCaption(money(f.costTxScr));
    showWhere(f.confirmation.has_value(), {&Label28, &Label22, &lblcc, &lblsct});
    if (f.confirmation) {
        lblcc.setCaption(numbers::formatCurrency(f.confirmation->costConfirmTotal));
        lblsct.setCaption(money(f.confirmation->costScrConfTx));
    }
}

void FrmScrResult::showPid(const CurrentStrategyFigures& f)
{
    lblScrTest3.setCaption(text(f.scrTest));
    lblNoPid.setCaption(count(f.pid));
    lblPidCost1.setCaption(money(f.pidCost));
    lblNoPID2.setCaption(count(f.pidNoScreening));
    lblPIDCost2.setCaption(money(f.pidCostNoScreening));
}

void FrmScrResult::showNgzHeadings(NgzRows rows)
{
    showWhere(rows != NgzRows::None, {&Shape10, &Shape12, &Shape13, &fraNGZtest, &labelFNgz, &labelAdd, &labelTotal,
                                      &labelPPNGZ, &labelPPNGZtest, &labelPPNoWom, &labelPPCOP});
    showWhere(rows != NgzRows::None && rows != NgzRows::PcrOnGenProbe, {&labelNgz, &labelNow, &labelCop});
}

// A row the figures have not is left empty.
void FrmScrResult::showNgzRow(const std::optional<NgzRowFigures>& r, const NgzRowLabels& l)
{
    if (!r) {
        for (Label* label : {l.outcomeName, l.addInfected, l.stillMissed, l.addFalsePositives, l.costName, l.addCost,
                             l.totalCost, l.pidName, l.pidCount, l.pidCost})
            label->setCaption({});
        return;
    }
    const QString name = text(r->test);
    for (Label* nameLabel : {l.outcomeName, l.costName, l.pidName})
        nameLabel->setCaption(name);
    l.addInfected->setCaption(count(r->addInfected));
    l.stillMissed->setCaption(count(r->stillMissed));
    l.addFalsePositives->setCaption(numbers::formatPattern(r->addFalsePositives, QStringLiteral("##0.#")));
    l.addCost->setCaption(money(r->addCost));
    l.totalCost->setCaption(money(r->totalCost));
    l.pidCount->setCaption(count(r->pidCount));
    l.pidCost->setCaption(money(r->pidCost));
}

void FrmScrResult::keepEiaPidCounts(const CurrentStrategyFigures& f)
{
    pidCountDfaEia_ = pidCountPcrEia_ = 0;
    if (f.ngzRows == NgzRows::DfaThenPcrOnEia) {
        pidCountDfaEia_ = f.row1->pidCount;
        pidCountPcrEia_ = f.row2->pidCount;
    } else if (f.ngzRows == NgzRows::PcrThenDfaOnEia) {
        pidCountPcrEia_ = f.row1->pidCount;
        pidCountDfaEia_ = f.row2->pidCount;
    }
}

// --- commands ------------------------------------------------------------------------------------

void FrmScrResult::cmdBack_Click() { mnuBack_Click(); }
void FrmScrResult::cmdPrint_Click() { mnuPrint_Click(); }

void FrmScrResult::cmdResume_Click() { goToResultScreen(program, *this, ResultScreen::SwitchToTest); }

void FrmScrResult::mnuPrint_Click() { PrintCurrentStrategyReport(*this, program.vc, program.runtime().printer()); }

// Back to the drug and PID cost form, which keeps its entries; its agree step
// loads this screen again and recomputes everything.
void FrmScrResult::mnuBack_Click()
{
    program.FrmQuestDrugCost().show();
    // A graph left open charts the screens that go now; it stays loaded, out
    // of sight, until the user opens it from the next pass's screens.
    program.graphScreen().hide();
    program.unloadForms({"FrmScrResult", "FrmSwitchTo", "FrmSwitchToCost", "FrmSwitchToAnaly"});
}

void FrmScrResult::cmdSwitchTo_Click()
{
    reviewTestCharacteristics();
    if (runtime().ended())
        return;
    program.loadComparisonScreens();
    program.resultScreen(ResultScreen::SwitchToTest).show();
    menus.screens->setEnabled(true);
    cmdResume.setVisible(true);
}

// The review of every test's sensitivity, specificity and cost on the
// sensitivity and specificity form, shown modally over a hidden results screen.
void FrmScrResult::reviewTestCharacteristics()
{
    FrmSenSpec& review = program.FrmSenSpec();
    review.prepareComparisonView();
    hide();
    const VarCon before = program.vc;
    review.showModal();
    // Its Back or close box unloads it and means "no change": the comparison
    // goes on with the figures the user had, and the form, loaded again by
    // its caption, shows them with the tests in use locked as before.
    const bool leftByBack = !review.isLoaded();
    // What the review can change: its own rates, and the unit costs, which
    // the unit-cost form's load puts back to their defaults when the review
    // loads it afresh.
    if (leftByBack) {
        for (float VarCon::*rate : FrmSenSpec::rates())
            program.vc.*rate = before.*rate;
        for (Money VarCon::*cost : FrmTestCost::costs())
            program.vc.*cost = before.*cost;
        program.figuresChanged();
    }
    review.setCaption(QStringLiteral("Sensitivity and Specificity"));
    if (leftByBack)
        program.FrmTesting().settleTestsInUse();
}
