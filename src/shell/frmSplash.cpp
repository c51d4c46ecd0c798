#include "shell/frmSplash.h"

#include "app/Program.h"
#include "shell/HouseStyle.h"
#include "platform/Dialogs.h"
#include "shell/FrmInstructSwitch.h"

namespace {
const QString kReleaseDate = QStringLiteral("December 2026");
} // namespace

frmSplash::frmSplash(Program& p) : platform::Form(p.runtime(), "frmSplash"), program(p)
{
    designBorder(platform::BorderStyle::None);
    designClientSize(7695, 4245);
    designBackColor(kCyan);
    designFont("Times New Roman", 9.75);

    Frame1.designGeometry(120, 60, 7440, 4050);
    Frame1.designBackColor(kCyan);
    Frame1.designTabIndex(0);

    imgLogo.designContainer(Frame1);
    imgLogo.designGeometry(120, 192, 3372, 3708);
    imgLogo.designPicture(":/micrograph.png");
    imgLogo.designStretch(true);

    lblProductName.designContainer(Frame1);
    lblProductName.designGeometry(3600, 240, 3540, 1095);
    lblProductName.designBackColor(kCyan);
    lblProductName.designFont("Times New Roman", 12, true);
    lblProductName.designTabIndex(1);

    lblProductName2.designContainer(Frame1);
    lblProductName2.designGeometry(3600, 1560, 3540, 375);
    lblProductName2.designBackColor(kCyan);
    lblProductName2.designFont("Times New Roman", 12, true, true);
    lblProductName2.designTabIndex(4);

    lblInstruction.designContainer(Frame1);
    lblInstruction.designGeometry(3600, 2280, 3495, 735);
    lblInstruction.designBackColor(kCyan);
    lblInstruction.designTabIndex(3);

    lblDate.designContainer(Frame1);
    lblDate.designGeometry(3600, 3360, 3492, 492);
    lblDate.designBackColor(kCyan);
    lblDate.designTabIndex(2);

    Frame1.Click = [this] { Frame1_Click(); };
    imgLogo.Click = [this] { imgLogo_Click(); };
    lblDate.Click = [this] { lblDate_Click(); };
    lblInstruction.Click = [this] { lblInstruction_Click(); };
    lblProductName.Click = [this] { lblProductName_Click(); };
    lblProductName2.Click = [this] { lblProductName2_Click(); };
}

void frmSplash::Form_Load()
{
    // Asked before the splash is drawn: every scaling form reads the answer.
    const platform::Answer answer = runtime().dialogs().msgBox(
        "If you want to view the screens in this program maximized click on the 'Yes' button "
        "otherwise click 'No'. ",
        platform::Buttons::YesNo, platform::Icon::None, "Window State for Varna Model");
    program.vc.ScreenMax = int16_t(answer);

    lblProductName.setCaption("Kalderon Screening Decision Software");
    lblProductName2.setCaption("KALDERON");
    lblDate.setCaption("Release date: " + kReleaseDate);
    lblInstruction.setCaption("To proceed, you can press any key on the keyboard, or you can click "
                              "on the picture to the left, or you can click on 'me'");
}

void frmSplash::Form_KeyPress(int keyAscii)
{
    (void)keyAscii;  // any character key will do
    leaveSplash();
}

void frmSplash::Frame1_Click() { leaveSplash(); }
void frmSplash::imgLogo_Click() { leaveSplash(); }
void frmSplash::lblDate_Click() { leaveSplash(); }
void frmSplash::lblInstruction_Click() { leaveSplash(); }
void frmSplash::lblProductName_Click() { leaveSplash(); }
void frmSplash::lblProductName2_Click() { leaveSplash(); }

void frmSplash::leaveSplash()
{
    unload();
    // Its load handler makes the screen-size checks and opens the About page.
    program.FrmInstructSwitch().show();
}
