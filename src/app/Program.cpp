#include "app/Program.h"

#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "switchto/FrmSwitchTo.h"
#include "whatif/FrmGraph.h"
#include "whatif/FrmGraphResponse.h"

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
}

Program::~Program() = default;

void Program::start() { frmSplash().show(); }

bool Program::startQuestionnaire()
{
    // The question preview (FrmInitQuest) comes with the questionnaire; until
    // then the console stays where it is.
    return false;
}

::frmSplash& Program::frmSplash() { return formOf(frmSplash_, *this); }
::FrmInstructSwitch& Program::FrmInstructSwitch() { return formOf(FrmInstructSwitch_, *this); }
::FrmInstruct& Program::FrmInstruct() { return formOf(FrmInstruct_, *this); }
::FrmConsole& Program::FrmConsole() { return formOf(FrmConsole_, *this); }
::FrmSwitchTo& Program::FrmSwitchTo() { return formOf(FrmSwitchTo_, *this); }
::FrmGraph& Program::FrmGraph() { return formOf(FrmGraph_, *this); }
::FrmGraphResponse& Program::FrmGraphResponse() { return formOf(FrmGraphResponse_, *this); }
