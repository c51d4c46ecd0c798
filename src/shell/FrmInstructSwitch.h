#pragma once
// The on-line instruction viewer: five fixed pages in a rich-text box, each
// of which can be shown and printed. Its forward button hands over to the
// instruction chooser.

#include "platform/Control.h"
#include "platform/Menu.h"
#include "platform/RichTextBox.h"
#include "shell/InstructionPages.h"
#include "shell/Resize.h"

#include <QKeySequence>

class FrmInstructSwitch : public ScalingForm {
public:
    explicit FrmInstructSwitch(Program& p);

    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::RichTextBox rtfInstructions{*this, "rtfInstructions"};
    platform::CommandButton cmdNext{*this, "cmdNext"};

    platform::MenuItem mnuFile{*this, "mnuFile", "&File"};
    platform::MenuItem mnuReturn{*this, "mnuReturn", "Return to Main", &mnuFile,
                                 QKeySequence(Qt::CTRL | Qt::Key_R)};
    platform::MenuItem mnuSepp{*this, "mnuSepp", "-", &mnuFile};
    platform::MenuItem mnuExit{*this, "mnuExit", "Exit Application", &mnuFile, QKeySequence(Qt::Key_F12)};
    platform::MenuItem mnuInstructions{*this, "mnuInstructions", "&Instructions"};
    platform::MenuItem mnuAbout{*this, "mnuAbout", "About", &mnuInstructions, QKeySequence(Qt::Key_F1)};
    platform::MenuItem mnuDocumentation{*this, "mnuDocumentation", "Documentation", &mnuInstructions,
                                        QKeySequence(Qt::Key_F2)};
    platform::MenuItem mnuDetailedInstructions{*this, "mnuDetailedInstructions", "Detailed Instructions",
                                               &mnuInstructions, QKeySequence(Qt::Key_F3)};
    platform::MenuItem mnuGeneralInstructions{*this, "mnuGeneralInstructions", "General Instructions",
                                              &mnuInstructions, QKeySequence(Qt::Key_F4)};
    platform::MenuItem mnuSpecialKeys{*this, "mnuSpecialKeys", "Special Keys", &mnuInstructions,
                                      QKeySequence(Qt::Key_F5)};
    platform::MenuItem mnuPrint{*this, "mnuPrint", "&Print"};
    platform::MenuItem mnuPAbout{*this, "mnuPAbout", "About", &mnuPrint, QKeySequence(Qt::Key_F6)};
    platform::MenuItem mnuPDocumentation{*this, "mnuPDocumentation", "Documentation", &mnuPrint,
                                         QKeySequence(Qt::Key_F7)};
    platform::MenuItem mnuPDetailedInstructions{*this, "mnuPDetailedInstructions", "Detailed Instructions",
                                                &mnuPrint, QKeySequence(Qt::Key_F8)};
    platform::MenuItem mnupGeneralInstructions{*this, "mnupGeneralInstructions", "General Instructions",
                                               &mnuPrint, QKeySequence(Qt::Key_F9)};
    // F10 belongs to the menu bar.
    platform::MenuItem mnuPSpecialKeys{*this, "mnuPSpecialKeys", "Special Keys", &mnuPrint,
                                       QKeySequence(Qt::Key_F11)};
    platform::MenuItem mnuSep{*this, "mnuSep", "-", &mnuPrint};
    platform::MenuItem mnuPrintAll{*this, "mnuPrintAll", "Print All", &mnuPrint};

    // The page procedures: each replaces the page on show and does nothing else.
    void cmdAppInstr_Click();
    void cmdDocumentation_Click();
    void cmdGCI_Click();
    void cmdSpecialKeys_Click();
    void cmdWelcome_Click();

    void Form_Load() override;
    void cmdNext_Click();
    void mnuReturn_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuDocumentation_Click();
    void mnuDetailedInstructions_Click();
    void mnuGeneralInstructions_Click();
    void mnuSpecialKeys_Click();
    void mnuPAbout_Click();
    void mnuPDocumentation_Click();
    void mnuPDetailedInstructions_Click();
    void mnupGeneralInstructions_Click();
    void mnuPSpecialKeys_Click();
    void mnuPrintAll_Click();

private:
    void showPage(InstructionPage page);
    // Shows the page and prints it; false when the print failed (the user
    // has been told).
    void runPageProcedure(InstructionPage page);
    bool printPage(InstructionPage page);
};
