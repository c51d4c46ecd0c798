#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "shell/FrmConsole.h"
#include "QuestFixture.h"
#include "support/LocaleScope.h"

using questtest::QuestTest;

namespace {

class QuestPercentTest : public QuestTest {
protected:
    FrmQuestPercent& percent() { return shown(program().FrmQuestPercent()); }

    // Both shares left by Tab, so OK and Back are on offer; the focus ends in
    // the return rate. An empty dox leaves the complement the form wrote.
    FrmQuestPercent& withShares(const QString& azi, const QString& dox = {})
    {
        FrmQuestPercent& f = percent();
        typeAndTab(f.txtAzi, azi);
        typeAndTab(f.txtDox, dox);
        return f;
    }
};

TEST_F(QuestPercentTest, ASharePutsItsComplementIntoTheOtherField)
{
    struct Case {
        QString typed;
        QString azi, dox;   // the two fields after leaving txtAzi; empty azi: refused
    };
    const Case cases[] = {
        {"30", "30", "70"}, {"0.3", "30", "70"}, {"1", "1", "99"},        {"0", "0", "100"},
        {"100", "100", "0"}, {"99.3", "99.3", "0.700000000000003"},       {"101", "", ""},
        {"-1", "", ""},     {"", "", ""},       {"abc", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        FrmQuestPercent& f = percent();
        dialogs.clear();
        typeAndTab(f.txtAzi, c.typed);
        if (c.azi.isEmpty()) {
            EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmQuestPercent::MsgShare});
            EXPECT_TRUE(f.txtAzi.hasFocus());
            EXPECT_EQ(f.txtAzi.text(), c.typed) << "the refused text stays";
        } else {
            EXPECT_EQ(f.txtAzi.text(), c.azi);
            EXPECT_EQ(f.txtDox.text(), c.dox);
            EXPECT_EQ(f.LabelAzi.caption(), c.azi + "%");
            EXPECT_EQ(f.LabelDox.caption(), c.dox + "%");
            EXPECT_FALSE(f.cmdOk.visible()) << "OK waits until the Doxycycline field is left";
        }
        nextPass();
    }
}

TEST_F(QuestPercentTest, AComplementTheFormWroteIsAPercentageWhenItsFieldIsLeft)
{
    FrmQuestPercent& f = percent();
    typeAndTab(f.txtAzi, "99.3");
    QTest::keyClick(edit(f.txtDox), Qt::Key_Tab);
    EXPECT_EQ(f.txtAzi.text(), "99.3") << "0.700000000000003 is not read as 70 %";
    EXPECT_EQ(f.LabelDox.caption(), "0.700000000000003%");
    EXPECT_TRUE(f.cmdOk.visible());
    EXPECT_TRUE(f.cmdBack.visible());
    EXPECT_TRUE(f.mnuForward.enabled());
    EXPECT_FALSE(f.mnuForward.visible());
}

TEST_F(QuestPercentTest, TheReturnRateIsAFractionWithItsDefaultForAnEmptyField)
{
    struct Case {
        QString typed;
        float stored;   // NaN: refused
        QString text, echo;
    };
    const float refused = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"", 0.79f, "0.79", "79%"},  {"79", 0.79f, "0.79", "79%"}, {"0.5", 0.5f, "0.5", "50%"},
        {"1", 0.01f, "0.01", "1%"},  {"100", 1.0f, "1", "100%"},   {"0", refused, "", ""},
        {"-5", refused, "", ""},     {"101", refused, "", ""},     {"x", refused, "", ""},
        {"1e-50", refused, "", ""},  // a float holds it as 0: no rate
    };
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany), QLocale(QStringLiteral("ar_EG"))}) {
        testsupport::LocaleScope scope(locale);
        for (const Case& c : cases) {
            SCOPED_TRACE(locale.name().toStdString() + " " + c.typed.toStdString());
            FrmQuestPercent& f = withShares("30");
            program().vc.PerReturn = -3;
            dialogs.clear();
            typeAndTab(f.txtPerReturn, testsupport::localDecimals(c.typed));
            if (std::isnan(c.stored)) {
                EXPECT_EQ(dialogs.prompts(), std::vector<QString>{FrmQuestPercent::MsgReturn});
                EXPECT_TRUE(f.txtPerReturn.hasFocus());
                EXPECT_EQ(f.txtPerReturn.text(), "");
                EXPECT_EQ(program().vc.PerReturn, -3);
            } else {
                EXPECT_TRUE(dialogs.prompts().empty());
                EXPECT_EQ(program().vc.PerReturn, c.stored);
                EXPECT_EQ(f.txtPerReturn.text(), testsupport::localDecimals(c.text));
                EXPECT_EQ(f.labelReturn.caption(), c.echo);
            }
            nextPass();
        }
    }
}

TEST_F(QuestPercentTest, AReturnRateOfOneHundredPercentStaysSoWhenLeftAgain)
{
    FrmQuestPercent& f = withShares("30");
    typeAndTab(f.txtPerReturn, "100");
    QTest::keyClick(f.cmdOk.widget(), Qt::Key_Backtab);
    ASSERT_TRUE(f.txtPerReturn.hasFocus());
    QTest::keyClick(edit(f.txtPerReturn), Qt::Key_Tab);
    EXPECT_EQ(program().vc.PerReturn, 1.0f);
    EXPECT_EQ(f.labelReturn.caption(), "100%");
    // The same "1" typed over it is the user's figure: 1 %.
    QTest::keyClick(f.cmdOk.widget(), Qt::Key_Backtab);
    ASSERT_TRUE(f.txtPerReturn.hasFocus());
    QTest::keyClicks(edit(f.txtPerReturn), "1");
    QTest::keyClick(edit(f.txtPerReturn), Qt::Key_Tab);
    EXPECT_EQ(program().vc.PerReturn, 0.01f);
    EXPECT_EQ(f.labelReturn.caption(), "1%");
}

// A figure typed and left by the click on OK counts; the focus starts in the
// return rate.
TEST_F(QuestPercentTest, OkGoesByWhatTheFieldsShowNow)
{
    struct Case {
        const char* name;
        platform::TextBox FrmQuestPercent::*field;
        QString typed;
        float azi, dox, perReturn;  // azi < 0: refused
    };
    const Case cases[] = {
        {"a share changed", &FrmQuestPercent::txtAzi, "40", 40, 60, 0.79f},
        {"a return rate typed", &FrmQuestPercent::txtPerReturn, "85", 30, 70, 0.85f},
        {"a share refused on the way to OK", &FrmQuestPercent::txtAzi, "150", -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrmQuestPercent& f = withShares("30");
        f.ReturnFrac = 0.5f;  // left over from an earlier pass
        program().vc.PerAzi = -1;
        (f.*c.field).setFocus();
        QTest::keyClicks(edit(f.*c.field), c.typed);
        press(f.cmdOk);
        if (c.azi < 0) {
            EXPECT_EQ(program().vc.PerAzi, -1);
            EXPECT_TRUE(f.isShown());
        } else {
            EXPECT_EQ(program().vc.PerAzi, c.azi);
            EXPECT_EQ(program().vc.PerDox, c.dox);
            EXPECT_EQ(program().vc.PerReturn, c.perReturn);
            EXPECT_FALSE(f.isShown());
            EXPECT_TRUE(program().FrmQuestDrugCost().isShown());
            program().FrmQuestDrugCost().hide();
        }
        nextPass();
    }
}

// Each share taken puts the other right, so only shares set behind the
// fields' backs can miss 100.
TEST_F(QuestPercentTest, OkRefusesSharesThatDoNotAddUpToOneHundred)
{
    FrmQuestPercent& f = withShares("30", "50");
    ASSERT_EQ(f.txtAzi.text(), "50") << "leaving Doxycycline puts Azithromycin right";
    f.AziPercent = 45;
    program().figuresChanged();
    f.cmdOk_Click();
    ASSERT_FALSE(dialogs.prompts().empty());
    EXPECT_EQ(dialogs.prompts().back(), FrmQuestPercent::MsgSum);
    EXPECT_TRUE(f.txtAzi.hasFocus());
    EXPECT_TRUE(f.isShown());
}

TEST_F(QuestPercentTest, BackToMainUnloadsTheWorkingFormsInItsOrderAndKeepsTheConfirmationAnswer)
{
    Program& p = program();
    const QStringList order = backToMain(
        [&] {
            p.FrmTesting().lstScreenTest.setListIndex(1);  // EIA, which is confirmed
            p.FrmConfirm().optConfirm[0].setValue(true);
            p.sel.selectScrTest(p.vc, ScrTestKind::EIA);
            percent();
        },
        [&] { p.FrmQuestPercent().mnuMain.trigger(); });
    EXPECT_EQ(order, (QStringList{"FrmQuestPercent", "FrmDraftCostTest", "FrmGraph", "FrmInitQuest",
                                  "FrmInstructSwitch", "FrmQuestDrugCost", "FrmQuestPop", "FrmSenSpec", "FrmTesting",
                                  "FrmTestCost"}));
    EXPECT_TRUE(p.sel.confirmsPositives);
    EXPECT_TRUE(p.FrmScrResult().isLoaded()) << "the result screens are not in this list";
}

} // namespace
