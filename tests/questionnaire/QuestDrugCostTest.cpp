#include "model/Families.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "results/FrmScrResult.h"
#include "testchars/FrmSenSpec.h"
#include "QuestFixture.h"

using questtest::QuestTest;

namespace {

class QuestDrugCostTest : public QuestTest {
protected:
    FrmQuestDrugCost& costs()
    {
        VarCon& vc = program().vc;
        vc.CostAzi = Money::fromDouble(9.5);
        vc.CostDox = Money::fromDouble(1.25);
        vc.CostPID = Money::fromDouble(1167);
        return shown(program().FrmQuestDrugCost());
    }
};

TEST_F(QuestDrugCostTest, AFieldShowsItsCostPlainWhileEditedAndAsCurrencyOtherwise)
{
    FrmQuestDrugCost& f = costs();
    ASSERT_TRUE(f.txtAzi.hasFocus());
    EXPECT_EQ(f.txtAzi.text(), "9.5");
    EXPECT_EQ(edit(f.txtAzi)->selectedText(), "9.5");
    EXPECT_EQ(f.txtDox.text(), "$1.25");
    EXPECT_EQ(f.txtPID.text(), "$1,167.00");
    QTest::keyClick(edit(f.txtAzi), Qt::Key_Tab);
    EXPECT_EQ(f.txtAzi.text(), "$9.50");
    EXPECT_EQ(f.txtDox.text(), "1.25");
}

TEST_F(QuestDrugCostTest, ATypedCostIsAcceptedOrRefusedWithTheLastAcceptedCostBack)
{
    struct Case {
        QString typed;
        QString shownAfter;   // empty: refused
        QString edited = {};  // accepted: the cost in use, as it is edited
        QString message = FrmQuestDrugCost::MsgCost;
    };
    const QString limit = "Cost out of range: not more than $1,000,000.00";
    const Case cases[] = {
        {"12", "$12.00", "12"}, {"0.35", "$0.35", "0.35"}, {"1,500", "$1,500.00", "1500"}, {"0", ""},
        {"-4", ""},       {"abc", ""},       {"$5", ""},            {"0.00004", ""},
        {"1000000", "$1,000,000.00", "1000000"}, {"1000000.01", "", {}, limit}, {"1e20", "", {}, limit},
        // An amount is kept as its field shows it.
        {"7.254", "$7.25", "7.25"}, {"7.255", "$7.26", "7.26"}, {"0.005", "$0.01", "0.01"}, {"0.004", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        FrmQuestDrugCost& f = costs();
        dialogs.clear();
        typeAndTab(f.txtAzi, c.typed);
        if (c.shownAfter.isEmpty()) {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{c.message});
            EXPECT_TRUE(f.txtAzi.hasFocus());
            EXPECT_EQ(f.txtAzi.text(), "9.5");
        } else {
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_EQ(f.txtAzi.text(), c.shownAfter);
            // The field is bound to the cost in use: coming back shows the
            // cost accepted, as the field showed it.
            EXPECT_EQ(program().vc.CostAzi, Money::fromDouble(c.edited.toDouble()));
            QTest::keyClick(edit(f.txtDox), Qt::Key_Backtab);
            EXPECT_EQ(f.txtAzi.text(), c.edited);
        }
        f.unload();
    }
}

TEST_F(QuestDrugCostTest, TheAgreeStepChecksTheThreeCostsFirstAndStoresThem)
{
    struct Case {
        const char* name;
        QString dox;  // typed and left; anything else is left unchecked in the field
        bool byMenu;
        QString pid = "1167";  // typed, and taken by the agree step
        std::int64_t doxTicks = 20000;
        std::int64_t pidTicks = 11670000;
        bool leftByBack = false;  // File, Back and the treatment form's OK before agreeing
    };
    const Case cases[] = {
        {"typed and agreed by the button", "2", false},
        {"typed and agreed from the menu", "2", true},
        {"a text left unchecked in the field and File, Forward", {}, true},
        {"costs with more decimals than shown, taken as shown", "2.004", false, "1167.005", 20000, 11670100},
        // The form is only hidden: the text stays in its box for the agree step.
        {"a text left in its box by File, Back and taken at agree", "2", false, "1200", 20000, 12000000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmQuestDrugCost& f = costs();
        dialogs.clear();
        typeAndTab(f.txtAzi, "12");
        if (c.dox.isNull()) {
            QTest::keyClicks(edit(f.txtDox), "two");
        } else {
            typeAndTab(f.txtDox, c.dox);
            QTest::keyClicks(edit(f.txtPID), c.pid);
        }
        if (c.leftByBack) {
            FrmQuestPercent& percent = program().FrmQuestPercent();
            f.mnuBack.trigger();
            ASSERT_TRUE(percent.isShown());
            activate(percent);
            typeAndTab(percent.txtAzi, "40");
            typeAndTab(percent.txtDox, {});
            press(percent.cmdOk);
            ASSERT_TRUE(f.isShown());
            activate(f);
            EXPECT_EQ(f.txtPID.text(), c.pid);
            EXPECT_EQ(program().vc.CostPID, Money::fromDouble(1167)) << "Back takes nothing";
        }
        if (c.byMenu)
            f.mnuForward.trigger();
        else
            press(f.cmdAgree);
        const VarCon& vc = program().vc;
        if (!c.dox.isNull()) {
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_EQ(vc.CostAzi, Money::fromDouble(12));
            EXPECT_EQ(vc.CostDox, Money::fromTicks(c.doxTicks));
            EXPECT_EQ(vc.CostPID, Money::fromTicks(c.pidTicks));
            EXPECT_TRUE(program().FrmScrResult().isShown());
            EXPECT_FALSE(f.isShown());
            program().FrmScrResult().unload();
        } else {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmQuestDrugCost::MsgCost});
            EXPECT_TRUE(f.txtDox.hasFocus());
            EXPECT_EQ(f.txtDox.text(), "1.25");
            EXPECT_EQ(vc.CostDox, Money::fromDouble(1.25)) << "the refused text is not stored";
            EXPECT_EQ(vc.CostAzi, Money::fromDouble(12)) << "the cost left before is in use";
            EXPECT_FALSE(program().FrmScrResult().isLoaded());
        }
        f.unload();
    }
}

// The positivity is checked against the screening test in use by that test's
// own figures: the result screens leave another test's figures in the working
// values (the graph's projection leaves GenProbe's there with EIA in use).
TEST_F(QuestDrugCostTest, TheAgreeStepChecksThePositivityAgainstTheOwnFiguresOfTheTestInUse)
{
    struct Case {
        const char* name;
        float sensEia, sensGp;  // GenProbe's is the one left in the working values
        float positivity;       // of the under-18 group
        QString refusal = {};   // empty: the results come up
    };
    const QString tooHigh = "Your percentage of positive women exceeds the sensitivity of the test: more women "
                            "would be infected than were screened. ";
    const Case cases[] = {
        {"within EIA's sensitivity, above GenProbe's", 0.72f, 0.58f, 0.6f},
        {"above EIA's sensitivity, within GenProbe's", 0.55f, 0.9f, 0.6f,
         tooHigh + "Females Under 18: 60% positive; EIA sensitivity 0.55."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        Program& p = program();
        p.FrmSenSpec().load();  // the characteristics' and unit costs' defaults
        // The population as its form's forward step leaves it.
        FrmQuestPop& pop = p.FrmQuestPop();
        pop.load();
        pop.counts = {1000, 2000, 3000};
        pop.fractions = {c.positivity, 0.05f, 0.03f};
        VarCon& vc = p.vc;
        vc.NoFem18 = 1000, vc.NoFem1825 = 2000, vc.NoFem25 = 3000;
        vc.PerFem18 = c.positivity, vc.PerFem1825 = 0.05f, vc.PerFem25 = 0.03f;
        vc.PerReturn = 0.8f, vc.PerDox = 50, vc.PerAzi = 50;
        vc.SensEIA = c.sensEia;
        vc.SensGP = c.sensGp;
        p.sel.selectScrTest(vc, ScrTestKind::EIA);
        p.sel.selectNgzTest(vc, NgzTestKind::DfaOnEia);
        vc.SensScr = vc.SensGP, vc.SpecScr = vc.SpecGP;

        FrmQuestDrugCost& f = costs();
        dialogs.clear();
        // A refusal brings the population up to fit the test.
        bool ledBack = false;
        testsupport::whenModal(pop, [&] {
            QCoreApplication::processEvents();
            ledBack = pop.txtPerFem18.hasFocus();
            pop.hide();
        });
        press(f.cmdAgree);
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_FALSE(ledBack);
            EXPECT_TRUE(p.FrmScrResult().isShown());
        } else {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{c.refusal});
            EXPECT_TRUE(ledBack) << "the positivity to change is in focus";
            EXPECT_FALSE(p.FrmScrResult().isLoaded());
        }
    }
}

TEST_F(QuestDrugCostTest, BackShowsTheTreatmentQuestionsAsTheyWereLeft)
{
    FrmQuestPercent& percent = shown(program().FrmQuestPercent());
    typeAndTab(percent.txtAzi, "30");
    percent.hide();
    FrmQuestDrugCost& f = costs();
    f.mnuBack.trigger();
    EXPECT_FALSE(f.isShown());
    EXPECT_TRUE(f.isLoaded());
    EXPECT_TRUE(percent.isShown());
    EXPECT_EQ(percent.txtDox.text(), "70");
}

} // namespace
