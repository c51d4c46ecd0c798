#include "whatif/FrmGraphResponse.h"

#include "app/Program.h"
#include "shell/HouseStyle.h"
#include "whatif/FrmGraph.h"

FrmGraphResponse::FrmGraphResponse(Program& p) : platform::Form(p.runtime(), "FrmGraphResponse"), program(p)
{
    designCaption("Graph response");
    designBorder(platform::BorderStyle::FixedDialog);
    designClientSize(4395, 2325);
    designBackColor(kCyan);

    Label1.designGeometry(480, 240, 3372, 732);
    Label1.designCaption("You are at the end of the application. Would you like to view other graphs? "
                         "Which graph would you like to see?");
    Label1.designBackColor(kCyan);

    designChooserButtons({{cmdNoWom, "Number of Women", 360, 1200},
                          {cmdCostPerPos, "Cost per Positive", 360, 1680},
                          {cmdTestCost, "Test Cost", 2280, 1200},
                          {cmdEnd, "Exit Application", 2280, 1680}});

    cmdNoWom.Click = [this] { cmdNoWom_Click(); };
    cmdCostPerPos.Click = [this] { cmdCostPerPos_Click(); };
    cmdTestCost.Click = [this] { cmdTestCost_Click(); };
    cmdEnd.Click = [this] { cmdEnd_Click(); };
}

::FrmGraph& FrmGraphResponse::backToGraph()
{
    hide();  // ends the modal showing; the dialog stays loaded for next time
    ::FrmGraph& graph = program.FrmGraph();
    graph.setVisible(true);
    return graph;
}

void FrmGraphResponse::cmdNoWom_Click() { backToGraph().cmdNoWomen_Click(); }
void FrmGraphResponse::cmdCostPerPos_Click() { backToGraph().cmdCostPerPos_Click(); }
// "Test Cost" shows the cost of PID.
void FrmGraphResponse::cmdTestCost_Click() { backToGraph().cmdCost_Click(); }
void FrmGraphResponse::cmdEnd_Click() { program.end(); }

void FrmGraphResponse::Form_CloseBox() { backToGraph(); }

void FrmGraphResponse::Form_KeyPress(int keyAscii)
{
    if (keyAscii == 27)
        Form_CloseBox();
}
