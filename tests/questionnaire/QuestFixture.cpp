#include "QuestFixture.h"

#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstructSwitch.h"
#include "switchto/FrmSwitchTo.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"

namespace questtest {

std::vector<platform::Form*> QuestTest::loadWorkingForms()
{
    Program& p = program();
    std::vector<platform::Form*> forms{
        &p.FrmInitQuest(),    &p.FrmQuestPop(),     &p.FrmTesting(),       &p.FrmConfirm(),
        &p.FrmQuestPercent(), &p.FrmQuestDrugCost(), &p.FrmSenSpec(),       &p.FrmTestCost(),
        &p.FrmDraftCostTest(), &p.FrmInstructSwitch(), &p.FrmScrResult(),   &p.FrmSwitchTo(),
        &p.FrmSwitchToCost(), &p.FrmSwitchToAnaly(),  &p.FrmGraph()};
    for (platform::Form* f : forms)
        f->load();
    return forms;
}

QStringList QuestTest::backToMain(const std::function<void()>& setUp, const std::function<void()>& command)
{
    Program& p = program();
    p.FrmConsole().load();
    UnloadRecorder unloads(loadWorkingForms());
    setUp();
    p.vc.QuestPopFromSenSpec = -1;
    p.vc.SpecEntered = -1;
    command();
    EXPECT_FALSE(p.sel.scrTest().has_value()) << "the selection goes with the pass";
    EXPECT_TRUE(p.FrmConsole().isShown());
    EXPECT_EQ(p.vc.QuestPopFromSenSpec, 0);
    EXPECT_EQ(p.vc.SpecEntered, 0);
    return unloads.order();
}

} // namespace questtest
