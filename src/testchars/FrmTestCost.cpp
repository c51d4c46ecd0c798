#include "testchars/FrmTestCost.h"

#include "app/Program.h"
#include "fields/Figures.h"
#include "shell/HouseStyle.h"

#include <array>
#include <stdexcept>

namespace {

const QString kCostMessage = QStringLiteral("Cost value has to be numeric and greater than zero");

constexpr double kFirstLineTop = 1200;
constexpr double kLineStep = 480;
constexpr double kBoxHeight = 315;
constexpr std::array<double, 3> kLabelLeft{240, 2900, 5560};
constexpr double kLabelWidth = 1300;
constexpr double kBoxGap = 60;
constexpr double kBoxWidth = 1000;
constexpr double kWideBoxWidth = 1400;

struct CostRow {
    platform::Label FrmTestCost::*label;
    const char* caption;
    platform::TextBox FrmTestCost::*box;
    Money VarCon::*cost;
    std::int64_t defaultTicks;
    int line;    // 1..7, top to bottom
    int column;  // 0..2
    bool wide;   // the drug and PID boxes
};

// In the order the load writes the defaults and the forward button stores them.
const std::array<CostRow, 13> kRows{{
    {&FrmTestCost::lblGp, "GenProbe", &FrmTestCost::TxtCostGP, &VarCon::CostGP, 33500, 1, 0, false},
    {&FrmTestCost::lblEIA, "EIA", &FrmTestCost::TxtCostEIA, &VarCon::CostEIA, 23000, 2, 0, false},
    {&FrmTestCost::lblPCRC, "PCR Cervix", &FrmTestCost::TxtCostPCRC, &VarCon::CostPCRC, 96600, 1, 1, false},
    {&FrmTestCost::lblPCRU, "PCR Urine", &FrmTestCost::TxtCostPCRU, &VarCon::CostPCRU, 96600, 1, 2, false},
    {&FrmTestCost::lblLCRC, "LCR Cervix", &FrmTestCost::TxtCostLCRC, &VarCon::CostLCRC, 81800, 2, 1, false},
    {&FrmTestCost::lblLCRU, "LCR Urine", &FrmTestCost::TxtCostLCRU, &VarCon::CostLCRU, 81800, 2, 2, false},
    {&FrmTestCost::lblDFA, "DFA", &FrmTestCost::TxtCostDFA, &VarCon::CostDFA, 42000, 3, 0, false},
    {&FrmTestCost::lblPCA, "PCA", &FrmTestCost::TxtCostPCA, &VarCon::CostPCA, 66300, 3, 1, false},
    {&FrmTestCost::lblDox, "Doxycycline", &FrmTestCost::TxtCostDox, &VarCon::CostDox, 20000, 5, 0, true},
    {&FrmTestCost::lblAzi, "Azithromycin", &FrmTestCost::TxtCostAzi, &VarCon::CostAzi, 95000, 6, 0, true},
    {&FrmTestCost::lblDFANGZ, "DFA in NGZ", &FrmTestCost::TxtCostDNGZ, &VarCon::CostDNGZ, 42000, 3, 2, false},
    {&FrmTestCost::lblPCRNGZ, "PCR in NGZ", &FrmTestCost::TxtCostPNGZ, &VarCon::CostPNGZ, 96600, 4, 1, false},
    {&FrmTestCost::lblPid, "Cost of PID", &FrmTestCost::TxtCostPID, &VarCon::CostPID, 11670000, 7, 0, true},
}};

// Tab order of the boxes, which reads across the lines rather than in the
// order of the defaults.
const std::array<platform::TextBox FrmTestCost::*, 13> kTabOrder{
    &FrmTestCost::TxtCostGP,   &FrmTestCost::TxtCostEIA,  &FrmTestCost::TxtCostPCRC, &FrmTestCost::TxtCostPCRU,
    &FrmTestCost::TxtCostLCRC, &FrmTestCost::TxtCostLCRU, &FrmTestCost::TxtCostDFA,  &FrmTestCost::TxtCostPCA,
    &FrmTestCost::TxtCostDNGZ, &FrmTestCost::TxtCostPNGZ, &FrmTestCost::TxtCostDox,  &FrmTestCost::TxtCostAzi,
    &FrmTestCost::TxtCostPID};

} // namespace

FrmTestCost::FrmTestCost(Program& p) : ScalingForm(p, "FrmTestCost")
{
    designCaption("Test, Medication, and Illness Cost");
    // Opened over the confirmation question, and left open beside the pass.
    designOpensBeside();
    designClientSize(9600, 6600);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label3, Label4, {240, 120, 600, 3492, 18, 20, 21});

    FraCosOfTest.designGeometry(240, 1080, 8160, 5160);
    FraCosOfTest.designCaption("Cost of Test and Medication");
    FraCosOfTest.designBackColor(kCyan);

    Label1.designContainer(FraCosOfTest);
    Label1.designGeometry(240, 300, 4000, 330);
    Label1.designCaption("Confirmation of Costs");
    Label1.designFont("Times New Roman", 12, true);
    Label1.designBackColor(kCyan);

    Label2.designContainer(FraCosOfTest);
    Label2.designGeometry(240, 720, 7680, 300);
    Label2.designCaption(
        "If your costs are different than indicated below, you can change the value by typing in a new value:");
    Label2.designBackColor(kCyan);

    for (const CostRow& r : kRows) {
        platform::Label& label = this->*r.label;
        platform::TextBox& box = this->*r.box;
        const double top = kFirstLineTop + (r.line - 1) * kLineStep;
        const double left = kLabelLeft[size_t(r.column)];
        label.designContainer(FraCosOfTest);
        label.designGeometry(left, top + 30, kLabelWidth, 285);
        label.designCaption(r.caption);
        label.designBackColor(kCyan);
        label.designVisible(false);
        box.designContainer(FraCosOfTest);
        box.designGeometry(left + kLabelWidth + kBoxGap, top, r.wide ? kWideBoxWidth : kBoxWidth, kBoxHeight);
        box.designVisible(false);
        fields_.push_back(std::make_unique<fields::Bound<Money>>(program.fields, box, program.vc.*r.cost,
                                                                 fields::costFormat(kCostMessage),
                                                                 fields::OnRefusal::PutBack));
    }
    for (size_t i = 0; i < kTabOrder.size(); ++i)
        (this->*kTabOrder[i]).designTabIndex(int(i));

    cmdNext.designGeometry(8640, 5625, 732, 615);
    cmdNext.designPicture(":/arrow_right.png");
    cmdNext.designBackColor(Qt::white);
    cmdNext.designTabIndex(int(kTabOrder.size()));

    // The results read the confirmation costs as these two boxes show them.
    field(TxtCostDFA).wrote = [this] { program.vc.TxtCostDFA = program.vc.CostDFA; };
    field(TxtCostPCA).wrote = [this] { program.vc.TxtCostPCA = program.vc.CostPCA; };

    cmdNext.Click = [this] { cmdNext_Click(); };
}

FrmTestCost::~FrmTestCost() = default;

fields::Bound<Money>& FrmTestCost::field(platform::TextBox& box)
{
    for (auto& f : fields_)
        if (&f->box == &box)
            return *f;
    throw std::logic_error("not a cost box of FrmTestCost");
}

std::vector<Money VarCon::*> FrmTestCost::costs()
{
    std::vector<Money VarCon::*> held;
    for (const CostRow& r : kRows)
        held.push_back(r.cost);
    held.push_back(&VarCon::TxtCostDFA);
    held.push_back(&VarCon::TxtCostPCA);
    return held;
}

// The defaults at the pass's first load; a later load shows the costs in use.
void FrmTestCost::Form_Load()
{
    scalingPreamble();
    const bool firstLoad = program.pass().recordLoad(*this);
    if (firstLoad) {
        for (const CostRow& r : kRows)
            program.vc.*r.cost = Money::fromTicks(r.defaultTicks);
        program.figuresChanged();
    }
}

// Every box goes into its cost: the one being typed in, when its text is
// accepted; the others show their costs already.
void FrmTestCost::cmdNext_Click()
{
    for (auto& f : fields_)
        f->accept();
    setVisible(false);
}
