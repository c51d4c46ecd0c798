#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "results/FrmScrResult.h"
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
    };
    const Case cases[] = {
        {"typed and agreed by the button", "2", false},
        {"typed and agreed from the menu", "2", true},
        {"a text left unchecked in the field and File, Forward", {}, true},
        {"costs with more decimals than shown, taken as shown", "2.004", false, "1167.005", 20000, 11670100},
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
