#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmTesting.h"
#include "testchars/FrmTestCost.h"
#include "QuestFixture.h"

#include <QRadioButton>

using questtest::QuestTest;

namespace {

class ConfirmTest : public QuestTest {
protected:
    // The confirmation question as the test selection's Forward opens it.
    FrmConfirm& confirmAfter(int screening)
    {
        FrmTesting& t = shown(program().FrmTesting());
        t.lstScreenTest.setListIndex(screening);
        t.lstNgzTest.setListIndex(0);
        t.cmdNext_Click();
        FrmConfirm& c = program().FrmConfirm();
        activate(c);
        return c;
    }
    static void click(platform::OptionButton& o) { QTest::mouseClick(o.widget(), Qt::LeftButton); }
};

// The question opens answered No, and No changes nothing. Yes is refused once
// for a PCR or LCR screening test; for GenProbe and EIA it opens the unit cost
// of their confirmation test.
TEST_F(ConfirmTest, NoChangesNothingAndYesDependsOnTheScreeningTest)
{
    for (int screening = 0; screening < 6; ++screening) {
        SCOPED_TRACE(screening);
        dialogs.clear();
        FrmConfirm& c = confirmAfter(screening);
        EXPECT_TRUE(c.optConfirm[1].hasFocus());
        EXPECT_TRUE(c.optConfirm[1].value());
        click(c.optConfirm[1]);
        EXPECT_TRUE(dialogs.prompts().empty());
        EXPECT_FALSE(program().sel.confirmsPositives);

        click(c.optConfirm[0]);
        FrmTestCost& costs = program().FrmTestCost();
        if (screening >= 2) {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmConfirm::MsgNoConfirmation});
            EXPECT_TRUE(c.optConfirm[1].value());
            EXPECT_TRUE(c.optConfirm[1].hasFocus());
            EXPECT_FALSE(program().sel.confirmsPositives);
            EXPECT_FALSE(costs.isShown());
        } else {
            platform::TextBox& shown = screening == 0 ? costs.TxtCostPCA : costs.TxtCostDFA;
            platform::TextBox& other = screening == 0 ? costs.TxtCostDFA : costs.TxtCostPCA;
            EXPECT_TRUE(dialogs.prompts().empty());
            EXPECT_TRUE(program().sel.confirmsPositives);
            EXPECT_TRUE(costs.isShown());
            EXPECT_TRUE(shown.visible() && shown.hasFocus());
            EXPECT_TRUE((screening == 0 ? costs.lblPCA : costs.lblDFA).visible());
            EXPECT_FALSE(other.visible());
            costs.unload();
        }
        c.unload();
        program().FrmTesting().cmdBack_Click();
    }
}

TEST_F(ConfirmTest, BackDropsTheAnswerAndForwardKeepsIt)
{
    FrmConfirm& c = confirmAfter(1);
    c.optConfirm[0].setValue(true);
    QTest::keyClick(c.optConfirm[0].widget(), Qt::Key_Tab);
    ASSERT_TRUE(c.cmdForward.hasFocus());
    QTest::keyClick(c.cmdForward.widget(), Qt::Key_Return);
    EXPECT_FALSE(c.isShown());
    EXPECT_TRUE(program().sel.confirmsPositives);
    EXPECT_TRUE(program().FrmQuestPercent().isShown());

    program().FrmQuestPercent().mnuBack.trigger();
    ASSERT_TRUE(c.isShown());
    EXPECT_TRUE(program().sel.confirmsPositives) << "the treatment form's Back finds the answer as it was";
    c.cmdBack_Click();
    EXPECT_TRUE(program().FrmTesting().isShown());
    EXPECT_EQ(program().FrmTesting().lstScreenTest.listIndex(), 1);
    program().FrmTesting().cmdNext_Click();
    EXPECT_FALSE(program().sel.confirmsPositives) << "a fresh form, answered No";
}

// The selection's answer follows the keys as it follows the clicks above: an
// arrow key in the option group chooses the option it moves to, and the Back
// button pressed leaves the question unanswered. Yes with GenProbe or EIA
// opens the unit costs beside, closed again before the next step; with the
// others it is refused.
TEST_F(ConfirmTest, ArrowKeysAndBackSetTheSelectionsAnswer)
{
    enum class Do { ArrowDown, ArrowUp, Back };
    struct Step {
        Do action;
        bool confirms;  // the selection's answer afterwards
    };
    struct Case {
        const char* name;
        int screening;  // the test selection's item
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"an arrow up from No wraps round to Yes", 1, {{Do::ArrowUp, true}}},
        {"an arrow back from Yes to No", 0, {{Do::ArrowDown, true}, {Do::ArrowUp, false}}},
        {"an arrow to Yes refused with Lcr Urine", 5, {{Do::ArrowDown, false}}},
        {"Back after an arrow to Yes", 0, {{Do::ArrowDown, true}, {Do::Back, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmConfirm& f = confirmAfter(c.screening);
        ASSERT_FALSE(program().sel.confirmsPositives) << "the question opens answered No";
        for (const Step& step : c.steps) {
            FrmTestCost& costs = program().FrmTestCost();
            if (step.action == Do::Back) {
                press(f.cmdBack);
            } else {
                platform::OptionButton& focused = f.optConfirm[0].hasFocus() ? f.optConfirm[0] : f.optConfirm[1];
                ASSERT_TRUE(focused.hasFocus());
                QTest::keyClick(focused.widget(), step.action == Do::ArrowDown ? Qt::Key_Down : Qt::Key_Up);
            }
            EXPECT_EQ(program().sel.confirmsPositives, step.confirms);
            if (step.action == Do::Back) {
                EXPECT_FALSE(f.isLoaded());
                EXPECT_TRUE(program().FrmTesting().isShown());
                break;
            }
            EXPECT_TRUE(f.optConfirm[step.confirms ? 0 : 1].value()) << "the option shown is the answer";
            EXPECT_TRUE(f.optConfirm[step.confirms ? 0 : 1].hasFocus());
            if (costs.isLoaded())
                costs.unload();
            activate(f);
        }
        if (f.isLoaded())
            f.unload();
        program().FrmTesting().cmdBack_Click();
        dialogs.clear();
    }
}

} // namespace
