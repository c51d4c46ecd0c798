#include "shell/FrmConsole.h"

#include "app/Program.h"
#include "shell/HouseStyle.h"

FrmConsole::FrmConsole(Program& p) : ScalingForm(p, "FrmConsole")
{
    designCaption("Main");
    designClientSize(7965, 5610);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(lblohra, lblohra2, {240, 120, 600, 3492, 19.5, 3, 4});

    Label1.designGeometry(120, 1200, 4692, 372);
    Label1.designCaption("What is the name of your facility or location? (Optional)");
    Label1.designBackColor(kCyan);
    Label1.designTabIndex(0);

    txtRegion.designGeometry(5160, 1200, 2292, 408);
    txtRegion.designTabIndex(1);

    Image1.designGeometry(120, 1800, 5580, 3135);
    Image1.designPicture(":/micrograph.png");
    Image1.designStretch(true);

    cmdApp.designGeometry(6000, 4080, 1452, 852);
    cmdApp.designCaption("ENTER THE APPLICATION    \"Click Here\"");
    cmdApp.designFont("Times New Roman", 7.5);
    cmdApp.designTabIndex(2);

    txtRegion.GotFocus = [this] { txtRegion_GotFocus(); };
    txtRegion.LostFocus = [this] { txtRegion_LostFocus(); };
    cmdApp.Click = [this] { cmdApp_Click(); };
    Close.Click = [this] { Close_Click(); };
}

// Loaded again (brought back after its close box), the console shows the
// name in use, so leaving the box stores it again rather than the general
// wording over it; the general wording shows as the empty box it came from.
void FrmConsole::Form_Load()
{
    scalingPreamble();
    if (program.vc.Region != GeneralRegion)
        txtRegion.setText(QString::fromStdString(program.vc.Region));
}

void FrmConsole::txtRegion_GotFocus()
{
    txtRegion.setSelStart(0);
    txtRegion.setSelLength(int(txtRegion.text().size()));
    txtRegion.setFocus();
}

void FrmConsole::txtRegion_LostFocus()
{
    // Blanks only count as a name; only an empty box takes the general wording.
    program.vc.Region = txtRegion.text().toStdString();
    if (program.vc.Region.empty())
        program.vc.Region = GeneralRegion;
}

void FrmConsole::cmdApp_Click()
{
    if (program.startQuestionnaire())
        setVisible(false);
}

void FrmConsole::Close_Click() { program.end(); }
