#include "shell/FrmInstructSwitch.h"
#include "shell/frmSplash.h"
#include "support/ProgramFixture.h"

#include <QTest>
#include <QWidget>

using testsupport::ProgramTest;

namespace {

class SplashTest : public ProgramTest {};

TEST_F(SplashTest, WindowStateQuestionComesBeforeTheSplashAndKeepsItsAnswer)
{
    struct Case {
        platform::Answer answer;
        int16_t screenMax;
    };
    for (const Case c : {Case{platform::Answer::Yes, 6}, Case{platform::Answer::No, 7}}) {
        SCOPED_TRACE(c.screenMax);
        bool splashOnScreenWhenAsked = true;
        struct Watching : testsupport::ScriptedDialogs {
            std::function<void()> onAsk;
            platform::Answer msgBox(const QString& p, platform::Buttons b, platform::Icon i,
                                    const QString& t) override
            {
                onAsk();
                return ScriptedDialogs::msgBox(p, b, i, t);
            }
        } watching;
        Program program(watching, screen, &printer, [] {});
        watching.onAsk = [&] {
            QWidget* w = program.frmSplash().window();
            splashOnScreenWhenAsked = w && w->isVisible();
        };
        watching.answer(c.answer);
        program.start();

        ASSERT_EQ(watching.shown().size(), 1u);
        const testsupport::RecordedDialog& asked = watching.shown().front();
        EXPECT_EQ(asked.title, "Window State for Varna Model");
        EXPECT_EQ(asked.prompt, "If you want to view the screens in this program maximized click on the "
                                "'Yes' button otherwise click 'No'. ");
        EXPECT_EQ(asked.buttons, platform::Buttons::YesNo);
        EXPECT_FALSE(splashOnScreenWhenAsked);
        EXPECT_EQ(program.vc.ScreenMax, c.screenMax);
        EXPECT_TRUE(program.frmSplash().isShown());
    }
}

TEST_F(SplashTest, CharacterKeysLeaveTheSplashForTheAboutPage)
{
    struct Case {
        const char* name;
        Qt::Key key;
        bool leaves;
    };
    const Case cases[] = {
        {"letter", Qt::Key_Q, true},      {"digit", Qt::Key_7, true},      {"Enter", Qt::Key_Return, true},
        {"Escape", Qt::Key_Escape, true}, {"Backspace", Qt::Key_Backspace, true},
        {"F1", Qt::Key_F1, false},        {"F10", Qt::Key_F10, false},     {"arrow", Qt::Key_Left, false},
        {"Shift", Qt::Key_Shift, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::ScriptedDialogs dialogs;
        platform::FixedScreen screen;
        Program program(dialogs, screen, &printer, [] {});
        dialogs.answer(platform::Answer::No);
        program.start();
        frmSplash& splash = program.frmSplash();
        activate(splash);
        QTest::keyClick(splash.window(), c.key);

        EXPECT_EQ(splash.isLoaded(), !c.leaves);
        EXPECT_EQ(program.FrmInstructSwitch().isShown(), c.leaves);
        if (c.leaves) {
            EXPECT_EQ(program.FrmInstructSwitch().rtfInstructions.text(),
                      instructionPageText(InstructionPage::About));
            EXPECT_EQ(dialogs.shown().size(), 1u) << "the question is asked once only";
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SplashTest, AClickOnAnyPartLeavesTheSplash)
{
    const char* names[] = {"Frame1", "imgLogo", "lblProductName", "lblProductName2", "lblInstruction",
                           "lblDate"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        testsupport::ScriptedDialogs dialogs;
        platform::FixedScreen screen;
        Program program(dialogs, screen, &printer, [] {});
        dialogs.answer(platform::Answer::No);
        program.start();
        frmSplash& splash = program.frmSplash();
        platform::Control* part = nullptr;
        for (platform::Control* c : splash.controls())
            if (c->name() == name)
                part = c;
        ASSERT_NE(part, nullptr);
        ASSERT_NE(part->widget(), nullptr);
        // A point of the part that no other part covers.
        const QPoint at = part->kind() == platform::ControlKind::Frame ? QPoint(4, part->widget()->height() - 4)
                                                                        : part->widget()->rect().center();
        QTest::mouseClick(part->widget(), Qt::LeftButton, {}, at);

        EXPECT_FALSE(splash.isLoaded());
        EXPECT_TRUE(program.FrmInstructSwitch().isShown());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
