// The road from start-up through the instructions to the console, and the
// instruction chooser's way back into the viewer.
#include "shell/FrmConsole.h"
#include "shell/FrmInstruct.h"
#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "support/ProgramFixture.h"

#include <QTest>

using testsupport::ProgramTest;
using testsupport::whenModal;

namespace {

class ShellTest : public ProgramTest {
protected:
    FrmInstructSwitch& viewer()
    {
        Program& p = started();
        p.frmSplash().lblProductName_Click();
        return p.FrmInstructSwitch();
    }

    // The viewer's forward button, with the chooser answered by clicking one
    // of its buttons (or by what answer does) while it is up.
    void forwardThenChoose(FrmInstructSwitch& v, std::function<void(FrmInstruct&)> answer)
    {
        FrmInstruct& chooser = program().FrmInstruct();
        whenModal(chooser, [&chooser, answer] { answer(chooser); });
        QTest::mouseClick(v.cmdNext.widget(), Qt::LeftButton);
    }

    static std::function<void(FrmInstruct&)> click(platform::CommandButton FrmInstruct::*button)
    {
        return [button](FrmInstruct& c) { QTest::mouseClick((c.*button).widget(), Qt::LeftButton); };
    }
};

TEST_F(ShellTest, EachPageButtonOfTheChooserBringsTheViewerBackOnThatPage)
{
    struct Case {
        const char* name;
        platform::CommandButton FrmInstruct::*button;
        InstructionPage page;
    };
    const Case cases[] = {
        {"Documentation", &FrmInstruct::cmdDocumen, InstructionPage::Documentation},
        {"Detailed", &FrmInstruct::cmdDetInstruc, InstructionPage::DetailedInstructions},
        {"General", &FrmInstruct::cmdGenInstruc, InstructionPage::GeneralInstructions},
        {"Special / Hot Keys", &FrmInstruct::cmdHotKey, InstructionPage::SpecialKeys},
        {"About", &FrmInstruct::cmdAbout, InstructionPage::About},
    };
    FrmInstructSwitch& v = viewer();
    FrmInstruct& chooser = program().FrmInstruct();
    // One after the other: a page button only hides the chooser, and the
    // forward button opens the same chooser again.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool viewerHiddenMeanwhile = false;
        forwardThenChoose(v, [&](FrmInstruct& ch) {
            viewerHiddenMeanwhile = !v.isShown() && v.isLoaded();
            click(c.button)(ch);
        });
        EXPECT_TRUE(viewerHiddenMeanwhile);
        EXPECT_TRUE(v.isShown());
        EXPECT_EQ(v.rtfInstructions.text(), instructionPageText(c.page));
        EXPECT_FALSE(chooser.isShown());
        EXPECT_TRUE(chooser.isLoaded());
        EXPECT_FALSE(program().FrmConsole().isShown());
    }
    EXPECT_EQ(endCalls, 0);
}

TEST_F(ShellTest, ModelGoesOnToTheConsoleAndUnloadsBothInstructionForms)
{
    FrmInstructSwitch& v = viewer();
    forwardThenChoose(v, click(&FrmInstruct::cmdModel));
    EXPECT_TRUE(program().FrmConsole().isShown());
    EXPECT_FALSE(v.isLoaded());
    EXPECT_FALSE(program().FrmInstruct().isLoaded());
    EXPECT_EQ(endCalls, 0);
}

TEST_F(ShellTest, ReturnToMainLeadsToTheChooserNotTheConsole)
{
    FrmInstructSwitch& v = viewer();
    activate(v);
    bool chooserUp = false;
    whenModal(program().FrmInstruct(), [&] {
        chooserUp = true;
        program().FrmInstruct().cmdGenInstruc_Click();
    });
    QTest::keyClick(v.window(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(chooserUp);
    EXPECT_FALSE(program().FrmConsole().isLoaded());
    EXPECT_EQ(v.rtfInstructions.text(), instructionPageText(InstructionPage::GeneralInstructions));
}

// What the test-selection form does to show the valid combinations.
void openFromTesting(Program& p)
{
    p.vc.InstructFromTesting = -1;
    p.FrmInstructSwitch().load();
    p.FrmInstructSwitch().cmdAppInstr_Click();
    p.FrmInstructSwitch().showModal();
}

TEST_F(ShellTest, ModelGoesBackToTheTestSelectionWhenThatOpenedTheInstructions)
{
    struct Case {
        const char* name;
        bool visitAboutFirst;
    };
    for (const Case c : {Case{"straight to Model", false}, Case{"About, then Model", true}}) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs script;
        platform::FixedScreen screen;
        int ended = 0;
        Program p(script, screen, &printer, [&] { ++ended; });
        FrmInstructSwitch& v = p.FrmInstructSwitch();
        FrmInstruct& chooser = p.FrmInstruct();
        bool sawDetailed = false;
        whenModal(v, [&] {
            sawDetailed = v.rtfInstructions.text() == instructionPageText(InstructionPage::DetailedInstructions);
            if (c.visitAboutFirst) {
                whenModal(chooser, [&] {
                    chooser.cmdAbout_Click();
                    whenModal(chooser, [&] { chooser.cmdModel_Click(); });
                    v.cmdNext_Click();
                });
            } else {
                whenModal(chooser, [&] { chooser.cmdModel_Click(); });
            }
            v.cmdNext_Click();
        });
        openFromTesting(p);

        EXPECT_TRUE(sawDetailed);
        EXPECT_EQ(p.vc.InstructFromTesting, 0);
        EXPECT_FALSE(v.isLoaded());
        EXPECT_FALSE(chooser.isLoaded());
        EXPECT_FALSE(p.FrmConsole().isLoaded());
        EXPECT_EQ(ended, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ShellTest, ClosingTheChooserStillLeavesAFormOnScreen)
{
    FrmInstructSwitch& v = viewer();
    forwardThenChoose(v, [](FrmInstruct& c) { c.window()->close(); });
    EXPECT_EQ(endCalls, 0);
    EXPECT_TRUE(program().runtime().anyFormVisible());
    EXPECT_TRUE(program().FrmConsole().isShown());
    EXPECT_FALSE(program().FrmInstruct().isLoaded());
}

TEST_F(ShellTest, OnAnEightHundredScreenTheCautionComesAgainAtEveryLoadOfTheViewer)
{
    screen.setSize(800, 600);
    dialogs.answer(platform::Answer::No);  // window state
    dialogs.answer(platform::Answer::No);  // caution at start-up
    dialogs.answer(platform::Answer::No);  // caution when loaded again
    program().start();
    program().frmSplash().Frame1_Click();
    forwardThenChoose(program().FrmInstructSwitch(), click(&FrmInstruct::cmdModel));
    ASSERT_TRUE(program().FrmConsole().isShown());

    program().vc.InstructFromTesting = -1;
    program().FrmInstructSwitch().load();
    const std::vector<QString> titles = [&] {
        std::vector<QString> t;
        for (const auto& d : dialogs.shown())
            t.push_back(d.title);
        return t;
    }();
    EXPECT_EQ(titles, (std::vector<QString>{"Window State for Varna Model", "   Caution   ", "   Caution   "}));
    EXPECT_FALSE(dialogs.ranOutOfAnswers());
}

} // namespace
