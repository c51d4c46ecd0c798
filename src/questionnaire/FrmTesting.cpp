#include "questionnaire/FrmTesting.h"

#include "app/Program.h"
#include "model/Equations.h"
#include "model/Families.h"
#include "platform/Dialogs.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/QuestionFields.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/HouseStyle.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/PositivityCheck.h"

#include <vector>

namespace {

// The screening list shows the tests in its own order: LCR Cervix before PCR Urine.
constexpr ScrTestKind kScreeningItems[] = {ScrTestKind::GenProbe, ScrTestKind::EIA,  ScrTestKind::PCRC,
                                           ScrTestKind::LCRC,     ScrTestKind::PCRU, ScrTestKind::LCRU};
const char* const kScreeningTexts[] = {"GenProbe", "EIA", "Pcr Cervix", "Lcr Cervix", "Pcr Urine", "Lcr Urine"};
const char* const kNgzTexts[] = {"None", "PCR on Genprobe", "DFA on EIA", "PCR on EIA"};

// What each supported pair sets up: the retest rows shown beside the
// screening test's row on the sensitivity form (GenProbe and EIA show theirs
// even without a retest), and the NGZ
// sensitivity and gray-zone cut-offs put in use (GenProbe without a retest
// still takes those of PCR on GenProbe, as the results screen shows that row).
using Rows = std::vector<SenSpecRow>;
struct Combination {
    std::int16_t code;
    ScrTestKind screening;
    NgzTestKind ngz;
    Rows ngzRowsShown;
    float VarCon::*ngzSens;     // null: SensNgz stays as it is
    void (*grayZone)(VarCon&);  // null: no cut-offs to set up
};

const Rows kGenProbeRetests{SenSpecRow::PCRGP};
const Rows kEiaRetests{SenSpecRow::DFAEIA, SenSpecRow::PCREIA};

const Combination kCombinations[] = {
    {0, ScrTestKind::GenProbe, NgzTestKind::None, kGenProbeRetests, &VarCon::SensPCRGP,
     Equations::SetNgzZoneGP},
    {1, ScrTestKind::GenProbe, NgzTestKind::PcrOnGenProbe, kGenProbeRetests, &VarCon::SensPCRGP,
     Equations::SetNgzZoneGP},
    {10, ScrTestKind::EIA, NgzTestKind::None, kEiaRetests, nullptr, nullptr},
    {12, ScrTestKind::EIA, NgzTestKind::DfaOnEia, kEiaRetests, &VarCon::SensDFAEIA,
     Equations::SetNgzZoneDFAEIA},
    {13, ScrTestKind::EIA, NgzTestKind::PcrOnEia, {SenSpecRow::PCREIA, SenSpecRow::DFAEIA},
     &VarCon::SensPCREIA, Equations::SetNgzZonePCREIA},
    {20, ScrTestKind::PCRC, NgzTestKind::None, {}, nullptr, nullptr},
    {30, ScrTestKind::LCRC, NgzTestKind::None, {}, nullptr, nullptr},
    {40, ScrTestKind::PCRU, NgzTestKind::None, {}, nullptr, nullptr},
    {50, ScrTestKind::LCRU, NgzTestKind::None, {}, nullptr, nullptr},
};

// The sensitivity form's rows of the screening tests follow the model's order.
SenSpecRow rowOf(ScrTestKind test) { return static_cast<SenSpecRow>(static_cast<int>(test)); }

const Combination* combination(std::int16_t code)
{
    for (const Combination& c : kCombinations)
        if (c.code == code)
            return &c;
    return nullptr;
}

} // namespace

FrmTesting::FrmTesting(Program& p) : ScalingForm(p, "FrmTesting")
{
    designCaption("Testing");
    designClientSize(8565, 6810);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label5, Label6, {240, 120, 720, 4212, 18, 10, 11});

    quest::designLabels({
        {Label3, "What test do you use to screen for Chlamydia trachomatis? (Only one screening test per session)",
         240, 1200, 6132, 492},
        {Label4, "What negative gray zone(ngz) test do you use? (select 'None' if unkown or do not do ngz testing)",
         240, 4200, 7812, 492},
    });

    lstScreenTest.designGeometry(240, 1920, 1575, 1635);
    lstScreenTest.designTabIndex(0);
    lstNgzTest.designGeometry(240, 4920, 1575, 1410);
    lstNgzTest.designTabIndex(1);

    cmdBack.designGeometry(5880, 5760, 732, 615);
    cmdBack.designPicture(":/arrow_left.png");
    cmdBack.designTabIndex(2);
    cmdNext.designGeometry(6720, 5760, 732, 615);
    cmdNext.designPicture(":/arrow_right.png");
    cmdNext.designTabIndex(3);
    cmdNext.designVisible(false);
    mnuForward.designEnabled(false);

    lstScreenTest.Click = [this] { lstScreenTest_Click(); };
    lstScreenTest.Validate = [this](bool& cancel) { lstScreenTest_Validate(cancel); };
    lstNgzTest.Click = [this] { lstNgzTest_Click(); };
    lstNgzTest.ChosenItemClicked = [this] { lstNgzTest_ChosenItemClicked(); };
    lstNgzTest.Validate = [this](bool& cancel) { lstNgzTest_Validate(cancel); };
    cmdBack.Click = [this] { cmdBack_Click(); };
    cmdNext.Click = [this] { cmdNext_Click(); };
    mnuForward.Click = [this] { mnuForward_Click(); };
    mnuRestart.Click = [this] { mnuRestart_Click(); };
    mnuMain.Click = [this] { mnuMain_Click(); };
}

void FrmTesting::Form_Load()
{
    scalingPreamble();
    TestCode = InvalidCode;
    setUpCode_ = InvalidCode;
    for (const char* item : kScreeningTexts)
        lstScreenTest.addItem(item);
    for (const char* item : kNgzTexts)
        lstNgzTest.addItem(item);
    // Loaded again in a pass whose pair was set up (brought back after its
    // close box), the form shows that pair, ready to go on; its own Back and
    // a refused pair's No start it afresh.
    if (program.pass().answered(*this))
        showPairInUse();
}

void FrmTesting::showPairInUse()
{
    for (const Combination& c : kCombinations) {
        if (program.sel.scrTest() != c.screening || program.sel.ngzTest() != c.ngz)
            continue;
        // The screening test first: with no retest chosen yet its click
        // checks nothing; the retest's click is held back below.
        showingPairInUse_ = true;
        lstScreenTest.setListIndex(c.code / 10);
        lstNgzTest.setListIndex(c.code % 10);
        showingPairInUse_ = false;
        // Set up again by Forward, so the characteristics have its rows
        // even where they were closed meanwhile.
        TestCode = c.code;
        offerForward(true);
        return;
    }
}

void FrmTesting::ValidateSelection()
{
    const int screening = lstScreenTest.listIndex();
    const int ngz = lstNgzTest.listIndex();
    const auto code = static_cast<std::int16_t>(10 * screening + ngz);
    TestCode = screening >= 0 && ngz >= 0 && combination(code) ? code : InvalidCode;
}

// --- choosing the pair ----------------------------------------------------------------------

void FrmTesting::offerForward(bool offered)
{
    cmdNext.setVisible(offered);
    mnuForward.setEnabled(offered);
}

void FrmTesting::checkPair()
{
    ValidateSelection();
    ::FrmSenSpec& senSpec = program.FrmSenSpec();
    senSpec.load();
    senSpec.setCaption("Sensitivity and Specificity");
    GetCost();
    if (isLoaded())
        offerForward(TestCode != InvalidCode);
}

void FrmTesting::lstNgzTest_Click()
{
    if (!showingPairInUse_)
        checkPair();
}

void FrmTesting::lstScreenTest_Click()
{
    // With a retest chosen, a new screening test makes a new pair. It is only
    // checked: the keys stay with the list, Forward is offered while the pair
    // is supported, and the user hears why it is not. The set-up waits for
    // the retest's click or Forward.
    if (lstNgzTest.listIndex() < 0)
        return;
    ValidateSelection();
    offerForward(TestCode != InvalidCode);
    if (TestCode == InvalidCode)
        runtime().dialogs().msgBox(
            QStringLiteral("%1 is not offered with %2: you have chosen incorrect test combinations. Choose "
                           "another test, or click %2 again to see valid combinations.")
                .arg(lstScreenTest.text(), lstNgzTest.text()));
}

// The retest clicked again after the screening test changed: the pair is
// checked, and set up when supported, as at a new choice.
void FrmTesting::lstNgzTest_ChosenItemClicked()
{
    ValidateSelection();
    if (TestCode == InvalidCode || setUpCode_ != TestCode)
        checkPair();
}

void FrmTesting::GetCost()
{
    const Combination* c = combination(TestCode);
    if (!c) {
        lstScreenTest.setFocus();
        offerValidCombinations(MsgInvalidPair);
        return;
    }
    setUp(c->code, true);
}

// The pair becomes the selection in use and its rows are turned on among the
// characteristics; shown, those come up with the focus in the screening
// test's sensitivity.
void FrmTesting::setUp(std::int16_t code, bool showCharacteristics)
{
    const Combination& c = *combination(code);
    ::FrmSenSpec& senSpec = program.FrmSenSpec();
    senSpec.fraProb.setVisible(false);
    senSpec.fraScrTest.setVisible(true);
    if (showCharacteristics)
        senSpec.show();
    const SenSpecRow screening = rowOf(c.screening);
    senSpec.showRow(screening);
    if (showCharacteristics)
        senSpec.GotFocusOf(senSpec.sensitivityField(screening));
    // The screening option first: the retest's handler checks it.
    program.sel.selectScrTest(program.vc, c.screening);
    program.sel.selectNgzTest(program.vc, c.ngz);
    if (!c.ngzRowsShown.empty()) {
        senSpec.lblNGZTitle.setVisible(true);
        for (SenSpecRow r : c.ngzRowsShown)
            senSpec.showRow(r);
    }
    setUpCode_ = c.code;
    program.pass().recordAnswered(*this);
}

void FrmTesting::restart()
{
    program.pass().forgetAnswered(*this);
    unload();
    show();
}

void FrmTesting::offerValidCombinations(const char* question)
{
    if (runtime().dialogs().msgBox(question, platform::Buttons::YesNo) == platform::Answer::Yes) {
        program.vc.InstructFromTesting = -1;
        ::FrmInstructSwitch& viewer = program.FrmInstructSwitch();
        viewer.load();
        viewer.cmdAppInstr_Click();
        viewer.showModal();
    } else {
        restart();
    }
}

void FrmTesting::lstNgzTest_Validate(bool& cancel)
{
    if (lstNgzTest.listIndex() >= 0)
        return;
    cancel = true;
    offerValidCombinations(MsgNoNgzTest);
}

void FrmTesting::lstScreenTest_Validate(bool& cancel)
{
    if (lstScreenTest.listIndex() >= 0)
        return;
    cancel = true;
    runtime().dialogs().msgBox(MsgNoScreeningTest);
}

// --- leaving ---------------------------------------------------------------------------------

void FrmTesting::cmdNext_Click()
{
    // Forward goes by the pair on screen, never by one chosen before.
    ValidateSelection();
    const Combination* c = combination(TestCode);
    if (!c) {
        offerForward(false);
        return;
    }
    // The figures of the pair's screening test, as the model holds them,
    // against the positivity as it stands now.
    const VarCon& figures = program.vc;
    const auto inModel = [&figures, test = c->screening] { return testchars::figuresInModel(figures, test); };
    if (const std::optional<PositivityConflict> conflict = testchars::refusePositivity(
            program, inModel, PositivityRule::Both, testchars::LeadBack::ChooseFigure)) {
        program.FrmSenSpec().showFigure(c->screening, *conflict);
        return;
    }
    // A pair chosen by the screening test alone is set up now.
    if (setUpCode_ != TestCode)
        setUp(c->code, false);
    hide();
    VarCon& vc = program.vc;
    const int scr = static_cast<int>(c->screening);
    vc.SensScr = vc.*PerTest::Sens[size_t(scr)];
    vc.SpecScr = vc.*PerTest::Spec[size_t(scr)];
    settleTestsInUse();
    if (c->ngzSens)
        vc.SensNgz = vc.*c->ngzSens;
    if (c->grayZone)
        c->grayZone(vc);
    program.FrmConfirm().show();
}

void FrmTesting::settleTestsInUse()
{
    const Combination* c = combination(TestCode);
    if (!c)
        return;
    ::FrmSenSpec& senSpec = program.FrmSenSpec();
    senSpec.lockTestsInUse();
    if (!c->ngzRowsShown.empty())
        senSpec.lblNGZTitle.setVisible(true);
}

void FrmTesting::mnuForward_Click() { cmdNext_Click(); }

void FrmTesting::cmdBack_Click()
{
    program.pass().forgetAnswered(*this);
    unload();
    program.FrmSenSpec().unload();
    program.FrmQuestPop().show();
}

void FrmTesting::mnuRestart_Click() { cmdBack_Click(); }

void FrmTesting::mnuMain_Click()
{
    program.returnToConsole();
    program.clearQuestionnaireFlags();
}
