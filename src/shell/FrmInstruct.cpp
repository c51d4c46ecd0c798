#include "shell/FrmInstruct.h"

#include "app/Program.h"
#include "shell/HouseStyle.h"
#include "shell/FrmConsole.h"
#include "shell/FrmInstructSwitch.h"

FrmInstruct::FrmInstruct(Program& p) : platform::Form(p.runtime(), "FrmInstruct"), program(p)
{
    designCaption("Instruction Response");
    designBorder(platform::BorderStyle::FixedDialog);
    designClientSize(4530, 3015);
    designBackColor(kCyan);

    Label1.designGeometry(240, 120, 3852, 972);
    Label1.designCaption("Would you like to view other instructions before proceeding on to the model? "
                         "Select which set of instructions you would like to view.");
    Label1.designBackColor(kCyan);

    designChooserButtons({{cmdAbout, "About", 240, 1320},
                          {cmdDocumen, "Documentation", 2280, 1320},
                          {cmdDetInstruc, "Detailed Instructions", 240, 1800},
                          {cmdGenInstruc, "General Instructions", 2280, 1800},
                          {cmdHotKey, "Special / Hot Keys", 240, 2280},
                          {cmdModel, "Model", 2280, 2280}},
                         Qt::white);

    cmdAbout.Click = [this] { cmdAbout_Click(); };
    cmdDocumen.Click = [this] { cmdDocumen_Click(); };
    cmdDetInstruc.Click = [this] { cmdDetInstruc_Click(); };
    cmdGenInstruc.Click = [this] { cmdGenInstruc_Click(); };
    cmdHotKey.Click = [this] { cmdHotKey_Click(); };
    cmdModel.Click = [this] { cmdModel_Click(); };
}

::FrmInstructSwitch& FrmInstruct::backToViewer()
{
    hide();  // ends the modal display; the dialog stays loaded for next time
    ::FrmInstructSwitch& viewer = program.FrmInstructSwitch();
    viewer.setVisible(true);
    return viewer;
}

void FrmInstruct::cmdAbout_Click() { backToViewer().cmdWelcome_Click(); }
void FrmInstruct::cmdDocumen_Click() { backToViewer().cmdDocumentation_Click(); }
void FrmInstruct::cmdDetInstruc_Click() { backToViewer().cmdAppInstr_Click(); }
void FrmInstruct::cmdGenInstruc_Click() { backToViewer().cmdGCI_Click(); }
void FrmInstruct::cmdHotKey_Click() { backToViewer().cmdSpecialKeys_Click(); }

void FrmInstruct::cmdModel_Click()
{
    const bool fromTesting = program.vc.InstructFromTesting != 0;
    unload();
    program.FrmInstructSwitch().unload();
    if (fromTesting) {
        // The test-selection form showed the viewer modally and carries on.
        program.vc.InstructFromTesting = 0;
        return;
    }
    program.FrmConsole().show();
}

void FrmInstruct::Form_CloseBox() { cmdModel_Click(); }
