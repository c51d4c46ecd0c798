#include "model/Equations.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "testchars/FrmSenSpec.h"
#include "QuestFixture.h"

using questtest::QuestTest;

namespace {

class TestingTest : public QuestTest {
protected:
    FrmTesting& testing() { return shown(program().FrmTesting()); }

    // Chooses the pair as a click on each list does.
    void choose(FrmTesting& f, int screening, int ngz)
    {
        f.lstScreenTest.setListIndex(screening);
        f.lstNgzTest.setListIndex(ngz);
    }
};

TEST_F(TestingTest, EveryPairHasItsCodeAndOnlySupportedPairsBecomeTheSelection)
{
    const std::int16_t codes[6][4] = {
        {0, 1, 99, 99}, {10, 99, 12, 13}, {20, 99, 99, 99}, {30, 99, 99, 99}, {40, 99, 99, 99}, {50, 99, 99, 99}};
    const char* scrTest[] = {"GenProbe", "EIA", "PCR Cervix", "LCR Cervix", "PCR Urine", "LCR Urine"};
    const int optScr[] = {0, 1, 2, 4, 3, 5};
    const char* ngzTest[] = {"No NGZ Test", "PCR on GenProbe", "DFA on EIA", "PCR on EIA"};
    for (int s = 0; s < 6; ++s) {
        for (int n = 0; n < 4; ++n) {
            SCOPED_TRACE(testing::Message() << "pair " << s << "," << n);
            program().sel.clear();
            program().vc.ScrTest.clear();
            dialogs.clear();
            FrmTesting& f = testing();
            dialogs.answer(platform::Answer::No);
            choose(f, s, n);
            if (codes[s][n] == FrmTesting::InvalidCode) {
                EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmTesting::MsgInvalidPair});
                EXPECT_EQ(f.lstScreenTest.listIndex(), -1) << "No starts the form afresh";
                EXPECT_FALSE(f.cmdNext.visible());
                EXPECT_FALSE(program().sel.scrTest().has_value());
            } else {
                EXPECT_TRUE(dialogs.prompts().empty());
                EXPECT_EQ(f.TestCode, codes[s][n]);
                EXPECT_TRUE(f.cmdNext.visible());
                EXPECT_TRUE(f.mnuForward.enabled());
                EXPECT_TRUE(program().sel.OptScrTest(optScr[s]));
                EXPECT_TRUE(program().sel.optNgzTest(n));
                EXPECT_EQ(program().vc.ScrTest, scrTest[s]);
                EXPECT_EQ(program().vc.NgzTest, ngzTest[n]);
            }
            f.unload();
        }
    }
}

TEST_F(TestingTest, APairOpensItsRowsAndForwardFixesAndLocksItsCharacteristics)
{
    using R = SenSpecRow;
    struct Case {
        int screening, ngz;
        std::vector<R> rows;  // shown, screening row first; then locked by Forward
        float specScr, sensNgz;
        void (*grayZone)(VarCon&);
    };
    const float unchanged = 0.123f;
    const Case cases[] = {
        {0, 0, {R::GP, R::PCRGP}, 0.987f, 0.89f, Equations::SetNgzZoneGP},
        {0, 1, {R::GP, R::PCRGP}, 0.987f, 0.89f, Equations::SetNgzZoneGP},
        {1, 0, {R::EIA, R::DFAEIA, R::PCREIA}, 0.985f, unchanged, nullptr},
        {1, 2, {R::EIA, R::DFAEIA, R::PCREIA}, 0.985f, 0.871f, Equations::SetNgzZoneDFAEIA},
        {1, 3, {R::EIA, R::PCREIA, R::DFAEIA}, 0.985f, 0.89f, Equations::SetNgzZonePCREIA},
        {2, 0, {R::PCRC}, 0.996f, unchanged, nullptr},
        {3, 0, {R::LCRC}, 0.996f, unchanged, nullptr},
        {4, 0, {R::PCRU}, 0.996f, unchanged, nullptr},
        {5, 0, {R::LCRU}, 0.996f, unchanged, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pair " << c.screening << "," << c.ngz);
        FrmTesting& f = testing();
        choose(f, c.screening, c.ngz);
        FrmSenSpec& senSpec = program().FrmSenSpec();
        ASSERT_TRUE(senSpec.isShown());
        EXPECT_EQ(senSpec.caption(), "Sensitivity and Specificity");
        EXPECT_FALSE(senSpec.fraProb.visible());
        EXPECT_EQ(senSpec.lblNGZTitle.visible(), c.rows.size() > 1);
        for (R r : c.rows)
            EXPECT_TRUE(senSpec.rowLabel(r).visible() && senSpec.testCostField(r).visible());
        int shownRows = 0;
        for (int r = 0; r < 9; ++r)
            shownRows += senSpec.rowLabel(R(r)).visible();
        EXPECT_EQ(shownRows, int(c.rows.size()));

        // A sensitivity changed on the sensitivity form after the choice is the one Forward takes.
        platform::TextBox& sens = senSpec.sensitivityField(c.rows.front());
        ASSERT_TRUE(sens.hasFocus());
        activate(senSpec);
        typeAndTab(sens, "0.92");
        VarCon& vc = program().vc;
        vc.SensNgz = unchanged;
        vc.SensWithNgz = unchanged;
        VarCon expected = vc;
        if (c.grayZone)
            c.grayZone(expected);
        f.mnuForward.trigger();
        EXPECT_EQ(vc.SensScr, 0.92f);
        EXPECT_EQ(vc.SpecScr, c.specScr);
        EXPECT_EQ(vc.SensNgz, c.sensNgz);
        EXPECT_EQ(vc.SensWithNgz, expected.SensWithNgz);
        EXPECT_EQ(vc.SpecWithNgz, expected.SpecWithNgz);
        for (R r : c.rows)
            EXPECT_FALSE(senSpec.sensitivityField(r).enabled() || senSpec.specificityField(r).enabled() ||
                         senSpec.testCostField(r).enabled());
        EXPECT_FALSE(f.isShown());
        EXPECT_TRUE(program().FrmConfirm().isShown());
        program().FrmConfirm().unload();
        f.cmdBack_Click();  // unloads the sensitivity form too
        EXPECT_FALSE(senSpec.isLoaded());
    }
}

TEST_F(TestingTest, ForwardRunsTheSpecificityCheckAgainstThePositivityAsItStandsNow)
{
    FrmTesting& f = testing();
    choose(f, 0, 1);
    program().vc.NoFem25 = 300;
    program().vc.PerFem25 = 0.01f;  // 0.987 + 0.01 is below 1
    dialogs.type("2");
    f.cmdNext_Click();
    EXPECT_TRUE(f.isShown()) << "the pair does not go on";
    EXPECT_FALSE(program().FrmConfirm().isLoaded());
    EXPECT_TRUE(program().FrmSenSpec().TxtGPSpec.hasFocus());
    EXPECT_TRUE(program().FrmSenSpec().TxtGPSpec.enabled());

    // Answer 1: the population form comes up modally to change the positivity.
    FrmQuestPop& pop = program().FrmQuestPop();
    dialogs.type("1");
    testsupport::whenModal(pop, [&] {
        pop.counts = {100, 100, 300};
        program().figuresChanged();
        pop.txtPerFem25.setText("2");
        pop.txtPerFem25.setFocus();
        QTest::keyClick(edit(pop.txtPerFem25), Qt::Key_Tab);
        pop.cmdContinue_Click();
    });
    f.cmdNext_Click();
    EXPECT_FALSE(pop.isShown());
    EXPECT_EQ(program().vc.PerFem25, 0.02f);
    EXPECT_FALSE(program().FrmConfirm().isLoaded()) << "the refused Forward does not go on by itself";
    f.cmdNext_Click();
    EXPECT_TRUE(program().FrmConfirm().isShown());
}

TEST_F(TestingTest, ANewScreeningTestOnlyChecksThePairAndTheKeysStayWithTheList)
{
    FrmTesting& f = testing();
    FrmSenSpec& senSpec = program().FrmSenSpec();
    dialogs.setEveryBoxRunsALoop(true);
    clickItem(f.lstScreenTest, 0);
    clickItem(f.lstNgzTest, 1);  // GenProbe with PCR on Genprobe, set up
    ASSERT_TRUE(senSpec.isShown());
    activate(f);
    clickItem(f.lstScreenTest, 0);

    struct Step {
        const char* what;
        Qt::Key key;
        int screening;
        bool forward;
        const char* why;  // the message when Forward goes
    };
    const Step steps[] = {
        {"Down: EIA", Qt::Key_Down, 1, false, "EIA is not offered with PCR on Genprobe"},
        {"Down: Pcr Cervix", Qt::Key_Down, 2, false, "Pcr Cervix is not offered with PCR on Genprobe"},
        {"Home: GenProbe", Qt::Key_Home, 0, true, nullptr},
        {"Down: EIA again", Qt::Key_Down, 1, false, "EIA is not offered with PCR on Genprobe"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        dialogs.clear();
        QTest::keyClick(f.lstScreenTest.widget(), step.key);
        EXPECT_EQ(f.lstScreenTest.listIndex(), step.screening);
        EXPECT_EQ(f.cmdNext.visible(), step.forward);
        EXPECT_EQ(f.mnuForward.enabled(), step.forward);
        if (step.why) {
            ASSERT_EQ(dialogs.prompts().size(), 1u);
            EXPECT_TRUE(dialogs.prompts().front().startsWith(step.why)) << dialogs.prompts().front().toStdString();
        } else {
            EXPECT_TRUE(dialogs.prompts().empty());
        }
        EXPECT_TRUE(f.lstScreenTest.hasFocus()) << "the keys stay with the list";
        EXPECT_TRUE(program().sel.OptScrTest(0)) << "the set-up waits for the retest or Forward";
    }

    // The highlighted retest clicked again checks the unsupported pair: No
    // to the question starts the form afresh.
    dialogs.clear();
    dialogs.answer(platform::Answer::No);
    clickItem(f.lstNgzTest, 1);
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmTesting::MsgInvalidPair});
    EXPECT_EQ(f.lstScreenTest.listIndex(), -1);

    // A supported pair made by the screening test alone is set up by Forward.
    clickItem(f.lstScreenTest, 0);
    clickItem(f.lstNgzTest, 0);
    activate(f);
    clickItem(f.lstScreenTest, 0);
    dialogs.clear();
    QTest::keyClick(f.lstScreenTest.widget(), Qt::Key_Down);  // EIA with None
    EXPECT_TRUE(dialogs.prompts().empty());
    EXPECT_TRUE(program().sel.OptScrTest(0));
    press(f.cmdNext);
    EXPECT_TRUE(program().sel.OptScrTest(1));
    EXPECT_EQ(program().vc.ScrTest, "EIA");
    EXPECT_EQ(program().vc.SpecScr, program().vc.SpecEIA);
    EXPECT_FALSE(senSpec.specificityField(SenSpecRow::EIA).enabled());
    EXPECT_TRUE(program().FrmConfirm().isShown());
}

TEST_F(TestingTest, LeavingAListWithoutAChoiceIsRefused)
{
    FrmTesting& f = testing();
    ASSERT_TRUE(f.lstScreenTest.hasFocus());
    QTest::keyClick(f.lstScreenTest.widget(), Qt::Key_Tab);
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmTesting::MsgNoScreeningTest});
    EXPECT_TRUE(f.lstScreenTest.hasFocus());

    QTest::keyClick(f.lstScreenTest.widget(), Qt::Key_Down);
    QTest::keyClick(f.lstScreenTest.widget(), Qt::Key_Tab);
    ASSERT_TRUE(f.lstNgzTest.hasFocus());
    EXPECT_EQ(f.lstNgzTest.listIndex(), -1) << "tabbing into a list chooses nothing";
    dialogs.clear();
    dialogs.answer(platform::Answer::No);
    QTest::keyClick(f.lstNgzTest.widget(), Qt::Key_Tab);
    EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmTesting::MsgNoNgzTest});
    EXPECT_TRUE(f.isShown());
    EXPECT_EQ(f.lstScreenTest.listIndex(), -1) << "No starts the form afresh";
}

TEST_F(TestingTest, YesShowsTheValidCombinationsAndModelComesBackHere)
{
    FrmTesting& f = testing();
    dialogs.answer(platform::Answer::Yes);
    bool sawViewer = false;
    FrmInstructSwitch& viewer = program().FrmInstructSwitch();
    testsupport::whenModal(viewer, [&] {
        sawViewer = program().vc.InstructFromTesting != 0;
        testsupport::whenModal(program().FrmInstruct(), [&] { program().FrmInstruct().cmdModel_Click(); });
        viewer.cmdNext_Click();
    });
    choose(f, 2, 1);  // Pcr Cervix with a retest
    EXPECT_TRUE(sawViewer);
    EXPECT_EQ(program().vc.InstructFromTesting, 0);
    EXPECT_FALSE(viewer.isLoaded());
    EXPECT_TRUE(f.isShown());
    EXPECT_EQ(f.lstScreenTest.listIndex(), 2) << "the choices stay as they were";
    EXPECT_FALSE(program().FrmConsole().isShown());
}

TEST_F(TestingTest, BackCommandsUnloadInTheirOrder)
{
    Program& p = program();
    FrmTesting& f = testing();
    p.FrmQuestPop().load();
    choose(f, 0, 0);
    ASSERT_TRUE(p.FrmSenSpec().isShown());
    f.mnuRestart.trigger();
    EXPECT_FALSE(f.isLoaded());
    EXPECT_FALSE(p.FrmSenSpec().isLoaded());
    EXPECT_TRUE(p.FrmQuestPop().isShown());

    const QStringList order = backToMain(
        [&] {
            testing();
            choose(f, 1, 0);
        },
        [&] { f.mnuMain.trigger(); });
    EXPECT_EQ(order, (QStringList{"FrmGraph", "FrmQuestDrugCost", "FrmInitQuest", "FrmQuestPercent", "FrmQuestPop",
                                  "FrmSwitchToAnaly", "FrmDraftCostTest", "FrmScrResult", "FrmSenSpec", "FrmSwitchTo",
                                  "FrmSwitchToCost", "FrmTestCost", "FrmTesting"}));
    EXPECT_TRUE(p.FrmConfirm().isLoaded());
    EXPECT_TRUE(p.FrmInstructSwitch().isLoaded());
}

} // namespace
