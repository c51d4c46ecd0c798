#include "app/Program.h"

#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "switchto/FrmSwitchTo.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmGraphResponse.h"
#include "questionnaire/FrmConfirm.h"
#include "questionnaire/FrmInitQuest.h"
#include "questionnaire/FrmQuestDrugCost.h"
#include "questionnaire/FrmQuestPercent.h"
#include "questionnaire/FrmQuestPop.h"
#include "questionnaire/FrmTesting.h"
#include "results/FrmScrResult.h"
#include "results/ResultScreens.h"
#include "whatif/FrmSwitchToAnaly.h"
#include "whatif/FrmSwitchToCost.h"
#include "testchars/FrmDraftCostTest.h"
#include "testchars/FrmSenSpec.h"
#include "testchars/FrmTestCost.h"

namespace {
template <class F>
F& formOf(std::unique_ptr<F>& slot, Program& program)
{
    if (!slot)
        slot = std::make_unique<F>(program);
    return *slot;
}
} // namespace

Program::Program(platform::Dialogs& dialogs, platform::Screen& screen, platform::Printer* printer,
                 std::function<void()> endProgram)
    : runtime_(dialogs, screen, printer, std::move(endProgram))
{
    resultsListening_ = fields.listen([this] { showResultsInUse(); });
}

// Each result screen on screen computes its own figures; one out of sight
// does so when it is brought back.
void Program::showResultsInUse()
{
    const auto refresh = [](auto& form) {
        if (form && form->isShown())
            form->showFiguresInUse();
    };
    refresh(FrmScrResult_);
    refresh(FrmSwitchTo_);
    refresh(FrmSwitchToCost_);
    refresh(FrmSwitchToAnaly_);
    refresh(FrmGraph_);
}

Program::~Program() = default;

void Program::start() { frmSplash().show(); }

bool Program::startQuestionnaire()
{
    FrmInitQuest().show();
    return FrmInitQuest().isShown();
}

void Program::showResults() { FrmScrResult().show(); }

void Program::showPopulationToFit(FiguresNow figures) { FrmQuestPop().showToFit(std::move(figures)); }

void Program::leadToPositivity(FiguresNow figures, int group)
{
    FrmQuestPop().leadToPositivity(std::move(figures), group);
}

platform::Form& Program::resultScreen(ResultScreen screen)
{
    switch (screen) {
    case ResultScreen::SwitchToTest:
        return FrmSwitchTo();
    case ResultScreen::SwitchToCost:
        return FrmSwitchToCost();
    case ResultScreen::SwitchToAnalysis:
        return FrmSwitchToAnaly();
    case ResultScreen::CurrentStrategy:
        break;
    }
    return FrmScrResult();
}

platform::Form& Program::graphScreen() { return FrmGraph(); }

void Program::loadComparisonScreens()
{
    for (ResultScreen s : {ResultScreen::SwitchToTest, ResultScreen::SwitchToCost, ResultScreen::SwitchToAnalysis})
        resultScreen(s).load();
}

void Program::unloadForms(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (QLatin1String(name) == QLatin1String("FrmQuest"))
            sel.clear();
        else if (platform::Form* f = runtime_.findForm(QString::fromLatin1(name)))
            f->unload();
    }
}

void Program::returnToConsole()
{
    returnToConsole({"FrmGraph", "FrmQuestDrugCost", "FrmInitQuest", "FrmQuestPercent", "FrmQuestPop",
                     "FrmSwitchToAnaly", "FrmDraftCostTest", "FrmQuest", "FrmScrResult", "FrmSenSpec", "FrmSwitchTo",
                     "FrmSwitchToCost", "FrmTestCost", "FrmTesting"});
}

void Program::returnToConsole(std::initializer_list<const char*> unloadOrder)
{
    FrmConsole().setVisible(true);
    unloadForms(unloadOrder);
    pass_.end();
    figuresChanged();
}

void Program::clearQuestionnaireFlags()
{
    vc.QuestPopFromSenSpec = 0;
    vc.SpecEntered = 0;
}

::frmSplash& Program::frmSplash() { return formOf(frmSplash_, *this); }
::FrmInstructSwitch& Program::FrmInstructSwitch() { return formOf(FrmInstructSwitch_, *this); }
::FrmInstruct& Program::FrmInstruct() { return formOf(FrmInstruct_, *this); }
::FrmConsole& Program::FrmConsole() { return formOf(FrmConsole_, *this); }
::FrmSwitchTo& Program::FrmSwitchTo() { return formOf(FrmSwitchTo_, *this); }
::FrmGraph& Program::FrmGraph() { return formOf(FrmGraph_, *this); }
::FrmGraphResponse& Program::FrmGraphResponse() { return formOf(FrmGraphResponse_, *this); }
::FrmInitQuest& Program::FrmInitQuest() { return formOf(FrmInitQuest_, *this); }
::FrmQuestPop& Program::FrmQuestPop() { return formOf(FrmQuestPop_, *this); }
::FrmTesting& Program::FrmTesting() { return formOf(FrmTesting_, *this); }
::FrmConfirm& Program::FrmConfirm() { return formOf(FrmConfirm_, *this); }
::FrmQuestPercent& Program::FrmQuestPercent() { return formOf(FrmQuestPercent_, *this); }
::FrmQuestDrugCost& Program::FrmQuestDrugCost() { return formOf(FrmQuestDrugCost_, *this); }
::FrmScrResult& Program::FrmScrResult() { return formOf(FrmScrResult_, *this); }
::FrmSwitchToCost& Program::FrmSwitchToCost() { return formOf(FrmSwitchToCost_, *this); }
::FrmSwitchToAnaly& Program::FrmSwitchToAnaly() { return formOf(FrmSwitchToAnaly_, *this); }
::FrmSenSpec& Program::FrmSenSpec() { return formOf(FrmSenSpec_, *this); }
::FrmTestCost& Program::FrmTestCost() { return formOf(FrmTestCost_, *this); }
::FrmDraftCostTest& Program::FrmDraftCostTest() { return formOf(FrmDraftCostTest_, *this); }
