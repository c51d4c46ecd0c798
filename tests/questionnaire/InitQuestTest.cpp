#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "shell/FrmConsole.h"
#include "QuestFixture.h"

#include <QMainWindow>
#include <QMouseEvent>

using questtest::QuestTest;

namespace {

using InitQuestTest = QuestTest;

void movePointer(QWidget* over)
{
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(over, &move);
}

TEST_F(InitQuestTest, TheConsoleLeadsIntoThePreviewWhichLeadsToThePopulationQuestions)
{
    FrmConsole& console = shown(program().FrmConsole());
    QTest::keyClick(console.txtRegion.widget(), Qt::Key_Tab);
    QTest::keyClick(console.cmdApp.widget(), Qt::Key_Return);
    FrmInitQuest& preview = program().FrmInitQuest();
    ASSERT_TRUE(preview.isShown());
    EXPECT_FALSE(console.isShown());

    const platform::Label* questions[] = {&preview.lblQuest1, &preview.lblQuest2, &preview.lblQuest3,
                                          &preview.lblQuest4, &preview.lblQuest5, &preview.lblQuest6,
                                          &preview.lblQuest7, &preview.lblQuest8};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(const_cast<platform::Label*>(questions[i])->caption(), FrmInitQuest::Questions[i]);

    activate(preview);
    ASSERT_TRUE(preview.cmdNext.hasFocus());
    QTest::keyClick(preview.cmdNext.widget(), Qt::Key_Return);
    EXPECT_FALSE(preview.isShown());
    EXPECT_TRUE(preview.isLoaded()) << "the preview is hidden, not unloaded";
    EXPECT_TRUE(program().FrmQuestPop().isShown());
    EXPECT_TRUE(program().FrmQuestPop().txtNoFem18.hasFocus());
}

TEST_F(InitQuestTest, TheHelpLineFollowsThePointer)
{
    FrmInitQuest& preview = shown(program().FrmInitQuest());
    EXPECT_EQ(preview.lblInstruction.caption(), FrmInitQuest::HelpBegin);
    movePointer(preview.cmdNext.widget());
    EXPECT_EQ(preview.lblInstruction.caption(), FrmInitQuest::HelpArrow);
    movePointer(preview.window()->centralWidget());
    EXPECT_EQ(preview.lblInstruction.caption(), FrmInitQuest::HelpBegin);
}

TEST_F(InitQuestTest, EveryPassStartsFromTheDefaultCosts)
{
    FrmInitQuest& preview = shown(program().FrmInitQuest());
    const Money gp = program().vc.CostGP;
    ASSERT_GT(gp, Money());
    program().vc.CostGP = Money::fromDouble(99);
    preview.hide();
    program().FrmTesting().mnuMain_Click();  // Back to Main
    shown(program().FrmInitQuest());
    EXPECT_EQ(program().vc.CostGP, gp);
}

TEST_F(InitQuestTest, TheOptionsOpenTheCalculatorAndTheProbabilityFactors)
{
    FrmInitQuest& preview = shown(program().FrmInitQuest());
    ASSERT_TRUE(preview.mnuOptions.visible());
    preview.mnuTestCostCalculator.trigger();
    EXPECT_TRUE(program().FrmDraftCostTest().isShown());
    preview.mnuProbabilities.trigger();
    FrmSenSpec& senSpec = program().FrmSenSpec();
    EXPECT_TRUE(senSpec.isShown());
    EXPECT_EQ(senSpec.caption(), "Probability Factors");
    EXPECT_FALSE(senSpec.fraScrTest.visible());
    EXPECT_TRUE(preview.isShown()) << "the preview stays on the screen";
}

} // namespace
