#pragma once
// The program: owns the model state, the selection, the platform services and
// the single instance of every form. Forms reach each other through it by
// name, creating a form object on first use; a form object lives for the run.

#include "model/Selection.h"
#include "model/VarCon.h"
#include "platform/Runtime.h"
#include "shell/Resize.h"

#include <functional>
#include <memory>

namespace platform {
class Dialogs;
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

    platform::Runtime& runtime() { return runtime_; }
    void end() { runtime_.endProgram(); }

    VarCon vc;
    Selection sel;
    ResizeModule resize;

    ::frmSplash& frmSplash();
    ::FrmInstructSwitch& FrmInstructSwitch();
    ::FrmInstruct& FrmInstruct();
    ::FrmConsole& FrmConsole();
    ::FrmSwitchTo& FrmSwitchTo();
    ::FrmGraph& FrmGraph();
    ::FrmGraphResponse& FrmGraphResponse();

private:
    platform::Runtime runtime_;
    std::unique_ptr<::frmSplash> frmSplash_;
    std::unique_ptr<::FrmInstructSwitch> FrmInstructSwitch_;
    std::unique_ptr<::FrmInstruct> FrmInstruct_;
    std::unique_ptr<::FrmConsole> FrmConsole_;
    std::unique_ptr<::FrmSwitchTo> FrmSwitchTo_;
    std::unique_ptr<::FrmGraph> FrmGraph_;
    std::unique_ptr<::FrmGraphResponse> FrmGraphResponse_;
};
