#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmTesting.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
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
