#include "shell/FrmInstructSwitch.h"

#include "app/Program.h"
#include "shell/HouseStyle.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "shell/FrmInstruct.h"

#include <array>

namespace {

const QString kLowResolutionWarning = QStringLiteral(
    "This application does not view correctly at resolutions below 800 x 600 dpi. View the read me "
    "documentation that came with this distribution to determine the optimal resolution and system "
    "font size.");

const QString kSmallScreenCaution = QStringLiteral(
    "You may want to check your screen resolution and system font size, this application may have "
    "difficulty fitting all data on screens where the resolution is 800 x 600 dpi and the computer is "
    "using large system fonts. You will be given the opportunity to resolve these issues or proceed "
    "on with the application. \n"
    "To fix either: \n"
    "   1. Increase screen resolution or\n"
    "   2. Decrease system font size to normal or small\n"
    "If you would like to resolve these issues click the 'Yes' button below; otherwise, click 'No'. \n"
    "To change screen resolution settings or system font size view the read me documentation that "
    "came with the distribution");
} // namespace

FrmInstructSwitch::FrmInstructSwitch(Program& p) : ScalingForm(p, "FrmInstructSwitch")
{
    designCaption("Instructions");
    designClientSize(8745, 6225);
    designBackColor(kCyan);
    designFont("Times New Roman", 9);

    designMakerLabels(Label2, Label3, {360, 120, 720, 3852, 18, 2, 3});

    // First in the tab order, so the page can be scrolled with the keys at once.
    rtfInstructions.designGeometry(120, 1080, 8295, 3735);
    rtfInstructions.designFont("Arial", 10.5);
    rtfInstructions.designTabIndex(0);

    cmdNext.designGeometry(7680, 4920, 735, 615);
    cmdNext.designPicture(":/arrow_right.png");
    cmdNext.designBackColor(Qt::white);
    cmdNext.designTabIndex(1);

    cmdNext.Click = [this] { cmdNext_Click(); };
    mnuReturn.Click = [this] { mnuReturn_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
    mnuAbout.Click = [this] { mnuAbout_Click(); };
    mnuDocumentation.Click = [this] { mnuDocumentation_Click(); };
    mnuDetailedInstructions.Click = [this] { mnuDetailedInstructions_Click(); };
    mnuGeneralInstructions.Click = [this] { mnuGeneralInstructions_Click(); };
    mnuSpecialKeys.Click = [this] { mnuSpecialKeys_Click(); };
    mnuPAbout.Click = [this] { mnuPAbout_Click(); };
    mnuPDocumentation.Click = [this] { mnuPDocumentation_Click(); };
    mnuPDetailedInstructions.Click = [this] { mnuPDetailedInstructions_Click(); };
    mnupGeneralInstructions.Click = [this] { mnupGeneralInstructions_Click(); };
    mnuPSpecialKeys.Click = [this] { mnuPSpecialKeys_Click(); };
    mnuPrintAll.Click = [this] { mnuPrintAll_Click(); };
}

void FrmInstructSwitch::Form_Load()
{
    // The screen checks come between the scaling and the maximising, so a
    // small screen is judged before the window fills it.
    scaleAndCentre(Centring::Centred);
    const ResizeModule& m = program.resize;
    if (m.ScreenWidthPx == 640 && m.ScreenHeightPx == 480) {
        runtime().dialogs().msgBox(kLowResolutionWarning, platform::Buttons::Ok, platform::Icon::Critical,
                                   "   Warning  ");
        program.end();
        return;
    }
    if (m.ScreenWidthPx == 800 && m.ScreenHeightPx == 600) {
        setWindowState(platform::WindowState::Maximized);
        if (runtime().dialogs().msgBox(kSmallScreenCaution, platform::Buttons::YesNo, platform::Icon::None,
                                       "   Caution   ") == platform::Answer::Yes) {
            program.end();
            return;
        }
    }
    maximiseWhereAsked();
    cmdWelcome_Click();
}

// --- pages ---------------------------------------------------------------------------

void FrmInstructSwitch::showPage(InstructionPage page)
{
    rtfInstructions.setText(instructionPageText(page));
    // Each term is searched from the start, so only its first occurrence is
    // emphasised however often the page is shown.
    for (const Emphasis& e : instructionPageEmphasis(page)) {
        rtfInstructions.setSelStart(0);
        if (rtfInstructions.find(e.term) < 0)
            continue;  // never emphasise whatever happens to be selected
        if (e.bold)
            rtfInstructions.setSelBold(true);
        if (e.italic)
            rtfInstructions.setSelItalic(true);
        if (e.colour)
            rtfInstructions.setSelColor(QColor::fromRgb(*e.colour));
    }
}

void FrmInstructSwitch::cmdWelcome_Click()
{
    showPage(InstructionPage::About);
    // The caret stays right after the last emphasised word, "Guidance".
    rtfInstructions.setSelStart(rtfInstructions.selStart() + rtfInstructions.selLength());
}

void FrmInstructSwitch::cmdDocumentation_Click() { showPage(InstructionPage::Documentation); }
void FrmInstructSwitch::cmdAppInstr_Click() { showPage(InstructionPage::DetailedInstructions); }
void FrmInstructSwitch::cmdGCI_Click() { showPage(InstructionPage::GeneralInstructions); }

void FrmInstructSwitch::cmdSpecialKeys_Click()
{
    showPage(InstructionPage::SpecialKeys);
    rtfInstructions.setSelStart(0);
}

// --- printing ------------------------------------------------------------------------

void FrmInstructSwitch::runPageProcedure(InstructionPage page)
{
    switch (page) {
    case InstructionPage::About: cmdWelcome_Click(); break;
    case InstructionPage::Documentation: cmdDocumentation_Click(); break;
    case InstructionPage::DetailedInstructions: cmdAppInstr_Click(); break;
    case InstructionPage::GeneralInstructions: cmdGCI_Click(); break;
    case InstructionPage::SpecialKeys: cmdSpecialKeys_Click(); break;
    }
}

bool FrmInstructSwitch::printPage(InstructionPage page)
{
    runPageProcedure(page);
    return rtfInstructions.print(runtime().printer());
}

void FrmInstructSwitch::mnuPAbout_Click() { printPage(InstructionPage::About); }
void FrmInstructSwitch::mnuPDocumentation_Click() { printPage(InstructionPage::Documentation); }
void FrmInstructSwitch::mnuPDetailedInstructions_Click() { printPage(InstructionPage::DetailedInstructions); }
void FrmInstructSwitch::mnupGeneralInstructions_Click() { printPage(InstructionPage::GeneralInstructions); }
void FrmInstructSwitch::mnuPSpecialKeys_Click() { printPage(InstructionPage::SpecialKeys); }

void FrmInstructSwitch::mnuPrintAll_Click()
{
    static constexpr std::array kOrder = {
        InstructionPage::About, InstructionPage::GeneralInstructions, InstructionPage::Documentation,
        InstructionPage::DetailedInstructions, InstructionPage::SpecialKeys};
    // One job for the five pages: one document at the printer, or one PDF
    // file and one message where there is no printer.
    platform::Printer& printer = runtime().printer();
    for (InstructionPage page : kOrder) {
        runPageProcedure(page);
        rtfInstructions.addToPrint(printer);
    }
    printer.endDoc();
}

// --- navigation ----------------------------------------------------------------------

void FrmInstructSwitch::mnuAbout_Click() { cmdWelcome_Click(); }
void FrmInstructSwitch::mnuDocumentation_Click() { cmdDocumentation_Click(); }
void FrmInstructSwitch::mnuDetailedInstructions_Click() { cmdAppInstr_Click(); }
void FrmInstructSwitch::mnuGeneralInstructions_Click() { cmdGCI_Click(); }
void FrmInstructSwitch::mnuSpecialKeys_Click() { cmdSpecialKeys_Click(); }

void FrmInstructSwitch::cmdNext_Click()
{
    setVisible(false);
    ::FrmInstruct& chooser = program.FrmInstruct();
    chooser.load();
    // Centred over the viewer, which keeps its place while hidden.
    chooser.move(left() + (width() - chooser.width()) / 2, top() + (height() - chooser.height()) / 2);
    chooser.showModal();
}

void FrmInstructSwitch::mnuReturn_Click() { cmdNext_Click(); }

void FrmInstructSwitch::mnuExit_Click() { program.end(); }
