#pragma once
// The program: owns the model state, the selection, the platform services and
// the single instance of every form. Forms reach each other through it by
// name, creating a form object on first use; a form object lives for the run.

#include "app/Pass.h"
#include "fields/BoundField.h"
#include "model/Positivity.h"
#include "model/Selection.h"
#include "model/VarCon.h"
#include "platform/Runtime.h"
#include "shell/Resize.h"

#include <functional>
#include <initializer_list>
#include <memory>

namespace platform {
class Dialogs;
class Form;
class Screen;
class Printer;
}

class frmSplash;
class FrmInstructSwitch;
class FrmInstruct;
class FrmConsole;
class FrmSwitchTo;
class FrmGraph;
class FrmGraphResponse;
class FrmInitQuest;
class FrmQuestPop;
class FrmTesting;
class FrmConfirm;
class FrmQuestPercent;
class FrmQuestDrugCost;
class FrmScrResult;
class FrmSwitchToCost;
class FrmSwitchToAnaly;
class FrmSenSpec;
class FrmTestCost;
class FrmDraftCostTest;
enum class ResultScreen;

class Program {
public:
    Program(platform::Dialogs& dialogs, platform::Screen& screen, platform::Printer* printer,
            std::function<void()> endProgram = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Opens the start-up form.
    void start();

    // Leads from the console into the questionnaire; true when the
    // questionnaire's first form is on screen, so the console may step aside.
    bool startQuestionnaire();
    // Leads from the questionnaire's last form to the results screen.
    void showResults();

    // Steps into the forms of another subsystem, for a form that does not
    // know their classes: two subsystems never know each other's forms both
    // ways.
    // The population form, brought up over the form that asks until the
    // positivity fits the test, or back at a group's positivity after a
    // refusal.
    void showPopulationToFit(FiguresNow figures);
    void leadToPositivity(FiguresNow figures, int group);
    // A result screen, or the graph over them, as a form to show or hide.
    platform::Form& resultScreen(ResultScreen screen);
    platform::Form& graphScreen();
    // Loads the comparison, cost and projection screens, out of sight; each
    // load computes what its screen shows.
    void loadComparisonScreens();

    platform::Runtime& runtime() { return runtime_; }
    void end() { runtime_.endProgram(); }

    VarCon vc;
    Selection sel;
    // Every bound field of every form, and the one change notice.
    fields::Registry fields;
    // The one notice that a figure of the model changed: every bound field
    // the user is not editing shows its figure, and every result screen on
    // screen shows what its computation gives from the figures in use. A
    // result screen out of sight computes its figures when it comes back.
    void figuresChanged() { fields.changed(); }
    // What the notice does to the result screens on screen.
    void showResultsInUse();
    ResizeModule resize;

    ::frmSplash& frmSplash();
    ::FrmInstructSwitch& FrmInstructSwitch();
    ::FrmInstruct& FrmInstruct();
    ::FrmConsole& FrmConsole();
    ::FrmSwitchTo& FrmSwitchTo();
    ::FrmGraph& FrmGraph();
    ::FrmGraphResponse& FrmGraphResponse();
    ::FrmInitQuest& FrmInitQuest();
    ::FrmQuestPop& FrmQuestPop();
    ::FrmTesting& FrmTesting();
    ::FrmConfirm& FrmConfirm();
    ::FrmQuestPercent& FrmQuestPercent();
    ::FrmQuestDrugCost& FrmQuestDrugCost();
    ::FrmScrResult& FrmScrResult();

    // Unloads the forms in the order given, by name; a form that was never
    // made, or is not loaded, is passed over. "FrmQuest" stands for the
    // selection of tests, which is cleared.
    void unloadForms(std::initializer_list<const char*> names);
    // What the return commands of the test selection and of the result and
    // comparison screens share: the console comes back as it was left and the
    // working forms of the pass are unloaded, so the next pass starts afresh.
    // The confirmation form keeps its answer. The treatment form's own return
    // unloads its forms in an order of its own.
    void returnToConsole();
    void returnToConsole(std::initializer_list<const char*> unloadOrder);

    // The pass under way: which forms loaded and answered in it, and whether
    // its results were shown.
    ::Pass& pass() { return pass_; }
    // What the return menu commands add: QuestPopFromSenSpec and SpecEntered
    // go back to False.
    void clearQuestionnaireFlags();
    ::FrmSwitchToCost& FrmSwitchToCost();
    ::FrmSwitchToAnaly& FrmSwitchToAnaly();
    ::FrmSenSpec& FrmSenSpec();
    ::FrmTestCost& FrmTestCost();
    ::FrmDraftCostTest& FrmDraftCostTest();

private:
    ::Pass pass_;
    platform::Runtime runtime_;
    std::unique_ptr<::frmSplash> frmSplash_;
    std::unique_ptr<::FrmInstructSwitch> FrmInstructSwitch_;
    std::unique_ptr<::FrmInstruct> FrmInstruct_;
    std::unique_ptr<::FrmConsole> FrmConsole_;
    std::unique_ptr<::FrmSwitchTo> FrmSwitchTo_;
    std::unique_ptr<::FrmGraph> FrmGraph_;
    std::unique_ptr<::FrmGraphResponse> FrmGraphResponse_;
    std::unique_ptr<::FrmInitQuest> FrmInitQuest_;
    std::unique_ptr<::FrmQuestPop> FrmQuestPop_;
    std::unique_ptr<::FrmTesting> FrmTesting_;
    std::unique_ptr<::FrmConfirm> FrmConfirm_;
    std::unique_ptr<::FrmQuestPercent> FrmQuestPercent_;
    std::unique_ptr<::FrmQuestDrugCost> FrmQuestDrugCost_;
    std::unique_ptr<::FrmScrResult> FrmScrResult_;
    std::unique_ptr<::FrmSwitchToCost> FrmSwitchToCost_;
    std::unique_ptr<::FrmSwitchToAnaly> FrmSwitchToAnaly_;
    std::unique_ptr<::FrmSenSpec> FrmSenSpec_;
    std::unique_ptr<::FrmTestCost> FrmTestCost_;
    std::unique_ptr<::FrmDraftCostTest> FrmDraftCostTest_;
    fields::Registry::Listening resultsListening_;
};
