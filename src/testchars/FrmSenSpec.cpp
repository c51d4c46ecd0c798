#include "testchars/FrmSenSpec.h"

#include "app/Program.h"
#include "model/Families.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "shell/HouseStyle.h"
#include "fields/Figures.h"
#include "testchars/FrmTestCost.h"
#include "testchars/PositivityCheck.h"

#include <utility>

namespace {


const QString kCrLf = QStringLiteral("\r\n");

const QString kGeneralHelp = QStringLiteral(
    "The following are the test performance characteristics for this model. "
    "You can change any test characteristics you would like, by entering your revised value in the "
    "appropriate field. "
    "Please continue to read the following if you intend to revise these values. "
    "In order to give an accurate result for enhanced testing in the Negative Gray Zone (NGZ), "
    "sensitivity values for GenProbe may not exceed 0.95. Likewise for EIA, sensitivity values may not "
    "exceed 0.94. "
    "Specificity values reflect true negative test results from those who are either truly negative or who "
    "test falsely positive. "
    "Therefore, the combination of identified positivity rate (the percentage of positive females) and the "
    "specificity value must exceed 1.0. "
    "For example, if the specificity of a test is 0.98 the positivity rate of any one age group must be "
    "greater than 2%.\r\n\r\n"
    "Recommendation: By tabbing through these fields, the values will be checked for valid conditions.");

QString probabilityHelp()
{
    const QString rule(68, u'_');
    return QStringList{"Probability Factors ",
                       rule,
                       "Probability of PID no Treatment the Range = 0.1 through 0.2",
                       "Probability Cured of Chlamydia Trachomatis the Range = 0.01 through 0.11",
                       rule,
                       "The Compliance and Cure Rates for Drug Regimes: ",
                       "These values can be changed if you find your values to be different.",
                       "For Doxycycline the rate = 0.857 ",
                       "For Azithromycin the rate = 0.965 "}
        .join(kCrLf);
}

// The ranges as this table states them; the fields enforce their own.
QString rangeHelp()
{
    return QStringList{"Test     Sensitivity Range       Specificity Range ",
                       QString(42, u'_'),
                       " GP            0.55 through 0.99       0.93 through 1.0",
                       " EIA           0.55 through 0.97       0.94 through 1.0",
                       " PCRC       0.75 through 1.0        0.92 through 1.0",
                       " PCRU       0.62 through 1.0        0.97 through 1.0",
                       " LCRC       0.88 through 0.98      0.98 through 1.0",
                       " LCRU       0.81 through 1.0        0.98 through 1.0",
                       " GPPCR    0.75 through 0.999       0.759 through 0.999",
                       " EIADFA   0.75 through 0.999       0.759 through 0.999",
                       " EIAPCR   0.75 through 0.999       0.759 through 0.999"}
        .join(kCrLf);
}

// The figures a help text names are written as the fields write them.
void showHelp(platform::Label& instruction, const QString& text)
{
    instruction.setCaption(platform::numbers::withLocaleDecimals(text));
}

const QString kPrevMsg = QStringLiteral(
    "At least, one of the fields percentage of infected "
    "females(prevalence) is equal to or less than "
    "1%. The combination of Test Specificity and Percentage "
    "of infected Females(Prevalence) must be greater than 1. "
    "By Pressing the tab key through the fields it will give you options "
    "for changing either the percentage of infected females(prevalence) "
    "or changing the test specificity for fields that are not valid.");

const QString kSorryMsg = QStringLiteral(
    "I am sorry, but one(changing the percentage positive) is not an option, "
    "Changing positivity rates now will change the "
    "values you viewed on your current screening strategies will not be accurate. "
    "You must change the specificity.");


struct RowDesign {
    platform::Label FrmSenSpec::*label;
    const char* caption;
    platform::TextBox FrmSenSpec::*sens;
    platform::TextBox FrmSenSpec::*spec;
    platform::TextBox FrmSenSpec::*cost;
    double top;
    double labelLeft;
    double labelWidth;
};

// In SenSpecRow order, which is also the order top to bottom.
const std::array<RowDesign, 9> kRows{{
    {&FrmSenSpec::lblGP, "GenProbe", &FrmSenSpec::TxtGPSens, &FrmSenSpec::TxtGPSpec, &FrmSenSpec::txtTestCostGp,
     960, 240, 1212},
    {&FrmSenSpec::lblEIA, "EIA", &FrmSenSpec::TxtEIASens, &FrmSenSpec::TxtEIASpec, &FrmSenSpec::txtTestCostEia,
     1320, 240, 1212},
    {&FrmSenSpec::lblPCRC, "PCR Cervix", &FrmSenSpec::TxtPCRCSens, &FrmSenSpec::TxtPCRCSpec,
     &FrmSenSpec::txtTestCostPCRC, 1680, 240, 1212},
    {&FrmSenSpec::lblPCRU, "PCR Urine", &FrmSenSpec::TxtPCRUSens, &FrmSenSpec::TxtPCRUSpec,
     &FrmSenSpec::txtTestCostPCRU, 2040, 240, 1212},
    {&FrmSenSpec::lblLCRC, "LCR Cervix", &FrmSenSpec::TxtLCRCSens, &FrmSenSpec::TxtLCRCSpec,
     &FrmSenSpec::txtTestCostLCRC, 2400, 240, 1212},
    {&FrmSenSpec::lblLCRU, "LCR Urine", &FrmSenSpec::TxtLCRUSens, &FrmSenSpec::TxtLCRUSpec,
     &FrmSenSpec::txtTestCostLCRU, 2760, 240, 1212},
    {&FrmSenSpec::lblPCRGP, "PCR on GenProbe", &FrmSenSpec::txtPCRGPSens, &FrmSenSpec::txtPCRGPSpec,
     &FrmSenSpec::txtTestCostPCRGP, 3720, 120, 1692},
    {&FrmSenSpec::lblDFAEIA, "DFA on EIA", &FrmSenSpec::txtDFAEIASens, &FrmSenSpec::txtDFAEIASpec,
     &FrmSenSpec::txtTestCostEIADFA, 4080, 120, 1452},
    {&FrmSenSpec::lblPCREIA, "PCR on EIA", &FrmSenSpec::txtPCREIASens, &FrmSenSpec::txtPCREIASpec,
     &FrmSenSpec::txtTestCostEIAPCR, 4440, 120, 1452},
}};

struct RateDesign {
    platform::TextBox FrmSenSpec::*field;
    float VarCon::*rate;
    float defaultValue;
    fields::Bound<float>::Format format;
    bool checksPositivity;  // the six screening tests' sensitivities and specificities
};

fields::Bound<float>::Format sensitivity(float lowest, float highest)
{
    return fields::rateFormat(lowest, highest, fields::kValueOutOfRange);
}
fields::Bound<float>::Format specificity(float lowest, float highest)
{
    return fields::rateFormat(lowest, highest, fields::kValuesOutOfRange);
}
// Above 1 the share not cured turns negative.
const fields::Bound<float>::Format kCureRate = fields::rateFormat(0, 1, fields::kValueOutOfRange);

// In the order the load writes the defaults.
const std::array<RateDesign, 22> kRates{{
    {&FrmSenSpec::TxtGPSens, &VarCon::SensGP, 0.7f, sensitivity(0.55f, 0.99f), true},
    {&FrmSenSpec::TxtGPSpec, &VarCon::SpecGP, 0.987f, specificity(0.93f, 1.0f), true},
    {&FrmSenSpec::TxtEIASens, &VarCon::SensEIA, 0.7f, sensitivity(0.55f, 0.97f), true},
    {&FrmSenSpec::TxtEIASpec, &VarCon::SpecEIA, 0.985f, specificity(0.94f, 1.0f), true},
    {&FrmSenSpec::TxtPCRCSens, &VarCon::SensPCRC, 0.9f, sensitivity(0.75f, 1.0f), true},
    {&FrmSenSpec::TxtPCRCSpec, &VarCon::SpecPCRC, 0.996f, specificity(0.92f, 1.0f), true},
    {&FrmSenSpec::TxtPCRUSens, &VarCon::SensPCRU, 0.85f, sensitivity(0.62f, 1.0f), true},
    {&FrmSenSpec::TxtPCRUSpec, &VarCon::SpecPCRU, 0.996f, specificity(0.97f, 1.0f), true},
    {&FrmSenSpec::TxtLCRCSens, &VarCon::SensLCRC, 0.9f, sensitivity(0.88f, 0.98f), true},
    {&FrmSenSpec::TxtLCRCSpec, &VarCon::SpecLCRC, 0.996f, specificity(0.98f, 1.0f), true},
    {&FrmSenSpec::TxtLCRUSens, &VarCon::SensLCRU, 0.85f, sensitivity(0.81f, 1.0f), true},
    {&FrmSenSpec::TxtLCRUSpec, &VarCon::SpecLCRU, 0.996f, specificity(0.98f, 1.0f), true},
    {&FrmSenSpec::txtPCRGPSens, &VarCon::SensPCRGP, 0.89f, sensitivity(0.75f, 0.99f), false},
    {&FrmSenSpec::txtPCRGPSpec, &VarCon::SpecPCRGP, 0.998f, specificity(0.759f, 0.999f), false},
    {&FrmSenSpec::txtDFAEIASens, &VarCon::SensDFAEIA, 0.871f, sensitivity(0.75f, 0.99f), false},
    {&FrmSenSpec::txtDFAEIASpec, &VarCon::SpecDFAEIA, 0.998f, specificity(0.759f, 0.999f), false},
    {&FrmSenSpec::txtPCREIASens, &VarCon::SensPCREIA, 0.89f, sensitivity(0.75f, 0.99f), false},
    {&FrmSenSpec::txtPCREIASpec, &VarCon::SpecPCREIA, 0.998f, specificity(0.759f, 0.999f), false},
    {&FrmSenSpec::txtProbPid, &VarCon::ProbPid, 0.15f, sensitivity(0.1f, 0.2f), false},
    {&FrmSenSpec::txtProbPidFactor, &VarCon::ProbPidFactor, 0.06f, sensitivity(0.01f, 0.11f), false},
    {&FrmSenSpec::txtCCRateDox, &VarCon::CCRateDox, 0.857f, kCureRate, false},
    {&FrmSenSpec::txtCCRateAzi, &VarCon::CCRateAzi, 0.965f, kCureRate, false},
}};

// The test-cost fields with their variables and the unit-cost boxes they
// come from and go back to, in the order the load fills them.
struct CostDesign {
    platform::TextBox FrmSenSpec::*field;
    Money VarCon::*cost;
};

const std::array<CostDesign, 9> kCosts{{
    {&FrmSenSpec::txtTestCostGp, &VarCon::CostGP},
    {&FrmSenSpec::txtTestCostEia, &VarCon::CostEIA},
    {&FrmSenSpec::txtTestCostPCRC, &VarCon::CostPCRC},
    {&FrmSenSpec::txtTestCostPCRU, &VarCon::CostPCRU},
    {&FrmSenSpec::txtTestCostLCRC, &VarCon::CostLCRC},
    {&FrmSenSpec::txtTestCostLCRU, &VarCon::CostLCRU},
    {&FrmSenSpec::txtTestCostPCRGP, &VarCon::CostPNGZ},
    {&FrmSenSpec::txtTestCostEIAPCR, &VarCon::CostPNGZ},
    {&FrmSenSpec::txtTestCostEIADFA, &VarCon::CostDNGZ},
}};

constexpr double kFieldWidth = 612;
constexpr double kFieldHeight = 288;

} // namespace

FrmSenSpec::FrmSenSpec(Program& p) : ScalingForm(p, "FrmSenSpec")
{
    designCaption("Senitivity and Specifity");
    // Opened over the test selection, the preview or the results screen.
    designOpensBeside();
    designClientSize(10100, 7350);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    lblInstruction.designGeometry(120, 120, 4692, 4932);
    lblInstruction.designBackColor(kCyan);

    fraScrTest.designGeometry(4920, 120, 5052, 5052);
    fraScrTest.designCaption("Screening Test Sensitivities and Specificities");
    fraScrTest.designBackColor(kCyan);

    fraProb.designGeometry(120, 5280, 8772, 1932);
    fraProb.designCaption("Probability Factors");
    fraProb.designBackColor(kCyan);

    designRows();
    designProbabilities();

    cmdNext.designGeometry(9120, 5280, 732, 615);
    cmdNext.designPicture(":/arrow_right.png");
    cmdNext.designBackColor(Qt::white);
    cmdNext.designTabIndex(31);
    cmdBack.designGeometry(9120, 6000, 732, 615);
    cmdBack.designPicture(":/arrow_left.png");
    cmdBack.designBackColor(Qt::white);
    cmdBack.designTabIndex(32);
    // Back leaves with the figures in use: the field being left is not
    // checked first, and what was typed in it is dropped.
    cmdBack.designCausesValidation(false);

    for (const RateDesign& r : kRates) {
        auto field = std::make_unique<fields::Bound<float>>(program.fields, this->*r.field, program.vc.*r.rate,
                                                            r.format);
        if (r.checksPositivity) {
            platform::TextBox* box = &field->box;
            field->check = [this, box](float read, bool outOfRange) { return checkPositivity(*box, read, outOfRange); };
        }
        rates_.push_back(std::move(field));
    }
    // A cost typed here is the unit cost in use, wherever it shows.
    for (const CostDesign& c : kCosts)
        costs_.push_back(std::make_unique<fields::Bound<Money>>(program.fields, this->*c.field, program.vc.*c.cost,
                                                                fields::costFormat(fields::kMustBeNumeric),
                                                                fields::OnRefusal::PutBack));

    fraProb.MouseMove = [this] { fraProb_MouseMove(); };
    fraScrTest.MouseMove = [this] { fraScrTest_MouseMove(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    cmdBack.Click = [this] { cmdBack_Click(); };
}

FrmSenSpec::~FrmSenSpec() = default;

void FrmSenSpec::designRows()
{
    const auto heading = [this](platform::Label& l, const char* caption, double left, double width,
                                bool centred) {
        l.designContainer(fraScrTest);
        l.designGeometry(left, 360, width, 252);
        l.designCaption(caption);
        l.designBackColor(kCyan);
        if (centred)
            l.designAlignment(Qt::AlignHCenter | Qt::AlignTop);
    };
    heading(Label1, "Screening Test", 240, 1212, false);
    heading(Label2, "Sensitivity", 1560, 1092, true);
    heading(Label3, "Specificity", 2760, 1092, true);
    heading(lblCost, "Test Cost", 3960, 972, true);

    lblNGZTitle.designContainer(fraScrTest);
    lblNGZTitle.designGeometry(120, 3360, 4572, 252);
    lblNGZTitle.designCaption("Negative Grey Zone Test Sensitivities and Specificities:");
    lblNGZTitle.designBackColor(kCyan);
    lblNGZTitle.designVisible(false);

    int tab = 0;
    for (const RowDesign& r : kRows) {
        platform::Label& label = this->*r.label;
        label.designContainer(fraScrTest);
        label.designGeometry(r.labelLeft, r.top, r.labelWidth, 252);
        label.designCaption(r.caption);
        label.designBackColor(kCyan);
        label.designVisible(false);
        const std::array<std::pair<platform::TextBox FrmSenSpec::*, double>, 3> fields{
            {{r.sens, 1920}, {r.spec, 3000}, {r.cost, 4200}}};
        for (const auto& [member, left] : fields) {
            platform::TextBox& box = this->*member;
            box.designContainer(fraScrTest);
            box.designGeometry(left, r.top, kFieldWidth, kFieldHeight);
            box.designVisible(false);
            box.designTabIndex(tab++);
        }
    }
}

void FrmSenSpec::designProbabilities()
{
    Label20.designContainer(fraProb);
    Label20.designGeometry(120, 240, 4092, 732);
    Label20.designCaption("Only change these values if you know that your Probablity of Pid no treatment and "
                          "Probability of Pid cured are different.");
    Label20.designBackColor(kCyan);

    struct ProbRow {
        platform::Label& label;
        const char* caption;
        double labelLeft, labelWidth, labelHeight;
        platform::TextBox& field;
        double fieldLeft, top;
    };
    const ProbRow rows[] = {
        {Label18, "Probabilitiy of Pid no Treatment", 120, 3252, 252, txtProbPid, 3600, 1080},
        {Label19, "Probability of Pid Cured ", 120, 3252, 252, txtProbPidFactor, 3600, 1440},
        {lblCCratedox, "Compliance and Cure Rate Doxycycline", 4320, 3372, 372, txtCCRateDox, 7800, 1080},
        {lblCCRateAzi, "Compliance and Cure Rate Azithromycin", 4320, 3372, 372, txtCCRateAzi, 7800, 1440},
    };
    int tab = 27;
    for (const ProbRow& r : rows) {
        r.label.designContainer(fraProb);
        r.label.designGeometry(r.labelLeft, r.top, r.labelWidth, r.labelHeight);
        r.label.designCaption(r.caption);
        r.label.designBackColor(kCyan);
        r.field.designContainer(fraProb);
        r.field.designGeometry(r.fieldLeft, r.top, kFieldWidth, kFieldHeight);
        r.field.designTabIndex(tab++);
    }
}

std::vector<float VarCon::*> FrmSenSpec::rates()
{
    std::vector<float VarCon::*> held;
    for (const RateDesign& r : kRates)
        held.push_back(r.rate);
    return held;
}

// --- load and help ---------------------------------------------------------------------

// At the pass's first load the default rates and the unit-cost form's costs;
// a later load shows the figures in use.
void FrmSenSpec::Form_Load()
{
    scalingPreamble();
    const bool firstLoad = program.pass().recordLoad(*this);
    // The unit costs are the unit-cost form's, whose first load of the pass
    // puts its defaults into the model.
    program.FrmTestCost().load();
    if (firstLoad) {
        for (const RateDesign& r : kRates)
            program.vc.*r.rate = r.defaultValue;
        program.figuresChanged();
    }
    showHelp(lblInstruction, kGeneralHelp);
}

void FrmSenSpec::Form_MouseMove() { showHelp(lblInstruction, kGeneralHelp); }

void FrmSenSpec::fraProb_MouseMove() { showHelp(lblInstruction, probabilityHelp()); }

void FrmSenSpec::fraScrTest_MouseMove() { showHelp(lblInstruction, rangeHelp()); }

// --- the positivity checks of a screening test's fields -------------------------------------

void FrmSenSpec::Spec_Response(const QString& question)
{
    strResponse = runtime().dialogs().inputBox(question, {}, QStringLiteral("2"));
    strSorryMsg = kSorryMsg;
}

// The sensitivity or specificity just read, before it is stored, against the
// positivity of every age group: the specificity plus the positivity must
// reach 1, and no positivity may exceed the sensitivity. Each field checks
// its own figure, the one the user can change there. A figure refused for
// its range never comes into use, so the check, and the population form it
// may lead to, read the figure in use instead.
fields::Verdict FrmSenSpec::checkPositivity(platform::TextBox& field, float read, bool outOfRange)
{
    SenSpecRow r{};
    bool isSpecificity = false;
    for (size_t i = 0; i < kRows.size(); ++i)
        if (&(this->*kRows[i].sens) == &field || &(this->*kRows[i].spec) == &field) {
            r = SenSpecRow(i);
            isSpecificity = &(this->*kRows[i].spec) == &field;
        }
    // A sensitivity refused for its range has had its message; a
    // specificity is checked all the same.
    if (!isSpecificity && outOfRange)
        return fields::Verdict::Accepted;
    const VarCon& vc = program.vc;
    const auto figures = [&vc, r, isSpecificity, read, outOfRange] {
        PositivityTest f = testchars::figuresInModel(vc, ScrTestKind(r));
        if (!outOfRange)
            (isSpecificity ? f.specificity : f.sensitivity) = read;
        return f;
    };
    const bool refused = testchars::refusePositivity(program, figures,
                                                     isSpecificity ? PositivityRule::Sum : PositivityRule::Sensitivity,
                                                     testchars::LeadBack::ChooseFigure)
                             .has_value();
    return refused ? fields::Verdict::Refused : fields::Verdict::Accepted;
}

void FrmSenSpec::showFigure(ScrTestKind test, const PositivityConflict& conflict)
{
    const SenSpecRow r = SenSpecRow(test);
    fraProb.setVisible(false);
    fraScrTest.setVisible(true);
    showRow(r);
    show();
    GotFocusOf(conflict.aboveSensitivity ? sensitivityField(r) : specificityField(r));
}

// --- forward and back -------------------------------------------------------------------

// The first visible, enabled specificity that is too low for a positivity
// gets the message and the focus.
fields::Verdict FrmSenSpec::checkLowSpecificities()
{
    for (const RowDesign& r : kRows) {
        platform::TextBox& spec = this->*r.spec;
        fields::Bound<float>* field = rateField(spec);
        const PositivityTest specificity{{}, 1, field->figure};
        if (!spec.visible() || !spec.enabled() ||
            !testchars::positivityConflict(program.vc, specificity, PositivityRule::Sum))
            continue;
        runtime().dialogs().msgBox(strPrevMsg);
        // A field in a hidden frame cannot take the focus.
        if (fraScrTest.visible())
            field->gotFocus();
        return fields::Verdict::Refused;
    }
    return fields::Verdict::Accepted;
}

void FrmSenSpec::cmdNext_Click()
{
    strPrevMsg = kPrevMsg;
    if (checkLowSpecificities() == fields::Verdict::Refused)
        return;
    // Every field into its figure: the one being typed in, when its text is
    // accepted; the others show their figures already, and the unit-cost
    // form's boxes show the same costs.
    for (auto& f : rates_)
        f->accept();
    for (auto& f : costs_)
        f->accept();
    setVisible(false);
    program.vc.SpecEntered = -1;
}

void FrmSenSpec::cmdBack_Click() { unload(); }

// --- what the opening forms use -----------------------------------------------------------

FrmSenSpec::Row FrmSenSpec::row(SenSpecRow r)
{
    const RowDesign& d = kRows[size_t(r)];
    return {this->*d.label, this->*d.sens, this->*d.spec, this->*d.cost};
}

platform::Label& FrmSenSpec::rowLabel(SenSpecRow r) { return row(r).label; }
platform::TextBox& FrmSenSpec::sensitivityField(SenSpecRow r) { return row(r).sens; }
platform::TextBox& FrmSenSpec::specificityField(SenSpecRow r) { return row(r).spec; }
platform::TextBox& FrmSenSpec::testCostField(SenSpecRow r) { return row(r).cost; }

void FrmSenSpec::showRow(SenSpecRow r)
{
    Row x = row(r);
    x.label.setVisible(true);
    for (platform::TextBox* field : {&x.sens, &x.spec, &x.cost}) {
        field->setVisible(true);
        field->setEnabled(true);
    }
}

void FrmSenSpec::lockRow(SenSpecRow r)
{
    Row x = row(r);
    x.sens.setEnabled(false);
    x.spec.setEnabled(false);
    x.cost.setEnabled(false);
}

void FrmSenSpec::lockTestsInUse()
{
    // A test chosen before another pair took its place is open again.
    for (const RowDesign& r : kRows)
        for (platform::TextBox FrmSenSpec::*field : {r.sens, r.spec, r.cost})
            (this->*field).setEnabled(true);
    const std::optional<ScrTestKind> test = program.sel.scrTest();
    if (!test)
        return;
    lockRow(SenSpecRow(int(*test)));
    // The retests of the screening test, whether one is in use or not.
    if (*test == ScrTestKind::GenProbe)
        lockRow(SenSpecRow::PCRGP);
    if (*test == ScrTestKind::EIA) {
        lockRow(SenSpecRow::DFAEIA);
        lockRow(SenSpecRow::PCREIA);
    }
    // A cost shared with a locked field is locked with it.
    for (const CostDesign& c : kCosts)
        for (const CostDesign& other : kCosts)
            if (c.cost == other.cost && !(this->*other.field).enabled())
                (this->*c.field).setEnabled(false);
}

fields::Bound<float>* FrmSenSpec::rateField(platform::TextBox& box)
{
    for (auto& f : rates_)
        if (&f->box == &box)
            return f.get();
    return nullptr;
}

fields::Field* FrmSenSpec::boundField(platform::TextBox& box)
{
    if (fields::Field* r = rateField(box))
        return r;
    for (auto& f : costs_)
        if (&f->box == &box)
            return f.get();
    return nullptr;
}

void FrmSenSpec::GotFocusOf(platform::TextBox& field)
{
    if (fields::Field* f = boundField(field))
        f->gotFocus();
}

void FrmSenSpec::prepareComparisonView()
{
    for (int r = 0; r < int(kRows.size()); ++r)
        showRow(SenSpecRow(r));
    lblCost.setVisible(true);
    lockTestsInUse();
    fraScrTest.setVisible(true);
    fraProb.setVisible(false);
}

void FrmSenSpec::showProbabilityView()
{
    fraScrTest.setVisible(false);
    fraProb.setVisible(true);
    setCaption("Probability Factors");
    show();
}
