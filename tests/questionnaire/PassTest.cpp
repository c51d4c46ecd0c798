// Whole passes through the questionnaire, from the console to the results
// screen, typed and tabbed as a person does.

#include "model/Equations.h"
#include "model/Families.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "shell/FrmConsole.h"
#include "testchars/FrmSenSpec.h"
#include "QuestFixture.h"

using questtest::QuestTest;

namespace {

class PassTest : public QuestTest {
protected:
    // A key pressed in a control of the window in front.
    static void key(platform::Control& c, Qt::Key k)
    {
        activate(c.form());
        QTest::keyClick(c.widget(), k);
    }

    // Moves through a list with the keys. In the retest list only items that
    // make a supported pair with the screening test are passed over: the
    // EIA retests are reached from the end of the list.
    static void chooseByKeys(platform::ListBox& list, int item, bool fromTheEnd)
    {
        if (fromTheEnd) {
            key(list, Qt::Key_End);
            for (int i = list.listCount() - 1; i > item; --i)
                key(list, Qt::Key_Up);
            return;
        }
        for (int i = 0; i <= item; ++i)
            key(list, Qt::Key_Down);
    }

    // Answers every question up to the agree step: counts with a fraction and
    // a group of none, positivity tabbed through, no confirmation,
    // Azithromycin at 40 % with the other figures left, the drug costs typed.
    void walk(int screeningItem, int ngzItem)
    {
        Program& p = program();
        FrmConsole& console = shown(p.FrmConsole());
        if (console.txtRegion.hasFocus()) {
            QTest::keyClicks(console.txtRegion.widget(), "Lakeside");
            key(console.txtRegion, Qt::Key_Tab);
        }
        ASSERT_TRUE(console.cmdApp.hasFocus());
        key(console.cmdApp, Qt::Key_Return);

        FrmInitQuest& preview = p.FrmInitQuest();
        ASSERT_TRUE(preview.cmdNext.hasFocus());
        key(preview.cmdNext, Qt::Key_Return);
        EXPECT_TRUE(preview.isLoaded() && !preview.isShown()) << "the preview is hidden, not unloaded";

        FrmQuestPop& pop = p.FrmQuestPop();
        typeAndTab(pop.txtNoFem18, "1,000.5");
        typeAndTab(pop.txtNoFem1825, "0");
        typeAndTab(pop.txtNoFem25, "3000");
        for (platform::TextBox* t : {&pop.txtPerFem18, &pop.txtPerFem1825, &pop.txtPerFem25})
            typeAndTab(*t, "");
        ASSERT_TRUE(pop.cmdContinue.hasFocus());
        key(pop.cmdContinue, Qt::Key_Return);

        FrmTesting& testing = p.FrmTesting();
        ASSERT_TRUE(testing.lstScreenTest.hasFocus());
        chooseByKeys(testing.lstScreenTest, screeningItem, false);
        key(testing.lstScreenTest, Qt::Key_Tab);
        chooseByKeys(testing.lstNgzTest, ngzItem, ngzItem >= 2);
        ASSERT_EQ(testing.lstScreenTest.listIndex(), screeningItem);
        ASSERT_EQ(testing.lstNgzTest.listIndex(), ngzItem);

        ASSERT_TRUE(p.FrmSenSpec().isShown()) << "the sensitivity form comes up beside";
        activate(testing);
        key(testing.lstNgzTest, Qt::Key_Tab);
        key(testing.cmdBack, Qt::Key_Tab);
        ASSERT_TRUE(testing.cmdNext.hasFocus());
        key(testing.cmdNext, Qt::Key_Return);

        // The question opens answered No, as the earlier passes left it.
        FrmConfirm& confirm = p.FrmConfirm();
        if (confirm.cmdForward.hasFocus())  // where the last pass left it
            key(confirm.cmdForward, Qt::Key_Backtab);
        ASSERT_TRUE(confirm.optConfirm[1].hasFocus());
        ASSERT_FALSE(p.sel.confirmsPositives);
        key(confirm.optConfirm[1], Qt::Key_Tab);
        ASSERT_TRUE(confirm.cmdForward.hasFocus());
        key(confirm.cmdForward, Qt::Key_Return);

        FrmQuestPercent& percent = p.FrmQuestPercent();
        typeAndTab(percent.txtAzi, "40");
        typeAndTab(percent.txtDox, "");
        typeAndTab(percent.txtPerReturn, "");
        ASSERT_TRUE(percent.cmdOk.hasFocus());
        key(percent.cmdOk, Qt::Key_Return);

        FrmQuestDrugCost& drugs = p.FrmQuestDrugCost();
        typeAndTab(drugs.txtAzi, "12");
        typeAndTab(drugs.txtDox, "2");
        typeAndTab(drugs.txtPID, "1167");
        ASSERT_TRUE(drugs.cmdAgree.hasFocus());
    }

    void returnToMain()
    {
        FrmScrResult& results = program().FrmScrResult();
        activate(results);
        QTest::keyClick(results.window(), Qt::Key_R, Qt::ControlModifier);
        ASSERT_TRUE(program().FrmConsole().isShown());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(PassTest, EverySupportedPairReachesTheAgreeStepWithItsCharacteristicsAndCosts)
{
    struct Case {
        int screeningItem, ngzItem;
        ScrTestKind test;
        const char* ngzTest;
        float VarCon::*sensNgz;  // null: none in use
        void (*grayZone)(VarCon&);
        Money VarCon::*costNgz;  // null: no retest cost
    };
    const Case cases[] = {
        {0, 0, ScrTestKind::GenProbe, "No NGZ Test", &VarCon::SensPCRGP, Equations::SetNgzZoneGP, nullptr},
        {0, 1, ScrTestKind::GenProbe, "PCR on GenProbe", &VarCon::SensPCRGP, Equations::SetNgzZoneGP,
         &VarCon::CostPNGZ},
        {1, 0, ScrTestKind::EIA, "No NGZ Test", nullptr, nullptr, nullptr},
        {1, 2, ScrTestKind::EIA, "DFA on EIA", &VarCon::SensDFAEIA, Equations::SetNgzZoneDFAEIA, &VarCon::CostDNGZ},
        {1, 3, ScrTestKind::EIA, "PCR on EIA", &VarCon::SensPCREIA, Equations::SetNgzZonePCREIA, &VarCon::CostPNGZ},
        {2, 0, ScrTestKind::PCRC, "No NGZ Test", nullptr, nullptr, nullptr},
        {3, 0, ScrTestKind::LCRC, "No NGZ Test", nullptr, nullptr, nullptr},
        {4, 0, ScrTestKind::PCRU, "No NGZ Test", nullptr, nullptr, nullptr},
        {5, 0, ScrTestKind::LCRU, "No NGZ Test", nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pair " << c.screeningItem << "," << c.ngzItem);
        const float noRetest = 0.5f;
        program().vc.SensNgz = noRetest;
        walk(c.screeningItem, c.ngzItem);
        if (HasFatalFailure())
            return;
        VarCon& vc = program().vc;
        const int t = static_cast<int>(c.test);
        EXPECT_EQ((std::vector<float>{vc.NoFem18, vc.NoFem1825, vc.NoFem25}), (std::vector<float>{1000, 0, 3000}));
        EXPECT_EQ((std::vector<float>{vc.PerFem18, vc.PerFem1825, vc.PerFem25}),
                  (std::vector<float>{0.12f, 0.0f, 0.02f}));
        EXPECT_EQ(vc.PerAzi, 40);
        EXPECT_EQ(vc.PerDox, 60);
        EXPECT_EQ(vc.PerReturn, 0.79f);
        EXPECT_TRUE(program().sel.OptScrTest(t));
        EXPECT_TRUE(program().sel.optNgzTest(c.ngzItem));
        EXPECT_EQ(vc.ScrTest, PerTest::Name[size_t(t)]);
        EXPECT_EQ(vc.NgzTest, c.ngzTest);
        EXPECT_EQ(vc.SensScr, vc.*PerTest::Sens[size_t(t)]);
        EXPECT_EQ(vc.SpecScr, vc.*PerTest::Spec[size_t(t)]);
        EXPECT_EQ(vc.SensNgz, c.sensNgz ? vc.*c.sensNgz : noRetest);
        if (c.grayZone) {
            VarCon expected = vc;
            c.grayZone(expected);
            EXPECT_EQ(vc.SensNgzBase, expected.SensNgzBase);
            EXPECT_EQ(vc.SensWithNgz, expected.SensWithNgz);
            EXPECT_EQ(vc.SpecWithNgz, expected.SpecWithNgz);
        }
        // The unit costs in use; the results screen's retest rows go on to
        // put each row's own cost in use.
        EXPECT_EQ(vc.CostScrTest, vc.*PerTest::Cost[size_t(t)]);
        EXPECT_EQ(vc.CostNgz, c.costNgz ? vc.*c.costNgz : Money());

        FrmQuestDrugCost& drugs = program().FrmQuestDrugCost();
        key(drugs.cmdAgree, Qt::Key_Return);
        EXPECT_EQ(vc.CostAzi, Money::fromDouble(12));
        EXPECT_EQ(vc.CostDox, Money::fromDouble(2));
        EXPECT_EQ(vc.CostPID, Money::fromDouble(1167));
        EXPECT_TRUE(program().FrmScrResult().isShown());
        returnToMain();
    }
}

} // namespace
