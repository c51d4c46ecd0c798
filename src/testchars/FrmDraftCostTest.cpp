#include "testchars/FrmDraftCostTest.h"

#include "app/Program.h"
#include "fields/Figures.h"
#include "model/Limits.h"
#include "platform/Dialogs.h"
#include "shell/HouseStyle.h"
#include "testchars/FrmTestCost.h"

#include <array>
#include <utility>
#include <vector>

// A test type of the calculator: its menu items, the questions it asks, its
// cost operation and the unit costs that its result becomes.
struct TestTypeDesign {
    int16_t code;
    const char* name;
    int questions;     // the first n of the six
    bool focusFirst;   // choosing it puts the focus on tests per batch
    platform::MenuItem FrmDraftCostTest::*chooseItem;
    platform::MenuItem FrmDraftCostTest::*costItem;
    platform::CommandButton FrmDraftCostTest::*button;
    void (FrmDraftCostTest::*operation)();
    std::vector<Money VarCon::*> costs;
    const char* prompt;
};

namespace {

const std::array<TestTypeDesign, 5> kTypes{{
    {1, "GenProbe", 6, true, &FrmDraftCostTest::mnuTTGP, &FrmDraftCostTest::mnuTCGP, &FrmDraftCostTest::cmdGP,
     &FrmDraftCostTest::cmdGP_Click, {&VarCon::CostGP}, "Does your Test cost = "},
    {2, "EIA", 6, false, &FrmDraftCostTest::mnuTTEIA, &FrmDraftCostTest::mnuTCEIA, &FrmDraftCostTest::cmdEIA,
     &FrmDraftCostTest::cmdEIA_Click, {&VarCon::CostEIA}, "Does your Test cost for EIA = "},
    {3, "LCR", 5, false, &FrmDraftCostTest::mnuTTLCR, &FrmDraftCostTest::mnuTCLCR, &FrmDraftCostTest::cmdLcr,
     &FrmDraftCostTest::cmdLcr_Click, {&VarCon::CostLCRC, &VarCon::CostLCRU},
     "Does your Test cost for LCR Cervix and LCR Urine = "},
    {4, "PCR", 6, false, &FrmDraftCostTest::mnuTTPCR, &FrmDraftCostTest::mnuTCPCR, &FrmDraftCostTest::cmdPcr,
     &FrmDraftCostTest::cmdPcr_Click,
     {&VarCon::CostPCRC, &VarCon::CostPCRU, &VarCon::CostPNGZ},
     "Does your Test cost for PCR Cervix, PCR Urine, and PCR in the NGZ = "},
    {5, "DFA", 5, false, &FrmDraftCostTest::mnuTTDFA, &FrmDraftCostTest::mnuTCDFA, &FrmDraftCostTest::cmdDfa,
     &FrmDraftCostTest::cmdDfa_Click, {&VarCon::CostDFA, &VarCon::CostDNGZ},
     "Does your Test cost for DFA and DFA in the NGZ = "},
}};

constexpr int16_t kDfa = 5;

struct Question {
    platform::Label FrmDraftCostTest::*label;
    const char* caption;
    platform::TextBox FrmDraftCostTest::*field;
};

const std::array<Question, 6> kQuestions{{
    {&FrmDraftCostTest::Labeltestbat, "How many tests per batch ?", &FrmDraftCostTest::txtTstPerBat},
    {&FrmDraftCostTest::LabelBatDay, "How Many Batches Per Day ?", &FrmDraftCostTest::txtBatPerDay},
    {&FrmDraftCostTest::labelContBat, "How Many Controls Per Batch ?", &FrmDraftCostTest::txtContPerBat},
    {&FrmDraftCostTest::LabelLabhours, "What is the hourly lab technician rate ? ", &FrmDraftCostTest::txtLabHour},
    {&FrmDraftCostTest::labelTestkits, "What is the cost of the test kits ?", &FrmDraftCostTest::txtTestKits},
    {&FrmDraftCostTest::labelReagTrans, "What is the cost of reagent and transport ?",
     &FrmDraftCostTest::txtReagTrans},
}};

const QString kGeneralHelp = QStringLiteral(
    "This is the Test Cost Calculator: Use the calculator if you are able to account for lab test cost. "
    "Begin by first selecting the test type in the menu above. That will open up a series of questions, "
    "answer the questions. "
    "Then select the test that you wish to calculate the cost for in the test cost menu item. "
    "The field titled Labor and Materials cost will be the new test cost used to calculate all cost values "
    "for that test.");

const QString kNextHelp = QStringLiteral(
    "This command button allows you to proceed on to the next screen in the application. "
    "You will have an opportunity later when the sensitivity and specificity screen come up to change any "
    "values you do not "
    "agree with.");

const QString kSelectATest = QStringLiteral(
    "You need to select a test. "
    "Please reset by pressing the F9 key or resetting file reset menu command bar. ");

const QString kControlsNotBelowTests = QStringLiteral("Controls per batch has to be less than Test per batch");
const QString kNoBatchesPerDay = QStringLiteral("Batches per day has to be greater than zero");

const QString kReagentMessage = QStringLiteral("Value must be numeric and greater than or equal to zero");

} // namespace

FrmDraftCostTest::FrmDraftCostTest(Program& p)
    : ScalingForm(p, "FrmDraftCostTest"),
      // A refused figure stays as typed; a figure not given shows as an empty field.
      tstPerBat_(p.fields, txtTstPerBat, TstPerBat, fields::positiveCountFormat(), fields::OnRefusal::Keep),
      batPerDay_(p.fields, txtBatPerDay, BatPerDay, fields::positiveCountFormat(), fields::OnRefusal::Keep),
      contPerBat_(p.fields, txtContPerBat, ContPerBat, fields::positiveCountFormat(), fields::OnRefusal::Keep),
      labHour_(p.fields, txtLabHour, LabHour, fields::givenCostFormat(fields::kMustBeNumeric),
               fields::OnRefusal::Keep),
      testKits_(p.fields, txtTestKits, TestKits, fields::givenCostFormat(fields::kMustBeNumeric),
                fields::OnRefusal::Keep),
      reagTrans_(p.fields, txtReagTrans, ReagTrans, fields::givenCostFormat(kReagentMessage, true),
                 fields::OnRefusal::Keep)
{
    designCaption("Test Cost Calculator");
    // Opened over the preview, and left open beside the rest of the pass.
    designOpensBeside();
    designClientSize(9000, 6600);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(lblohra, lblohra2, {240, 120, 600, 3492, 18, 20, 21});

    lblInstruct.designGeometry(240, 1080, 8400, 1200);
    lblInstruct.designBackColor(kCyan);

    for (size_t i = 0; i < kQuestions.size(); ++i) {
        const double top = 2400 + double(i) * 480;
        platform::Label& label = this->*kQuestions[i].label;
        label.designGeometry(240, top + 30, 4200, 300);
        label.designCaption(kQuestions[i].caption);
        label.designBackColor(kCyan);
        label.designVisible(false);
        platform::TextBox& field = this->*kQuestions[i].field;
        field.designGeometry(4560, top, 1500, 315);
        field.designVisible(false);
        field.designTabIndex(int(i));
    }

    lblLaborMaterials.designGeometry(240, 5400, 6000, 330);
    lblLaborMaterials.designFont("Times New Roman", 10, true);
    lblLaborMaterials.designBackColor(kCyan);

    cmdNext.designGeometry(7200, 4200, 732, 615);
    cmdNext.designPicture(":/arrow_right.png");
    cmdNext.designBackColor(Qt::white);
    cmdNext.designTabIndex(6);

    // Buttons whose click procedures the menus run; never shown.
    platform::CommandButton* hidden[] = {&cmdGP, &cmdEIA, &cmdLcr, &cmdPcr, &cmdDfa, &cmdPca, &cmdReset};
    for (size_t i = 0; i < std::size(hidden); ++i) {
        hidden[i]->designGeometry(240 + double(i) * 900, 6000, 852, 372);
        hidden[i]->designVisible(false);
        hidden[i]->designTabIndex(7 + int(i));
    }
    cmdGP.designCaption("GenProbe");
    cmdEIA.designCaption("EIA");
    cmdLcr.designCaption("LCR");
    cmdPcr.designCaption("PCR");
    cmdDfa.designCaption("DFA");
    cmdPca.designCaption("PCA");
    cmdReset.designCaption("Reset");

    mnuTTPCA.designEnabled(false);
    mnuTCPCA.designEnabled(false);

    for (const TestTypeDesign& t : kTypes) {
        (this->*t.chooseItem).Click = [this, &t] { chooseType(t); };
        (this->*t.costItem).Click = [this, &t] { testCostItem(t); };
        (this->*t.button).Click = [this, &t] { (this->*t.operation)(); };
    }
    for (const Question& q : kQuestions) {
        platform::TextBox& field = this->*q.field;
        field.Validate = [this, check = field.Validate](bool& cancel) {
            if (!skipValidation_)
                check(cancel);
        };
    }
    mnuNext.Click = [this] { cmdNext_Click(); };
    mnuReset.Click = [this] { cmdReset_Click(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdReset.Click = [this] { cmdReset_Click(); };
    cmdNext.MouseMove = [this] { cmdNext_MouseMove(); };
}

FrmDraftCostTest::~FrmDraftCostTest() = default;

void FrmDraftCostTest::Form_Load()
{
    scalingPreamble();
    program.FrmTestCost().load();
    lblInstruct.setCaption(kGeneralHelp);
    TestType = 0;
}

void FrmDraftCostTest::Form_MouseMove() { lblInstruct.setCaption(kGeneralHelp); }

void FrmDraftCostTest::cmdNext_MouseMove() { lblInstruct.setCaption(kNextHelp); }

// --- choosing a type and asking for its cost ------------------------------------------

void FrmDraftCostTest::chooseType(const TestTypeDesign& type)
{
    for (int i = 0; i < type.questions; ++i)
        (this->*kQuestions[size_t(i)].label).setVisible(true);
    for (int i = 0; i < type.questions; ++i)
        (this->*kQuestions[size_t(i)].field).setVisible(true);
    TestType = type.code;
    TestName = type.name;
    if (type.focusFirst)
        txtTstPerBat_GotFocus();
}

void FrmDraftCostTest::testCostItem(const TestTypeDesign& type)
{
    if (TestType == 0)
        runtime().dialogs().msgBox(kSelectATest);
    else if (TestType == type.code)
        (this->*type.operation)();
    else
        runtime().dialogs().msgBox(QStringLiteral("You chose the wrong combination of tests. You selected ") +
                                       TestName + " as your test. Clear this message box by clicking ok then select " +
                                       TestName + " in the Test Cost menu.",
                                   platform::Buttons::Ok, platform::Icon::None, QStringLiteral("Test Choice Error"));
}

void FrmDraftCostTest::cmdGP_Click() { computeCost(kTypes[0]); }
void FrmDraftCostTest::cmdEIA_Click() { computeCost(kTypes[1]); }
void FrmDraftCostTest::cmdLcr_Click() { computeCost(kTypes[2]); }
void FrmDraftCostTest::cmdPcr_Click() { computeCost(kTypes[3]); }
void FrmDraftCostTest::cmdDfa_Click() { computeCost(kTypes[4]); }

// A menu command does not move the focus, so the field being edited is
// checked and stored here, as leaving it would have done; the focus stays.
bool FrmDraftCostTest::storeFocusedField()
{
    for (const Question& q : kQuestions) {
        platform::TextBox& field = this->*q.field;
        if (&field != activeControl())
            continue;
        bool cancel = false;
        field.Validate(cancel);
        return !cancel;
    }
    return true;
}

// The figures the cost divides by: controls below tests per batch, and at
// least some patient tests a day.
bool FrmDraftCostTest::figuresMissing()
{
    if (!(ContPerBat < TstPerBat)) {
        runtime().dialogs().msgBox(kControlsNotBelowTests);
        // Both figures go, so no field shows one that is not in use.
        TstPerBat = ContPerBat = 0;
        program.figuresChanged();
        refocus(&FrmDraftCostTest::txtTstPerBat_GotFocus);
        return true;
    }
    TstPerDay = float((double(TstPerBat) - double(ContPerBat)) * double(BatPerDay));
    if (!(TstPerDay > 0)) {
        runtime().dialogs().msgBox(kNoBatchesPerDay);
        refocus(&FrmDraftCostTest::txtBatPerDay_GotFocus);
        return true;
    }
    return false;
}

// The command has just stored the field being edited, or emptied it itself:
// moving the focus on does not check that field again.
void FrmDraftCostTest::refocus(void (FrmDraftCostTest::*gotFocus)())
{
    skipValidation_ = true;
    (this->*gotFocus)();
    skipValidation_ = false;
}

void FrmDraftCostTest::computeCost(const TestTypeDesign& type)
{
    if (!storeFocusedField() || figuresMissing())
        return;
    const Money eightHours = Money::fromDouble(8.0 * LabHour.toDouble());
    LaborPerTest = Money::fromDouble(eightHours.toDouble() / double(TstPerDay));
    MatPerTest = TestKits + ReagTrans;
    if (type.code == kDfa) {
        // DFA materials carry no controls' share but count the reagent twice.
        MatPerTestCtl = MatPerTest + ReagTrans;
    } else {
        const double withControls = double(TstPerBat) / (double(TstPerBat) - double(ContPerBat));
        MatPerTestCtl = Money::fromDouble(MatPerTest.toDouble() * withControls);
    }
    const Money total = LaborPerTest + MatPerTestCtl;
    // The cost is offered, and taken, as its text shows it.
    if (const std::optional<QString> refusal = fields::workedOutCostRefusal(fields::shownAmount(total))) {
        // A cost no unit-cost field would take is not offered, let alone stored.
        runtime().dialogs().msgBox(*refusal);
        return;
    }
    LaborMaterials = total;
    lblLaborMaterials.setCaption(QStringLiteral("The labor and materials cost is: ") +
                                 fields::currencyText(total));
    offerCost(type);
}

void FrmDraftCostTest::offerCost(const TestTypeDesign& type)
{
    // The cost the question names is the one a "y" takes: $7.41, not 7.4074.
    const Money cost = fields::shownAmount(LaborMaterials);
    const QString answer = runtime().dialogs().inputBox(
        QString::fromUtf8(type.prompt) + fields::currencyText(cost) + "\r\n\r\n" +
            "If this is your cost then type the letter 'y' ",
        QStringLiteral("Confirm"));
    // Cancel leaves everything as it is; any answer but y starts afresh.
    if (answer.isEmpty())
        return;
    if (answer != QLatin1String("y") && answer != QLatin1String("Y")) {
        cmdReset_Click();
        return;
    }
    // The confirmed cost is the test's unit cost from now on, in every box
    // and on every result screen that shows it.
    for (Money VarCon::*unitCost : type.costs)
        program.vc.*unitCost = cost;
    program.figuresChanged();
}

// --- reset and forward ------------------------------------------------------------------

void FrmDraftCostTest::cmdReset_Click()
{
    // The questions go first: the focus leaving a field that hides passes
    // through the others, whose entering and leaving would write figures
    // into them again.
    for (const Question& q : kQuestions)
        (this->*q.label).setVisible(false);
    for (const Question& q : kQuestions)
        (this->*q.field).setVisible(false);
    lblLaborMaterials.setCaption({});
    BatPerDay = ContPerBat = TstPerDay = TstPerBat = 0;
    LabHour = LaborPerTest = TestKits = ReagTrans = MatPerTest = MatPerTestCtl = LaborMaterials = Money();
    TestType = 0;
    // The fields show the figures gone: empty.
    program.figuresChanged();
}

// A confirmed cost is in use already: the forward command only steps aside.
void FrmDraftCostTest::cmdNext_Click() { setVisible(false); }
