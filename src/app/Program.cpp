#include "app/Program.h"

#include "model/Equations.h"

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
    // Result screens out of sight (behind the review, say) wait until one
    // of them is brought back, so a change costs them nothing meanwhile.
    fields.listen([this] {
        if (resultScreenOnScreen())
            showResultsInUse();
        else
            resultsWaiting_ = true;
    });
}

bool Program::resultScreenOnScreen() const
{
    const auto shown = [](const auto& form) { return form && form->isShown(); };
    return shown(FrmScrResult_) || shown(FrmSwitchTo_) || shown(FrmSwitchToCost_) || shown(FrmSwitchToAnaly_) ||
           shown(FrmGraph_);
}

void Program::bringResultsUpToDate()
{
    if (resultsWaiting_)
        showResultsInUse();
}

// The result screens of the pass, shown or waiting to be brought back, are
// computed again in the order the agree step and the switch step compute
// them: the current strategy first, whose computation puts the tests in use
// back into the working figures that the comparison screens then read.
void Program::showResultsInUse()
{
    resultsWaiting_ = false;
    if (!FrmScrResult_ || !FrmScrResult_->isLoaded())
        return;
    Equations::SetUnitCostsInUse(vc, sel);
    FrmScrResult_->showFiguresInUse();
    if (FrmSwitchTo_ && FrmSwitchTo_->isLoaded())
        FrmSwitchTo_->showFiguresInUse();
    if (FrmSwitchToCost_ && FrmSwitchToCost_->isLoaded())
        FrmSwitchToCost_->showFiguresInUse();
    if (FrmSwitchToAnaly_ && FrmSwitchToAnaly_->isLoaded())
        FrmSwitchToAnaly_->showFiguresInUse();
    if (FrmGraph_)
        FrmGraph_->chartLatestFigures();
}

Program::~Program() = default;

void Program::start() { frmSplash().show(); }

bool Program::startQuestionnaire()
{
    FrmInitQuest().show();
    return FrmInitQuest().isShown();
}

void Program::showResults()
{
    bringResultsUpToDate();
    FrmScrResult().show();
}

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
    bringResultsUpToDate();
    for (ResultScreen s : {ResultScreen::SwitchToTest, ResultScreen::SwitchToCost, ResultScreen::SwitchToAnalysis})
        resultScreen(s).load();
    // A graph screen left open meanwhile charts the new figures.
    FrmGraph().chartLatestFigures();
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
