// One whole pass as a person makes it: from start-up through the instructions,
// the console and the questionnaire to the results, on keys and clicks only,
// without a message on the way. Back from the results and the switch step are
// walked on the program's whole paths.
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/ResultsFixture.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "testchars/FrmSenSpec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

using testsupport::whenModal;

class WholePassTest : public results_test::ResultsTest {
protected:
    static void click(platform::Control& c) { QTest::mouseClick(c.widget(), Qt::LeftButton); }

    // Types into the field, which the tab order has brought the focus to, and tabs on.
    static void enter(platform::TextBox& field, const QString& text)
    {
        ASSERT_TRUE(field.hasFocus()) << field.name().toStdString();
        auto* edit = static_cast<QLineEdit*>(field.widget());
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    static void pick(platform::ListBox& list, int row)
    {
        auto* view = static_cast<QListWidget*>(list.widget());
        const QRect item = view->visualItemRect(view->item(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    template <class F>
    F& onScreen(F& form)
    {
        EXPECT_TRUE(form.isShown()) << form.name().toStdString();
        activate(form);
        return form;
    }
};

TEST_F(WholePassTest, FromStartUpToTheResultsWithoutAMessage)
{
    Program& p = started();
    dialogs.clear();  // the maximise question, answered No
    QTest::keyClick(p.frmSplash().window(), Qt::Key_A);

    FrmInstructSwitch& viewer = onScreen(p.FrmInstructSwitch());
    whenModal(p.FrmInstruct(), [&p] { click(p.FrmInstruct().cmdModel); });
    click(viewer.cmdNext);

    FrmConsole& console = onScreen(p.FrmConsole());
    enter(console.txtRegion, "Lakeside");
    click(console.cmdApp);

    FrmInitQuest& preview = onScreen(p.FrmInitQuest());
    click(preview.cmdNext);

    FrmQuestPop& population = onScreen(p.FrmQuestPop());
    enter(population.txtNoFem18, "2500");
    enter(population.txtNoFem1825, "4100");
    enter(population.txtNoFem25, "3300");
    enter(population.txtPerFem18, "12");
    enter(population.txtPerFem1825, "8");
    enter(population.txtPerFem25, "2");
    click(population.cmdContinue);

    FrmTesting& testing = onScreen(p.FrmTesting());
    pick(testing.lstScreenTest, 0);
    whenModal(p.FrmSenSpec(), [&p] { click(p.FrmSenSpec().cmdNext); });
    pick(testing.lstNgzTest, 1);
    click(testing.cmdNext);

    FrmConfirm& confirm = onScreen(p.FrmConfirm());
    click(confirm.optConfirm[0]);
    click(confirm.cmdForward);

    FrmQuestPercent& treatment = onScreen(p.FrmQuestPercent());
    enter(treatment.txtAzi, "70");
    enter(treatment.txtDox, "30");
    enter(treatment.txtPerReturn, "85");
    click(treatment.cmdOk);

    FrmQuestDrugCost& drugs = onScreen(p.FrmQuestDrugCost());
    enter(drugs.txtAzi, "11");
    enter(drugs.txtDox, "2.50");
    enter(drugs.txtPID, "1500");
    click(drugs.cmdAgree);

    FrmScrResult& results = p.FrmScrResult();
    ASSERT_TRUE(results.isShown());
    EXPECT_FALSE(drugs.isShown());
    for (const QString& prompt : dialogs.prompts())
        ADD_FAILURE() << "unexpected message: " << prompt.toStdString();
    const testsupport::Programme expected = testsupport::programmes().front();
    ASSERT_EQ(expected.name, "gp_pcr_confirm");
    expectShows(results, expected);
}

} // namespace
